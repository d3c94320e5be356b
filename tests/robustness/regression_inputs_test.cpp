// Every input a fuzz target once failed on, kept under
// tests/data/regressions/TARGET/, still keeps that target's rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/conversion_check.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/text_rules.h"
#include "support/test_files.h"

namespace ruvela::robustness {
namespace {

namespace fs = std::filesystem;

struct Regression {
  std::string target;  // the fuzz target that found it
  fs::path file;
};

std::ostream& operator<<(std::ostream& out, const Regression& row) {
  return out << row.target << "/" << row.file.filename().string();
}

std::vector<Regression> KeptInputs() {
  std::vector<Regression> rows;
  const fs::path root = RUVELA_REGRESSIONS_DIR;
  if (!fs::is_directory(root)) return rows;
  for (const auto& target : fs::directory_iterator(root)) {
    if (!target.is_directory()) continue;
    for (const auto& file : fs::directory_iterator(target.path())) {
      if (file.is_regular_file()) rows.push_back({target.path().filename().string(), file.path()});
    }
  }
  std::sort(rows.begin(), rows.end(), [](const Regression& a, const Regression& b) { return a.file < b.file; });
  return rows;
}

// The broken rule for `bytes` under the rules of `target`.
std::string Problem(const std::string& target, const std::string& bytes) {
  if (target == "gpx_to_kml_fuzzer" || target == "kml_to_gpx_fuzzer") {
    const Direction direction = target == "gpx_to_kml_fuzzer" ? Direction::GpxToKml : Direction::KmlToGpx;
    const ConversionInput input = ReadConversionInput(direction, bytes);
    testing::ScratchDirectory scratch;
    return ConvertAndCheck(scratch.path(), direction, input.document, input.gpxOptions, input.kmlOptions).problem;
  }
  if (target == "clean_name_fuzzer") return CleanNameProblem(bytes);
  if (target == "number_text_fuzzer") return NumberTextProblem(bytes);
  if (target == "stored_values_fuzzer") return StoredValueProblem(bytes);
  return "no fuzz target is called " + target;
}

class RegressionInputTest : public ::testing::TestWithParam<Regression> {};

TEST_P(RegressionInputTest, KeepsTheRulesItOnceBroke) {
  const Regression& row = GetParam();
  EXPECT_EQ(Problem(row.target, testing::ReadFile(row.file)), "");
}

std::string SafeName(const ::testing::TestParamInfo<Regression>& info) {
  std::string name = info.param.target + "_" + info.param.file.filename().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

// The strict reading the rules rely on turns down what a lenient parser
// would let through.
TEST(ConversionRules, RefuseDocumentsAStrictReaderRefuses) {
  for (const char* sound : {"<a>b</a>", "<a>&lt;&#9;&#x10FFFF;&amp;</a>", "<a><![CDATA[&#1; & ]]><!-- & --></a>"}) {
    EXPECT_EQ(WhyNotWellFormed(sound), "") << sound;
  }
  for (const char* broken :
       {"", "<a>", "<a>\x01</a>", "<a>\xFF</a>", "<a>\xED\xA0\x80</a>", "<a>\xEF\xBF\xBF</a>", "<a>&#1;</a>",
        "<a>&#xFFFE;</a>", "<a>&#99999999;</a>", "<a>a & b</a>", "<a>&nbsp;</a>", "<a>&#x;</a>", "<a></b>", "texto"}) {
    EXPECT_NE(WhyNotWellFormed(broken), "") << broken;
  }
}

INSTANTIATE_TEST_SUITE_P(Kept, RegressionInputTest, ::testing::ValuesIn(KeptInputs()), SafeName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RegressionInputTest);

}  // namespace
}  // namespace ruvela::robustness
