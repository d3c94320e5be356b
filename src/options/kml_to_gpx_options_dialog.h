// The options of the KML to GPX direction (frmKML2GPXOpts). Created hidden at
// start-up and alive until the program ends; the main window owns the values
// and hands the dialog a copy to edit.
#pragma once

#include "option_values/kml2gpx_options.h"
#include "options/options_dialog.h"

class QGroupBox;
class QLabel;

namespace ruvela {

class OptionCheckBox;
class OptionTextBox;

class KmlToGpxOptionsDialog final : public OptionsDialogFor<Kml2GpxOptions> {
  Q_OBJECT

 public:
  explicit KmlToGpxOptionsDialog(QWidget* parent = nullptr);

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
