// Any bytes named .gpx, with any options: GPX to KML conversion.
#include <cstddef>
#include <cstdint>

#include "files/parser_memory.h"
#include "fuzz/fuzz_conversion.h"

// The parser's memory, as the programs set it up before any load.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ruvela::UseParserMemoryPool();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ruvela::robustness::FuzzConversion(ruvela::Direction::GpxToKml, data, size);
  return 0;
}
