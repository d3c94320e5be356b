#include "gpx2kml/gpx_to_kml.h"

#include <pugixml.hpp>

#include "core/block_writer.h"
#include "core/conversion_walk.h"
#include "core/name_cleaning.h"
#include "core/number_text.h"
#include "core/path_parts.h"
#include "core/text_lines.h"
#include "core/xml_document.h"
#include "core/xml_values.h"
#include "gpx2kml/elevation_rule.h"
#include "gpx2kml/kml_vocabulary.h"
#include "gpx2kml/kml_writer.h"

namespace ruvela {
namespace {

// One conversion: the document is read in order (waypoints, routes, tracks)
// and each block is written as soon as its item has been read.
class GpxToKmlConversion : ConversionWalk<Gpx2KmlOptions> {
 public:
  using ConversionWalk::ConversionWalk;

  // False when the conversion stopped on request.
  bool run(const std::string& documentName) {
    output_.write(KmlDocumentHeader(documentName));
    if (!convertWaypoints() || !convertRoutes() || !convertTracks()) return false;
    output_.write(KmlDocumentFooter());
    return true;
  }

 private:
  bool convertWaypoints() {
    bool folderOpen = false;
    const bool completed = ForEachElementAt(document_, "gpx/wpt", [&](pugi::xml_node waypoint) {
      if (stopRequested()) return false;
      const std::string name = CleanName(ReadChildText(waypoint, "name"));
      const std::string elevation = NormalizeNumber(ReadChildText(waypoint, "ele"));
      if (!folderOpen) {
        output_.write(KmlFolderOpen(kml::kWaypointsFolder, 1));
        folderOpen = true;
      }
      output_.write(KmlPointPlacemark(name, ReadAttribute(waypoint, "lon"), ReadAttribute(waypoint, "lat"), elevation,
                                      kml::kWaypointVisibility, kml::kWaypointIcon, 2));
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
    const bool completed = ForEachElementAt(document_, "gpx/rte", [&](pugi::xml_node route) {
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
    const bool completed = ForEachElementAt(document_, "gpx/trk", [&](pugi::xml_node track) {
      if (stopRequested()) return false;
      const std::string name = CleanName(ReadChildText(track, "name"));
      if (!folderOpen) {
        output_.write(KmlFolderOpen(kml::kTracksFolder, 1));
        folderOpen = true;
      }
      output_.write(KmlLineOpen(name, kml::kTrackLineColour, kml::kTrackFillColour, 2,
                                options_.trackElevationMode == TrackElevationMode::Constant));
      if (!convertTrackPoints(track)) return false;
      output_.write(KmlLineClose(2));
      return true;
    });
    if (!completed) return false;
    if (folderOpen) output_.write(KmlFolderClose(1));
    return true;
  }

  bool convertTrackPoints(pugi::xml_node track) {
    const ElevationRule rule(options_);
    std::string line;
    return ForEachElementAt(track, "trkseg/trkpt", [&](pugi::xml_node trackPoint) {
      if (stopRequested()) return false;
      const TrackElevation elevation = rule.apply(NormalizeNumber(ReadChildText(trackPoint, "ele")));
      if (elevation.value == 0) ++counts_.zeroElevation;
      if (elevation.value < 0) ++counts_.negativeElevation;
      line.clear();
      AppendKmlCoordinate(line, ReadAttribute(trackPoint, "lon"), ReadAttribute(trackPoint, "lat"), elevation.text, 2);
      output_.write(line);
      count(counts_.trackPoints, Counter::TrackPoints);
      return true;
    });
  }
};

}  // namespace

ConversionResult ConvertGpxToKml(const InputParts& input, const std::filesystem::path& output,
                                 const Gpx2KmlOptions& options, ConversionProgress& progress,
                                 ConversionCounts& counts) {
  counts = ConversionCounts{};
  BlockWriter writer;
  if (!writer.open(output)) return OutputNotWritten();

  pugi::xml_document document;
  progress.loadingStarted();
  const XmlLoadResult loaded = LoadXmlDocument(PathFromUtf8(input.joined()), document);
  progress.loadingFinished();
  if (!loaded.ok) {
    writer.close();
    return {ConversionStatus::InputNotLoaded, loaded.message, {}};
  }

  GpxToKmlConversion conversion(document, options, progress, counts, writer);
  const bool completed = conversion.run(input.baseName);
  if (!writer.close()) return OutputNotWritten();
  if (!completed) return {ConversionStatus::Stopped, {}, {}};
  return {ConversionStatus::Completed, {}, KmlDocumentFooter()};
}

}  // namespace ruvela
