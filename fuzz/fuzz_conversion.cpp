#include "fuzz/fuzz_conversion.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/conversion_check.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/outline_check.h"
#include "support/test_files.h"

namespace ruvela::robustness {

void FuzzConversion(Direction direction, const std::uint8_t* data, std::size_t size) {
  // One scratch directory per process; every run reuses its two files.
  static const testing::ScratchDirectory scratch;

  const ConversionInput input = ReadConversionInput(direction, {reinterpret_cast<const char*>(data), size});
  CheckedConversion checked =
      ConvertAndCheck(scratch.path(), direction, input.document, input.gpxOptions, input.kmlOptions);
  if (checked.problem.empty()) {
    checked.problem = CompareOutlineReadingAtAllSizes(checked.input, direction, SmallOutlineSizes(input.document));
  }
  if (!checked.problem.empty()) {
    std::fprintf(stderr, "broken rule: %s\n", checked.problem.c_str());
    std::abort();
  }
}

}  // namespace ruvela::robustness
