// SaveResult: the pending result becomes a file of the user's choosing.
// Nothing is written into a user's file without this step.
#include <QDir>
#include <QFileInfo>
#include <QLabel>

#include "app/main_window.h"
#include "app/replace_file.h"
#include "app/window_texts.h"
#include "core/path_parts.h"

namespace ruvela {

namespace {

using namespace ruvela::texts;

}  // namespace

void frmRuvela::SaveResult() {
  // While a conversion runs the temporary file is being written.
  if (!session_.HasPendingResult() || session_.ConversionRunning) return;
  SaveChosenFile();
  FocusDefaultButton();  // a save disables the Save button
}

void frmRuvela::SaveChosenFile() {
  const bool kml = session_.KmlResultPending;
  const FileDialogRequest request{QString::fromUtf8(kSaveDialogTitle),
                                  QString::fromUtf8(kml ? kKmlSaveFilter : kGpxSaveFilter), session_.LastDirectory,
                                  session_.InputBaseName + (kml ? QStringLiteral(".kml") : QStringLiteral(".gpx"))};
  const QString target = services_.fileDialogs->ChooseFileToSave(request, this);
  if (target.isEmpty()) return;
  dialogFileName_ = target;
  session_.LastDirectory = QString::fromStdString(ruvela::DirectoryOf(target.toStdString(), '/'));

  // An empty file counts as absent and is replaced without a question.
  const QFileInfo existing(target);
  if (existing.exists() && existing.size() > 0 &&
      AskUser(QString(), QString::fromUtf8(kTargetExists), QString::fromUtf8(kCancelButton),
              QString::fromUtf8(kOverwriteButton))) {
    return;
  }

  const QString failure = ReplaceFileWith(temporaryResultPath_, target);
  if (!failure.isEmpty()) {
    // The chosen file is as it was and the result can still be saved.
    SetStatus(QString::fromUtf8(kStatusSaveFailed));
    lblSTAT->setToolTip(QDir::toNativeSeparators(target) + QStringLiteral(": ") + failure);
    return;
  }
  session_.KmlResultPending = false;
  session_.GpxResultPending = false;
  SetFileCommands(false);
  SetStatus(QString::fromUtf8(kStatusIdle));
  lblSTAT->setToolTip(QString());
}

}  // namespace ruvela
