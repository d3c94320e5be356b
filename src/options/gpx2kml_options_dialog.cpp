#include "options/gpx2kml_options_dialog.h"

#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "options/option_controls.h"
#include "options/settings_keys.h"
#include "options/settings_store.h"
#include "options/stored_values.h"
#include "windows/twips.h"

namespace {

QString NormalizedNumber(const QString& text) { return QText(ruvela::NormalizedBoxText(StdText(text))); }

}  // namespace

frmGPX2KMLOpts::frmGPX2KMLOpts(SettingsStore& store, QWidget* parent) : QDialog(parent), store_(store) {
  setObjectName("frmGPX2KMLOpts");
  setModal(true);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(Px(4695), Px(3225));
  CreateControls();
  SetTabOrder();
  ConnectHandlers();
}

void frmGPX2KMLOpts::CreateControls() {
  cmdOptOK = new QPushButton("OK", this);
  cmdOptOK->setObjectName("cmdOptOK");
  cmdOptOK->setGeometry(TwipsRect(3600, 2760, 975, 375));
  cmdDefault = new QPushButton("Default", this);
  cmdDefault->setObjectName("cmdDefault");
  cmdDefault->setGeometry(TwipsRect(2400, 2760, 975, 375));
  for (QPushButton* button : {cmdOptOK, cmdDefault}) button->setAutoDefault(false);

  FrameGPX2KML = new QGroupBox("GPX -> KML", this);
  FrameGPX2KML->setObjectName("FrameGPX2KML");
  FrameGPX2KML->setGeometry(TwipsRect(120, 120, 4455, 2535));

  const auto option = [&](const char* name, QRect geometry) {
    auto* button = new QRadioButton(FrameGPX2KML);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
  };
  const auto check = [&](const char* name, QRect geometry) {
    auto* box = new OptionCheckBox(FrameGPX2KML);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
  };
  const auto number = [&](const char* name, QRect geometry) {
    auto* box = new OptionTextBox(FrameGPX2KML, NormalizedNumber);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
  };
  OptCONSTT = option("OptCONSTT", TwipsRect(120, 240, 3735, 255));
  txtT_ele = number("txtT_ele", TwipsRect(3840, 240, 495, 285));
  OptTrkMultip = option("OptTrkMultip", TwipsRect(120, 600, 3735, 255));
  txtTrkMultip = number("txtTrkMultip", TwipsRect(3840, 600, 495, 285));
  OptTrkTrueEle = option("OptTrkTrueEle", TwipsRect(120, 960, 4215, 255));
  chkTrkOffset = check("chkTrkOffset", TwipsRect(480, 1320, 3375, 255));
  txtTrkOffset = number("txtTrkOffset", TwipsRect(3840, 1320, 495, 285));
  chkTrkEleABS = check("chkTrkEleABS", TwipsRect(120, 1680, 4215, 255));

  // The line parts the track options from the route elevation below it.
  auto* line1 = new QFrame(FrameGPX2KML);
  line1->setObjectName("Line1");
  line1->setFrameShape(QFrame::HLine);
  line1->setFrameShadow(QFrame::Sunken);
  line1->setGeometry(Px(240), Px(2040) - 1, Px(3480 - 240), 2);

  lblCONSTR = new QLabel(FrameGPX2KML);
  lblCONSTR->setObjectName("lblCONSTR");
  lblCONSTR->setGeometry(TwipsRect(360, 2160, 3495, 255));
  txtR_ele = number("txtR_ele", TwipsRect(3840, 2160, 495, 285));
  lblCONSTR->setBuddy(txtR_ele);
}

void frmGPX2KMLOpts::SetTabOrder() {
  const QWidget* order[] = {cmdOptOK,     OptCONSTT,    txtT_ele,     OptTrkMultip, txtTrkMultip, OptTrkTrueEle,
                            chkTrkOffset, txtTrkOffset, chkTrkEleABS, txtR_ele,     cmdDefault};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
  }
}

