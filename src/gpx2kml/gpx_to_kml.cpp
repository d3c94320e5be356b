#include "gpx2kml/gpx_to_kml.h"

#include <optional>

#include <pugixml.hpp>

#include "files/block_writer.h"
#include "gpx2kml/elevation_rule.h"
#include "gpx2kml/kml_vocabulary.h"
#include "gpx2kml/kml_writer.h"
#include "reading/document_source.h"
#include "reading/xml_values.h"
#include "values/gpx_value_rules.h"
#include "values/name_cleaning.h"
#include "values/number_text.h"
#include "values/text_lines.h"
#include "walk/conversion_walk.h"
#include "walk/gpx_items.h"

namespace ruvela {
namespace {

// A point's time as written, when it is a valid dateTime; empty otherwise.
std::string ValidTime(pugi::xml_node point) {
  std::string time = ReadChildText(point, "time");
  if (!IsGpxDateTime(time)) time.clear();
  return time;
}

// A gx:coord's values are separated by blanks: a constant elevation that
// is not a plain number (a hand-edited setting) would split into several,
// so its value is written instead.
std::string TrackCoordElevation(const TrackElevation& elevation) {
  return IsGpxDecimal(elevation.text) ? elevation.text : NumberText(elevation.value);
}

// One conversion: the document is read in order (waypoints, routes, tracks)
// and each block is written as soon as its item has been read.
class GpxToKmlConversion : ConversionWalk<GpxItems, Gpx2KmlOptions> {
 public:
  using ConversionWalk::ConversionWalk;

  // False when the conversion stopped on request.
  bool run(const std::string& documentName) {
    output_.write(KmlDocumentHeader(documentName, timesKept()));
    if (!convertWaypoints() || !convertRoutes() || !convertTracks()) return false;
    output_.write(KmlDocumentFooter());
    return true;
  }

 private:
  // Times go into the document only when asked for: without them every
  // byte stays as a KML 2.0 reader knows it.
  bool timesKept() const { return options_.trackTimes == CheckState::Checked; }

  bool convertWaypoints() {
    bool folderOpen = false;
    const bool completed = source_.forEachWaypoint([&](pugi::xml_node waypoint) {
      if (stopRequested()) return false;
      const std::string name = CleanName(ReadChildText(waypoint, "name"));
      const std::string elevation = NormalizeNumber(ReadChildText(waypoint, "ele"));
      if (!folderOpen) {
        output_.write(KmlFolderOpen(kml::kWaypointsFolder, 1));
        folderOpen = true;
      }
      output_.write(KmlPointPlacemark(name, ReadAttribute(waypoint, "lon"), ReadAttribute(waypoint, "lat"), elevation,
                                      kml::kWaypointVisibility, kml::kWaypointIcon, 2,
                                      timesKept() ? ValidTime(waypoint) : std::string()));
      count(counts_.waypoints, Counter::Waypoints);
      return true;
    });
    if (!completed) return false;
    if (folderOpen) output_.write(KmlFolderClose(1));
    return true;
  }

  bool convertRoutes() {
    const std::string routeElevation = options_.routeElevation;  // used as written
    bool folderOpen = false;
    const bool completed = source_.forEachRoute([&](pugi::xml_node route) {
      if (stopRequested()) return false;
      if (!folderOpen) {
        output_.write(KmlFolderOpen(kml::kRoutesFolder, 1));
        folderOpen = true;
      }
      return convertRoute(route, routeElevation);
    });
    if (!completed) return false;
    if (folderOpen) output_.write(KmlFolderClose(1));
    return true;
  }

  // A route's line placemark comes before the folder of its points, so the
  // route is held in memory until its last point has been read.
  bool convertRoute(pugi::xml_node route, const std::string& routeElevation) {
    const std::string name = CleanName(ReadChildText(route, "name"));
    std::string line = KmlLineOpen(name, kml::kRouteLineColour, kml::kRouteFillColour, 2, true);
    std::string points;
    std::int64_t pointNumber = 0;
    const bool completed = ForEachElementAt(route, "rtept", [&](pugi::xml_node routePoint) {
      if (stopRequested()) return false;
      const std::string latitude = ReadAttribute(routePoint, "lat");
      const std::string longitude = ReadAttribute(routePoint, "lon");
      AppendKmlCoordinate(line, longitude, latitude, routeElevation, 2);
      points += KmlPointPlacemark(NumberedName(pointNumber, name), longitude, latitude, routeElevation,
                                  kml::kRoutePointVisibility, kml::kRoutePointIcon, 3);
      ++pointNumber;
      count(counts_.routePoints, Counter::RoutePoints);
      return true;
    });
    if (!completed) return false;
    line += KmlLineClose(2);
    output_.write(line);
    output_.write(KmlFolderOpen(name, 2));
    output_.write(points);
    output_.write(KmlFolderClose(2));
    return true;
  }

