#include "kml2gpx/gpx_value_rules.h"

#include <algorithm>
#include <optional>

namespace ruvela {
namespace {

bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view WithoutXmlSpace(std::string_view text) {
  while (!text.empty() && IsXmlSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsXmlSpace(text.back())) text.remove_suffix(1);
  return text;
}

// The digits before and after the decimal point; the sign does not matter
// to the symmetric ranges checked here.
struct DecimalDigits {
  std::string_view whole;
  std::string_view fraction;
};

std::optional<DecimalDigits> ReadDecimal(std::string_view text) {
  text = WithoutXmlSpace(text);
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t wholeStart = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  DecimalDigits digits{text.substr(wholeStart, i - wholeStart), {}};
  if (i < text.size() && text[i] == '.') {
    const std::size_t fractionStart = ++i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    digits.fraction = text.substr(fractionStart, i - fractionStart);
  }
  if (i != text.size() || (digits.whole.empty() && digits.fraction.empty())) return std::nullopt;
  return digits;
}

// |value| <= limit, compared digit by digit.
bool WithinLimit(std::string_view text, std::string_view limit) {
  const std::optional<DecimalDigits> digits = ReadDecimal(text);
  if (!digits) return false;
  std::string_view whole = digits->whole;
  while (!whole.empty() && whole.front() == '0') whole.remove_prefix(1);
  if (whole.size() != limit.size()) return whole.size() < limit.size();
  if (whole != limit) return whole < limit;
  return std::all_of(digits->fraction.begin(), digits->fraction.end(), [](char c) { return c == '0'; });
}

}  // namespace

bool IsGpxDecimal(std::string_view text) { return ReadDecimal(text).has_value(); }

bool IsGpxLatitude(std::string_view text) { return WithinLimit(text, "90"); }

bool IsGpxLongitude(std::string_view text) { return WithinLimit(text, "180"); }

}  // namespace ruvela
