// The one conversion step both front ends run for an input file: choose the
// direction, convert (KML twice when its content sits in a Document
// element), and judge the outcome from the converter's result and the
// counters.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "option_values/gpx2kml_options.h"
#include "option_values/kml2gpx_options.h"
#include "walk/conversion.h"

namespace ruvela {

enum class Direction { GpxToKml, KmlToGpx, Unknown };

// ".gpx", and ".kml" or ".kmz" (a zipped KML document), in any letter case;
// anything else is Unknown.
Direction DirectionOf(std::string_view extension);

// Converts `input` in `direction` (which must not be Unknown) into `output`;
// a KML document made from it is named `documentName` (the input's base
// name). A completed document without a point is NothingConvertible; a
// conversion during which progress asked to stop is Stopped, whatever it
// had reached.
ConversionResult ConvertInput(Direction direction, const std::filesystem::path& input, const std::string& documentName,
                              const std::filesystem::path& output, const Gpx2KmlOptions& gpxOptions,
                              const Kml2GpxOptions& kmlOptions, ConversionProgress& progress, ConversionCounts& counts);

}  // namespace ruvela
