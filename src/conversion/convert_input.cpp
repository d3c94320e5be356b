#include "conversion/convert_input.h"

#include "values/text_lines.h"

#include "gpx2kml/gpx_to_kml.h"
#include "kml2gpx/kml_to_gpx.h"

namespace ruvela {

Direction DirectionOf(std::string_view extension) {
  const std::string lower = LowerAscii(extension);
  if (lower == ".gpx") return Direction::GpxToKml;
  if (lower == ".kml" || lower == ".kmz") return Direction::KmlToGpx;
  return Direction::Unknown;
}

ConversionResult ConvertInput(Direction direction, const std::filesystem::path& input, const std::string& documentName,
                              const std::filesystem::path& output, const Gpx2KmlOptions& gpxOptions,
                              const Kml2GpxOptions& kmlOptions, ConversionProgress& progress,
                              ConversionCounts& counts) {
  ConversionResult result = direction == Direction::GpxToKml
                                ? ConvertGpxToKml(input, documentName, output, gpxOptions, progress, counts)
                                : ConvertKmlToGpx(input, output, kmlOptions, progress, counts);
  result.walkCompleted = result.status == ConversionStatus::Completed;
  if (progress.abortRequested()) {
    result.status = ConversionStatus::Stopped;
  } else if (result.status == ConversionStatus::Completed && ConvertedPoints(counts) == 0) {
    result.status = ConversionStatus::NothingConvertible;
  }
  return result;
}

}  // namespace ruvela
