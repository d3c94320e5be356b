// What must hold after converting any input, however hostile: a completed
// conversion leaves a well-formed document, a failed load leaves an empty
// output and a reason, and no counter goes below zero. Shared by the fuzz
// targets and the regression tests.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "conversion/convert_input.h"
#include "option_values/gpx2kml_options.h"
#include "option_values/kml2gpx_options.h"

namespace ruvela::robustness {

struct CheckedConversion {
  std::filesystem::path input;  // the file converted
  ConversionStatus outcome = ConversionStatus::InputNotLoaded;
  ConversionCounts counts;
  std::string output;   // the output file as the converter left it
  std::string problem;  // the first broken rule; empty when all held
};

// Writes `document` as "in.gpx" or "in.kml" into `directory`, converts it
// there as both front ends do, and checks the result.
CheckedConversion ConvertAndCheck(const std::filesystem::path& directory, Direction direction,
                                  std::string_view document, const Gpx2KmlOptions& gpxOptions = {},
                                  const Kml2GpxOptions& kmlOptions = {});

// The strict well-formedness test the checks use: valid UTF-8, only the
// characters XML allows, and a parse without error. Empty when it holds.
std::string WhyNotWellFormed(const std::string& bytes);

}  // namespace ruvela::robustness
