// ProcessFile: every way a file comes in (Open, Reprocess, the command line,
// drops) ends here. One input file becomes one pending result in the
// temporary file, and the status line says how it went.
#include <string>

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/window_texts.h"
#include "core/count_texts.h"
#include "core/path_parts.h"
#include "options/gpx_to_kml_options_dialog.h"
#include "options/kml_to_gpx_options_dialog.h"

namespace ruvela {

namespace {

using namespace ruvela::texts;

// Paths inside the program always use "/", whatever the platform shows.
constexpr char kSeparator = '/';

// Between two looks at the window's events while a conversion runs: often
// enough for a responsive window, rare enough not to slow a big file down.
constexpr qint64 kYieldIntervalMs = 20;

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

const char* FailureStatus(ruvela::ConversionStatus status) {
  switch (status) {
    case ruvela::ConversionStatus::InputNotLoaded:
    case ruvela::ConversionStatus::OutputNotWritten:
      return kStatusLoadError;
    case ruvela::ConversionStatus::NothingConvertible:
      return kStatusNothingConvertible;
    case ruvela::ConversionStatus::Stopped:
    case ruvela::ConversionStatus::Completed:
      break;
  }
  return kStatusCancelled;
}

}  // namespace

void frmRuvela::ProcessFile(const QString& path) {
  ProcessOneFile(path);
  ProcessQueuedFiles();
}

void frmRuvela::ProcessOneFile(const QString& path) {
  // A question or dialog before this one may have seen the window close.
  if (closed_ || session_.CloseRequested) return;
  QString chosenPath;
  if (path.isEmpty()) {
    chosenPath = ChooseFileToOpen();
    if (chosenPath.isEmpty()) {
      if (session_.CloseRequested) close();
      return;
    }
    ResetForNewFile();
  } else {
    ResetForNewFile();
    chosenPath = GetLongFilename(path);
    if (session_.StartingUp) show();
  }

  session_.ConversionRunning = true;
  session_.LastDirectory = FromUtf8(ruvela::DirectoryOf(chosenPath.toStdString(), kSeparator));
  const ruvela::InputParts parts = ruvela::SplitInputPath(chosenPath.toStdString(), kSeparator);
  session_.InputPath = FromUtf8(parts.Joined());
  lblArch->setText(QString::fromUtf8(kSelectedFilePrefix) + FromUtf8(parts.baseName + parts.extension));
  repaint();

  const ruvela::Direction direction = ruvela::DirectionOf(parts.extension);
  if (direction == ruvela::Direction::Unknown) {
    // The pending flags and the temporary file stay as they were.
    SetStatus(QString::fromUtf8(kStatusUnknownFormat));
  } else {
    Convert(direction, parts);
  }
  FinishProcessing();
}

QString frmRuvela::ChooseFileToOpen() {
  if (session_.HasPendingResult() && AskUser(QString(), QString::fromUtf8(kPendingBeforeOpen),
                                             QString::fromUtf8(kBackButton), QString::fromUtf8(kLoseButton))) {
    return {};
  }
  const FileDialogRequest request{QString::fromUtf8(kOpenDialogTitle), QString::fromUtf8(kOpenFilter),
                                  session_.LastDirectory, QFileInfo(dialogFileName_).fileName()};
  const QString chosen = services_.fileDialogs->ChooseFileToOpen(request, this);
  if (!chosen.isEmpty()) dialogFileName_ = chosen;
  return chosen;
}

void frmRuvela::ResetForNewFile() {
  SetOpenCommands(false);
  SetFileCommands(false);
  mnuFolders->setEnabled(false);
  ClearCountLabels();
}

void frmRuvela::Convert(ruvela::Direction direction, const ruvela::InputParts& parts) {
  SetStatus(QString::fromUtf8(kStatusProcessing));
  cmdAbort->setEnabled(true);
  cmdAbort->setFocus();
  repaint();

  staleCounts_.reset();
  sinceLastYield_.invalidate();  // the first yield shows the window's events at once
  const ruvela::ConversionResult result =
      ruvela::ConvertInput(direction, parts, ruvela::PathFromUtf8(temporaryResultPath_.toStdString()),
                           gpx2kmlOptions_->Values(), kml2gpxOptions_->Values(), *this, session_.counts);
  if (busyCursor_) LoadingFinished();
  cmdAbort->setEnabled(false);
  RefreshCountLabels();                            // the final counts, whenever the last yield was
  session_.ConversionResult = result.closingText;  // empty unless the document was completed
  ShowCompletionNotices(direction);

  if (result.status == ruvela::ConversionStatus::Completed && !session_.AbortRequested) {
    Succeed(direction == ruvela::Direction::GpxToKml ? ResultKind::Kml : ResultKind::Gpx, parts);
  } else {
    Fail(result);
  }
}

// What a completed walk adds to the track line.
void frmRuvela::ShowCompletionNotices(ruvela::Direction direction) {
  const std::string& result = session_.ConversionResult;
  if (result.empty()) return;
  const ruvela::ConversionCounts& counts = session_.counts;
  if (direction == ruvela::Direction::GpxToKml && ruvela::HasElevationNotice(counts)) {
    lblTRK->setText(lblTRK->text() + QString::fromUtf8(ruvela::kElevationNoticeMark));
    lblTRK->setToolTip(FromUtf8(ruvela::ElevationNotice(counts)));
    lblTRK->setCursor(Qt::WhatsThisCursor);
  }
  if (direction == ruvela::Direction::KmlToGpx && counts.folders >= 1) {
    mnuFolders->setEnabled(true);
    lblTRK->setToolTip(QString::fromUtf8(ruvela::kFolderViewerHint));
  }
  // The status texts stay as they are; the tooltip says what was left out.
  if (counts.pointsWithoutPosition > 0) {
    lblSTAT->setToolTip(FromUtf8(ruvela::OmittedPointsNotice(counts.pointsWithoutPosition)));
  }
}

void frmRuvela::Succeed(ResultKind kind, const ruvela::InputParts& parts) {
  SetStatus(QString::fromUtf8(kStatusReady));
  SetFileCommands(true);
  MakeDefaultButton(cmdSave);  // for the rest of the run; it takes the focus at the end
  // The temporary file now holds this result only.
  session_.KmlResultPending = kind == ResultKind::Kml;
  session_.GpxResultPending = kind == ResultKind::Gpx;
  session_.LastDirectory = FromUtf8(parts.directory);
  session_.InputBaseName = FromUtf8(parts.baseName);
}

void frmRuvela::Fail(const ruvela::ConversionResult& result) {
  SetStatus(QString::fromUtf8(FailureStatus(result.status)));
  if (!result.reason.empty()) lblSTAT->setToolTip(FromUtf8(result.reason));
  if (session_.AbortRequested) SetStatus(QString::fromUtf8(kStatusCancelled));
  SetOpenCommands(true);
  SetFileCommands(false);
  // The converter emptied the temporary file: an earlier result is gone.
  session_.KmlResultPending = false;
  session_.GpxResultPending = false;
  session_.ConversionResult.clear();
}

void frmRuvela::FinishProcessing() {
  if (session_.AbortRequested) {
    session_.AbortRequested = false;
    SetStatus(QString::fromUtf8(kStatusCancelled));
  }
  SetFileCommands(session_.HasPendingResult());
  SetOpenCommands(true);
  session_.ConversionRunning = false;
  FocusDefaultButton();
  if (session_.CloseRequested) close();
}

// Files dropped while a conversion runs wait for it to end and then come in
// the order they were dropped; a loop further out takes them when there is
// one. Once the program is closing nothing more is processed.
void frmRuvela::ProcessDroppedFiles(const QStringList& paths) {
  if (closed_ || session_.CloseRequested) return;
  queuedFiles_ += paths;
  ProcessQueuedFiles();
}

void frmRuvela::ProcessQueuedFiles() {
  if (processingQueue_ || session_.ConversionRunning || session_.StartingUp) return;
  processingQueue_ = true;
  while (!queuedFiles_.isEmpty() && !closed_ && !session_.CloseRequested) {
    const QString path = queuedFiles_.takeFirst();
    SaveResult();
    ProcessOneFile(path);
  }
  queuedFiles_.clear();
  processingQueue_ = false;
}

void frmRuvela::LoadingStarted() {
  if (busyCursor_) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  busyCursor_ = true;
}

void frmRuvela::LoadingFinished() {
  if (!busyCursor_) return;
  QApplication::restoreOverrideCursor();
  busyCursor_ = false;
}

void frmRuvela::Yield() {
  if (sinceLastYield_.isValid() && sinceLastYield_.elapsed() < kYieldIntervalMs) return;
  RefreshCountLabels();
  services_.events->ProcessPendingEvents();
  sinceLastYield_.start();
}

bool frmRuvela::AbortRequested() const { return session_.AbortRequested; }

void frmRuvela::CountChanged(ruvela::Counter which, const ruvela::ConversionCounts& /*counts*/) {
  staleCounts_.set(static_cast<std::size_t>(which));
}

// Each line is written only once its counter has changed, as the converter
// reports it; a line whose counter never moved stays empty.
void frmRuvela::RefreshCountLabels() {
  const ruvela::ConversionCounts& counts = session_.counts;
  const auto stale = [this](ruvela::Counter which) { return staleCounts_.test(static_cast<std::size_t>(which)); };
  if (stale(ruvela::Counter::Waypoints)) lblWPT->setText(FromUtf8(ruvela::WaypointCountText(counts.waypoints)));
  if (stale(ruvela::Counter::RoutePoints)) lblRTE->setText(FromUtf8(ruvela::RoutePointCountText(counts.routePoints)));
  // The track line shows track points (GPX input) or folders (KML input),
  // and both when the paths of a KML file with folders became tracks.
  if (stale(ruvela::Counter::TrackPoints) || stale(ruvela::Counter::Folders)) {
    if (counts.folders == 0) {
      lblTRK->setText(FromUtf8(ruvela::TrackPointCountText(counts.trackPoints)));
    } else if (counts.trackPoints == 0) {
      lblTRK->setText(FromUtf8(ruvela::FolderCountText(counts.folders)));
    } else {
      lblTRK->setText(FromUtf8(ruvela::FoldersAndTrackPointsText(counts)));
    }
  }
  staleCounts_.reset();
}

}  // namespace ruvela
