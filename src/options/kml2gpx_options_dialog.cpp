#include "options/kml2gpx_options_dialog.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "options/option_controls.h"
#include "options/settings_keys.h"
#include "options/settings_store.h"
#include "options/stored_values.h"
#include "windows/twips.h"

namespace {

QString TrimmedName(const QString& text) { return QText(ruvela::TrimmedText(StdText(text))); }

}  // namespace

frmKML2GPXOpts::frmKML2GPXOpts(SettingsStore& store, QWidget* parent) : QDialog(parent), store_(store) {
  setObjectName("frmKML2GPXOpts");
  setModal(true);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  // One check box row (360 twips) taller than the three route options need,
  // for the paths option below them.
  setFixedSize(Px(5760), Px(3000));
  CreateControls();
  SetTabOrder();
  ConnectHandlers();
}

void frmKML2GPXOpts::CreateControls() {
  cmdOptOK = new QPushButton("OK", this);
  cmdOptOK->setObjectName("cmdOptOK");
  cmdOptOK->setGeometry(TwipsRect(4680, 2520, 975, 375));
  cmdDefault = new QPushButton("Default", this);
  cmdDefault->setObjectName("cmdDefault");
  cmdDefault->setGeometry(TwipsRect(3480, 2520, 975, 375));
  cmdDefault->setAutoDefault(false);
  cmdOptOK->setDefault(true);  // Enter presses OK

  FrameKML2GPX = new QGroupBox("KML -> GPX", this);
  FrameKML2GPX->setObjectName("FrameKML2GPX");
  FrameKML2GPX->setGeometry(TwipsRect(120, 120, 5535, 2295));

  lblRouteItFolderName = new QLabel(FrameKML2GPX);
  lblRouteItFolderName->setObjectName("lblRouteItFolderName");
  lblRouteItFolderName->setGeometry(TwipsRect(120, 360, 2775, 255));
  txtRouteItFolderName = new OptionTextBox(FrameKML2GPX, TrimmedName);
  txtRouteItFolderName->setObjectName("txtRouteItFolderName");
  txtRouteItFolderName->setGeometry(TwipsRect(2880, 345, 2535, 285));

  const auto check = [&](const char* name, int top) {
    auto* box = new OptionCheckBox(FrameKML2GPX);
    box->setObjectName(name);
    box->setGeometry(TwipsRect(120, top, 5295, 255));
    return box;
  };
  chkIgnoreRtWpts = check("chkIgnoreRtWpts", 840);
  chkDupWpts = check("chkDupWpts", 1200);
  chkAutoWRName = check("chkAutoWRName", 1560);
  chkPathsAsTracks = check("chkPathsAsTracks", 1920);
}

void frmKML2GPXOpts::SetTabOrder() {
  setTabOrder(cmdOptOK, txtRouteItFolderName);
  setTabOrder(txtRouteItFolderName, chkDupWpts);
  setTabOrder(chkDupWpts, chkAutoWRName);
  setTabOrder(chkAutoWRName, chkPathsAsTracks);
  setTabOrder(chkPathsAsTracks, cmdDefault);
  setTabOrder(cmdDefault, chkIgnoreRtWpts);
}

void frmKML2GPXOpts::ConnectHandlers() {
  connect(cmdOptOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdDefault, &QPushButton::clicked, this, &frmKML2GPXOpts::cmdDefault_Click);
  for (OptionCheckBox* box : {chkIgnoreRtWpts, chkAutoWRName, chkDupWpts}) {
    connect(box, &QCheckBox::stateChanged, this, &frmKML2GPXOpts::RefreshEnabled);
  }
}

void frmKML2GPXOpts::LoadLayoutTxts() {
  const QString folderTip = "La carpeta del GoogleEarth que, si se encuentra, se usará para generar rutas";
  lblRouteItFolderName->setText("Nombre de la carpeta de Rutas");
  lblRouteItFolderName->setToolTip(folderTip);
  txtRouteItFolderName->setToolTip(folderTip);
  chkIgnoreRtWpts->setText("&Ignorar los Waypoints de las Rutas");
  chkIgnoreRtWpts->setToolTip("Los Waypoints propios de las rutas no serán reconvertidos.");
  chkAutoWRName->setText("&Renombrar los Waypoints de las Rutas Automáticamente");
  chkAutoWRName->setToolTip(
      "El nombre del Placemark del GoogleEarth se reemplazará por uno generado automáticamente según "
      "000-NombreRuta.");
  chkDupWpts->setText("&Duplicar Waypoints de Rutas");
  chkDupWpts->setToolTip("Genera una copia de los waypoints de las rutas.");
  chkPathsAsTracks->setText("&Convertir los caminos en tracks");
  chkPathsAsTracks->setToolTip(
      "Cada camino del GoogleEarth (LineString, MultiGeometry o gx:Track) se convertirá en un track del GPX.");
}

