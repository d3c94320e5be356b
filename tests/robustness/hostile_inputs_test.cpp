// Hostile inputs, one row each, through the core (ConvertInput) and through
// ruvela-convert (RunConvert): each ends in its stated outcome, any output
// is a well-formed document, and nothing is expanded, fetched or lost.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>

#include "cli/cli_texts.h"
#include "cli/run_convert.h"
#include "core/path_parts.h"
#include "fuzz/conversion_check.h"
#include "hostile_documents.h"
#include "posix_faults.h"
#include "support/special_inputs.h"
#include "support/test_files.h"

namespace ruvela::robustness {
namespace {

namespace fs = std::filesystem;
using testing::ScratchDirectory;

constexpr const char* kSecret = "SECRETO-DEL-USUARIO";

struct HostileInput {
  const char* name;
  Direction direction;
  // Builds the document; may first leave files it refers to in `scratch`.
  std::function<std::string(const fs::path& scratch)> build;
  ConversionStatus outcome;
  cli::ExitStatus exitStatus;
  // Further checks of the output of a completed conversion; empty when none.
  std::function<void(const std::string& output)> check = {};
  // Route points the core must count; -1 when not checked.
  int routePoints = -1;
};

std::ostream& operator<<(std::ostream& out, const HostileInput& row) { return out << row.name; }

std::function<std::string(const fs::path&)> Fixed(std::string document) {
  return [document = std::move(document)](const fs::path&) { return document; };
}

// For the large documents: built only by the test that uses them.
std::function<std::string(const fs::path&)> Later(std::function<std::string()> build) {
  return [build = std::move(build)](const fs::path&) { return build(); };
}

void ExpectSmallOutput(const std::string& output) {
  EXPECT_LT(output.size(), 64u * 1024) << "an entity was expanded";
  EXPECT_EQ(output.find("lollol"), std::string::npos);
}

void ExpectNoSecret(const std::string& output) {
  EXPECT_EQ(output.find("SECRETO"), std::string::npos) << "the external file was read";
}

std::function<void(const std::string&)> ExpectText(std::string text) {
  return [text = std::move(text)](const std::string& output) {
    EXPECT_NE(output.find(text), std::string::npos) << "missing: " << text.substr(0, 80);
  };
}

std::function<std::string(const fs::path&)> WithSecretFile(std::string (*document)(const std::string&)) {
  return [document](const fs::path& scratch) {
    const fs::path secret = scratch / "secreto.txt";
    std::ofstream(secret) << kSecret;
    return document(secret.string());
  };
}

// Automatic names go on past 32767, where a 16-bit counter would stop.
std::function<void(const std::string&)> ExpectRouteNamesUpTo(const std::string& lastName) {
  return [lastName](const std::string& output) {
    EXPECT_NE(output.find("<name>32768-Ruta</name>"), std::string::npos);
    EXPECT_NE(output.find("<name>" + lastName + "</name>"), std::string::npos);
  };
}

constexpr std::size_t kMillion = 1000000;
std::string TenMegabyteName() { return std::string(10 * kMillion, 'N'); }

const char* const kGpxHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><gpx version=\"1.1\"><wpt lat=\"1\" lon=\"2\">";

std::vector<HostileInput> Rows() {
  using namespace std::string_literals;
  using enum ConversionStatus;
  using Exit = cli::ExitStatus;
  const auto gpx = Direction::GpxToKml;
  const auto kml = Direction::KmlToGpx;
  std::vector<HostileInput> rows = {
      {"empty file, GPX", gpx, Fixed(""), InputNotLoaded, Exit::Failed},
      {"empty file, KML", kml, Fixed(""), InputNotLoaded, Exit::Failed},
      {"lone BOM, GPX", gpx, Fixed("\xEF\xBB\xBF"), InputNotLoaded, Exit::Failed},
      {"lone BOM, KML", kml, Fixed("\xEF\xBB\xBF"), InputNotLoaded, Exit::Failed},
      {"not XML, GPX", gpx, Fixed("Hola, esto no es un documento.\n"), InputNotLoaded, Exit::Failed},
      {"not XML, KML", kml, Fixed("\x89PNG\r\n\x1A\n\0\0\0\rIHDR"s), InputNotLoaded, Exit::Failed},
      {"truncated in a tag", gpx, Fixed(std::string(kGpxHead) + "<na"), InputNotLoaded, Exit::Failed},
      {"truncated in an attribute", kml, Fixed("<kml><Placemark id=\"abc"), InputNotLoaded, Exit::Failed},
      {"truncated in a CDATA section", gpx, Fixed(std::string(kGpxHead) + "<name><![CDATA[Cima"), InputNotLoaded,
       Exit::Failed},
      {"invalid UTF-8, GPX", gpx,
       Fixed("<gpx><wpt lat=\"\xFF\xC3\" lon=\"\xED\xA0\x80\"><name>A\xF1o \xC0\xAF</name></wpt></gpx>"), Completed,
       Exit::Converted, ExpectText("<name>A o</name>")},
      {"invalid UTF-8, KML", kml,
       Fixed("<kml><Placemark><name>A\xF1o \xFE</name><Point><coordinates>1,2,\xFF\xC3</coordinates></Point>"
             "</Placemark></kml>"),
       Completed, Exit::Converted, ExpectText("<wpt lat=\"2\" lon=\"1\">\r\n    <name>A")},
      {"UTF-16 without BOM, GPX", gpx, Fixed(Utf16LittleEndianWithoutBom(GpxWithWaypointName("Cima"))), Completed,
       Exit::Converted, ExpectText("<name>Cima</name>")},
      {"UTF-16 without BOM, KML", kml, Fixed(Utf16LittleEndianWithoutBom(KmlWithPlacemarkName("Cima"))), Completed,
       Exit::Converted, ExpectText("<name>Cima</name>")},
      {"NUL bytes in a name", gpx, Fixed(GpxWithWaypointName("Ci\0ma"s)), InputNotLoaded, Exit::Failed},
      {"NUL bytes in an attribute", kml, Fixed("<kml><Placemark id=\"a\0b\"><name>C</name></Placemark></kml>"s),
       InputNotLoaded, Exit::Failed},
      // Padding that a device left after a complete document is not part of it.
      {"NUL padding after the document, GPX", gpx, Fixed(GpxWithWaypointName("Cima") + std::string(512, '\0')),
       Completed, Exit::Converted, ExpectText("<name>Cima</name>")},
      {"NUL padding after the document, KML", kml, Fixed(KmlWithPlacemarkName("Cima") + std::string(512, '\0')),
       Completed, Exit::Converted, ExpectText("<name>Cima</name>")},
      {"billion laughs, GPX", gpx, Fixed(BillionLaughsGpx()), Completed, Exit::Converted, ExpectSmallOutput},
      {"billion laughs, KML", kml, Fixed(BillionLaughsKml()), Completed, Exit::Converted, ExpectSmallOutput},
      {"external entity, GPX", gpx, WithSecretFile(ExternalEntityGpx), Completed, Exit::Converted, ExpectNoSecret},
      {"external entity, KML", kml, WithSecretFile(ExternalEntityKml), Completed, Exit::Converted, ExpectNoSecret},
      {"nesting 1,000,000 deep, GPX", gpx, Later([] { return DeeplyNestedGpx(kMillion); }), NothingConvertible,
       Exit::NotConverted},
      {"nesting 1,000,000 deep, KML", kml, Later([] { return DeeplyNestedKml(kMillion); }), NothingConvertible,
       Exit::NotConverted},
      {"a name nested 1,000,000 deep", kml, Later([] { return DeeplyNestedName(true, kMillion); }), Completed,
       Exit::Converted, ExpectText("<name>hondo</name>")},
      {"one name of 10 MB, GPX", gpx, Later([] { return GpxWithWaypointName(TenMegabyteName()); }), Completed,
       Exit::Converted, ExpectText(TenMegabyteName())},
      {"one name of 10 MB, KML", kml, Later([] { return KmlWithPlacemarkName(TenMegabyteName()); }), Completed,
       Exit::Converted, ExpectText(TenMegabyteName())},
      {"100,000 attributes on one element, GPX", gpx, Later([] { return ManyAttributesGpx(100000); }), Completed,
       Exit::Converted},
      {"100,000 attributes on one element, KML", kml, Later([] { return ManyAttributesKml(100000); }), Completed,
       Exit::Converted},
      {"coordinates of 100,000 commas, GPX", gpx, Fixed(CommaCoordinatesGpx(100000)), Completed, Exit::Converted},
      {"coordinates of 100,000 commas, KML", kml, Fixed(CommaCoordinatesKml(100000)), Completed, Exit::Converted,
       // Everything after the second comma is the elevation, not a number here.
       ExpectText("<wpt lat=\"2\" lon=\"1\">\r\n    <name>A</name>")},
      {"a route of 40,000 points", gpx, Later([] { return LongRouteGpx(40000); }), Completed, Exit::Converted,
       ExpectRouteNamesUpTo("39999-Ruta"), 40000},
      {"a route folder of 40,000 auto-named placemarks", kml, Later([] { return LongRouteFolderKml(40000); }),
       Completed, Exit::Converted, ExpectRouteNamesUpTo("39999-Ruta"), 40000},
  };
  return rows;
}

class HostileInputTest : public ::testing::TestWithParam<HostileInput> {};

TEST_P(HostileInputTest, CoreReachesTheStatedOutcome) {
  const HostileInput& row = GetParam();
  ScratchDirectory scratch;
  const CheckedConversion converted = ConvertAndCheck(scratch.path(), row.direction, row.build(scratch.path()));
  EXPECT_EQ(converted.problem, "");
  ASSERT_EQ(converted.outcome, row.outcome);
  if (row.check) row.check(converted.output);
  if (row.routePoints >= 0) {
    EXPECT_EQ(converted.counts.routePoints, row.routePoints);
  }
}

// ruvela-convert writes a document only when it is complete, and says why
// when it writes none.
TEST_P(HostileInputTest, RuvelaConvertReachesTheStatedExitStatus) {
  const HostileInput& row = GetParam();
  ScratchDirectory scratch;
  const bool gpx = row.direction == Direction::GpxToKml;
  const fs::path input = scratch.Write(gpx ? "entrada.gpx" : "entrada.kml", row.build(scratch.path()));
  const fs::path output = scratch.path() / (gpx ? "salida.kml" : "salida.gpx");
  std::set<fs::path> before;
  for (const auto& entry : fs::directory_iterator(scratch.path())) before.insert(entry.path());

  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::RunConvert({input.string(), "-o", output.string()}, out, err, {});

  EXPECT_EQ(status, static_cast<int>(row.exitStatus)) << err.str().substr(0, 300);
  std::set<fs::path> after;
  for (const auto& entry : fs::directory_iterator(scratch.path())) after.insert(entry.path());
  if (row.exitStatus == cli::ExitStatus::Converted) {
    before.insert(output);
    const std::string written = testing::ReadFile(output);
    EXPECT_EQ(WhyNotWellFormed(written), "");
    if (row.check) row.check(written);
  } else {
    const std::string_view reason =
        row.exitStatus == cli::ExitStatus::NotConverted ? cli::kNothingConvertible : cli::kWithError;
    EXPECT_NE(err.str().find(reason), std::string::npos) << err.str();
  }
  EXPECT_EQ(after, before) << "no other file is left behind";
}

std::string SafeName(const ::testing::TestParamInfo<HostileInput>& info) {
  std::string name;
  for (const char c : std::string_view(info.param.name)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

// Peak memory of a process that converts `document`; -1 when it cannot be
// measured here.
long PeakMemoryOfConverting(Direction direction, const std::string& document) {
  ScratchDirectory scratch;
  bool converted = false;
  const long peak = PeakMemoryOf(
      [&] {
        const CheckedConversion c = ConvertAndCheck(scratch.path(), direction, document);
        return c.problem.empty() && c.outcome == ConversionStatus::Completed;
      },
      converted);
  EXPECT_TRUE(converted || peak < 0);
  return peak;
}

// Entity definitions are never expanded: converting a billion laughs takes
// about the memory of converting a small document (expanded, lol9 alone
// would take 3 GB).
TEST(BillionLaughs, ConvertsInBoundedMemory) {
  constexpr long kMarginKilobytes = 64 * 1024;
  for (const Direction direction : {Direction::GpxToKml, Direction::KmlToGpx}) {
    const bool gpx = direction == Direction::GpxToKml;
    const long small = PeakMemoryOfConverting(direction, gpx ? GpxWithWaypointName("A") : KmlWithPlacemarkName("A"));
    if (small < 0) GTEST_SKIP() << "the peak memory of a process cannot be measured here";
    const long laughs = PeakMemoryOfConverting(direction, gpx ? BillionLaughsGpx() : BillionLaughsKml());
    EXPECT_LT(laughs, small + kMarginKilobytes);
  }
}

// A ZIP bomb is refused from the sizes it declares, or as soon as it
// inflates past them, never after filling memory: inflating its 64 MB of
// blanks would show in the peak.
TEST(ZipBomb, IsRefusedInBoundedMemory) {
  constexpr long kMarginKilobytes = 16 * 1024;
  // Built first: whatever building it leaves in this process, the child
  // converting a small document inherits as well.
  const std::string bomb = testing::ZipArchive({{"doc.kml", std::string(64 << 20, ' ')}});
  const long small = PeakMemoryOfConverting(Direction::KmlToGpx, KmlWithPlacemarkName("A"));
  if (small < 0) GTEST_SKIP() << "the peak memory of a process cannot be measured here";
  for (const std::string& archive : {bomb, testing::WithDeclaredSize(bomb, 1000)}) {
    ScratchDirectory scratch;
    const InputParts parts = SplitInputPath(Utf8FromPath(scratch.Write("bomba.kmz", archive)), '/');
    bool refused = false;
    const long peak = PeakMemoryOf(
        [&] {
          ConversionProgress progress;
          ConversionCounts counts;
          const ConversionResult result =
              ConvertInput(Direction::KmlToGpx, parts, scratch.path() / "salida.gpx", {}, {}, progress, counts);
          return result.status == ConversionStatus::InputNotLoaded && result.reason.ends_with("(bomba ZIP)");
        },
        refused);
    EXPECT_TRUE(refused);
    EXPECT_LT(peak, small + kMarginKilobytes);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, HostileInputTest, ::testing::ValuesIn(Rows()), SafeName);

}  // namespace
}  // namespace ruvela::robustness
