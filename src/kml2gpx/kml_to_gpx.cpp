#include "kml2gpx/kml_to_gpx.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "core/block_writer.h"
#include "core/conversion_walk.h"
#include "core/name_cleaning.h"
#include "core/path_parts.h"
#include "core/text_lines.h"
#include "core/xml_document.h"
#include "core/xml_values.h"
#include "kml2gpx/gpx_value_rules.h"
#include "kml2gpx/gpx_vocabulary.h"
#include "kml2gpx/gpx_writer.h"
#include "kml2gpx/kml_paths.h"

namespace ruvela {
namespace {

// Folders are visited down to this level; deeper ones are not entered.
constexpr int kDeepestFolderLevel = 5;

// One walk over the KML tree. Point placemarks become waypoints; the route
// folder (found by name) and each folder below it become one route each,
// made of the point placemarks directly inside that folder. Routes are
// collected in memory and written after all waypoints; paths, when asked
// for, become tracks written after the routes.
class KmlToGpxConversion : ConversionWalk<const pugi::xml_document, Kml2GpxOptions> {
 public:
  using ConversionWalk::ConversionWalk;

  // False when the walk stopped on request (or the output failed).
  bool run(const std::string& rootPath) {
    output_.write(GpxDocumentHeader());
    if (!ForEachElementAt(source_, rootPath + "/Placemark",
                          [&](pugi::xml_node placemark) { return convertTopLevelPlacemark(placemark); })) {
      return false;
    }
    if (!ForEachElementAt(source_, rootPath + "/Folder",
                          [&](pugi::xml_node folder) { return convertFolder(folder, 1); })) {
      return false;
    }
    closeRoute();
    if (counts_.routePoints > 0) {
      for (const std::string& route : finishedRoutes_) output_.write(route);
      output_.write(gpx::kLineEnd);
    }
    if (!writeTracks()) return false;
    output_.write(GpxDocumentFooter());
    return true;
  }

 private:
  // Top-level placemarks are never route points, whatever the options.
  bool convertTopLevelPlacemark(pugi::xml_node placemark) {
    if (stopRequested()) return false;
    const std::optional<PointPlacemark> point = readPointPlacemark(placemark);
    if (!point) return true;
    block_.clear();
    AppendGpxWaypoint(block_, point->name, point->name, point->coordinates, gpx::kWaypointSymbol, 1);
    output_.write(block_);
    count(counts_.waypoints, Counter::Waypoints);
    return true;
  }

  struct PointPlacemark {
    std::string name;
    std::string coordinates;
  };

  // The name and coordinates of a point placemark worth writing. A path is
  // kept for later; a point without a name, or without a position, is left
  // out (and takes no route-point number).
  std::optional<PointPlacemark> readPointPlacemark(pugi::xml_node placemark) {
    std::string name = CleanName(ReadChildText(placemark, "name"));
    const pugi::xml_node point = SelectChild(placemark, "Point");
    if (!point) {
      keepPath(placemark, name);
      return std::nullopt;
    }
    std::string coordinates = ReadChildText(point, "coordinates");
    if (name.empty() || !hasPosition(coordinates)) return std::nullopt;
    return PointPlacemark{std::move(name), std::move(coordinates)};
  }

  // A point without a latitude and longitude that GPX accepts is left out
  // as if it had no Point at all; only the count of such points is kept.
  bool hasPosition(std::string_view coordinates) {
    const KmlCoordinates parts = SplitKmlCoordinates(coordinates);
    if (IsGpxLatitude(parts.latitude) && IsGpxLongitude(parts.longitude)) return true;
    ++counts_.pointsWithoutPosition;
    return false;
  }

  // Paths become tracks, written after the routes as GPX wants them; until
  // then only the placemark is kept, not its text. A path keeps its
  // placemark even without a name: a recorded track often has none.
  void keepPath(pugi::xml_node placemark, const std::string& name) {
    if (options_.pathsAsTracks == CheckState::Checked) paths_.push_back({placemark, name});
  }

  // One trk per path and one trkseg per line. A point without a valid
  // position is left out as a waypoint would be; a line or a path left
  // without points writes nothing.
  bool writeTracks() {
    bool anyTrack = false;
    for (const KeptPath& path : paths_) {
      bool trackOpen = false;
      for (const pugi::xml_node line : PathLines(path.placemark)) {
        bool segmentOpen = false;
        LinePoints points(line);
        PathPoint point;
        while (points.next(point)) {
          if (stopRequested()) return false;
          if (!IsGpxLatitude(point.latitude) || !IsGpxLongitude(point.longitude)) {
            ++counts_.pointsWithoutPosition;
            continue;
          }
          if (!trackOpen) output_.write(GpxTrackOpen(path.name, 1));
          if (!segmentOpen) output_.write(GpxTrackSegmentOpen(2));
          trackOpen = segmentOpen = anyTrack = true;
          block_.clear();
          AppendGpxTrackPoint(block_, point.latitude, point.longitude, point.elevation, point.time, 3);
          output_.write(block_);
          count(counts_.trackPoints, Counter::TrackPoints);
        }
        if (segmentOpen) output_.write(GpxTrackSegmentClose(2));
      }
      if (trackOpen) output_.write(GpxTrackClose(1));
    }
    if (anyTrack) output_.write(gpx::kLineEnd);
    return true;
  }