void frmGPX2KMLOpts::ConnectHandlers() {
  connect(cmdOptOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdDefault, &QPushButton::clicked, this, &frmGPX2KMLOpts::cmdDefault_Click);
  for (QRadioButton* button : {OptCONSTT, OptTrkMultip, OptTrkTrueEle}) {
    connect(button, &QRadioButton::toggled, this, &frmGPX2KMLOpts::RefreshEnabled);
  }
  for (OptionCheckBox* box : {chkTrkOffset, chkTrkEleABS}) {
    connect(box, &QCheckBox::stateChanged, this, &frmGPX2KMLOpts::RefreshEnabled);
  }
}

void frmGPX2KMLOpts::LoadLayoutTxts() {
  const QString constantTip = "El track convertido es dibujado con una altura constante";
  const QString routeTip = "El valor de altura tomado para dibujar las rutas convertidas";
  const QString amplifierTip = "La altura calculada se amplificará en este porcentaje para ser dibujada";
  const QString offsetTip = "El valor se agrega al registrado en el track para asegurar que surja sobre el \"Terrain\"";
  OptCONSTT->setText("Altura Constante en los &Tracks");
  OptCONSTT->setToolTip(constantTip);
  lblCONSTR->setText("Altura Constante en las &Rutas");
  lblCONSTR->setToolTip(routeTip);
  OptTrkTrueEle->setText("Alturas Re&gistradas en el Track (AReT)");
  OptTrkTrueEle->setToolTip("El valor de altura tomado para dibujar las rutas convertidas será obtenido del GPX");
  chkTrkEleABS->setText("Sólo Alturas &Positivas en Tracks (ABS)");
  chkTrkEleABS->setToolTip("Se tomarán las alturas en valor absoluto");
  OptTrkMultip->setText("&Amplificador de Alturas en Tracks [%]");
  OptTrkMultip->setToolTip(amplifierTip);
  txtTrkMultip->setToolTip(amplifierTip);
  chkTrkOffset->setText("Elevación a&dicional sobre las AReT");
  chkTrkOffset->setToolTip(offsetTip);
  txtTrkOffset->setToolTip(offsetTip);
  txtT_ele->setToolTip(constantTip);
  txtR_ele->setToolTip(routeTip);
}

void frmGPX2KMLOpts::LoadOptions() {
  using namespace settings_keys;
  defaults_ = {"1", "0", "0", "1", "1", "200", shadowROUTE_ELE.trimmed(), shadowTRACK_ELE.trimmed(),
               shadowOFFSET_ELE.trimmed()};
  const auto read = [&](const char* key, const QString& fallback) {
    return StdText(store_.GetSetting(kGpx2KmlSection, key, fallback));
  };
  // Selecting an option clears the others, so the last selecting key wins.
  SetOptionSelected(OptCONSTT, ruvela::OptionSelectedFromText(read(kOptCONSTT, defaults_.OptCONSTT)));
  SetOptionSelected(OptTrkMultip, ruvela::OptionSelectedFromText(read(kOptTrkMultip, defaults_.OptTrkMultip)));
  SetOptionSelected(OptTrkTrueEle, ruvela::OptionSelectedFromText(read(kOptTrkTrueEle, defaults_.OptTrkTrueEle)));
  chkTrkEleABS->SetState(ruvela::CheckStateFromText(read(kChkTrkEleABS, defaults_.chkTrkEleABS),
                                                    CheckStateOfDefault(defaults_.chkTrkEleABS)));
  chkTrkOffset->SetState(ruvela::CheckStateFromText(read(kChkTrkOffset, defaults_.chkTrkOffset),
                                                    CheckStateOfDefault(defaults_.chkTrkOffset)));
  txtTrkMultip->setText(QText(ruvela::PercentTextFromStore(read(kTxtTrkMultip, defaults_.txtTrkMultip),
                                                       StdText(defaults_.txtTrkMultip))));
  txtT_ele->setText(QText(ruvela::ElevationTextFromStore(read(kTxtT_ele, defaults_.txtT_ele), StdText(defaults_.txtT_ele))));
  txtR_ele->setText(QText(ruvela::ElevationTextFromStore(read(kTxtR_ele, defaults_.txtR_ele), StdText(defaults_.txtR_ele))));
  txtTrkOffset->setText(
      QText(ruvela::ElevationTextFromStore(read(kTxtTrkOffset, defaults_.txtTrkOffset), StdText(defaults_.txtTrkOffset))));
  RefreshEnabled();
}

