#include "core/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

namespace ruvela {
namespace {

TEST(NormalizeNumber, CutsAtTheFirstFullStop) {
  const struct {
    const char* input;
    const char* expected;
  } rows[] = {{"", "0"},   {"250", "250"}, {"250.75", "250"}, {"-3.9", "-3"},   {"-0.2", "-0"},
              {".5", "0"}, {"-.5", "0"},   {"1.2.3", "1"},    {"12,5", "12,5"}, {"abc", "abc"},
              {"-", "-"},  {" 7.9", " 7"}, {"+4.2", "+4"},    {"1e3.5", "1e3"}, {"-12.7", "-12"}};
  for (const auto& row : rows) EXPECT_EQ(NormalizeNumber(row.input), row.expected) << '"' << row.input << '"';
}

TEST(NormalizeNumber, IgnoresTheLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous != nullptr ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(NormalizeNumber("123.456"), "123");
  EXPECT_DOUBLE_EQ(LeadingNumberValue("1.5"), 1.5);
  EXPECT_DOUBLE_EQ(ElevationValue("2.5"), 2.5);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(LeadingNumberValue, ReadsLeniently) {
  const struct {
    const char* input;
    double expected;
  } rows[] = {{"200", 200},   {"0200", 200}, {" 1 2\t3\n", 123}, {"-3.5", -3.5}, {"+7", 7},
              {"1E3", 1000},  {"2D2", 200},  {"1.5e-1", 0.15},   {"&HFF", 255},  {"&hff", 255},
              {"&O17", 15},   {"&H", 0},     {"12abc", 12},      {"abc", 0},     {"", 0},
              {"1.2.3", 1.2}, {"- 5", -5},   {"1E", 1},          {"1e+", 1},     {"&X1", 0},
              {".5", 0.5},    {"12,5", 12}};
  for (const auto& row : rows) {
    EXPECT_DOUBLE_EQ(LeadingNumberValue(row.input), row.expected) << '"' << row.input << '"';
  }
}

TEST(LeadingNumberValue, ClampsHugeNumbers) {
  EXPECT_EQ(LeadingNumberValue("1e400"), std::numeric_limits<double>::max());
  EXPECT_EQ(LeadingNumberValue("-1e400"), -std::numeric_limits<double>::max());
  EXPECT_EQ(LeadingNumberValue("1e-400"), 0.0);
  EXPECT_GT(LeadingNumberValue("&H" + std::string(400, 'F')), 1e300);
}

TEST(ElevationValue, ReadsOnlyANumberAtTheStart) {
  const struct {
    const char* input;
    double expected;
  } rows[] = {{"123", 123}, {"  -12", -12}, {"+5", 5},  {"1e3", 1000}, {"2.5", 2.5}, {"12,5", 12},
              {"abc", 0},   {"", 0},        {"1 2", 1}, {"1D2", 1},    {"-", 0},     {"&HFF", 0}};
  for (const auto& row : rows) EXPECT_DOUBLE_EQ(ElevationValue(row.input), row.expected) << '"' << row.input << '"';
}

TEST(NumberText, WritesWholeNumbersPlainly) {
  EXPECT_EQ(NumberText(0), "0");
  EXPECT_EQ(NumberText(-0.0), "0");
  EXPECT_EQ(NumberText(173), "173");
  EXPECT_EQ(NumberText(-12), "-12");
  EXPECT_EQ(NumberText(1e21), "1000000000000000000000");
  EXPECT_EQ(NumberText(0.5), "0.5");
  EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()).size(), 309u);
}

}  // namespace
}  // namespace ruvela
