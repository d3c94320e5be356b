// KML 2.0 in, GPX 1.1 (with Garmin's extensions) out: point placemarks become
// waypoints, and the designated route folder and the folders below it
// become routes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/conversion.h"
#include "core/kml2gpx_options.h"

namespace pugi {
class xml_document;
}

namespace ruvela {

// The two element paths under which the top-level placemarks and folders
// are looked for: Google Earth wraps them in a Document element.
inline constexpr const char* kKmlRoot = "kml";
inline constexpr const char* kKmlDocumentRoot = "kml/Document";

// Converts input.joined() into `output` (created or emptied first), taking
// the top-level placemarks and folders from `rootPath`.
ConversionResult ConvertKmlToGpx(const InputParts& input, const std::string& rootPath,
                                 const std::filesystem::path& output, const Kml2GpxOptions& options,
                                 ConversionProgress& progress, ConversionCounts& counts);

// Empties `output` and loads the input into `document`; the failure when
// either cannot be done.
std::optional<ConversionResult> LoadKmlForConversion(const InputParts& input, const std::filesystem::path& output,
                                                     ConversionProgress& progress, pugi::xml_document& document);

// The walk over a document that is already loaded.
ConversionResult ConvertKmlDocumentToGpx(const pugi::xml_document& document, const std::string& rootPath,
                                         const std::filesystem::path& output, const Kml2GpxOptions& options,
                                         ConversionProgress& progress, ConversionCounts& counts);

}  // namespace ruvela
