#include "options/kml2gpx_options_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/stored_values.h"
#include "gui/fit_to_text.h"
#include "gui/settings_store.h"
#include "gui/twips.h"
#include "options/option_controls.h"

namespace ruvela {

namespace {

QString TrimmedName(const QString& text) { return QText(ruvela::TrimmedText(StdText(text))); }

}  // namespace

frmKML2GPXOpts::frmKML2GPXOpts(SettingsStore& store, QWidget* parent) : QDialog(parent), store_(store) {
  setObjectName("frmKML2GPXOpts");
  setModal(true);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  CreateControls();
  LayOutControls();
  SetTabOrder();
  ConnectHandlers();
  FitToTexts();
}

void frmKML2GPXOpts::CreateControls() {
  cmdOptOK = new QPushButton("OK", this);
  cmdOptOK->setObjectName("cmdOptOK");
  cmdDefault = new QPushButton("Default", this);
  cmdDefault->setObjectName("cmdDefault");
  cmdDefault->setAutoDefault(false);
  cmdOptOK->setDefault(true);  // Enter presses OK

  FrameKML2GPX = new QGroupBox("KML -> GPX", this);
  FrameKML2GPX->setObjectName("FrameKML2GPX");

  lblRouteItFolderName = new QLabel(FrameKML2GPX);
  lblRouteItFolderName->setObjectName("lblRouteItFolderName");
  lblRouteItFolderName->setTextFormat(Qt::PlainText);
  txtRouteItFolderName = new OptionTextBox(FrameKML2GPX, TrimmedName);
  txtRouteItFolderName->setObjectName("txtRouteItFolderName");

  const auto check = [&](const char* name) {
    auto* box = new OptionCheckBox(FrameKML2GPX);
    box->setObjectName(name);
    return box;
  };
  chkIgnoreRtWpts = check("chkIgnoreRtWpts");
  chkDupWpts = check("chkDupWpts");
  chkAutoWRName = check("chkAutoWRName");
  chkPathsAsTracks = check("chkPathsAsTracks");
}

// The described arrangement: the folder name with its label on the first
// line, the check boxes one below the other; OK at the bottom right,
// Default before it. Controls added to the frame later take the next lines.
void frmKML2GPXOpts::LayOutControls() {
  auto* folder = new QHBoxLayout;
  folder->setSpacing(Px(90));  // the label's text never touches the box
  folder->addWidget(lblRouteItFolderName);
  folder->addWidget(txtRouteItFolderName, 1);

  auto* lines = new QVBoxLayout;
  lines->setSpacing(Px(1200 - 840 - 255));
  lines->addLayout(folder);
  lines->addSpacing(Px(840 - 630) - lines->spacing());
  // Every check box of the frame, in the order they were made.
  for (OptionCheckBox* box : FrameKML2GPX->findChildren<OptionCheckBox*>(Qt::FindDirectChildrenOnly)) {
    lines->addWidget(box);
  }
  lines->addStretch();  // room the texts leave goes below them
  FrameKML2GPX->setLayout(lines);
  SetFrameMargins(FrameKML2GPX, lines, QMargins(Px(120), Px(345), Px(5535 - 5415), Px(1935 - 1815)));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdDefault);
  buttons->addSpacing(Px(4680 - 4455) - buttons->spacing());
  buttons->addWidget(cmdOptOK);

  auto* window = new QVBoxLayout(this);
  window->setContentsMargins(Px(120), Px(120), Px(5760 - 5655), Px(2640 - 2535));
  window->setSpacing(Px(2160 - 2055));
  window->addWidget(FrameKML2GPX, 1);
  window->addLayout(buttons);
}

// Once the captions are set: every control as large as described, or as
// its text needs, and the dialog as large as that takes.
void frmKML2GPXOpts::FitToTexts() {
  for (QPushButton* button : {cmdOptOK, cmdDefault}) FitButton(button, QSize(Px(975), Px(375)));
  KeepDescribedSizeOrMore(lblRouteItFolderName, QSize(Px(2880 - 120 - 90), Px(255)));
  FitNumberBox(txtRouteItFolderName, Px(2535));
  FixWindowSize(this, QSize(Px(5760), Px(2640)));
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
  FitToTexts();
}

void frmKML2GPXOpts::LoadOptions() { SetValues(ReadOptions(store_, KmlToGpxOptionTable())); }

void frmKML2GPXOpts::SaveOptions() { WriteOptions(store_, KmlToGpxOptionTable(), Values()); }

ruvela::Kml2GpxOptions frmKML2GPXOpts::Values() const {
  ruvela::Kml2GpxOptions values;
  values.routeFolderName = StdText(txtRouteItFolderName->text());
  values.ignoreRouteWaypoints = chkIgnoreRtWpts->State();
  values.autoNameRoutePoints = chkAutoWRName->State();
  values.duplicateRouteWaypoints = chkDupWpts->State();
  values.pathsAsTracks = chkPathsAsTracks->State();
  return values;
}

void frmKML2GPXOpts::SetValues(const ruvela::Kml2GpxOptions& values) {
  chkIgnoreRtWpts->SetState(values.ignoreRouteWaypoints);
  chkAutoWRName->SetState(values.autoNameRoutePoints);
  chkDupWpts->SetState(values.duplicateRouteWaypoints);
  txtRouteItFolderName->setText(QText(values.routeFolderName));
  chkPathsAsTracks->SetState(values.pathsAsTracks);
  RefreshEnabled();
}

// Restores the defaults in the controls only; the store is written when the
// program ends.
void frmKML2GPXOpts::cmdDefault_Click() { SetValues(ruvela::Kml2GpxOptions{}); }

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

}  // namespace ruvela
