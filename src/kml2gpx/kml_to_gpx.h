// KML 2.0 in, GPX 1.1 (with Garmin's extensions) out: point placemarks become
// waypoints, and the designated route folder and the folders below it
// become routes.
#pragma once

#include <filesystem>

#include "option_values/kml2gpx_options.h"
#include "walk/conversion.h"

namespace ruvela {

// The two element paths under which the top-level placemarks and folders
// are looked for: Google Earth wraps them in a Document element, and the
// second is walked when the first yields no point.
inline constexpr const char* kKmlRoot = "kml";
inline constexpr const char* kKmlDocumentRoot = "kml/Document";

// Converts `input` into `output` (created or emptied first).
ConversionResult ConvertKmlToGpx(const std::filesystem::path& input, const std::filesystem::path& output,
                                 const Kml2GpxOptions& options, ConversionProgress& progress, ConversionCounts& counts);

}  // namespace ruvela
