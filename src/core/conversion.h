// What a converter needs from its caller and what it reports back: the
// running counts, the progress hooks through which a front end stays
// responsive and can stop a conversion, and the typed result.
#pragma once

#include <cstdint>
#include <string>

#include "core/failure.h"

namespace ruvela {

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
  std::string folderList;                  // one CR LF line per KML folder entered
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
  Failure failure;          // why the input was not loaded or the output not written
  std::string closingText;  // the document's last lines, written when it was completed
  // The converter walked the whole document (with or without points): its
  // own status was Completed, before the conversion step judged it.
  bool walkCompleted = false;
};

// The points a conversion converted, of the kinds it counts.
inline std::int64_t ConvertedPoints(const ConversionCounts& counts) {
  return std::int64_t{counts.waypoints} + counts.routePoints + counts.trackPoints;
}

}  // namespace ruvela
