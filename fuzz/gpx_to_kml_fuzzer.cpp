// Any bytes named .gpx, with any options: GPX to KML conversion.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ruvela::robustness::FuzzConversion(ruvela::Direction::GpxToKml, data, size);
  return 0;
}
