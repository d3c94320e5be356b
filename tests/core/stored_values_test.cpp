#include "core/stored_values.h"

#include <gtest/gtest.h>

namespace ruvela {
namespace {

TEST(StoredValues, OptionStates) {
  EXPECT_EQ(OptionStateText(true), "-1");
  EXPECT_EQ(OptionStateText(false), "0");
  const struct {
    const char* stored;
    bool selected;
  } rows[] = {{"-1", true}, {"1", true}, {"0", false}, {"", false}, {"abc", false}, {"0.4", true}, {" 2 ", true}};
  for (const auto& row : rows) EXPECT_EQ(OptionSelectedFromText(row.stored), row.selected) << row.stored;
}

TEST(StoredValues, CheckStates) {
  constexpr auto kFallback = CheckState::Checked;
  const struct {
    const char* stored;
    CheckState expected;
  } rows[] = {{"0", CheckState::Unchecked},
              {"1", CheckState::Checked},
              {"2", CheckState::Grayed},
              {"abc", CheckState::Unchecked},
              {"1.5", CheckState::Grayed},
              {"0.5", CheckState::Unchecked},
              {"2.5", CheckState::Grayed},
              {"3", kFallback},
              {"-1", kFallback},
              {"&H2", CheckState::Grayed},
              {"1e400", kFallback}};
  for (const auto& row : rows) {
    EXPECT_EQ(CheckStateFromText(row.stored, kFallback), row.expected) << row.stored;
  }
  EXPECT_EQ(CheckStateText(CheckState::Grayed), "2");
}

TEST(StoredValues, PercentBox) {
  const struct {
    const char* stored;
    const char* shown;
  } rows[] = {{"200", "200"},   {"0200", "200"},      {"abc", "0"},   {"150 %", "150"}, {"12.5", "200"},
              {"40000", "200"}, {"-32768", "-32768"}, {"1e2", "100"}, {"", "0"}};
  for (const auto& row : rows) EXPECT_EQ(PercentTextFromStore(row.stored, "200"), row.shown) << row.stored;
}

TEST(StoredValues, ElevationBoxes) {
  const struct {
    const char* stored;
    const char* shown;
  } rows[] = {{"25", "25"}, {"0030", "0030"}, {" 30", " 30"}, {"-5", "-5"},   {"abc", "25"}, {"12.5", "25"},
              {"", "25"},   {"40000", "25"},  {"1e2", "25"},  {"30 m", "25"}, {"-", "25"}};
  for (const auto& row : rows) EXPECT_EQ(ElevationTextFromStore(row.stored, "25"), row.shown) << row.stored;
}

TEST(StoredValues, IntegersAreStoredRoundedAndLimited) {
  const struct {
    const char* box;
    const char* stored;
  } rows[] = {{"200", "200"},     {" 30", "30"},        {"2.5", "2"}, {"3.5", "4"},
              {"99999", "32767"}, {"-99999", "-32768"}, {"", "0"},    {"abc", "0"}};
  for (const auto& row : rows) EXPECT_EQ(StoredIntegerText(row.box), row.stored) << row.box;
}

TEST(StoredValues, NumberBoxesNormaliseWhenLeft) {
  const struct {
    const char* typed;
    const char* shown;
  } rows[] = {{"12.7", "12"}, {"-12.3", "13"}, {"-7.5", "8"}, {"42 m", "42"}, {"abc", "0"},
              {"", "0"},      {"-0", "0"},     {"007", "7"},  {"1e3", "1000"}};
  for (const auto& row : rows) EXPECT_EQ(NormalizedBoxText(row.typed), row.shown) << row.typed;
}

TEST(StoredValues, FreeTextIsTrimmed) {
  EXPECT_EQ(TrimmedText("  Routes "), "Routes");
  EXPECT_EQ(TrimmedText("   "), "");
}

}  // namespace
}  // namespace ruvela