void frmKML2GPXOpts::LoadOptions() {
  using namespace settings_keys;
  defaults_ = {"1", shadowROUTERFNAME.trimmed(), "0", "0", "0"};
  const auto read = [&](const char* key, const QString& fallback) {
    return StdText(store_.GetSetting(kKml2GpxSection, key, fallback));
  };
  chkIgnoreRtWpts->SetState(ruvela::CheckStateFromText(read(kChkIgnoreRtWpts, defaults_.chkIgnoreRtWpts),
                                                       CheckStateOfDefault(defaults_.chkIgnoreRtWpts)));
  chkAutoWRName->SetState(ruvela::CheckStateFromText(read(kChkAutoWRName, defaults_.chkAutoWRName),
                                                     CheckStateOfDefault(defaults_.chkAutoWRName)));
  chkDupWpts->SetState(ruvela::CheckStateFromText(read(kChkDupWpts, defaults_.chkDupWpts),
                                                  CheckStateOfDefault(defaults_.chkDupWpts)));
  txtRouteItFolderName->setText(
      QText(ruvela::TrimmedText(read(kTxtRouteItFolderName, defaults_.txtRouteItFolderName))));
  chkPathsAsTracks->SetState(ruvela::CheckStateFromText(read(kChkPathsAsTracks, defaults_.chkPathsAsTracks),
                                                        CheckStateOfDefault(defaults_.chkPathsAsTracks)));
  RefreshEnabled();
}

void frmKML2GPXOpts::SaveOptions() {
  using namespace settings_keys;
  const auto write = [&](const char* key, const std::string& value) {
    store_.SaveSetting(kKml2GpxSection, key, QText(value));
  };
  write(kChkIgnoreRtWpts, ruvela::CheckStateText(chkIgnoreRtWpts->State()));
  write(kChkAutoWRName, ruvela::CheckStateText(chkAutoWRName->State()));
  write(kChkDupWpts, ruvela::CheckStateText(chkDupWpts->State()));
  write(kTxtRouteItFolderName, ruvela::TrimmedText(StdText(txtRouteItFolderName->text())));
  write(kChkPathsAsTracks, ruvela::CheckStateText(chkPathsAsTracks->State()));
}

ruvela::Kml2GpxOptions frmKML2GPXOpts::Values() const {
  ruvela::Kml2GpxOptions values;
  values.txtRouteItFolderName = StdText(txtRouteItFolderName->text());
  values.chkIgnoreRtWpts = chkIgnoreRtWpts->State();
  values.chkAutoWRName = chkAutoWRName->State();
  values.chkDupWpts = chkDupWpts->State();
  values.chkPathsAsTracks = chkPathsAsTracks->State();
  return values;
}

void frmKML2GPXOpts::cmdDefault_Click() {
  chkIgnoreRtWpts->SetState(CheckStateOfDefault(defaults_.chkIgnoreRtWpts));
  chkAutoWRName->SetState(CheckStateOfDefault(defaults_.chkAutoWRName));
  chkDupWpts->SetState(CheckStateOfDefault(defaults_.chkDupWpts));
  txtRouteItFolderName->setText(defaults_.txtRouteItFolderName);
  chkPathsAsTracks->SetState(CheckStateOfDefault(defaults_.chkPathsAsTracks));
  RefreshEnabled();
}

void frmKML2GPXOpts::RefreshEnabled() {
  if (chkIgnoreRtWpts->State() != ruvela::CheckState::Checked) {
    chkDupWpts->setEnabled(true);
    chkAutoWRName->setEnabled(chkDupWpts->State() == ruvela::CheckState::Unchecked);
  } else {
    chkAutoWRName->setEnabled(false);
    chkDupWpts->setEnabled(false);
  }
}

void frmKML2GPXOpts::keyPressEvent(QKeyEvent* event) {
  // Esc does not close this dialog: only OK, Enter or the window's close
  // command does.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