  bool convertTracks() {
    bool folderOpen = false;
    const bool completed = source_.forEachTrack([&](const std::string& trackName, const GpxItems::PointWalk& points) {
      if (stopRequested()) return false;
      const std::string name = CleanName(trackName);
      if (!folderOpen) {
        output_.write(KmlFolderOpen(kml::kTracksFolder, 1));
        folderOpen = true;
      }
      const bool relativeToGround = options_.trackElevationMode == TrackElevationMode::Constant;
      if (timesKept()) {
        const std::optional<TrackTimes> times = trackTimes(points);
        if (!times) return false;
        if (*times == TrackTimes::EveryPoint) return convertTimedTrack(name, points, relativeToGround);
        if (*times == TrackTimes::NotEveryPoint) ++counts_.tracksWithoutTimes;
      }
      output_.write(KmlLineOpen(name, kml::kTrackLineColour, kml::kTrackFillColour, 2, relativeToGround));
      if (!convertTrackPoints(points, false)) return false;
      output_.write(KmlLineClose(2));
      return true;
    });
    if (!completed) return false;
    if (folderOpen) output_.write(KmlFolderClose(1));
    return true;
  }

  // Whether a track can be played in time: each point has a valid time and
  // a position that a gx:coord can hold. Nothing when the walk was stopped
  // or a part of the document could not be read.
  enum class TrackTimes { EveryPoint, NotEveryPoint, NoPoint };
  std::optional<TrackTimes> trackTimes(const GpxItems::PointWalk& points) {
    TrackTimes times = TrackTimes::NoPoint;
    const bool walked = points([&](pugi::xml_node trackPoint) {
      if (stopRequested()) return false;
      const bool timed = IsGpxDateTime(ReadChildText(trackPoint, "time")) &&
                         IsGpxLatitude(ReadAttribute(trackPoint, "lat")) &&
                         IsGpxLongitude(ReadAttribute(trackPoint, "lon"));
      times = timed ? TrackTimes::EveryPoint : TrackTimes::NotEveryPoint;
      return timed;  // the first point without a time decides
    });
    if (!walked && times != TrackTimes::NotEveryPoint) return std::nullopt;
    return times;
  }

  // A gx:Track holds all its times before all its positions, so the points
  // are walked once for each.
  bool convertTimedTrack(const std::string& name, const GpxItems::PointWalk& points, bool relativeToGround) {
    output_.write(KmlTrackOpen(name, kml::kTrackLineColour, kml::kTrackFillColour, 2, relativeToGround));
    std::string line;
    const bool timesWritten = points([&](pugi::xml_node trackPoint) {
      if (stopRequested()) return false;
      line.clear();
      AppendKmlWhen(line, ReadChildText(trackPoint, "time"), 2);
      output_.write(line);
      return true;
    });
    if (!timesWritten || !convertTrackPoints(points, true)) return false;
    output_.write(KmlTrackClose(2));
    return true;
  }

  // The positions of a track's points, at the elevations the options give,
  // as a line's tuples or as a gx:Track's coords.
  bool convertTrackPoints(const GpxItems::PointWalk& points, bool trackCoords) {
    const ElevationRule rule(options_);
    std::string line;
    return points([&](pugi::xml_node trackPoint) {
      if (stopRequested()) return false;
      const TrackElevation elevation = rule.apply(NormalizeNumber(ReadChildText(trackPoint, "ele")));
      if (elevation.value == 0) ++counts_.zeroElevation;
      if (elevation.value < 0) ++counts_.negativeElevation;
      line.clear();
      if (trackCoords) {
        AppendKmlTrackCoord(line, ReadAttribute(trackPoint, "lon"), ReadAttribute(trackPoint, "lat"),
                            TrackCoordElevation(elevation), 2);
      } else {
        AppendKmlCoordinate(line, ReadAttribute(trackPoint, "lon"), ReadAttribute(trackPoint, "lat"), elevation.text,
                            2);
      }
      output_.write(line);
      count(counts_.trackPoints, Counter::TrackPoints);
      return true;
    });
  }
};

}  // namespace

ConversionResult ConvertGpxToKml(const std::filesystem::path& input, const std::string& documentName,
                                 const std::filesystem::path& output, const Gpx2KmlOptions& options,
                                 ConversionProgress& progress, ConversionCounts& counts) {
  ConversionResult result = WalkGpxDocument(input, output, progress, counts, [&](GpxItems& items, BlockWriter& writer) {
    return GpxToKmlConversion(items, options, progress, counts, writer).run(documentName);
  });
  if (result.status == ConversionStatus::Completed) result.closingText = KmlDocumentFooter();
  return result;
}

}  // namespace ruvela
