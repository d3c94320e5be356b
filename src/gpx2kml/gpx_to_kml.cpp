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
class GpxToKmlConversion : ConversionWalk {
 public:
  GpxToKmlConversion(const pugi::xml_document& document, const Gpx2KmlOptions& options, ConversionProgress& progress,
                     ConversionCounts& counts, BlockWriter& output)
      : ConversionWalk(progress, counts, output), document_(document), options_(options) {}

  // False when the conversion stopped on request.
  bool Run(const std::string& documentName) {
    output_.Write(KmlDocumentHeader(documentName));
    if (!ConvertWaypoints() || !ConvertRoutes() || !ConvertTracks()) return false;
    output_.Write(KmlDocumentFooter());
    return true;
  }

 private:
  bool ConvertWaypoints() {
    bool folderOpen = false;
    const bool completed = ForEachElementAt(document_, "gpx/wpt", [&](pugi::xml_node waypoint) {
      if (StopRequested()) return false;
      const std::string name = CleanName(ReadChildText(waypoint, "name"));
      const std::string elevation = NormalizeNumber(ReadChildText(waypoint, "ele"));
      if (!folderOpen) {
        output_.Write(KmlFolderOpen(kml::kWaypointsFolder, 1));
        folderOpen = true;
      }
      output_.Write(KmlPointPlacemark(name, ReadAttribute(waypoint, "lon"), ReadAttribute(waypoint, "lat"), elevation,
                                      kml::kWaypointVisibility, kml::kWaypointIcon, 2));
      Count(counts_.waypoints, Counter::Waypoints);
      return true;
    });
    if (!completed) return false;
    if (folderOpen) output_.Write(KmlFolderClose(1));
    return true;
  }

  bool ConvertRoutes() {
    const std::string routeElevation = options_.routeElevation;  // used as written
    bool folderOpen = false;
    const bool completed = ForEachElementAt(document_, "gpx/rte", [&](pugi::xml_node route) {
      if (StopRequested()) return false;
      if (!folderOpen) {
        output_.Write(KmlFolderOpen(kml::kRoutesFolder, 1));
        folderOpen = true;
      }
      return ConvertRoute(route, routeElevation);
    });
    if (!completed) return false;
    if (folderOpen) output_.Write(KmlFolderClose(1));
    return true;
  }

  // A route's line placemark comes before the folder of its points, so the
  // route is held in memory until its last point has been read.
  bool ConvertRoute(pugi::xml_node route, const std::string& routeElevation) {
    const std::string name = CleanName(ReadChildText(route, "name"));
    std::string line = KmlLineOpen(name, kml::kRouteLineColour, kml::kRouteFillColour, 2, true);
    std::string points;
    std::int64_t pointNumber = 0;
    const bool completed = ForEachElementAt(route, "rtept", [&](pugi::xml_node routePoint) {
      if (StopRequested()) return false;
      const std::string latitude = ReadAttribute(routePoint, "lat");
      const std::string longitude = ReadAttribute(routePoint, "lon");
      AppendKmlCoordinate(line, longitude, latitude, routeElevation, 2);
      points += KmlPointPlacemark(NumberedName(pointNumber, name), longitude, latitude, routeElevation,
                                  kml::kRoutePointVisibility, kml::kRoutePointIcon, 3);
      ++pointNumber;
      Count(counts_.routePoints, Counter::RoutePoints);
      return true;
    });
    if (!completed) return false;
    line += KmlLineClose(2);
    output_.Write(line);
    output_.Write(KmlFolderOpen(name, 2));
    output_.Write(points);
    output_.Write(KmlFolderClose(2));
    return true;
  }

  bool ConvertTracks() {
    bool folderOpen = false;
    const bool completed = ForEachElementAt(document_, "gpx/trk", [&](pugi::xml_node track) {
      if (StopRequested()) return false;
      const std::string name = CleanName(ReadChildText(track, "name"));
      if (!folderOpen) {
        output_.Write(KmlFolderOpen(kml::kTracksFolder, 1));
        folderOpen = true;
      }
      output_.Write(KmlLineOpen(name, kml::kTrackLineColour, kml::kTrackFillColour, 2,
                                options_.trackElevationMode == TrackElevationMode::Constant));
      if (!ConvertTrackPoints(track)) return false;
      output_.Write(KmlLineClose(2));
      return true;
    });
    if (!completed) return false;
    if (folderOpen) output_.Write(KmlFolderClose(1));
    return true;
  }

  bool ConvertTrackPoints(pugi::xml_node track) {
    const ElevationRule rule(options_);
    std::string line;
    return ForEachElementAt(track, "trkseg/trkpt", [&](pugi::xml_node trackPoint) {
      if (StopRequested()) return false;
      const TrackElevation elevation = rule.Apply(NormalizeNumber(ReadChildText(trackPoint, "ele")));
      if (elevation.value == 0) ++counts_.zeroElevation;
      if (elevation.value < 0) ++counts_.negativeElevation;
      line.clear();
      AppendKmlCoordinate(line, ReadAttribute(trackPoint, "lon"), ReadAttribute(trackPoint, "lat"), elevation.text, 2);
      output_.Write(line);
      Count(counts_.trackPoints, Counter::TrackPoints);
      return true;
    });
  }

  const pugi::xml_document& document_;
  const Gpx2KmlOptions& options_;
};

}  // namespace

ConversionResult ConvertGpxToKml(const InputParts& input, const std::filesystem::path& output,
                                 const Gpx2KmlOptions& options, ConversionProgress& progress,
                                 ConversionCounts& counts) {
  counts = ConversionCounts{};
  BlockWriter writer;
  if (!writer.Open(output)) return OutputNotWritten();

  pugi::xml_document document;
  progress.LoadingStarted();
  const XmlLoadResult loaded = LoadXmlDocument(PathFromUtf8(input.Joined()), document);
  progress.LoadingFinished();
  if (!loaded.ok) {
    writer.Close();
    return {ConversionStatus::InputNotLoaded, loaded.message, {}};
  }

  GpxToKmlConversion conversion(document, options, progress, counts, writer);
  const bool completed = conversion.Run(input.baseName);
  if (!writer.Close()) return OutputNotWritten();
  if (!completed) return {ConversionStatus::Stopped, {}, {}};
  return {ConversionStatus::Completed, {}, KmlDocumentFooter()};
}

}  // namespace ruvela
