#include "fuzz/fuzz_conversion.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/conversion_check.h"
#include "fuzz/fuzzed_options.h"
#include "support/test_files.h"

namespace ruvela::robustness {

void FuzzConversion(Direction direction, const std::uint8_t* data, std::size_t size) {
  // One scratch directory per process; every run reuses its two files.
  static const testing::ScratchDirectory scratch;

  FuzzedDataProvider provider(data, size);
  const bool gpx = direction == Direction::GpxToKml;
  const Gpx2KmlOptions gpxOptions = gpx ? FuzzedGpx2KmlOptions(provider) : Gpx2KmlOptions{};
  const Kml2GpxOptions kmlOptions = gpx ? Kml2GpxOptions{} : FuzzedKml2GpxOptions(provider);
  const std::string document = provider.ConsumeRemainingBytesAsString();

  const CheckedConversion checked = ConvertAndCheck(scratch.path(), direction, document, gpxOptions, kmlOptions);
  if (!checked.problem.empty()) {
    std::fprintf(stderr, "broken rule: %s\n", checked.problem.c_str());
    std::abort();
  }
}

}  // namespace ruvela::robustness
