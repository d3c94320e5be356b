#include "settings/stored_values.h"

#include <cmath>

#include "values/number_text.h"
#include "values/text_lines.h"

namespace ruvela {
namespace {

constexpr double kSmallest16 = -32768;
constexpr double kLargest16 = 32767;

bool IsWhole16(double value) { return value == std::floor(value) && value >= kSmallest16 && value <= kLargest16; }

// Rounds to the nearest whole number, ties to the even one (banker's
// rounding, as the stored forms were always read).
double RoundTiesToEven(double value) { return std::nearbyint(value); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when `text`, without surrounding blanks, is an optionally signed run
// of decimal digits.
bool IsIntegerLiteral(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty()) return false;
  for (char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

}  // namespace

std::string OptionStateText(bool selected) { return selected ? "-1" : "0"; }

bool OptionSelectedFromText(std::string_view stored) { return LeadingNumberValue(stored) != 0; }

std::string CheckStateText(CheckState state) { return std::to_string(static_cast<int>(state)); }

CheckState CheckStateFromText(std::string_view stored, CheckState fallback) {
  const double state = RoundTiesToEven(LeadingNumberValue(stored));
  if (state == 0) return CheckState::Unchecked;
  if (state == 1) return CheckState::Checked;
  if (state == 2) return CheckState::Grayed;
  return fallback;
}

std::string PercentTextFromStore(std::string_view stored, std::string_view fallback) {
  const double value = LeadingNumberValue(stored);
  return IsWhole16(value) ? NumberText(value) : std::string(fallback);
}

std::string ElevationTextFromStore(std::string_view stored, std::string_view fallback) {
  if (!IsIntegerLiteral(stored) || !IsWhole16(LeadingNumberValue(stored))) return std::string(fallback);
  return std::string(stored);
}

std::string StoredIntegerText(std::string_view boxText) {
  double value = RoundTiesToEven(LeadingNumberValue(boxText));
  if (value < kSmallest16) value = kSmallest16;
  if (value > kLargest16) value = kLargest16;
  return NumberText(value);
}

std::string NormalizedBoxText(std::string_view boxText) {
  return NumberText(std::fabs(std::floor(LeadingNumberValue(boxText))));
}

std::string TrimmedText(std::string_view text) { return std::string(TrimBlanks(text)); }

}  // namespace ruvela
