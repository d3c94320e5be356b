#include "options/gpx_to_kml_options_dialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "gui/fit_to_text.h"
#include "gui/twips.h"
#include "options/option_controls.h"
#include "settings/stored_values.h"

namespace ruvela {

GpxToKmlOptionsDialog::GpxToKmlOptionsDialog(QWidget* parent)
    : OptionsDialogFor("frmGPX2KMLOpts", EnterKey::Ignored, parent) {
  buildControls();
}

void GpxToKmlOptionsDialog::createControls() {
  FrameGPX2KML = newFrame("FrameGPX2KML", "GPX -> KML");

  const auto option = [&](const char* name) {
    auto* button = new QRadioButton(FrameGPX2KML);
    button->setObjectName(name);
    return button;
  };
  const auto check = [&](const char* name) { return newCheckBox(FrameGPX2KML, name); };
  const auto number = [&](const char* name) { return newTextBox(FrameGPX2KML, name, NormalizedBoxText); };
  OptCONSTT = option("OptCONSTT");
  txtT_ele = number("txtT_ele");
  OptTrkMultip = option("OptTrkMultip");
  txtTrkMultip = number("txtTrkMultip");
  OptTrkTrueEle = option("OptTrkTrueEle");
  chkTrkOffset = check("chkTrkOffset");
  txtTrkOffset = number("txtTrkOffset");
  chkTrkEleABS = check("chkTrkEleABS");

  // The line parts the track options from the route elevation below it.
  Line1 = new QFrame(FrameGPX2KML);
  Line1->setObjectName("Line1");
  Line1->setFrameShape(QFrame::HLine);
  Line1->setFrameShadow(QFrame::Sunken);

  lblCONSTR = new QLabel(FrameGPX2KML);
  lblCONSTR->setObjectName("lblCONSTR");
  lblCONSTR->setTextFormat(Qt::PlainText);
  txtR_ele = number("txtR_ele");
  lblCONSTR->setBuddy(txtR_ele);
  chkTrackTimes = check("chkTrackTimes");

  for (QRadioButton* button : {OptCONSTT, OptTrkMultip, OptTrkTrueEle}) {
    connect(button, &QRadioButton::toggled, this, &GpxToKmlOptionsDialog::refreshEnabled);
  }
  for (OptionCheckBox* box : {chkTrkOffset, chkTrkEleABS}) {
    connect(box, &QCheckBox::stateChanged, this, &GpxToKmlOptionsDialog::refreshEnabled);
  }
}

// The described arrangement: each option on its own line with its number
// box at the right, the offset indented under the recorded elevations, the
// line, then the route elevation, and the times below all that; OK at the
// bottom right, Default before it.
void GpxToKmlOptionsDialog::layOutControls() {
  auto* rows = new QGridLayout;
  rows->setHorizontalSpacing(0);
  rows->setVerticalSpacing(Px(360 - 285));
  const auto indented = [](QWidget* control, int indentTwips) {
    auto* line = new QHBoxLayout;
    line->addSpacing(Px(indentTwips));
    line->addWidget(control);
    return line;
  };
  rows->addWidget(OptCONSTT, 0, 0);
  rows->addWidget(txtT_ele, 0, 1);
  rows->addWidget(OptTrkMultip, 1, 0);
  rows->addWidget(txtTrkMultip, 1, 1);
  rows->addWidget(OptTrkTrueEle, 2, 0, 1, 2);
  rows->addLayout(indented(chkTrkOffset, 480 - 120), 3, 0);
  rows->addWidget(txtTrkOffset, 3, 1);
  rows->addWidget(chkTrkEleABS, 4, 0, 1, 2);
  rows->addLayout(indented(Line1, 240 - 120), 5, 0);
  rows->addLayout(indented(lblCONSTR, 360 - 120), 6, 0);
  rows->addWidget(txtR_ele, 6, 1);
  rows->addWidget(chkTrackTimes, 7, 0, 1, 2);
  rows->setColumnStretch(0, 1);
  rows->setRowStretch(8, 1);  // room the texts leave goes below them
  // Each line as high as a number box; the line alone takes what is left
  // of the gap between the track options and the route elevation.
  for (int row = 0; row < 8; ++row) rows->setRowMinimumHeight(row, Px(285));
  rows->setRowMinimumHeight(5, Px(2160 - 1935) - 2 * rows->verticalSpacing());
  FrameGPX2KML->setLayout(rows);
  SetFrameMargins(FrameGPX2KML, rows, QMargins(Px(120), Px(240), Px(4455 - 4335), Px(2535 - 2445)));

  layOutFrameAndButtons(FrameGPX2KML, QMargins(Px(120), Px(120), Px(4695 - 4575), Px(3225 - 3135)), Px(2760 - 2655),
                        Px(3600 - 3375));

  const QWidget* order[] = {cmdOptOK,     OptCONSTT,    txtT_ele,     OptTrkMultip, txtTrkMultip,  OptTrkTrueEle,
                            chkTrkOffset, txtTrkOffset, chkTrkEleABS, txtR_ele,     chkTrackTimes, cmdDefault};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
  }
}

