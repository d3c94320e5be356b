// How a fuzz input is read for a conversion: its last bytes pick the option
// values, the rest is the document. A byte of 0 picks the default, so a seed
// is a plain document followed by a few zero bytes.
#pragma once

#include <string>
#include <string_view>

#include "conversion/convert_input.h"
#include "option_values/gpx2kml_options.h"
#include "option_values/kml2gpx_options.h"

namespace ruvela::robustness {

// How many bytes each direction takes from the end of an input.
inline constexpr std::size_t kGpxOptionBytes = 8;
inline constexpr std::size_t kKmlOptionBytes = 6;

struct ConversionInput {
  Gpx2KmlOptions gpxOptions;
  Kml2GpxOptions kmlOptions;
  std::string document;
};

ConversionInput ReadConversionInput(Direction direction, std::string_view bytes);

}  // namespace ruvela::robustness
