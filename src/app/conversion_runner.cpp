#include "app/conversion_runner.h"

#include <utility>

#include <QApplication>
#include <QFile>

#include "values/path_parts.h"

namespace ruvela {

namespace {

// Between two looks at the window's events while a conversion runs: often
// enough for a responsive window, rare enough not to slow a big file down.
constexpr qint64 kYieldIntervalMs = 20;

}  // namespace

ConversionRunner::ConversionRunner(std::function<void()> processPendingEvents, QString temporaryResultPath,
                                   CountsView showCounts)
    : processPendingEvents_(std::move(processPendingEvents)),
      temporaryResultPath_(std::move(temporaryResultPath)),
      showCounts_(std::move(showCounts)) {}

ConversionRunner::~ConversionRunner() { loadingFinished(); }

ConversionResult ConversionRunner::run(Direction direction, const std::filesystem::path& input,
                                       const std::string& documentName, const Gpx2KmlOptions& gpxOptions,
                                       const Kml2GpxOptions& kmlOptions) {
  running_ = true;
  changed_.reset();
  sinceLastYield_.invalidate();  // the first yield shows the window's events at once
  // A result that was not saved is replaced: removed rather than emptied,
  // since a file system such as ext4 writes a file that was emptied after
  // being written to disk as soon as it is closed again.
  QFile::remove(temporaryResultPath_);
  ConversionResult outcome =
      ConvertInput(direction, input, documentName, ruvela::PathFromUtf8(temporaryResultPath_.toStdString()), gpxOptions,
                   kmlOptions, *this, counts_);
  loadingFinished();
  showChangedCounts();  // the final counts, whenever the last yield was
  running_ = false;
  return outcome;
}

std::optional<QString> ConversionRunner::nextDroppedFile() {
  if (running_ || droppedFiles_.isEmpty()) return std::nullopt;
  return droppedFiles_.takeFirst();
}

void ConversionRunner::loadingStarted() {
  if (busyCursor_) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  busyCursor_ = true;
}

void ConversionRunner::loadingFinished() {
  if (!busyCursor_) return;
  QApplication::restoreOverrideCursor();
  busyCursor_ = false;
}

void ConversionRunner::yield() {
  if (sinceLastYield_.isValid() && sinceLastYield_.elapsed() < kYieldIntervalMs) return;
  showChangedCounts();
  processPendingEvents_();
  sinceLastYield_.start();
}

void ConversionRunner::countChanged(Counter which, const ConversionCounts& /*counts*/) {
  changed_.set(static_cast<std::size_t>(which));
}

void ConversionRunner::showChangedCounts() {
  showCounts_(counts_, changed_);
  changed_.reset();
}

}  // namespace ruvela
