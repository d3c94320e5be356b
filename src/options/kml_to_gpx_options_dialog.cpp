#include "options/kml_to_gpx_options_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/fit_to_text.h"
#include "gui/twips.h"
#include "options/option_controls.h"
#include "settings/stored_values.h"

namespace ruvela {

KmlToGpxOptionsDialog::KmlToGpxOptionsDialog(QWidget* parent)
    : OptionsDialogFor("frmKML2GPXOpts", EnterKey::PressesOk, parent) {
  buildControls();
}

void KmlToGpxOptionsDialog::createControls() {
  FrameKML2GPX = newFrame("FrameKML2GPX", "KML -> GPX");

  lblRouteItFolderName = new QLabel(FrameKML2GPX);
  lblRouteItFolderName->setObjectName("lblRouteItFolderName");
  lblRouteItFolderName->setTextFormat(Qt::PlainText);
  txtRouteItFolderName = newTextBox(FrameKML2GPX, "txtRouteItFolderName", TrimmedText);

  const auto check = [&](const char* name) { return newCheckBox(FrameKML2GPX, name); };
  chkIgnoreRtWpts = check("chkIgnoreRtWpts");
  chkDupWpts = check("chkDupWpts");
  chkAutoWRName = check("chkAutoWRName");
  chkPathsAsTracks = check("chkPathsAsTracks");
  chkPointTimes = check("chkPointTimes");

  for (OptionCheckBox* box : {chkIgnoreRtWpts, chkAutoWRName, chkDupWpts}) {
    connect(box, &QCheckBox::stateChanged, this, &KmlToGpxOptionsDialog::refreshEnabled);
  }
}

// The described arrangement: the folder name with its label on the first
// line, the check boxes one below the other; OK at the bottom right,
// Default before it. Controls added to the frame later take the next lines.
void KmlToGpxOptionsDialog::layOutControls() {
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

  layOutFrameAndButtons(FrameKML2GPX, QMargins(Px(120), Px(120), Px(5760 - 5655), Px(2640 - 2535)), Px(2160 - 2055),
                        Px(4680 - 4455));

  setTabOrder(cmdOptOK, txtRouteItFolderName);
  setTabOrder(txtRouteItFolderName, chkDupWpts);
  setTabOrder(chkDupWpts, chkAutoWRName);
  setTabOrder(chkAutoWRName, chkPathsAsTracks);
  setTabOrder(chkPathsAsTracks, chkPointTimes);
  setTabOrder(chkPointTimes, cmdDefault);
  setTabOrder(cmdDefault, chkIgnoreRtWpts);
}

// Once the captions are set: every control as large as described, or as
// its text needs, and the dialog as large as that takes.
void KmlToGpxOptionsDialog::fitToTexts() {
  KeepDescribedSizeOrMore(lblRouteItFolderName, QSize(Px(2880 - 120 - 90), Px(255)));
  FitNumberBox(txtRouteItFolderName, Px(2535));
  fitButtonsAndWindow(QSize(Px(5760), Px(2640)));
}

void KmlToGpxOptionsDialog::setCaptions() {
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
  chkPointTimes->setText("&Fecha y hora de los puntos");
  chkPointTimes->setToolTip(
      "La fecha y hora (TimeStamp) de cada Placemark se escribirá en su waypoint y en su punto de ruta.");
  fitToTexts();
}

ruvela::Kml2GpxOptions KmlToGpxOptionsDialog::values() const {
  ruvela::Kml2GpxOptions values;
  values.routeFolderName = StdText(txtRouteItFolderName->text());
  values.ignoreRouteWaypoints = chkIgnoreRtWpts->state();
  values.autoNameRoutePoints = chkAutoWRName->state();
  values.duplicateRouteWaypoints = chkDupWpts->state();
  values.pathsAsTracks = chkPathsAsTracks->state();
  values.pointTimes = chkPointTimes->state();
  return values;
}

void KmlToGpxOptionsDialog::setValues(const ruvela::Kml2GpxOptions& values) {
  chkIgnoreRtWpts->setState(values.ignoreRouteWaypoints);
  chkAutoWRName->setState(values.autoNameRoutePoints);
  chkDupWpts->setState(values.duplicateRouteWaypoints);
  txtRouteItFolderName->setText(QText(values.routeFolderName));
  chkPathsAsTracks->setState(values.pathsAsTracks);
  chkPointTimes->setState(values.pointTimes);
  refreshEnabled();
}

void KmlToGpxOptionsDialog::refreshEnabled() {
  if (chkIgnoreRtWpts->state() != ruvela::CheckState::Checked) {
    chkDupWpts->setEnabled(true);
    chkAutoWRName->setEnabled(chkDupWpts->state() == ruvela::CheckState::Unchecked);
  } else {
    chkAutoWRName->setEnabled(false);
    chkDupWpts->setEnabled(false);
  }
}

}  // namespace ruvela
