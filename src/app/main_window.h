// The program's main window: the chosen file, the counts of the
// running or last conversion, the status line, and every command. It builds
// its widgets, wires the commands and reacts; running a conversion and
// saving the result are the jobs of objects it owns.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include "app/conversion_runner.h"
#include "app/conversion_session.h"
#include "app/platform_services.h"
#include "app/result_saver.h"
#include "app/user_questions.h"
#include "core/path_parts.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QMimeData;
class QPushButton;

namespace ruvela {

class ElidedLabel;
class GpxToKmlOptionsDialog;
class KmlToGpxOptionsDialog;

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(PlatformServices services, QWidget* parent = nullptr);

  // Restores the last directory, converts the files named on the command
  // line one after the other (offering each result but the last for saving)
  // and leaves the window shown. The window may already be closed when it
  // returns, if the user ended the program meanwhile.
  void startUp(const QStringList& commandLineFiles);

  // Converts one file into a pending result; the empty path lets the user
  // choose it in the open dialog.
  void processFile(const QString& path);

  // Files dropped on the window: each is preceded by the offer to save the
  // pending result. Anything but local files is ignored.
  void processDroppedFiles(const QMimeData& data);

  // The files a second start of the program named (absolute paths), taken
  // as a drop of them; the window comes to the front, also when none.
  void takeHandedOverFiles(const QStringList& paths);

  // Saves the pending result under a name the user chooses; does nothing
  // when no result is pending or while a conversion runs.
  void saveResult();

  bool isClosed() const { return closed_; }
  const ConversionSession& session() const { return session_; }
  const ConversionRunner& runner() const { return runner_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Processing one file.
  void processOneFile(const QString& path);
  void queueDroppedFiles(const QStringList& paths);
  void processDroppedFilesInTurn();
  QString chooseFileToOpen();
  void resetForNewFile();
  void convert(Direction direction, const InputParts& parts);
  void showCompletionNotices(Direction direction, const ConversionResult& result);
  void succeed(PendingResult result, const InputParts& parts);
  void fail(const ConversionResult& result);
  void finishProcessing();

  // The commands.
  void openFile();
  void reprocess();
  void abortConversion();
  void exitProgram();
  void showGpxToKmlOptions();
  void showKmlToGpxOptions();
  void showFolders();
  void showHelp();
  void showAbout();

  // Building the window.
  void createMenus();
  void createLines();
  void createButtons();
  void layOutControls();
  void orderButtons();

  // What the user sees.
  void setStatus(const QString& statusText);
  void setFileCommands(bool resultPending);
  void setOpenCommands(bool enabled);
  void offerReprocessing(Direction direction);
  void makeDefaultButton(QPushButton* button);
  void focusDefaultButton();
  void clearLines();
  void showCounts(const ConversionCounts& counts, ChangedCounters changed);

  // Questions, the option dialogs' values, and closing.
  bool ask(const texts::Question& question);
  void loadOptionDialogs();
  void storeSettings();
  void discardResultOnceEnded();

  PlatformServices services_;
  QString temporaryResultPath_;
  ConversionSession session_;
  UserQuestions questions_;
  ConversionRunner runner_;
  ResultSaver saver_;
  QString inputPath_;                // the last chosen input; Reprocess converts it again
  bool lastInputFailed_ = false;     // its conversion gave no result
  bool closeRequested_ = false;      // close the window once the conversion has stopped
  bool startingUp_ = false;          // the command-line files are being processed
  bool takingDroppedFiles_ = false;  // a loop further out takes the dropped files
  bool saving_ = false;              // a save dialog is open
  bool closed_ = false;

  // The option dialogs: hidden for the whole run, they hold the values the
  // converters use (owned by the window).
  GpxToKmlOptionsDialog* gpxToKmlOptions_ = nullptr;
  KmlToGpxOptionsDialog* kmlToGpxOptions_ = nullptr;

  // The menu items whose state follows the window's (owned by the menu bar),
  // the frame's five lines and the buttons (owned by the window), named as
  // their widgets.
  QAction* menu_open = nullptr;
  QAction* mnuSave = nullptr;
  QAction* mnuGPX2KML = nullptr;
  QAction* mnuKML2GPX = nullptr;
  QAction* mnuFolders = nullptr;
  QGroupBox* frameMain = nullptr;
  ElidedLabel* lblArch = nullptr;
  QLabel* lblWPT = nullptr;
  QLabel* lblRTE = nullptr;
  QLabel* lblTRK = nullptr;
  QLabel* lblSTAT = nullptr;
  QPushButton* cmdClose = nullptr;
  QPushButton* cmdAbort = nullptr;
  QPushButton* cmdReprocess = nullptr;
  QPushButton* cmdSave = nullptr;
  QPushButton* cmdOpen = nullptr;
  QPushButton* defaultButton_ = nullptr;  // the one Enter presses
};

}  // namespace ruvela
