// The life of the main window: start-up with the command-line files, the
// two-button questions, the exit commands and closing.
#include <QCloseEvent>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/window_texts.h"
#include "gui/settings_store.h"
#include "options/gpx_to_kml_options_dialog.h"
#include "options/kml_to_gpx_options_dialog.h"

namespace ruvela {

namespace {

using namespace ruvela::texts;

}  // namespace

void frmRuvela::StartUp(const QStringList& commandLineFiles) {
  session_.KmlResultPending = false;
  session_.GpxResultPending = false;
  session_.AbortRequested = false;
  session_.CloseRequested = false;
  session_.ConversionRunning = false;
  session_.LastDirectory =
      services_.settings->GetSetting(QLatin1String(settings_keys::kFileSection),
                                     QLatin1String(settings_keys::kLastDirectory), services_.facts.programDirectory);
  LoadOptionDialogs();
  ClearCountLabels();
  SetStatus(QString::fromUtf8(kStatusIdle));
  SetFileCommands(false);

  // Every file but the last is offered for saving at once; the last result
  // stays pending. An exit meanwhile drops the files not yet converted.
  session_.StartingUp = true;
  const QStringList files = CommandLineFiles(commandLineFiles);
  for (qsizetype i = 0; i < files.size() && !closed_; ++i) {
    ProcessOneFile(files[i]);
    if (i + 1 < files.size() && !closed_) SaveResult();
  }
  session_.StartingUp = false;
  if (closed_) return;
  show();
  ProcessQueuedFiles();
}

bool frmRuvela::AskUser(const QString& title, const QString& message, const QString& firstButton,
                        const QString& secondButton) {
  services_.beeper->Beep();
  session_.gps_MsgBoxTitle = QString::fromUtf8(kAppTitle) + u' ' + title;
  session_.gps_MsgBoxMessage = message;
  session_.gps_MsgBox_cmdOK = firstButton;
  session_.gps_MsgBox_cmdCancel = secondButton;
  session_.gpb_MsgBxOK = services_.prompt->Ask(PromptTexts{session_.gps_MsgBoxTitle, session_.gps_MsgBoxMessage,
                                                           session_.gps_MsgBox_cmdOK, session_.gps_MsgBox_cmdCancel},
                                               this);
  FocusDefaultButton();
  return session_.gpb_MsgBxOK;
}

// File > Salir and the Close button.
void frmRuvela::mnuExit_Click() {
  session_.AbortRequested = true;
  session_.CloseRequested = true;
  // A running conversion has already overwritten any earlier result and
  // cannot be saved while it writes: it stops at its next look at the
  // window, and the window closes when it has.
  if (session_.ConversionRunning) return;
  if (session_.HasPendingResult() && AskUser(QString(), QString::fromUtf8(kPendingBeforeExit),
                                             QString::fromUtf8(kSaveAnswerButton), QString::fromUtf8(kLoseButton))) {
    SaveResult();
  }
  close();
}

// Every way of closing ends here: the exit commands, the end of a
// conversion after an exit, and the window's own close command, which
// discards a pending result without a question. A conversion still running
// is stopped; the program ends once it has.
void frmRuvela::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    if (session_.ConversionRunning) {
      session_.AbortRequested = true;
      session_.CloseRequested = true;
    }
    StoreSettings();
    queuedFiles_.clear();
    closed_ = true;
  }
  event->accept();
}

void frmRuvela::StoreSettings() {
  services_.settings->SaveSetting(QLatin1String(settings_keys::kFileSection),
                                  QLatin1String(settings_keys::kLastDirectory), session_.LastDirectory);
  // Each dialog writes its whole section, in this order, as the program ends.
  gpx2kmlOptions_->SaveOptions();
  kml2gpxOptions_->SaveOptions();
}

}  // namespace ruvela
