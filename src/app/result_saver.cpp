#include "app/result_saver.h"

#include <utility>

#include <QFileInfo>

#include "app/replace_file.h"
#include "app/window_texts.h"
#include "values/path_parts.h"
#include "words/failure_words.h"

namespace ruvela {

namespace {

using namespace ruvela::texts;

}  // namespace

ResultSaver::ResultSaver(FileDialogs& dialogs, UserQuestions& questions, ConversionSession& session,
                         QString temporaryResultPath)
    : dialogs_(dialogs),
      questions_(questions),
      session_(session),
      temporaryResultPath_(std::move(temporaryResultPath)) {}

ResultSaver::Result ResultSaver::save(QWidget* parent) {
  if (!session_.hasPendingResult()) return {};
  const bool kml = session_.pending == PendingResult::Kml;
  const FileDialogRequest request{QString::fromUtf8(kSaveDialogTitle),
                                  QString::fromUtf8(kml ? kKmlSaveFilter : kGpxSaveFilter), session_.lastDirectory,
                                  session_.inputBaseName + (kml ? QStringLiteral(".kml") : QStringLiteral(".gpx"))};
  const QString target = dialogs_.chooseFileToSave(request, parent);
  if (target.isEmpty()) return {Outcome::Cancelled, {}, {}};
  session_.dialogFileName = target;
  session_.lastDirectory = QString::fromStdString(ruvela::DirectoryOf(target.toStdString(), '/'));

  // An empty file counts as absent and is replaced without a question.
  const QFileInfo existing(target);
  if (existing.exists() && existing.size() > 0 && questions_.ask(kTargetExists, parent)) {
    return {Outcome::Cancelled, {}, {}};
  }

  if (const Failure failure = ReplaceFileWith(temporaryResultPath_, target); !failure.ok()) {
    return {Outcome::Failed, QString::fromUtf8(kStatusSaveFailed), QString::fromStdString(FailureText(failure))};
  }
  session_.pending = PendingResult::None;
  return {Outcome::Saved, QString::fromUtf8(kStatusIdle), QString()};
}

}  // namespace ruvela
