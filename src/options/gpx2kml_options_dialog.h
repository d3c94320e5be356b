// frmGPX2KMLOpts: the options of the GPX to KML direction. Created hidden at
// start-up and alive until the program ends, it is the one home of these
// values; each conversion takes them from here when it starts.
#pragma once

#include <QDialog>
#include <QString>

#include "core/gpx2kml_options.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace ruvela {

class OptionCheckBox;
class OptionTextBox;
class SettingsStore;

class frmGPX2KMLOpts final : public QDialog {
  Q_OBJECT

 public:
  // `store` holds the program's settings and must outlive the dialog.
  frmGPX2KMLOpts(SettingsStore& store, QWidget* parent = nullptr);

  void LoadLayoutTxts();
  // Reads the section from the store, falling back to the defaults.
  void LoadOptions();
  // Writes the whole section to the store (at the end of the program).
  void SaveOptions();

  // The values as the controls hold them now.
  ruvela::Gpx2KmlOptions Values() const;
  void SetValues(const ruvela::Gpx2KmlOptions& values);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateControls();
  void LayOutControls();
  void FitToTexts();
  void SetTabOrder();
  void ConnectHandlers();
  void cmdDefault_Click();
  void RefreshEnabled();

  SettingsStore& store_;

  QPushButton* cmdOptOK = nullptr;
  QPushButton* cmdDefault = nullptr;
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
};

}  // namespace ruvela
