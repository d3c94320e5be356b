#include "core/name_cleaning.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace ruvela {
namespace {

struct CleaningCase {
  const char* label;
  std::string input;
  std::string expected;
};

class CleanNameExamples : public ::testing::TestWithParam<CleaningCase> {};

TEST_P(CleanNameExamples, ReplacesCharacterByCharacter) { EXPECT_EQ(CleanName(GetParam().input), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Names, CleanNameExamples,
    ::testing::Values(
        CleaningCase{"Empty", "", ""}, CleaningCase{"AccentAndExclamation", "Año Nuevo!", "Ano Nuevo "},
        CleaningCase{"Ampersand", "Café & Bar", "Cafe   Bar"}, CleaningCase{"OrdinalIsDigitZero", "N.º 5", "N 0 5"},
        CleaningCase{"SharpSIsCapitalB", "Straße", "StraBe"}, CleaningCase{"SlashedOIsDigitZero", "Øresund", "0resund"},
        CleaningCase{"GuillemetsBecomeAngles", "«Cima»", "<Cima>"}, CleaningCase{"MiddleDotIsFullStop", "a·b", "a.b"},
        CleaningCase{"OnlyPunctuationKeepsLength", "!!!", "   "}, CleaningCase{"TabAndLineEnds", "a\tb\r\nc", "a b  c"},
        CleaningCase{"NoBreakSpace", "a\u00A0b", "a b"},
        CleaningCase{"KeptPunctuation", "(x)+[y]-{z}_<w>", "(x)+[y]-{z}_<w>"},
        CleaningCase{"ThornAndEth", "Þþð", "ppo"}, CleaningCase{"Fractions", "¼½¾", "---"},
        CleaningCase{"Windows1252RangeIsBlank", "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ", std::string(27, ' ')},
        CleaningCase{"PolishBestFit", "Łódź Żółć", "Lodz Zolc"},
        CleaningCase{"CzechBestFit", "Přerov Čáslav", "Prerov Caslav"},
        CleaningCase{"StrokeLettersAndDotlessI", "ĦħŦŧĐđı", "HhTtDdi"},
        CleaningCase{"OtherScriptsAreBlank", "日本 Ωμέγα", "   " + std::string(5, ' ')},
        CleaningCase{"BeyondBmpIsTwoBlanks", "a😀b", "a  b"},
        CleaningCase{"BrokenUtf8ByteIsOneBlank", "a\xFF\xC3z", "a  z"}),
    [](const ::testing::TestParamInfo<CleaningCase>& info) { return info.param.label; });

std::string Utf8Of(unsigned code) {
  std::string text;
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else {
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
  return text;
}

TEST(NameCharTable, EveryEntryIsInTheOutputAlphabet) {
  const std::string alphabet = " ()+-.0123456789<>ABCDEFGHIJKLMNOPQRSTUVWXYZ[]_abcdefghijklmnopqrstuvwxyz{}";
  std::set<char> seen;
  for (unsigned code = 0; code < 256; ++code) {
    const std::string cleaned = CleanName(Utf8Of(code));
    ASSERT_EQ(cleaned.size(), 1u) << "code " << code;
    EXPECT_NE(alphabet.find(cleaned[0]), std::string::npos) << "code " << code;
    seen.insert(cleaned[0]);
  }
  EXPECT_EQ(seen.size(), alphabet.size()) << "every alphabet character is some entry's replacement";
}

TEST(NameCharTable, NotableEntries) {
  const struct {
    unsigned code;
    char replacement;
  } rows[] = {{'.', ' '},  {183, '.'}, {216, '0'},  {248, '0'}, {186, '0'}, {223, 'B'}, {222, 'p'},
              {254, 'p'},  {240, 'o'}, {171, '<'},  {187, '>'}, {177, '+'}, {173, '-'}, {215, 'x'},
              {169, 'C'},  {174, 'R'}, {181, 'u'},  {167, 's'}, {170, 'a'}, {176, 'o'}, {160, ' '},
              {0x7F, ' '}, {'~', ' '}, {'\\', ' '}, {'@', ' '}};
  for (const auto& row : rows) {
    EXPECT_EQ(CleanName(Utf8Of(row.code)), std::string(1, row.replacement)) << "code " << row.code;
  }
}

TEST(CleanName, KeepsTheLengthOfLongNames) {
  std::string name;
  for (int i = 0; i < 40000; ++i) name += (i % 3 == 0) ? "é" : "x";
  const std::string cleaned = CleanName(name);
  ASSERT_EQ(cleaned.size(), 40000u);
  EXPECT_EQ(cleaned.substr(0, 6), "exxexx");
  EXPECT_EQ(cleaned.back(), 'e');  // cleaned to the end, past 32,767 characters
}

}  // namespace
}  // namespace ruvela
