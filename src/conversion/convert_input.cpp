#include "conversion/convert_input.h"

#include <pugixml.hpp>

#include "core/text_lines.h"

#include "gpx2kml/gpx_to_kml.h"
#include "kml2gpx/kml_to_gpx.h"

namespace ruvela {
namespace {

// Google Earth puts its placemarks and folders inside a Document element;
// when the root level yields no point, the same document is walked again
// from there. The document is loaded once for both walks.
std::string ConvertKmlFromEitherRoot(const InputParts& input, const std::filesystem::path& output,
                                     const Kml2GpxOptions& options, ConversionProgress& progress,
                                     ConversionCounts& counts, ConversionProblem& problem) {
  pugi::xml_document document;
  const std::string failed = LoadKmlForConversion(input, output, progress, document, problem);
  if (!failed.empty()) return failed;
  std::string result = ConvertKmlDocumentToGpx(document, kKmlRoot, output, options, progress, counts, &problem);
  if (result != kResultError && counts.waypoints + counts.routePoints + counts.trackPoints == 0 &&
      !progress.AbortRequested()) {
    result = ConvertKmlDocumentToGpx(document, kKmlDocumentRoot, output, options, progress, counts, &problem);
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

ConversionOutcome ConvertInput(Direction direction, const InputParts& input, const std::filesystem::path& output,
                               const Gpx2KmlOptions& gpxOptions, const Kml2GpxOptions& kmlOptions,
                               ConversionProgress& progress, ConversionCounts& counts) {
  ConversionOutcome outcome;
  if (direction == Direction::GpxToKml) {
    outcome.resultText = ConvertGpxToKml(input, output, gpxOptions, progress, counts, &outcome.problem);
  } else {
    outcome.resultText = ConvertKmlFromEitherRoot(input, output, kmlOptions, progress, counts, outcome.problem);
  }
  // From KML, track points come only from paths, when they are asked to become tracks.
  const std::int64_t points = std::int64_t{counts.waypoints} + counts.routePoints + counts.trackPoints;

  if (progress.AbortRequested()) {
    outcome.outcome = Outcome::Aborted;
  } else if (outcome.resultText == kResultError) {
    outcome.outcome = outcome.problem.outputFailed ? Outcome::WriteFailed : Outcome::LoadFailed;
  } else if (outcome.resultText.empty()) {
    outcome.outcome = Outcome::Aborted;
  } else if (points == 0) {
    outcome.outcome = Outcome::NothingConvertible;
  } else {
    outcome.outcome = Outcome::Converted;
  }
  return outcome;
}

}  // namespace ruvela
