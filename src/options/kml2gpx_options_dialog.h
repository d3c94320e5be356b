// frmKML2GPXOpts: the options of the KML to GPX direction. Created hidden at
// start-up and alive until the program ends, it is the one home of these
// values; each conversion takes them from here when it starts.
#pragma once

#include <QDialog>
#include <QString>

#include "core/kml2gpx_options.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace ruvela {

class OptionCheckBox;
class OptionTextBox;
class SettingsStore;

class frmKML2GPXOpts final : public QDialog {
  Q_OBJECT

 public:
  // `store` holds the program's settings and must outlive the dialog.
  frmKML2GPXOpts(SettingsStore& store, QWidget* parent = nullptr);

  void LoadLayoutTxts();
  // Reads the section from the store, falling back to the defaults.
  void LoadOptions();
  // Writes the whole section to the store (at the end of the program).
  void SaveOptions();

  // The values as the controls hold them now.
  ruvela::Kml2GpxOptions Values() const;
  void SetValues(const ruvela::Kml2GpxOptions& values);

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
  QGroupBox* FrameKML2GPX = nullptr;
  QLabel* lblRouteItFolderName = nullptr;
  OptionTextBox* txtRouteItFolderName = nullptr;
  OptionCheckBox* chkIgnoreRtWpts = nullptr;
  OptionCheckBox* chkDupWpts = nullptr;
  OptionCheckBox* chkAutoWRName = nullptr;
  OptionCheckBox* chkPathsAsTracks = nullptr;
};

}  // namespace ruvela
