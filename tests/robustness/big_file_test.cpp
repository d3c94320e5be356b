// A 2 GB input, past every 32-bit size, written for the test and read by
// the core and by ruvela-convert. Slow and large: it runs only with
// RUVELA_BIG_TESTS=1 in the environment.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/run_convert.h"
#include "fuzz/conversion_check.h"
#include "support/test_files.h"

namespace ruvela::robustness {
namespace {

namespace fs = std::filesystem;

constexpr int kWaypoints = 2100;
constexpr std::size_t kDescriptionBytes = 1 << 20;  // 2100 MiB in all: more than 2^31 bytes

bool BigTestsAsked() {
  const char* asked = std::getenv("RUVELA_BIG_TESTS");
  return asked != nullptr && std::string(asked) == "1";
}

// Waypoints with a description of 1 MiB each, which the converter reads
// past: the output stays small, the input does not.
fs::path WriteBigGpx(const fs::path& directory) {
  const fs::path path = directory / "enorme.gpx";
  std::ofstream file(path, std::ios::binary);
  file << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\">\n";
  const std::string description(kDescriptionBytes, 'd');
  for (int i = 0; i < kWaypoints; ++i) {
    file << "<wpt lat=\"1." << i << "\" lon=\"2\"><name>P" << i << "</name><desc>" << description << "</desc></wpt>\n";
  }
  file << "</gpx>\n";
  return path;
}

TEST(BigFile, TwoGigabytesConvertInTheCoreAndTheConverter) {
  if (!BigTestsAsked()) GTEST_SKIP() << "set RUVELA_BIG_TESTS=1 to write and convert a 2 GB file";
  testing::ScratchDirectory scratch;
  const fs::path input = WriteBigGpx(scratch.path());
  ASSERT_GT(fs::file_size(input), std::uintmax_t{1} << 31);

  // The core, through a copy of the same bytes.
  const CheckedConversion converted = ConvertAndCheck(scratch.path(), Direction::GpxToKml, testing::ReadFile(input));
  EXPECT_EQ(converted.problem, "");
  EXPECT_EQ(converted.outcome, ConversionStatus::Completed);
  EXPECT_EQ(converted.counts.waypoints, kWaypoints);

  std::ostringstream out;
  std::ostringstream err;
  const fs::path output = scratch.path() / "enorme.kml";
  EXPECT_EQ(cli::RunConvert({input.string(), "-o", output.string(), "-q"}, out, err, {}), 0) << err.str();
  const std::string written = testing::ReadFile(output);
  EXPECT_EQ(WhyNotWellFormed(written), "");
  std::size_t placemarks = 0;
  for (auto at = written.find("<Placemark>"); at != std::string::npos; at = written.find("<Placemark>", at + 1)) {
    ++placemarks;
  }
  EXPECT_EQ(placemarks, std::size_t{kWaypoints});
}

}  // namespace
}  // namespace ruvela::robustness
