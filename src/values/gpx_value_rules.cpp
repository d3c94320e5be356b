#include "values/gpx_value_rules.h"

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

// Reads exactly `count` digits at `at` as a number; -1 when they are not there.
int FixedDigits(std::string_view text, std::size_t& at, std::size_t count) {
  if (text.size() - at < count) return -1;
  int value = 0;
  for (std::size_t end = at + count; at < end; ++at) {
    if (!IsDigit(text[at])) return -1;
    value = value * 10 + (text[at] - '0');
  }
  return value;
}

bool Expect(std::string_view text, std::size_t& at, char c) {
  if (at >= text.size() || text[at] != c) return false;
  ++at;
  return true;
}

int DaysInMonth(int month, bool leapYear) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && leapYear ? 29 : kDays[month - 1];
}

// The year of a dateTime: at least four digits, no leading zero beyond
// four, never 0000. Only its remainder by 400 matters afterwards.
bool ReadYear(std::string_view text, std::size_t& at, int& yearMod400) {
  const std::size_t start = at;
  yearMod400 = 0;
  bool nonZero = false;
  for (; at < text.size() && IsDigit(text[at]); ++at) {
    yearMod400 = (yearMod400 * 10 + (text[at] - '0')) % 400;
    nonZero = nonZero || text[at] != '0';
  }
  const std::size_t digits = at - start;
  return digits >= 4 && (digits == 4 || text[start] != '0') && nonZero;
}

bool ReadZone(std::string_view text, std::size_t& at) {
  if (at == text.size()) return true;
  if (text[at] == 'Z') return ++at == text.size();
  if (text[at] != '+' && text[at] != '-') return false;
  ++at;
  const int hours = FixedDigits(text, at, 2);
  if (!Expect(text, at, ':')) return false;
  const int minutes = FixedDigits(text, at, 2);
  return at == text.size() && hours >= 0 && minutes >= 0 && minutes <= 59 &&
         (hours < 14 || (hours == 14 && minutes == 0));
}

}  // namespace

bool IsGpxDateTime(std::string_view text) {
  text = WithoutXmlSpace(text);
  std::size_t at = 0;
  if (at < text.size() && text[at] == '-') ++at;
  int yearMod400 = 0;
  if (!ReadYear(text, at, yearMod400) || !Expect(text, at, '-')) return false;
  const int month = FixedDigits(text, at, 2);
  if (month < 1 || month > 12 || !Expect(text, at, '-')) return false;
  const bool leapYear = yearMod400 % 4 == 0 && (yearMod400 % 100 != 0 || yearMod400 == 0);
  const int day = FixedDigits(text, at, 2);
  if (day < 1 || day > DaysInMonth(month, leapYear) || !Expect(text, at, 'T')) return false;
  const int hours = FixedDigits(text, at, 2);
  if (hours < 0 || hours > 23 || !Expect(text, at, ':')) return false;
  const int minutes = FixedDigits(text, at, 2);
  if (minutes < 0 || minutes > 59 || !Expect(text, at, ':')) return false;
  const int seconds = FixedDigits(text, at, 2);
  if (seconds < 0 || seconds > 59) return false;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fractionStart = ++at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    if (at == fractionStart) return false;
  }
  return ReadZone(text, at);
}

bool IsGpxDecimal(std::string_view text) { return ReadDecimal(text).has_value(); }

bool IsGpxLatitude(std::string_view text) { return WithinLimit(text, "90"); }

bool IsGpxLongitude(std::string_view text) { return WithinLimit(text, "180"); }

}  // namespace ruvela
