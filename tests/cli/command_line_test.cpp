// The command line itself: usage mistakes, --help and --version, and the
// options reaching the converter as the window's option fields would.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "cli/command_line_flags.h"
#include "cli_test_support.h"
#include "ruvela/version.h"

namespace ruvela::cli::test {
namespace {

struct UsageRow {
  const char* name;
  std::vector<std::string> args;
  const char* message;
};

void PrintTo(const UsageRow& row, std::ostream* out) { *out << row.name; }

class UsageErrorTest : public ::testing::TestWithParam<UsageRow> {};

TEST_P(UsageErrorTest, EndsWithStatusTwoAndSaysWhy) {
  const RunResult result = RunConverter(GetParam().args);
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("--help"), std::string::npos);
  EXPECT_EQ(result.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, UsageErrorTest,
    ::testing::Values(UsageRow{"NoInput", {}, "falta el ARCHIVO"},
                      UsageRow{"UnknownLongOption", {"--colour", "a.gpx"}, "opción desconocida: --colour"},
                      UsageRow{"UnknownShortOption", {"-x", "a.gpx"}, "opción desconocida: -x"},
                      UsageRow{"MissingValue", {"a.gpx", "--offset"}, "falta el valor de --offset"},
                      UsageRow{"ValueForASwitch", {"--force=yes", "a.gpx"}, "--force no lleva valor"},
                      UsageRow{"BadTrackMode", {"--tracks", "flat", "a.gpx"}, "valor no válido para --tracks"},
                      UsageRow{"OutputForTwoInputs", {"-o", "x.kml", "a.gpx", "b.gpx"}, "un solo ARCHIVO"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineTest, HelpListsEveryOptionOfTheTable) {
  const RunResult result = RunConverter({"--help"});
  EXPECT_EQ(result.exitStatus, 0);
  for (const OptionSpec& option : CommandLineFlags()) {
    EXPECT_NE(result.out.find("--" + std::string(option.flag.name)), std::string::npos) << option.flag.name;
  }
  EXPECT_NE(result.out.find("--track-elevation N"), std::string::npos);
  EXPECT_NE(result.out.find("(por defecto: Routes)"), std::string::npos) << "defaults come from the option records";
}

TEST(CommandLineTest, VersionComesFromTheProgramVersion) {
  const RunResult result = RunConverter({"-V"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out, std::string("ruvela-convert ") + kVersionText + "\n");
}

// The track points of kSmallGpx are recorded at -12.6 metres; its route is
// drawn at the route elevation.
struct GpxOptionRow {
  const char* name;
  std::vector<std::string> options;
  std::string expectedLine;  // a coordinate line of the output
};

void PrintTo(const GpxOptionRow& row, std::ostream* out) { *out << row.name; }

class GpxOptionTest : public ::testing::TestWithParam<GpxOptionRow> {};

TEST_P(GpxOptionTest, ReachesTheConverter) {
  ScratchDirectory dir;
  std::vector<std::string> args = GetParam().options;
  args.push_back(dir.Write("Ruta.gpx", kSmallGpx));

  const RunResult result = RunConverter(args);

  ASSERT_EQ(result.exitStatus, 0) << result.err;
  const std::string document = ReadFile(dir / "Ruta.kml");
  EXPECT_NE(document.find(GetParam().expectedLine + "\r\n"), std::string::npos) << GetParam().expectedLine;
}

INSTANTIATE_TEST_SUITE_P(
    Options, GpxOptionTest,
    ::testing::Values(
        GpxOptionRow{"Defaults", {}, std::string(kTrackPointPrefix) + "25"},
        GpxOptionRow{"TrackElevation", {"--track-elevation", "40"}, std::string(kTrackPointPrefix) + "40"},
        GpxOptionRow{"RecordedWithOffset", {"--tracks", "recorded"}, std::string(kTrackPointPrefix) + "38"},
        GpxOptionRow{
            "RecordedOtherOffset", {"--tracks=recorded", "--offset", "100"}, std::string(kTrackPointPrefix) + "88"},
        GpxOptionRow{
            "RecordedNoOffset", {"--tracks", "recorded", "--no-offset"}, std::string(kTrackPointPrefix) + "12"},
        GpxOptionRow{"RecordedSigned",
                     {"--tracks", "recorded", "--no-offset", "--no-absolute"},
                     std::string(kTrackPointPrefix) + "-12"},
        GpxOptionRow{"Amplified",
                     {"--tracks", "amplified", "--amplify", "150", "--no-absolute"},
                     std::string(kTrackPointPrefix) + "-18"},
        GpxOptionRow{"AmplifiedAbsolute",
                     {"--no-absolute", "--tracks", "amplified", "--absolute"},
                     std::string(kTrackPointPrefix) + "24"},
        GpxOptionRow{"RouteElevation", {"--route-elevation", "77"}, std::string(kRoutePointPrefix) + "77"}),
    [](const auto& info) { return std::string(info.param.name); });

// kSmallKml holds Rutas/Ruta1 with the points A, B and C and the path
// Camino, and Mirador outside it. `present` may stand in the summary too.
struct KmlOptionRow {
  const char* name;
  std::vector<std::string> options;
  std::vector<std::string> present;
  std::vector<std::string> absent;
};

void PrintTo(const KmlOptionRow& row, std::ostream* out) { *out << row.name; }

class KmlOptionTest : public ::testing::TestWithParam<KmlOptionRow> {};

TEST_P(KmlOptionTest, ReachesTheConverter) {
  ScratchDirectory dir;
  std::vector<std::string> args = GetParam().options;
  args.push_back(dir.Write("Salida.kml", kSmallKml));

  const RunResult result = RunConverter(args);

  ASSERT_EQ(result.exitStatus, 0) << result.err;
  const std::string document = ReadFile(dir / "Salida.gpx");
  const std::string told = document + result.err;
  for (const std::string& text : GetParam().present) EXPECT_NE(told.find(text), std::string::npos) << text;
  for (const std::string& text : GetParam().absent) EXPECT_EQ(document.find(text), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Options, KmlOptionTest,
    ::testing::Values(
        KmlOptionRow{"OtherFolderNoRoutes", {}, {"<name>A</name>"}, {"<rte>", "<trk>", "Tracks"}},
        KmlOptionRow{"PathsAsTracks",
                     {"--paths-as-tracks"},
                     {"<trk>\r\n    <name>Camino</name>", "Carpetas     : 2 | Tracks       : pts = 2\n"},
                     {}},
        KmlOptionRow{"RouteFolder", {"--route-folder", "rutas"}, {"<rte>", "<name>000-Ruta1</name>"}, {}},
        KmlOptionRow{"NoAutoNames", {"--route-folder=Rutas", "--no-auto-names"}, {"<rte>", "<name>A</name>"}, {"000-"}},
        KmlOptionRow{"IgnoreRouteWaypoints",
                     {"--route-folder", "Rutas", "--ignore-route-waypoints"},
                     {"<rtept", "<wpt lat=\"40.5\""},
                     {"<wpt lat=\"40.1\""}},
        KmlOptionRow{
            "Duplicate", {"--route-folder", "Rutas", "--duplicate"}, {"<name>A</name>", "<name>000-Ruta1</name>"}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ruvela::cli::test