  bool convertFolder(pugi::xml_node folder, int level) {
    if (stopRequested()) return false;
    const std::string name = CleanName(ReadChildText(folder, "name"));
    recogniseRouteFolder(name, level - 1);
    closeRoute();
    if (inRouteFolder_) openRoute(name);
    count(counts_.folders, Counter::Folders);
    counts_.folderList +=
        std::string(2 * static_cast<std::size_t>(level - 1), ' ') + name + (inRouteFolder_ ? " <<<" : "") + "\r\n";
    if (stopFlagged()) return false;
    if (!ForEachElementAt(folder, "Placemark",
                          [&](pugi::xml_node placemark) { return convertFolderPlacemark(placemark); })) {
      return false;
    }
    if (level >= kDeepestFolderLevel) return true;
    return ForEachElementAt(folder, "Folder", [&](pugi::xml_node child) { return convertFolder(child, level + 1); });
  }

  // Once the walk has left the route folder's subtree it is not looked for
  // again at the top level, but a deeper folder of that name still counts.
  void recogniseRouteFolder(const std::string& name, int depth) {
    if (routeFolderDepth_ >= depth) {
      inRouteFolder_ = false;
      routeFolderDepth_ = 0;
    } else if (!inRouteFolder_ && LowerAscii(TrimBlanks(name)) == LowerAscii(TrimBlanks(options_.routeFolderName))) {
      inRouteFolder_ = true;
      routeFolderDepth_ = depth;
    }
  }

  void openRoute(const std::string& name) {
    routeText_ = GpxRouteOpen(name, 1);
    routeName_ = name;
    routeHasPoints_ = false;
    routeSequence_ = 0;
    routeOpen_ = true;
  }

  // A route without points is dropped.
  void closeRoute() {
    if (routeOpen_ && routeHasPoints_) {
      routeText_ += GpxRouteClose(1);
      finishedRoutes_.push_back(std::move(routeText_));
    }
    routeOpen_ = false;
    routeText_.clear();
  }

  bool convertFolderPlacemark(pugi::xml_node placemark) {
    if (stopRequested()) return false;
    const std::optional<PointPlacemark> point = readPointPlacemark(placemark);
    if (!point) return true;
    const std::string& name = point->name;
    const std::string& coordinates = point->coordinates;

    const bool duplicate = options_.duplicateRouteWaypoints == CheckState::Checked;
    const bool automaticNames = options_.autoNameRoutePoints == CheckState::Checked;
    const bool ignoreRouteWaypoints = options_.ignoreRouteWaypoints != CheckState::Unchecked;
    std::string pointName = name;
    if (routeOpen_ && (duplicate || automaticNames)) pointName = NumberedName(routeSequence_++, routeName_);

    if (!routeOpen_ || !ignoreRouteWaypoints) {
      const bool ownIdentity = !routeOpen_ || duplicate;
      block_.clear();
      AppendGpxWaypoint(block_, ownIdentity ? name : pointName, name, coordinates,
                        ownIdentity ? gpx::kWaypointSymbol : gpx::kRouteWaypointSymbol, 1);
      output_.write(block_);
    }
    if (routeOpen_) {
      AppendGpxRoutePoint(routeText_, pointName, name, coordinates, gpx::kRouteWaypointSymbol, 2);
      routeHasPoints_ = true;
      count(counts_.routePoints, Counter::RoutePoints);
    }
    count(counts_.waypoints, Counter::Waypoints);
    return true;
  }

  int routeFolderDepth_ = -1;  // depth at which the route folder was recognised
  bool inRouteFolder_ = false;
  bool routeOpen_ = false;
  bool routeHasPoints_ = false;
  std::string routeText_;  // the open route: start block and route points
  // Finished routes, written after the waypoints. Kept apart rather than
  // joined: one text growing to tens of megabytes is copied at every doubling.
  std::vector<std::string> finishedRoutes_;
  std::string routeName_;
  struct KeptPath {
    pugi::xml_node placemark;
    std::string name;
  };
  std::vector<KeptPath> paths_;     // path placemarks, in document order
  std::string block_;               // one point's text, reused from point to point
  std::int64_t routeSequence_ = 0;  // next automatic number in the open route
};

}  // namespace

ConversionResult ConvertKmlDocumentToGpx(const pugi::xml_document& document, const std::string& rootPath,
                                         const std::filesystem::path& output, const Kml2GpxOptions& options,
                                         ConversionProgress& progress, ConversionCounts& counts) {
  counts = ConversionCounts{};
  BlockWriter writer;
  if (!writer.open(output)) return OutputNotWritten();
  KmlToGpxConversion conversion(document, options, progress, counts, writer);
  const bool completed = conversion.run(rootPath);
  if (!writer.close()) return OutputNotWritten();
  if (!completed) return {ConversionStatus::Stopped, {}, {}};
  return {ConversionStatus::Completed, {}, GpxDocumentFooter()};
}

std::optional<ConversionResult> LoadKmlForConversion(const InputParts& input, const std::filesystem::path& output,
                                                     ConversionProgress& progress, pugi::xml_document& document) {
  // The output is emptied before anything else, as for every conversion.
  if (!CreateEmptyFile(output)) return OutputNotWritten();
  progress.loadingStarted();
  const XmlLoadResult loaded = LoadXmlDocument(PathFromUtf8(input.joined()), document);
  progress.loadingFinished();
  if (!loaded.ok) return ConversionResult{ConversionStatus::InputNotLoaded, loaded.message, {}};
  return std::nullopt;
}

ConversionResult ConvertKmlToGpx(const InputParts& input, const std::string& rootPath,
                                 const std::filesystem::path& output, const Kml2GpxOptions& options,
                                 ConversionProgress& progress, ConversionCounts& counts) {
  counts = ConversionCounts{};
  pugi::xml_document document;
  if (auto failure = LoadKmlForConversion(input, output, progress, document)) return *failure;
  return ConvertKmlDocumentToGpx(document, rootPath, output, options, progress, counts);
}

}  // namespace ruvela
