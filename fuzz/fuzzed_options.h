// Option values chosen by the fuzzer: the last bytes of an input pick them,
// the rest is the document. A byte of 0 picks the default, so a seed is a
// plain document followed by a few zero bytes.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include "options/gpx2kml_options.h"
#include "options/kml2gpx_options.h"

namespace ruvela::robustness {

// How many bytes each direction takes from the end of an input.
inline constexpr int kGpxOptionBytes = 7;
inline constexpr int kKmlOptionBytes = 4;

Gpx2KmlOptions FuzzedGpx2KmlOptions(FuzzedDataProvider& data);
Kml2GpxOptions FuzzedKml2GpxOptions(FuzzedDataProvider& data);

}  // namespace ruvela::robustness
