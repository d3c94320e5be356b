// GPX 1.1 in, KML 2.0 out: waypoints, routes with a folder of their points,
// and tracks drawn at the elevations the options derive.
#pragma once

#include <filesystem>
#include <string>

#include "option_values/gpx2kml_options.h"
#include "walk/conversion.h"

namespace ruvela {

// Converts `input` into `output` (created or emptied first), naming the KML
// document `documentName`.
ConversionResult ConvertGpxToKml(const std::filesystem::path& input, const std::string& documentName,
                                 const std::filesystem::path& output, const Gpx2KmlOptions& options,
                                 ConversionProgress& progress, ConversionCounts& counts);

}  // namespace ruvela
