// The options of the GPX to KML direction (frmGPX2KMLOpts). Created hidden at
// start-up and alive until the program ends; the main window owns the values
// and hands the dialog a copy to edit.
#pragma once

#include "option_values/gpx2kml_options.h"
#include "options/options_dialog.h"

class QFrame;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace ruvela {

class OptionCheckBox;
class OptionTextBox;

class GpxToKmlOptionsDialog final : public OptionsDialogFor<Gpx2KmlOptions> {
  Q_OBJECT

 public:
  explicit GpxToKmlOptionsDialog(QWidget* parent = nullptr);

  // Captions and tooltips.
  void setCaptions();
  Gpx2KmlOptions values() const override;
  void setValues(const Gpx2KmlOptions& values) override;

 private:
  void createControls() override;
  void layOutControls() override;
  void fitToTexts() override;
  void refreshEnabled();

  QGroupBox* FrameGPX2KML = nullptr;
  QRadioButton* OptCONSTT = nullptr;
  OptionTextBox* txtT_ele = nullptr;
  QRadioButton* OptTrkMultip = nullptr;
  OptionTextBox* txtTrkMultip = nullptr;
  QRadioButton* OptTrkTrueEle = nullptr;
  OptionCheckBox* chkTrkOffset = nullptr;
  OptionTextBox* txtTrkOffset = nullptr;
  OptionCheckBox* chkTrkEleABS = nullptr;
  QFrame* Line1 = nullptr;
  QLabel* lblCONSTR = nullptr;
  OptionTextBox* txtR_ele = nullptr;
  OptionCheckBox* chkTrackTimes = nullptr;
};

}  // namespace ruvela