void frmGPX2KMLOpts::SaveOptions() {
  using namespace settings_keys;
  const auto write = [&](const char* key, const std::string& value) {
    store_.SaveSetting(kGpx2KmlSection, key, QText(value));
  };
  write(kOptCONSTT, ruvela::OptionStateText(OptCONSTT->isChecked()));
  write(kOptTrkMultip, ruvela::OptionStateText(OptTrkMultip->isChecked()));
  write(kOptTrkTrueEle, ruvela::OptionStateText(OptTrkTrueEle->isChecked()));
  write(kChkTrkEleABS, ruvela::CheckStateText(chkTrkEleABS->State()));
  write(kChkTrkOffset, ruvela::CheckStateText(chkTrkOffset->State()));
  write(kTxtTrkMultip, ruvela::StoredIntegerText(StdText(txtTrkMultip->text())));
  write(kTxtT_ele, ruvela::StoredIntegerText(StdText(txtT_ele->text())));
  write(kTxtR_ele, ruvela::StoredIntegerText(StdText(txtR_ele->text())));
  write(kTxtTrkOffset, ruvela::StoredIntegerText(StdText(txtTrkOffset->text())));
}

ruvela::Gpx2KmlOptions frmGPX2KMLOpts::Values() const {
  ruvela::Gpx2KmlOptions values;
  values.OptCONSTT = OptCONSTT->isChecked();
  values.OptTrkMultip = OptTrkMultip->isChecked();
  values.OptTrkTrueEle = OptTrkTrueEle->isChecked();
  values.chkTrkEleABS = chkTrkEleABS->State();
  values.chkTrkOffset = chkTrkOffset->State();
  values.txtTrkMultip = StdText(txtTrkMultip->text());
  values.txtT_ele = StdText(txtT_ele->text());
  values.txtR_ele = StdText(txtR_ele->text());
  values.txtTrkOffset = StdText(txtTrkOffset->text());
  return values;
}

void frmGPX2KMLOpts::cmdDefault_Click() {
  SetOptionSelected(OptCONSTT, defaults_.OptCONSTT == "1");
  SetOptionSelected(OptTrkMultip, defaults_.OptTrkMultip == "1");
  SetOptionSelected(OptTrkTrueEle, defaults_.OptTrkTrueEle == "1");
  chkTrkEleABS->SetState(CheckStateOfDefault(defaults_.chkTrkEleABS));
  chkTrkOffset->SetState(CheckStateOfDefault(defaults_.chkTrkOffset));
  txtTrkMultip->setText(defaults_.txtTrkMultip);
  txtT_ele->setText(defaults_.txtT_ele);
  txtR_ele->setText(defaults_.txtR_ele);
  txtTrkOffset->setText(defaults_.txtTrkOffset);
  RefreshEnabled();
}

void frmGPX2KMLOpts::RefreshEnabled() {
  chkTrkOffset->setEnabled(OptTrkTrueEle->isChecked());
  chkTrkEleABS->setEnabled(!OptCONSTT->isChecked());
  txtT_ele->setEnabled(OptCONSTT->isChecked());
  txtTrkMultip->setEnabled(OptTrkMultip->isChecked());
  txtTrkOffset->setEnabled(chkTrkOffset->isEnabled() && chkTrkOffset->State() != ruvela::CheckState::Unchecked);
}

void frmGPX2KMLOpts::keyPressEvent(QKeyEvent* event) {
  // Neither Enter nor Esc closes this dialog: only OK (or the window's
  // close command) does.
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      event->accept();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}
