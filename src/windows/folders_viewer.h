// FoldersViewer: the folders found in the last KML file, one per line, the one
// that gave the routes marked " <<<". A resizable window with a single Close
// button that reopens where and as large as the user left it.
#pragma once

#include <vector>

#include <QDialog>
#include <QRect>
#include <QString>
#include <QStringList>

#include "walk/conversion.h"

class QHelpEvent;
class QPlainTextEdit;
class QPushButton;
class QResizeEvent;
class QShowEvent;

namespace ruvela {

class SettingsStore;

class FoldersViewer final : public QDialog {
  Q_OBJECT

 public:
  // Reads the remembered place from `settings`, which must outlive the
  // window; closing the window writes it back.
  explicit FoldersViewer(SettingsStore& settings, QWidget* parent = nullptr);

  // Titles the window and its button, and shows the folders, one a line,
  // scrolled to the end, with the marker explained in the list's tooltip.
  void showList(const EnteredFolders& folders);

  void done(int result) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  void restorePlace();
  void applyRestoredPlace();
  void placeControls();
  void showFittedLines();
  bool showWholeLine(const QHelpEvent& event);
  void rememberPlace();

  SettingsStore& settings_;
  QRect restoredPlace_;      // the remembered whole window in pixels, until it is on screen
  QStringList folderLines_;  // the list as given, one line each
  QStringList shownLines_;   // as they fit the box
  QPlainTextEdit* txtFolders = nullptr;
  QPushButton* cmdClose = nullptr;
};

// Opens the viewer on `folders` and returns once the user has closed it;
// the window in between is modal.
void ShowFoldersViewer(SettingsStore& settings, const EnteredFolders& folders, QWidget* parent);

}  // namespace ruvela
