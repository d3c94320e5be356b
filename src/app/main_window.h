// frmRuvela, the program's main window: the chosen file, the counts of the
// running or last conversion, the status line, and every command.
//
// Its work is spread over four files by concern:
//   main_window.cpp      the controls, menus, keys and drops
//   process_file.cpp     ProcessFile: one input file to one pending result
//   save_result.cpp      SaveResult: the pending result to a file of the user's
//   startup_shutdown.cpp start-up, the questions, the exit commands, closing
//   option_commands.cpp  the option dialogs
//   window_commands.cpp  the folders viewer, Help and About
#pragma once

#include <bitset>

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include "app/conversion_session.h"
#include "app/platform_services.h"
#include "conversion/convert_input.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QMimeData;
class QPushButton;

namespace ruvela {

class GpxToKmlOptionsDialog;
class KmlToGpxOptionsDialog;

class frmRuvela final : public QMainWindow, private ruvela::ConversionProgress {
  Q_OBJECT

 public:
  explicit frmRuvela(PlatformServices services, QWidget* parent = nullptr);
  ~frmRuvela() override;

  // Restores the last directory, converts the files named on the command
  // line one after the other (offering each result but the last for saving)
  // and leaves the window shown. The window may already be closed when it
  // returns, if the user ended the program meanwhile.
  void StartUp(const QStringList& commandLineFiles);

  // Converts one file into a pending result; the empty path lets the user
  // choose it in the open dialog.
  void ProcessFile(const QString& path);

  // Files dropped on the window: each is preceded by the offer to save the
  // pending result. Anything but local files is ignored.
  void HandleDroppedFile(const QMimeData& data);

  // Saves the pending result under a name the user chooses; does nothing
  // when no result is pending.
  void SaveResult();

  bool IsClosed() const { return closed_; }
  const ConversionSession& Session() const { return session_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class ResultKind { Kml, Gpx };

  // Building the window.
  void CreateOptionDialogs();
  void CreateMenus();
  void CreateFrameAndLabels();
  void CreateButtons();
  void LayOutControls();
  void ConnectCommands();
  void SetTabOrder();

  // The commands.
  void menu_open_Click();
  void mnuGPX2KML_Click();
  void mnuKML2GPX_Click();
  void cmdReprocess_Click();
  void cmdAbort_Click();
  void mnuExit_Click();
  void ShowFolders();
  void mnuHelpH_Click();
  void mnuAbout_Click();

  // Processing one file.
  void ProcessOneFile(const QString& path);
  void ProcessDroppedFiles(const QStringList& paths);
  void ProcessQueuedFiles();
  QString ChooseFileToOpen();
  void ResetForNewFile();
  void Convert(ruvela::Direction direction, const ruvela::InputParts& parts);
  void ShowCompletionNotices(ruvela::Direction direction);
  void Succeed(ResultKind kind, const ruvela::InputParts& parts);
  void Fail(const ruvela::ConversionResult& result);
  void FinishProcessing();

  // What the user sees.
  void SetStatus(const QString& statusText);
  void SetFileCommands(bool resultPending);
  void SetOpenCommands(bool enabled);
  void MakeDefaultButton(QPushButton* button);
  void FocusDefaultButton();
  void ClearCountLabels();
  void RefreshCountLabels();

  // The running conversion's side of the converters.
  void LoadingStarted() override;
  void LoadingFinished() override;
  void Yield() override;
  bool AbortRequested() const override;
  void CountChanged(ruvela::Counter which, const ruvela::ConversionCounts& counts) override;

  // Saving: the save dialog, the overwrite question and the move.
  void SaveChosenFile();

  // Start-up: the option dialogs take their stored values.
  void LoadOptionDialogs();

  // Questions and closing.
  bool AskUser(const QString& title, const QString& message, const QString& firstButton, const QString& secondButton);
  void StoreSettings();

  PlatformServices services_;
  QString temporaryResultPath_;
  ConversionSession session_;
  // The option dialogs: hidden for the whole run, they hold the values the
  // converters use (owned by the window).
  GpxToKmlOptionsDialog* gpx2kmlOptions_ = nullptr;
  KmlToGpxOptionsDialog* kml2gpxOptions_ = nullptr;

  // Menus (owned by the menu bar).
  QMenu* menuFile = nullptr;
  QAction* menu_open = nullptr;
  QAction* mnuSave = nullptr;
  QAction* mnuExit = nullptr;
  QMenu* mnuOpts = nullptr;
  QAction* mnuGPX2KML = nullptr;
  QAction* mnuKML2GPX = nullptr;
  QMenu* mnuSee = nullptr;
  QAction* mnuFolders = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuHelpH = nullptr;
  QAction* mnuAbout = nullptr;

  // Controls (owned by the window).
  QGroupBox* frameMain = nullptr;
  QLabel* lblArch = nullptr;
  QLabel* lblWPT = nullptr;
  QLabel* lblRTE = nullptr;
  QLabel* lblTRK = nullptr;
  QLabel* lblSTAT = nullptr;
  QPushButton* cmdClose = nullptr;
  QPushButton* cmdAbort = nullptr;
  QPushButton* cmdReprocess = nullptr;
  QPushButton* cmdSave = nullptr;
  QPushButton* cmdOpen = nullptr;
  QPushButton* defaultButton_ = nullptr;

  QString dialogFileName_;   // the shared file dialog keeps the last chosen name
  QStringList queuedFiles_;  // dropped files waiting for their turn
  bool processingQueue_ = false;
  std::bitset<4> staleCounts_;  // counters whose label is behind, by ruvela::Counter
  QElapsedTimer sinceLastYield_;
  bool busyCursor_ = false;
  bool closed_ = false;
};

}  // namespace ruvela
