// KML 2.0 in, GPX 1.1 (with Garmin's extensions) out: point placemarks become
// waypoints, and the designated route folder and the folders below it
// become routes.
#pragma once

#include <filesystem>
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

// Converts input.Joined() into `output` (created or emptied first), taking
// the top-level placemarks and folders from `rootPath`. Returns kResultError,
// the empty text when progress asked to stop, or the document's closing text.
std::string ConvertKmlToGpx(const InputParts& input, const std::string& rootPath, const std::filesystem::path& output,
                            const Kml2GpxOptions& options, ConversionProgress& progress, ConversionCounts& counts,
                            ConversionProblem* problem = nullptr);

// Empties `output` and loads the input into `document`. Returns the empty
// text on success, kResultError (with `problem` filled in) otherwise.
std::string LoadKmlForConversion(const InputParts& input, const std::filesystem::path& output,
                                 ConversionProgress& progress, pugi::xml_document& document,
                                 ConversionProblem& problem);

// The walk over a document that is already loaded.
std::string ConvertKmlDocumentToGpx(const pugi::xml_document& document, const std::string& rootPath,
                                    const std::filesystem::path& output, const Kml2GpxOptions& options,
                                    ConversionProgress& progress, ConversionCounts& counts,
                                    ConversionProblem* problem = nullptr);

}  // namespace ruvela
