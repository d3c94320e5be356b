#include "kml2gpx/kml_to_gpx.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "files/block_writer.h"
#include "files/text_spool.h"
#include "kml2gpx/gpx_vocabulary.h"
#include "kml2gpx/gpx_writer.h"
#include "kml2gpx/kml_paths.h"
#include "reading/document_source.h"
#include "reading/xml_values.h"
#include "values/gpx_value_rules.h"
#include "values/name_cleaning.h"
#include "values/text_lines.h"
#include "walk/conversion_walk.h"
#include "walk/kml_items.h"

namespace ruvela {
namespace {

// One walk over the KML document. Point placemarks become waypoints; the route
// folder (found by name) and each folder below it become one route each,
// made of the point placemarks directly inside that folder. Routes are
// collected in memory and written after all waypoints; paths, when asked
// for, become tracks written after the routes.
class KmlToGpxConversion : ConversionWalk<KmlItems, Kml2GpxOptions> {
 public:
  using ConversionWalk::ConversionWalk;

  // False when the walk stopped on request (or the output failed).
  bool run(const std::string& rootPath) {
    output_.write(GpxDocumentHeader());
    const bool placemarksConverted = source_.forEachRoot(rootPath, [&](const KmlContainer& root) {
      return source_.forEachPlacemark(root,
                                      [&](pugi::xml_node placemark) { return convertTopLevelPlacemark(placemark); });
    });
    if (!placemarksConverted) return false;
    const bool foldersConverted = source_.forEachRoot(rootPath, [&](const KmlContainer& root) {
      return source_.forEachFolder(root, [&](const KmlContainer& folder) { return convertFolder(folder, 1); });
    });
    if (!foldersConverted) return false;
    closeRoute();
    if (counts_.routePoints > 0) {
      routes_.writeTo(output_);
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
    AppendGpxWaypoint(block_, point->name, point->name, point->coordinates, gpx::kWaypointSymbol, 1, point->time);
    output_.write(block_);
    count(counts_.waypoints, Counter::Waypoints);
    return true;
  }

  struct PointPlacemark {
    std::string name;
    std::string coordinates;
    std::string time;  // its TimeStamp's when, read only when asked for
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
    std::string time;
    if (options_.pointTimes == CheckState::Checked) time = ReadChildText(SelectChild(placemark, "TimeStamp"), "when");
    return PointPlacemark{std::move(name), std::move(coordinates), std::move(time)};
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
    if (options_.pathsAsTracks == CheckState::Checked) paths_.push_back({source_.keep(placemark), name});
  }

  // One trk per path and one trkseg per line. A point without a valid
  // position is left out as a waypoint would be; a line or a path left
  // without points writes nothing.
  bool writeTracks() {
    bool anyTrack = false;
    for (const KeptPath& path : paths_) {
      const bool written = source_.visitKept(
          path.placemark, [&](pugi::xml_node placemark) { return writeTrack(placemark, path.name, anyTrack); });
      if (!written) return false;
    }
    if (anyTrack) output_.write(gpx::kLineEnd);
    return true;
  }

  bool writeTrack(pugi::xml_node placemark, const std::string& name, bool& anyTrack) {
    bool trackOpen = false;
    for (const pugi::xml_node line : PathLines(placemark)) {
      bool segmentOpen = false;
      LinePoints points(line);
      PathPoint point;
      while (points.next(point)) {
        if (stopRequested()) return false;
        if (!IsGpxLatitude(point.latitude) || !IsGpxLongitude(point.longitude)) {
          ++counts_.pointsWithoutPosition;
          continue;
        }
        if (!trackOpen) output_.write(GpxTrackOpen(name, 1));
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
    return true;
  }

  bool convertFolder(const KmlContainer& folder, int level) {
    if (stopRequested()) return false;
    std::string written;
    if (!source_.readName(folder, written)) return false;
    const std::string name = CleanName(written);
    recogniseRouteFolder(name, level - 1);
    closeRoute();
    if (inRouteFolder_) openRoute(name);
    count(counts_.folders, Counter::Folders);
    counts_.folderList.append(name, level - 1, inRouteFolder_);
    if (stopFlagged()) return false;
    if (!source_.forEachPlacemark(folder,
                                  [&](pugi::xml_node placemark) { return convertFolderPlacemark(placemark); })) {
      return false;
    }
    if (level >= kDeepestFolderLevel) return true;
    return source_.forEachFolder(folder, [&](const KmlContainer& child) { return convertFolder(child, level + 1); });
  }

  // Once the walk has left the folders below the route folder it is not looked for
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
    routeStart_ = routes_.size();
    routes_.append(GpxRouteOpen(name, 1));
    routeName_ = name;
    routeHasPoints_ = false;
    routeSequence_ = 0;
    routeOpen_ = true;
  }

  // A route without points is dropped.
  void closeRoute() {
    if (routeOpen_) {
      if (routeHasPoints_) {
        routes_.append(GpxRouteClose(1));
      } else {
        routes_.truncate(routeStart_);
      }
    }
    routeOpen_ = false;
  }

  bool convertFolderPlacemark(pugi::xml_node placemark) {
    if (stopRequested()) return false;
    const std::optional<PointPlacemark> point = readPointPlacemark(placemark);
    if (!point) return true;
    const std::string& name = point->name;
    const std::string& coordinates = point->coordinates;
    const std::string& time = point->time;

    const bool duplicate = options_.duplicateRouteWaypoints == CheckState::Checked;
    const bool automaticNames = options_.autoNameRoutePoints == CheckState::Checked;
    const bool ignoreRouteWaypoints = options_.ignoreRouteWaypoints != CheckState::Unchecked;
    std::string pointName = name;
    if (routeOpen_ && (duplicate || automaticNames)) pointName = NumberedName(routeSequence_++, routeName_);

    if (!routeOpen_ || !ignoreRouteWaypoints) {
      const bool ownIdentity = !routeOpen_ || duplicate;
      block_.clear();
      AppendGpxWaypoint(block_, ownIdentity ? name : pointName, name, coordinates,
                        ownIdentity ? gpx::kWaypointSymbol : gpx::kRouteWaypointSymbol, 1, time);
      output_.write(block_);
    }
    if (routeOpen_) {
      block_.clear();
      AppendGpxRoutePoint(block_, pointName, name, coordinates, gpx::kRouteWaypointSymbol, 2, time);
      routes_.append(block_);
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
  // The routes, written after the waypoints: the finished ones, then the
  // open one from routeStart_ on.
  TextSpool routes_;
  std::size_t routeStart_ = 0;
  std::string routeName_;
  struct KeptPath {
    std::size_t placemark;  // as the source keeps it
    std::string name;
  };
  std::vector<KeptPath> paths_;     // path placemarks, in document order
  std::string block_;               // one point's text, reused from point to point
  std::int64_t routeSequence_ = 0;  // next automatic number in the open route
};

// Google Earth puts its placemarks and folders inside a Document element;
// when the root level yields no point, the same items are walked again
// from there. The first root's few lines are then not written: emptying a
// written file before the next walk would make the file system write the
// next walk's whole output to disk as the file is closed.
bool WalkFromEitherRoot(KmlItems& items, BlockWriter& output, const Kml2GpxOptions& options,
                        ConversionProgress& progress, ConversionCounts& counts) {
  const bool completed = KmlToGpxConversion(items, options, progress, counts, output).run(kKmlRoot);
  if (!completed || ConvertedPoints(counts) > 0) return completed;
  output.abandon();
  if (progress.abortRequested()) return true;
  counts = ConversionCounts{};
  return output.reopen() && KmlToGpxConversion(items, options, progress, counts, output).run(kKmlDocumentRoot);
}

}  // namespace

ConversionResult ConvertKmlToGpx(const std::filesystem::path& input, const std::filesystem::path& output,
                                 const Kml2GpxOptions& options, ConversionProgress& progress,
                                 ConversionCounts& counts) {
  ConversionResult result = WalkKmlDocument(input, output, progress, counts, [&](KmlItems& items, BlockWriter& writer) {
    return WalkFromEitherRoot(items, writer, options, progress, counts);
  });
  if (result.status == ConversionStatus::Completed) result.closingText = GpxDocumentFooter();
  return result;
}

}  // namespace ruvela
