// Any bytes named .kml, with any options: KML to GPX conversion, both passes.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ruvela::robustness::FuzzConversion(ruvela::Direction::KmlToGpx, data, size);
  return 0;
}
