// The two option dialogs in the main window's life: created hidden with the
// window, filled from the settings store at start-up, shown from the
// Options menu, and written back when the program ends (StoreSettings).
#include "app/main_window.h"
#include "app/window_texts.h"
#include "options/gpx_to_kml_options_dialog.h"
#include "options/kml_to_gpx_options_dialog.h"

#include <QPushButton>

namespace ruvela {

namespace {

using namespace ruvela::texts;

}  // namespace

void frmRuvela::CreateOptionDialogs() {
  gpx2kmlOptions_ = new GpxToKmlOptionsDialog(*services_.settings, this);
  kml2gpxOptions_ = new KmlToGpxOptionsDialog(*services_.settings, this);
}

void frmRuvela::LoadOptionDialogs() {
  gpx2kmlOptions_->setWindowTitle(QString::fromUtf8(kGpx2KmlOptionsTitle));
  gpx2kmlOptions_->SetCaptions();
  gpx2kmlOptions_->LoadOptions();

  kml2gpxOptions_->setWindowTitle(QString::fromUtf8(kKml2GpxOptionsTitle));
  kml2gpxOptions_->SetCaptions();
  kml2gpxOptions_->LoadOptions();
}

// After the options of a direction change while a result of that direction
// is pending, Reprocess invites the user to convert it again with them.
void frmRuvela::mnuGPX2KML_Click() {
  gpx2kmlOptions_->exec();
  if (!session_.InputPath.isEmpty() && session_.KmlResultPending) {
    cmdReprocess->setEnabled(true);
    cmdReprocess->setFocus();
  }
}

void frmRuvela::mnuKML2GPX_Click() {
  kml2gpxOptions_->exec();
  if (!session_.InputPath.isEmpty() && session_.GpxResultPending) {
    cmdReprocess->setEnabled(true);
    cmdReprocess->setFocus();
  }
}

}  // namespace ruvela
