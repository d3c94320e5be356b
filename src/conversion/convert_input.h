// The one conversion step both front ends run for an input file: choose the
// direction, convert (KML twice when its content sits in a Document
// element), and judge the outcome from the result text and the counters.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/conversion.h"
#include "core/gpx2kml_options.h"
#include "core/kml2gpx_options.h"

namespace ruvela {

enum class Direction { GpxToKml, KmlToGpx, Unknown };

// ".gpx", and ".kml" or ".kmz" (a zipped KML document), in any letter case;
// anything else is Unknown.
Direction DirectionOf(std::string_view extension);

enum class Outcome {
  Converted,           // a complete document with at least one point
  LoadFailed,          // the input is not a readable XML document
  WriteFailed,         // the output could not be written
  NothingConvertible,  // loaded, but no point of the counted kinds
  Aborted,             // progress asked to stop
};

struct ConversionOutcome {
  std::string resultText;  // the converter's result: "ERROR", "" or the closing text
  Outcome outcome = Outcome::LoadFailed;
  ConversionProblem problem;  // why, for LoadFailed and WriteFailed
};

// Converts `input` in `direction` (which must not be Unknown) into `output`.
ConversionOutcome ConvertInput(Direction direction, const InputParts& input, const std::filesystem::path& output,
                               const Gpx2KmlOptions& gpxOptions, const Kml2GpxOptions& kmlOptions,
                               ConversionProgress& progress, ConversionCounts& counts);

}  // namespace ruvela
