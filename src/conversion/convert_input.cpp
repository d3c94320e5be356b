#include "conversion/convert_input.h"

#include <pugixml.hpp>

#include "core/text_lines.h"

#include "gpx2kml/gpx_to_kml.h"
#include "kml2gpx/kml_to_gpx.h"

namespace ruvela {
namespace {

// From KML, track points come only from paths, when they are asked to become tracks.
std::int64_t PointCount(const ConversionCounts& counts) {
  return std::int64_t{counts.waypoints} + counts.routePoints + counts.trackPoints;
}

// Google Earth puts its placemarks and folders inside a Document element;
// when the root level yields no point, the same document is walked again
// from there. The document is loaded once for both walks.
ConversionResult ConvertKmlFromEitherRoot(const InputParts& input, const std::filesystem::path& output,
                                          const Kml2GpxOptions& options, ConversionProgress& progress,
                                          ConversionCounts& counts) {
  pugi::xml_document document;
  if (auto failure = LoadKmlForConversion(input, output, progress, document)) return *failure;
  ConversionResult result = ConvertKmlDocumentToGpx(document, kKmlRoot, output, options, progress, counts);
  if (result.status == ConversionStatus::Completed && PointCount(counts) == 0 && !progress.abortRequested()) {
    result = ConvertKmlDocumentToGpx(document, kKmlDocumentRoot, output, options, progress, counts);
  }
  return result;
}

}  // namespace

Direction DirectionOf(std::string_view extension) {
  const std::string lower = LowerAscii(extension);
  if (lower == ".gpx") return Direction::GpxToKml;
  if (lower == ".kml" || lower == ".kmz") return Direction::KmlToGpx;
  return Direction::Unknown;
}

ConversionResult ConvertInput(Direction direction, const InputParts& input, const std::filesystem::path& output,
                              const Gpx2KmlOptions& gpxOptions, const Kml2GpxOptions& kmlOptions,
                              ConversionProgress& progress, ConversionCounts& counts) {
  ConversionResult result = direction == Direction::GpxToKml
                                ? ConvertGpxToKml(input, output, gpxOptions, progress, counts)
                                : ConvertKmlFromEitherRoot(input, output, kmlOptions, progress, counts);
  if (progress.abortRequested()) {
    result.status = ConversionStatus::Stopped;
  } else if (result.status == ConversionStatus::Completed && PointCount(counts) == 0) {
    result.status = ConversionStatus::NothingConvertible;
  }
  return result;
}

}  // namespace ruvela
