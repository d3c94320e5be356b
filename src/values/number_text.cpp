#include "values/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace ruvela {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

double ClampToFinite(double value) {
  constexpr double kMax = std::numeric_limits<double>::max();
  if (std::isnan(value)) return 0.0;
  if (value > kMax) return kMax;
  if (value < -kMax) return -kMax;
  return value;
}

// Parses a decimal number written as [digits][.digits][e[sign]digits] with
// from_chars, which is locale-independent. `text` holds no sign.
double ParseUnsignedDecimal(std::string_view text) {
  if (text.empty()) return 0.0;
  if (text.size() <= 15) {
    // Elevations are mostly short runs of digits: read those directly.
    double digits = 0.0;
    std::size_t i = 0;
    while (i < text.size() && IsDigit(text[i])) digits = digits * 10 + (text[i++] - '0');
    if (i == text.size()) return digits;
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too large overflows to the largest value; too small underflows to 0.
    const auto exponentAt = text.find_first_of("eE");
    const bool tiny =
        exponentAt != std::string_view::npos && exponentAt + 1 < text.size() && text[exponentAt + 1] == '-';
    return tiny ? 0.0 : std::numeric_limits<double>::max();
  }
  if (error != std::errc()) return 0.0;
  return ClampToFinite(value);
}

// Length of the longest prefix of `text` of the form digits[.digits][E[sign]digits],
// where `exponentLetters` are the letters that may introduce the exponent.
std::size_t DecimalPrefixLength(std::string_view text, std::string_view exponentLetters) {
  std::size_t i = 0;
  while (i < text.size() && IsDigit(text[i])) ++i;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i;
  }
  if (i == 0 || (i == 1 && text[0] == '.')) return 0;
  if (i < text.size() && exponentLetters.find(text[i]) != std::string_view::npos) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t digitsStart = j;
    while (j < text.size() && IsDigit(text[j])) ++j;
    if (j > digitsStart) i = j;
  }
  return i;
}

double ParseRadixInteger(std::string_view digits, int radix) {
  double value = 0.0;
  for (char c : digits) {
    int digit = -1;
    if (IsDigit(c)) digit = c - '0';
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0 || digit >= radix) break;
    value = ClampToFinite(value * radix + digit);
  }
  return value;
}

}  // namespace

std::string NormalizeNumber(std::string_view text) {
  if (text.empty()) return "0";
  const auto dot = text.find('.');
  if (dot == std::string_view::npos) return std::string(text);
  if (dot == 0) return "0";
  if (dot == 1 && text[0] == '-') return "0";
  return std::string(text.substr(0, dot));
}

double LeadingNumberValue(std::string_view text) {
  // Blanks, tabs and line feeds do not count anywhere in the number.
  std::string compact;
  compact.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') compact += c;
  }
  std::string_view rest = compact;
  if (rest.size() >= 2 && rest[0] == '&') {
    const char radix = rest[1];
    if (radix == 'H' || radix == 'h') return ParseRadixInteger(rest.substr(2), 16);
    if (radix == 'O' || radix == 'o') return ParseRadixInteger(rest.substr(2), 8);
    return 0.0;
  }
  bool negative = false;
  if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
    negative = rest[0] == '-';
    rest.remove_prefix(1);
  }
  std::string number(rest.substr(0, DecimalPrefixLength(rest, "eEdD")));
  for (char& c : number) {
    if (c == 'd' || c == 'D') c = 'e';
  }
  const double value = ParseUnsignedDecimal(number);
  return negative ? -value : value;
}

double ElevationValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::string_view rest = text.substr(i);
  const double value = ParseUnsignedDecimal(rest.substr(0, DecimalPrefixLength(rest, "eE")));
  return negative ? -value : value;
}

std::string NumberText(double value) {
  value = ClampToFinite(value) + 0.0;       // + 0.0 turns -0 into 0
  constexpr double kIntegerRange = 9.0e18;  // within std::int64_t
  if (value == std::floor(value) && std::fabs(value) < kIntegerRange) {
    return std::to_string(static_cast<std::int64_t>(value));  // the common case, and much faster
  }
  char buffer[400];
  const auto format = value == std::floor(value) ? std::chars_format::fixed : std::chars_format::general;
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, format);
  return error == std::errc() ? std::string(buffer, end) : std::string("0");
}

}  // namespace ruvela
