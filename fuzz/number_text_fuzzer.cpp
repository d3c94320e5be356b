// The number texts on any bytes: NormalizeNumber never empty and never
// longer than its input (or "0"), the two numeric readings always finite,
// and NumberText read back gives the same number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/number_text.h"

namespace {

void Fail(const char* rule) {
  std::fprintf(stderr, "broken rule: %s\n", rule);
  std::abort();
}

void CheckNumberText(double value) {
  const std::string text = ruvela::NumberText(value);
  if (text.empty()) Fail("NumberText gave the empty text");
  if (text == "-0") Fail("NumberText wrote a negative zero");
  if (ruvela::LeadingNumberValue(text) != value) Fail("NumberText does not read back as the same number");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const std::string normalized = ruvela::NormalizeNumber(text);
  if (normalized.empty()) Fail("NormalizeNumber gave the empty text");
  if (normalized != "0" && !text.starts_with(normalized)) Fail("NormalizeNumber is neither \"0\" nor a prefix");
  if (normalized.find('.') != std::string::npos) Fail("NormalizeNumber kept a decimal point");

  const double leading = ruvela::LeadingNumberValue(text);
  const double elevation = ruvela::ElevationValue(text);
  if (!std::isfinite(leading)) Fail("LeadingNumberValue is not finite");
  if (!std::isfinite(elevation)) Fail("ElevationValue is not finite");
  if (!std::isfinite(ruvela::ElevationValue(normalized))) Fail("ElevationValue of a normalized text is not finite");

  CheckNumberText(leading);
  CheckNumberText(elevation);
  CheckNumberText(std::floor(elevation));
  return 0;
}
