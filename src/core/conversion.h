// What a converter needs from its caller and what it reports back:
// the parts of the input path, the running counts, and the progress hooks
// through which a front end stays responsive and can stop a conversion.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/block_writer.h"
#include "core/regular_file.h"

namespace ruvela {

// An input path cut into the three texts the converters take. Joined without
// separators they give the path again.
struct InputParts {
  std::string directory;  // up to and including the last path separator
  std::string baseName;   // between the last separator and the last "."
  std::string extension;  // from the last "." on, letter case as written

  std::string joined() const { return directory + baseName + extension; }
};

// A KML folder as the conversion entered it: its cleaned name, how deep it
// lies (0 at the top) and whether its placemarks became routes.
struct EnteredFolder {
  std::string name;
  int depth = 0;
  bool isRouteFolder = false;
};

// Counters of one conversion. They are reset by every converter call and
// keep their final values afterwards.
struct ConversionCounts {
  std::int32_t waypoints = 0;              // waypoints / point placemarks converted
  std::int32_t routePoints = 0;            // route points converted
  std::int32_t trackPoints = 0;            // track points converted
  std::int32_t folders = 0;                // KML folders entered (KML input)
  std::int32_t pointsWithoutPosition = 0;  // KML points left out: no valid latitude and longitude
  std::int32_t zeroElevation = 0;          // track points drawn at elevation 0
  std::int32_t negativeElevation = 0;      // track points drawn below 0
  std::int32_t tracksWithoutTimes = 0;     // GPX tracks asked for with times, drawn as lines: a point had none
  std::vector<EnteredFolder> folderList;   // every KML folder entered, in the order entered
};

// Which counter a countChanged call is about.
enum class Counter { Waypoints, RoutePoints, TrackPoints, Folders };

// The caller's side of a running conversion. Converters call yield before
// every item and test abortRequested right after it; they never touch a
// window themselves.
class ConversionProgress {
 public:
  virtual ~ConversionProgress() = default;
  // The input document is being read (a window shows its busy pointer).
  virtual void loadingStarted() {}
  virtual void loadingFinished() {}
  // Lets the caller handle pending events; called before every item.
  virtual void yield() {}
  virtual bool abortRequested() const { return false; }
  // One counter has just changed; all counters are in `counts`.
  virtual void countChanged(Counter /*which*/, const ConversionCounts& /*counts*/) {}
};

enum class ConversionStatus {
  Completed,           // a complete document (with at least one point, once the conversion step has judged it)
  NothingConvertible,  // a complete document without a point of the counted kinds (judged by the conversion step)
  InputNotLoaded,      // the input is not a readable XML document
  OutputNotWritten,    // the output could not be written
  Stopped,             // progress asked to stop; the output stays incomplete
};

// What a converter, and the conversion step, answer.
struct ConversionResult {
  ConversionStatus status = ConversionStatus::Completed;
  std::string reason;       // in words for the user, when the input was not loaded or the output not written
  std::string closingText;  // the document's last lines, written when it was completed
};

// The points a conversion converted, of the kinds it counts.
inline std::int64_t ConvertedPoints(const ConversionCounts& counts) {
  return std::int64_t{counts.waypoints} + counts.routePoints + counts.trackPoints;
}

// Counts from zero again, for a conversion that starts over; the caller is
// told of every counter.
inline void RestartCounts(ConversionCounts& counts, ConversionProgress& progress) {
  counts = ConversionCounts{};
  for (Counter counter : {Counter::Waypoints, Counter::RoutePoints, Counter::TrackPoints, Counter::Folders}) {
    progress.countChanged(counter, counts);
  }
}

inline ConversionResult OutputNotWritten() {
  return {ConversionStatus::OutputNotWritten, "no se puede escribir el archivo de salida", {}};
}

// Another program wrote the input while it was read a piece at a time: the
// output mixes two versions of it, so it is emptied and nothing counts, as
// for an input that could not be loaded.
inline ConversionResult InputChangedWhileRead(const std::filesystem::path& output, ConversionCounts& counts,
                                              ConversionProgress& progress) {
  RestartCounts(counts, progress);
  if (!CreateEmptyFile(output)) return OutputNotWritten();
  return {ConversionStatus::InputNotLoaded, kChangedWhileRead, {}};
}

}  // namespace ruvela
