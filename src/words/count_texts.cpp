#include "words/count_texts.h"

namespace ruvela {
namespace {

// Share of `part` in `whole`, in whole percent rounded down. 64-bit, so
// files of more than 21 million track points do not overflow.
std::int64_t PercentOf(std::int32_t part, std::int32_t whole) {
  return whole > 0 ? static_cast<std::int64_t>(part) * 100 / whole : 0;
}

}  // namespace

// The prefixes are padded so that every colon stands in column 14.
std::string WaypointCountText(std::int32_t count) { return "Waypoints    : pts = " + std::to_string(count); }
std::string RoutePointCountText(std::int32_t count) { return "Rutas        : pts = " + std::to_string(count); }
std::string TrackPointCountText(std::int32_t count) { return "Tracks       : pts = " + std::to_string(count); }
std::string FolderCountText(std::int32_t count) { return "Carpetas     : " + std::to_string(count); }

std::string FoldersAndTrackPointsText(const ConversionCounts& counts) {
  return FolderCountText(counts.folders) + " | " + TrackPointCountText(counts.trackPoints);
}

bool HasElevationNotice(const ConversionCounts& counts) {
  return counts.zeroElevation >= 1 || counts.negativeElevation >= 1;
}

std::string ElevationNotice(const ConversionCounts& counts) {
  return "Trackpoints de altura nula " + std::to_string(PercentOf(counts.zeroElevation, counts.trackPoints)) + "% (" +
         std::to_string(counts.zeroElevation) + ")  de altura negativa " +
         std::to_string(PercentOf(counts.negativeElevation, counts.trackPoints)) + "% (" +
         std::to_string(counts.negativeElevation) + ")";
}

std::string OmittedPointsNotice(std::int32_t count) {
  return std::to_string(count) + " puntos sin posición válida omitidos";
}

std::string UntimedTracksNotice(std::int32_t count) {
  return std::to_string(count) + " tracks sin fecha y hora en cada punto, dibujados como líneas";
}

std::string StatusNotices(const ConversionCounts& counts) {
  std::string notices;
  const auto add = [&notices](const std::string& notice) { notices += (notices.empty() ? "" : " | ") + notice; };
  if (counts.pointsWithoutPosition > 0) add(OmittedPointsNotice(counts.pointsWithoutPosition));
  if (counts.tracksWithoutTimes > 0) add(UntimedTracksNotice(counts.tracksWithoutTimes));
  return notices;
}

}  // namespace ruvela
