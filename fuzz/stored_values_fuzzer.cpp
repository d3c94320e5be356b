// The readers of stored option values on any text: every result in range,
// or the fallback, whatever a user or another program left in the store.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/number_text.h"
#include "options/stored_values.h"

namespace {

using ruvela::CheckState;

void Fail(const char* rule) {
  std::fprintf(stderr, "broken rule: %s\n", rule);
  std::abort();
}

// True when `text` is exactly a decimal integer within [low, high].
bool IsIntegerIn(const std::string& text, long long low, long long high) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

bool IsDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

bool IsBlank(char c) { return c == ' '; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view stored(reinterpret_cast<const char*>(data), size);

  // The result is unused on purpose: any text must be read without harm.
  (void)ruvela::OptionSelectedFromText(stored);

  const CheckState state = ruvela::CheckStateFromText(stored, CheckState::Grayed);
  if (state != CheckState::Unchecked && state != CheckState::Checked && state != CheckState::Grayed) {
    Fail("a check state outside 0-2");
  }
  if (ruvela::CheckStateText(state).size() != 1) Fail("a check state that is not written as one digit");

  const std::string percent = ruvela::PercentTextFromStore(stored, "200");
  if (!IsIntegerIn(percent, -32768, 32767)) Fail("an amplification outside the 16-bit range");

  const std::string elevation = ruvela::ElevationTextFromStore(stored, "25");
  if (elevation != "25" && elevation != stored) Fail("an elevation that is neither the stored text nor the fallback");
  if (ruvela::StoredIntegerText(elevation) != ruvela::NumberText(ruvela::LeadingNumberValue(elevation))) {
    Fail("an accepted elevation is not a whole 16-bit number");
  }

  const std::string boxValue = ruvela::StoredIntegerText(stored);
  if (!IsIntegerIn(boxValue, -32768, 32767)) Fail("a stored number outside the 16-bit range");

  const std::string shown = ruvela::NormalizedBoxText(stored);
  if (!IsDigits(shown)) Fail("a normalized box text that is not a whole number of at least 0");

  const std::string trimmed = ruvela::TrimmedText(stored);
  if (!trimmed.empty() && (IsBlank(trimmed.front()) || IsBlank(trimmed.back()))) Fail("blanks left around free text");
  if (stored.find(trimmed) == std::string_view::npos) Fail("free text changed inside");
  return 0;
}