// Once the captions are set: every control as large as described, or as
// its text needs, and the dialog as large as that takes.
void GpxToKmlOptionsDialog::fitToTexts() {
  for (OptionTextBox* box : {txtT_ele, txtTrkMultip, txtTrkOffset, txtR_ele}) FitNumberBox(box, Px(495));
  fitButtonsAndWindow(QSize(Px(4695), Px(3225)));
}

void GpxToKmlOptionsDialog::setCaptions() {
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
  chkTrackTimes->setText("Tracks con &fecha y hora");
  chkTrackTimes->setToolTip(
      "Los tracks con fecha y hora en cada punto se dibujarán como gx:Track, que el GoogleEarth reproduce en el "
      "tiempo; los waypoints conservarán su fecha y hora.");
  fitToTexts();
}

ruvela::Gpx2KmlOptions GpxToKmlOptionsDialog::values() const {
  ruvela::Gpx2KmlOptions values;
  values.trackElevationMode = OptCONSTT->isChecked()       ? TrackElevationMode::Constant
                              : OptTrkMultip->isChecked()  ? TrackElevationMode::Amplified
                              : OptTrkTrueEle->isChecked() ? TrackElevationMode::Recorded
                                                           : TrackElevationMode::Unchosen;
  values.absoluteElevations = chkTrkEleABS->state();
  values.addOffset = chkTrkOffset->state();
  values.amplifyPercent = StdText(txtTrkMultip->text());
  values.constantTrackElevation = StdText(txtT_ele->text());
  values.routeElevation = StdText(txtR_ele->text());
  values.recordedOffset = StdText(txtTrkOffset->text());
  values.trackTimes = chkTrackTimes->state();
  return values;
}

void GpxToKmlOptionsDialog::setValues(const ruvela::Gpx2KmlOptions& values) {
  SetOptionSelected(OptCONSTT, values.trackElevationMode == TrackElevationMode::Constant);
  SetOptionSelected(OptTrkMultip, values.trackElevationMode == TrackElevationMode::Amplified);
  SetOptionSelected(OptTrkTrueEle, values.trackElevationMode == TrackElevationMode::Recorded);
  chkTrkEleABS->setState(values.absoluteElevations);
  chkTrkOffset->setState(values.addOffset);
  txtTrkMultip->setText(QText(values.amplifyPercent));
  txtT_ele->setText(QText(values.constantTrackElevation));
  txtR_ele->setText(QText(values.routeElevation));
  txtTrkOffset->setText(QText(values.recordedOffset));
  chkTrackTimes->setState(values.trackTimes);
  refreshEnabled();
}

void GpxToKmlOptionsDialog::refreshEnabled() {
  chkTrkOffset->setEnabled(OptTrkTrueEle->isChecked());
  chkTrkEleABS->setEnabled(!OptCONSTT->isChecked());
  txtT_ele->setEnabled(OptCONSTT->isChecked());
  txtTrkMultip->setEnabled(OptTrkMultip->isChecked());
  txtTrkOffset->setEnabled(chkTrkOffset->isEnabled() && chkTrkOffset->state() != ruvela::CheckState::Unchecked);
}

}  // namespace ruvela
