// The options of the KML to GPX direction (frmKML2GPXOpts). Created hidden at
// start-up and alive until the program ends, it is the one home of these
// values; each conversion takes them from here when it starts.
#pragma once

#include "core/kml2gpx_options.h"
#include "options/options_dialog.h"

class QGroupBox;
class QLabel;

namespace ruvela {

class OptionCheckBox;
class OptionTextBox;

class KmlToGpxOptionsDialog final : public OptionsDialogFor<Kml2GpxOptions> {
  Q_OBJECT

 public:
  // `store` holds the program's settings and must outlive the dialog.
  KmlToGpxOptionsDialog(SettingsStore& store, QWidget* parent = nullptr);

  // Captions and tooltips.
  void setCaptions();
  Kml2GpxOptions values() const override;
  void setValues(const Kml2GpxOptions& values) override;

 private:
  void createControls() override;
  void layOutControls() override;
  void fitToTexts() override;
  void refreshEnabled();

  QGroupBox* FrameKML2GPX = nullptr;
  QLabel* lblRouteItFolderName = nullptr;
  OptionTextBox* txtRouteItFolderName = nullptr;
  OptionCheckBox* chkIgnoreRtWpts = nullptr;
  OptionCheckBox* chkDupWpts = nullptr;
  OptionCheckBox* chkAutoWRName = nullptr;
  OptionCheckBox* chkPathsAsTracks = nullptr;
  OptionCheckBox* chkPointTimes = nullptr;
};

}  // namespace ruvela
