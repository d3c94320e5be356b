// A 2 GB input, past every 32-bit size, written and then converted by the
// core and by ruvela-convert. Not a test (it takes minutes and 4 GB of disk
// and memory); run it by hand after changing how inputs are read:
//
//   build/bench/ruvela_bench_big_file [DIRECTORY]
//
// It writes into DIRECTORY (default: the system's temporary directory),
// removes what it wrote, and exits 0 when both conversions came out whole.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "cli/run_convert.h"
#include "files/parser_memory.h"
#include "fuzz/conversion_check.h"
#include "support/test_files.h"

namespace fs = std::filesystem;
using namespace ruvela;

namespace {

constexpr int kWaypoints = 2100;
constexpr std::size_t kDescriptionBytes = 1 << 20;  // 2100 MiB in all: more than 2^31 bytes

// Waypoints with a description of 1 MiB each, which the converter reads
// past: the output stays small, the input does not.
void WriteBigGpx(const fs::path& path) {
  std::ofstream file(path, std::ios::binary);
  file << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\">\n";
  const std::string description(kDescriptionBytes, 'd');
  for (int i = 0; i < kWaypoints; ++i) {
    file << "<wpt lat=\"1." << i << "\" lon=\"2\"><name>P" << i << "</name><desc>" << description << "</desc></wpt>\n";
  }
  file << "</gpx>\n";
}

std::size_t Placemarks(const std::string& kml) {
  std::size_t count = 0;
  for (auto at = kml.find("<Placemark>"); at != std::string::npos; at = kml.find("<Placemark>", at + 1)) ++count;
  return count;
}

bool Check(bool ok, const std::string& what) {
  std::cout << (ok ? "ok:     " : "FAILED: ") << what << '\n';
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  UseParserMemoryPool();  // as the programs do
  const fs::path directory = fs::path(argc > 1 ? argv[1] : fs::temp_directory_path()) / "ruvela-big-file";
  fs::create_directories(directory);
  const fs::path input = directory / "enorme.gpx";
  WriteBigGpx(input);
  bool ok = Check(fs::file_size(input) > (std::uintmax_t{1} << 31), "the input is past 2^31 bytes");

  // The core, through a copy of the same bytes.
  const robustness::CheckedConversion converted =
      robustness::ConvertAndCheck(directory, Direction::GpxToKml, testing::ReadFile(input));
  ok &= Check(converted.problem.empty(), "the core keeps the conversion rules " + converted.problem);
  ok &= Check(converted.outcome == ConversionStatus::Completed && converted.counts.waypoints == kWaypoints,
              "the core converts every waypoint");

  std::ostringstream out;
  std::ostringstream err;
  const fs::path output = directory / "enorme.kml";
  const int status = cli::RunConvert({input.string(), "-o", output.string(), "-q", "-f"}, out, err, {});
  const std::string written = testing::ReadFile(output);
  ok &= Check(status == 0, "ruvela-convert ends with status 0 " + err.str());
  ok &= Check(robustness::WhyNotWellFormed(written).empty(), "its document is well-formed");
  ok &= Check(Placemarks(written) == kWaypoints, "it holds every waypoint");
  fs::remove_all(directory);
  return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
