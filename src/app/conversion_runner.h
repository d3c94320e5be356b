// Running the window's conversions, one at a time: the input is converted
// into the temporary file while the window goes on handling its events
// (the Abort button, the exit commands, drops), the counts are shown as they
// change, and files dropped meanwhile wait for their turn.
#pragma once

#include <bitset>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include "conversion/convert_input.h"

namespace ruvela {

// The counters whose lines are behind, by ruvela::Counter.
using ChangedCounters = std::bitset<4>;

class ConversionRunner final : private ConversionProgress {
 public:
  using CountsView = std::function<void(const ConversionCounts& counts, ChangedCounters changed)>;

  // `processPendingEvents` handles the window's events between items;
  // `showCounts` is called just before it and once at the end, with the
  // counters changed since the last call.
  ConversionRunner(std::function<void()> processPendingEvents, QString temporaryResultPath, CountsView showCounts);
  ~ConversionRunner() override;

  // Converts `input` (its direction known) into the temporary file with the
  // options as they are now, naming a KML document `documentName`. An abort
  // request stays set until clearAbortRequest.
  ConversionResult run(Direction direction, const std::filesystem::path& input, const std::string& documentName,
                       const Gpx2KmlOptions& gpxOptions, const Kml2GpxOptions& kmlOptions);
  bool isRunning() const { return running_; }

  // The running conversion stops at its next look at the window's events.
  void requestAbort() { abortRequested_ = true; }
  bool abortRequested() const override { return abortRequested_; }
  void clearAbortRequest() { abortRequested_ = false; }

  // The counts of the running or last conversion.
  const ConversionCounts& counts() const { return counts_; }

  // Dropped files wait here, in the order they came, until no conversion
  // runs.
  void queueDroppedFiles(const QStringList& paths) { droppedFiles_ += paths; }
  bool hasDroppedFiles() const { return !droppedFiles_.isEmpty(); }
  std::optional<QString> nextDroppedFile();
  void forgetDroppedFiles() { droppedFiles_.clear(); }

 private:
  void loadingStarted() override;
  void loadingFinished() override;
  void yield() override;
  void countChanged(Counter which, const ConversionCounts& counts) override;
  void showChangedCounts();

  std::function<void()> processPendingEvents_;
  QString temporaryResultPath_;
  CountsView showCounts_;
  ConversionCounts counts_;
  ChangedCounters changed_;
  QElapsedTimer sinceLastYield_;
  QStringList droppedFiles_;
  bool running_ = false;
  bool abortRequested_ = false;
  bool busyCursor_ = false;
};

}  // namespace ruvela
