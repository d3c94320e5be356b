// Golden documents: every input under tests/data/golden converted by the
// conversion step with a set of options, its output compared byte for byte
// with the document expected. RUVELA_UPDATE_REFERENCES=1 rewrites the
// expected documents; check the difference by eye before committing it.
#include "conversion/convert_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "core/option_table.h"
#include "core/path_parts.h"
#include "gpx2kml/elevation_rule.h"
#include "support/parser_memory_fallback.h"
#include "support/scripted_progress.h"
#include "support/special_inputs.h"
#include "support/test_files.h"

namespace ruvela {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;

const fs::path kGolden = fs::path(RUVELA_TEST_DATA_DIR) / "golden";

// Sets one option from its settings key as stored; a number or text box
// takes the value as typed, the way ruvela-convert passes it.
template <class Options>
bool SetOption(const OptionTable<Options>& table, std::string_view key, std::string_view value, Options& options) {
  const StoredKey<Options> stored = FindStoredKey(table, key);
  if (stored.row == nullptr) return false;
  if (stored.row->text != nullptr) {
    options.*stored.row->text = value;
  } else {
    ApplyStoredText(stored, value, options);
  }
  return true;
}

// Options of both directions from "key=value;key=value".
std::pair<Gpx2KmlOptions, Kml2GpxOptions> OptionsFrom(std::string_view text) {
  std::pair<Gpx2KmlOptions, Kml2GpxOptions> options;
  for (std::size_t start = 0; start < text.size();) {
    const std::string_view item = text.substr(start, text.find(';', start) - start);
    start += item.size() + 1;
    const std::string_view key = item.substr(0, item.find('=')), value = item.substr(key.size() + 1);
    EXPECT_TRUE(SetOption(GpxToKmlOptionTable(), key, value, options.first) ||
                SetOption(KmlToGpxOptionTable(), key, value, options.second))
        << item;
  }
  return options;
}

struct Converted {
  ConversionResult result;
  ConversionCounts counts;
  std::string output;
  int loads = 0;
};

// Converts `input` saved as `name`; a name ending in ".KMZ" holds it as the
// doc.kml of an archive, after a picture.
Converted Convert(const std::string& name, std::string input, std::string_view options = {}, int stopAt = 0,
                  const fs::path& output = "out") {
  const testing::ScratchDirectory scratch;
  if (name.ends_with(".KMZ")) input = testing::ZipArchive({{"images/icon.png", "PNG"}, {"doc.kml", input}});
  const InputParts parts = SplitInputPath(Utf8FromPath(scratch.Write(name, input)), '/');
  const auto [gpx, kml] = OptionsFrom(options);
  testing::ScriptedProgress progress(stopAt);
  Converted c;
  c.result = ConvertInput(DirectionOf(parts.extension), parts, scratch.path() / output, gpx, kml, progress, c.counts);
  c.output = ReadFile(scratch.path() / output);
  c.loads = progress.loads;
  return c;
}

// The status and counts: waypoints, route points, track points, folders,
// points left out, tracks at zero and below zero; then the folder list.
std::string Summary(const Converted& c) {
  static const char* const kStatus[] = {"Completed", "NothingConvertible", "InputNotLoaded", "OutputNotWritten",
                                        "Stopped"};
  const ConversionCounts& n = c.counts;
  std::string text = kStatus[static_cast<int>(c.result.status)];
  for (const int count : {n.waypoints, n.routePoints, n.trackPoints, n.folders, n.pointsWithoutPosition,
                          n.zeroElevation, n.negativeElevation}) {
    text += " " + std::to_string(count);
  }
  if (!n.folderList.empty()) text += " " + n.folderList;
  std::replace(text.begin(), text.end(), '\r', '|');
  std::erase(text, '\n');
  return text;
}

// The first line in which two documents differ, as "-" expected, "+" got.
std::string FirstDifference(const std::string& expected, const std::string& got) {
  const std::size_t at =
      std::mismatch(expected.begin(), expected.end(), got.begin(), got.end()).first - expected.begin();
  const std::size_t newline = at == 0 ? std::string::npos : expected.rfind('\n', at - 1);
  const std::size_t start = newline == std::string::npos ? 0 : newline + 1;
  const auto line = [start](const std::string& text) { return text.substr(start, text.find('\n', start) - start); };
  return "line " + std::to_string(1 + std::count(expected.begin(), expected.begin() + start, '\n')) + "\n- " +
         line(expected) + "\n+ " + line(got);
}

const struct Golden {
  const char* input;     // under tests/data/golden
  const char* as;        // the file name it is converted from; empty: its own
  const char* options;   // settings keys and stored values
  int stopAt;            // the yield at which the conversion is asked to stop; 0: never
  const char* expected;  // under tests/data/golden
  const char* summary;
} kDocuments[] = {
    {"worked-example.gpx", "Ruta.gpx", "", 0, "../worked-example.kml", "Completed 2 3 4 0 0 0 0"},
    {"worked-example.gpx", "Ruta.gpx", "", 1, "worked-example-stop1.kml", "Stopped 0 0 0 0 0 0 0"},
    {"worked-example.gpx", "Ruta.gpx", "", 3, "worked-example-stop3.kml", "Stopped 2 0 0 0 0 0 0"},
    {"worked-example.gpx", "Ruta.gpx", "", 6, "worked-example-stop6.kml", "Stopped 2 2 0 0 0 0 0"},
    {"worked-example.gpx", "Ruta.gpx", "", 10, "worked-example-stop10.kml", "Stopped 2 3 2 0 0 0 0"},
    {"elevations.gpx", "Año & <día>.GPX", "", 0, "elevations.kml", "Completed 0 1 9 0 0 0 0"},
    {"elevations.gpx", "", "OptTrkTrueEle=-1;chkTrkOffset=2;txtR_ele=40.5", 0, "elevations-recorded.kml",
     "Completed 0 1 9 0 0 0 0"},
    {"elevations.gpx", "", "OptTrkTrueEle=-1;chkTrkOffset=0", 0, "elevations-absolute.kml", "Completed 0 1 9 0 0 3 0"},
    {"elevations.gpx", "", "OptTrkTrueEle=-1;chkTrkOffset=0;chkTrkEleABS=2", 0, "elevations-negative.kml",
     "Completed 0 1 9 0 0 3 2"},
    {"elevations.gpx", "", "OptTrkMultip=-1;txtTrkMultip=150;chkTrkEleABS=0", 0, "elevations-amplified.kml",
     "Completed 0 1 9 0 0 3 2"},
    {"elevations.gpx", "", "OptCONSTT=0;txtT_ele=abc;chkTrkEleABS=0", 0, "elevations-unchosen.kml",
     "Completed 0 1 9 0 0 9 0"},
    {"only-tracks.gpx", "", "", 0, "only-tracks.kml", "Completed 0 0 1 0 0 0 0"},
    {"no-points.gpx", "", "", 0, "no-points.kml", "NothingConvertible 0 0 0 0 0 0 0"},
    {"other-root.gpx", "", "", 0, "other-root.kml", "NothingConvertible 0 0 0 0 0 0 0"},
    {"routes-example.kml", "Mapa.kml", "", 0, "../routes-example.gpx",
     "Completed 4 3 0 2 0 0 0 Routes <<<|  Ruta1 <<<|"},
    {"routes-example.kml", "Mapa.KMZ", "", 0, "../routes-example.gpx",
     "Completed 4 3 0 2 0 0 0 Routes <<<|  Ruta1 <<<|"},
    {"routes-example.kml", "", "", 1, "routes-example-stop1.gpx", "Stopped 0 0 0 0 0 0 0"},
    {"routes-example.kml", "", "", 3, "routes-example-stop3.gpx", "Stopped 1 0 0 1 0 0 0 Routes <<<|"},
    {"routes-example.kml", "", "", 5, "routes-example-stop5.gpx", "Stopped 2 1 0 2 0 0 0 Routes <<<|  Ruta1 <<<|"},
    {"routes-with-paths.kml", "Mapa.kml", "", 0, "../routes-example.gpx",
     "Completed 4 3 0 2 0 0 0 Routes <<<|  Ruta1 <<<|"},
    {"routes-with-paths.kml", "", "chkPathsAsTracks=1", 0, "routes-with-paths.gpx",
     "Completed 4 3 18 2 6 0 0 Routes <<<|  Ruta1 <<<|"},
    {"route-path.kml", "", "chkPathsAsTracks=1", 0, "route-path.gpx", "Completed 1 1 2 1 0 0 0 Routes <<<|"},
    {"route-placemark.kml", "", "", 0, "route-placemark.gpx", "Completed 1 1 0 1 0 0 0 Routes <<<|"},
    {"route-placemark.kml", "", "chkAutoWRName=0", 0, "route-placemark-plain.gpx",
     "Completed 1 1 0 1 0 0 0 Routes <<<|"},
    {"route-placemark.kml", "", "chkDupWpts=1;chkAutoWRName=0", 0, "route-placemark-duplicate.gpx",
     "Completed 1 1 0 1 0 0 0 Routes <<<|"},
    {"route-placemark.kml", "", "chkDupWpts=1", 0, "route-placemark-duplicate-auto.gpx",
     "Completed 1 1 0 1 0 0 0 Routes <<<|"},
    {"route-placemark.kml", "", "chkIgnoreRtWpts=1;chkAutoWRName=0", 0, "route-placemark-ignore.gpx",
     "Completed 1 1 0 1 0 0 0 Routes <<<|"},
    {"route-placemark.kml", "", "chkIgnoreRtWpts=1", 0, "route-placemark-ignore-auto.gpx",
     "Completed 1 1 0 1 0 0 0 Routes <<<|"},
    {"route-placemark.kml", "", "chkIgnoreRtWpts=1;chkDupWpts=1;chkAutoWRName=0", 0,
     "route-placemark-ignore-duplicate.gpx", "Completed 1 1 0 1 0 0 0 Routes <<<|"},
    {"route-placemark.kml", "", "chkIgnoreRtWpts=2;chkDupWpts=2;chkAutoWRName=2", 0, "route-placemark-grayed.gpx",
     "Completed 1 1 0 1 0 0 0 Routes <<<|"},
    {"outside-routes.kml", "", "chkIgnoreRtWpts=1;chkDupWpts=1", 0, "outside-routes.gpx",
     "Completed 2 0 0 1 0 0 0 Lugares|"},
    {"left-out.kml", "", "", 0, "left-out.gpx", "Completed 2 2 0 1 1 0 0 Routes <<<|"},
    {"left-out.kml", "", "chkAutoWRName=0", 0, "left-out-plain.gpx", "Completed 2 2 0 1 1 0 0 Routes <<<|"},
    {"route-folder-case.kml", "", "", 0, "route-folder-case.gpx", "Completed 1 1 0 1 0 0 0 rOUTES <<<|"},
    {"route-folder-marks.kml", "", "", 0, "route-folder-marks.gpx", "Completed 1 1 0 1 0 0 0  Routes  <<<|"},
    {"route-folder-rutas.kml", "", "txtRouteItFolderName=  rutas ", 0, "route-folder-rutas.gpx",
     "Completed 1 1 0 1 0 0 0 Rutas <<<|"},
    {"route-folder-accent.kml", "", "txtRouteItFolderName=Rútas", 0, "route-folder-accent.gpx",
     "Completed 1 0 0 1 0 0 0 Rutas|"},
    {"route-folder-first.kml", "", "", 0, "route-folder-first.gpx", "Completed 3 1 0 3 0 0 0 Routes <<<|Other|Routes|"},
    {"route-folder-deeper.kml", "", "", 0, "route-folder-deeper.gpx",
     "Completed 2 2 0 3 0 0 0 Routes <<<|Other|  Routes <<<|"},
    {"route-folder-subfolders.kml", "", "", 0, "route-folder-subfolders.gpx",
     "Completed 3 3 0 3 0 0 0 Routes <<<|  R1 <<<|  R2 <<<|"},
    {"route-folder-no-points.kml", "", "", 0, "route-folder-no-points.gpx",
     "Completed 1 1 0 2 0 0 0 Routes <<<|  R1 <<<|"},
    {"skipped.kml", "", "", 0, "skipped.gpx", "Completed 2 0 0 1 0 0 0 F|"},
    {"nested.kml", "", "", 0, "nested.gpx", "Completed 5 0 0 5 0 0 0 L1|  L2|    L3|      L4|        L5|"},
    {"document.kml", "", "", 0, "document.gpx", "Completed 2 0 0 1 0 0 0 F|"},
    {"coordinates.kml", "", "", 0, "coordinates.gpx", "Completed 10 0 0 0 10 0 0"},
    {"only-paths.kml", "", "", 0, "only-paths.gpx", "NothingConvertible 0 0 0 0 0 0 0"},
    {"prefixed-root.kml", "", "", 0, "prefixed-root.gpx", "NothingConvertible 0 0 0 0 0 0 0"},
    {"../worked-example.kml", "Ruta.kml", "", 0, "worked-example-back.gpx",
     "Completed 5 3 0 5 0 0 0 Ruta|  Waypoints|  Routes <<<|    Ruta 1 <<<|  Tracks|"},
    {"../worked-example.kml", "Ruta.KMZ", "", 0, "worked-example-back.gpx",
     "Completed 5 3 0 5 0 0 0 Ruta|  Waypoints|  Routes <<<|    Ruta 1 <<<|  Tracks|"},
};

TEST(GoldenDocuments, ConvertByteForByte) {
  for (const Golden& row : kDocuments) {
    const std::string name = *row.as != '\0' ? row.as : row.input;
    SCOPED_TRACE(name + " [" + row.options + "] stop " + std::to_string(row.stopAt) + " -> " + row.expected);
    const Converted c = Convert(name, ReadFile(kGolden / row.input), row.options, row.stopAt);
    testing::UpdateReferenceIfAsked(kGolden / row.expected, c.output);
    const std::string expected = ReadFile(kGolden / row.expected);
    if (c.output != expected) ADD_FAILURE() << FirstDifference(expected, c.output);
    EXPECT_EQ(Summary(c), row.summary);
    EXPECT_EQ(c.loads, 1) << "one reading serves both passes";
    const bool toKml = DirectionOf(fs::path(name).extension().string()) == Direction::GpxToKml;
    EXPECT_EQ(c.result.closingText, row.stopAt > 0 ? "" : toKml ? "</Folder>\r\n</kml>\r\n" : "\r\n</gpx>\r\n");
    EXPECT_TRUE(c.output.ends_with(c.result.closingText));
  }
}

// Every GPX document expected, and every sample KML converted with and
// without paths as tracks, is valid GPX 1.1.
TEST(GoldenDocuments, GpxDocumentsValidateAgainstTheSchema) {
  const fs::path shared = RUVELA_SHARED_DIR;
  if (!fs::is_directory(shared)) GTEST_SKIP() << "no shared folder beside the repository: " << shared;
  const testing::ScratchDirectory scratch;
  std::vector<fs::path> documents;
  for (const Golden& row : kDocuments) {
    if (row.stopAt == 0 && fs::path(row.expected).extension() == ".gpx") documents.push_back(kGolden / row.expected);
  }
  for (const char* options : {"", "chkPathsAsTracks=1"}) {
    for (const auto& entry : fs::directory_iterator(shared / "corpus")) {
      if (entry.path().extension() != ".kml") continue;
      const Converted c = Convert("in.kml", ReadFile(entry.path()), options);
      if (c.result.status != ConversionStatus::Completed) continue;
      documents.push_back(scratch.Write(entry.path().stem().string() + (*options ? "-tracks.gpx" : ".gpx"), c.output));
    }
  }
  EXPECT_GE(documents.size(), 40u);
  EXPECT_EQ(testing::SchemaProblems(shared / "schemas" / "gpx.xsd", documents), "");
}

TEST(GoldenDocuments, RoutePointNumbersContinuePast32767) {
  std::string gpx = "<gpx><rte><name>R</name>", kml = "<kml><Folder><name>Routes</name>";
  for (int i = 0; i < 32770; ++i) {
    gpx += "<rtept lat='1' lon='2'/>";
    kml += "<Placemark><name>p</name><Point><coordinates>1,2</coordinates></Point></Placemark>";
  }
  for (const auto& [name, document, route] :
       {std::tuple{"a.gpx", gpx + "</rte></gpx>", "R"}, {"a.kml", kml + "</Folder></kml>", "Routes"}}) {
    const Converted c = Convert(name, document);
    EXPECT_EQ(c.counts.routePoints, 32770) << name;
    EXPECT_NE(c.output.find(std::string("<name>32767-") + route + "</name>"), std::string::npos) << name;
    EXPECT_NE(c.output.find(std::string("<name>32769-") + route + "</name>"), std::string::npos) << name;
  }
}

TEST(GoldenDocuments, WithoutHugePagesTheParserGivesTheSameDocument) {
  const testing::WithoutHugePages fallback;
  EXPECT_EQ(Convert("Mapa.kml", ReadFile(kGolden / "routes-example.kml")).output,
            ReadFile(kGolden / "../routes-example.gpx"));
  EXPECT_TRUE(fallback.FellBack());
}

TEST(GoldenDocuments, AnOutputThatCannotBeWrittenIsReported) {
  for (const char* name : {"a.gpx", "a.kml"}) {
    EXPECT_EQ(Convert(name, "<kml/>", "", 0, "missing/out").result.status, ConversionStatus::OutputNotWritten) << name;
  }
}

// Elevations of track points drawn by options the store would not keep
// (the command line passes them as typed).
TEST(ElevationRule, Cases) {
  const struct {
    const char* options;
    const char* recorded;
    const char* drawn;
    double value;
  } rows[] = {
      {"txtT_ele=0", "500", "0", 0},
      {"txtT_ele=30.7", "500", "30", 30},
      {"txtT_ele=abc", "500", "0", 0},
      {"txtT_ele=abc;chkTrkEleABS=0", "500", "abc", 0},
      {"OptTrkTrueEle=-1;txtTrkOffset=x", "70", "70", 70},
  };
  for (const auto& row : rows) {
    const TrackElevation drawn = ElevationRule(OptionsFrom(row.options).first).apply(row.recorded);
    EXPECT_EQ(drawn.text, row.drawn) << row.options;
    EXPECT_EQ(drawn.value, row.value) << row.options;
  }
}

}  // namespace
}  // namespace ruvela
