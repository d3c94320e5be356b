// Golden documents: every input under tests/data/golden converted by the
// conversion step with a set of options, its output compared byte for byte
// with the document expected. RUVELA_UPDATE_REFERENCES=1 rewrites the
// expected documents; check the difference by eye before committing it.
#include "conversion/convert_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <tuple>

#include "reading/xml_document.h"
#include "reading/xml_values.h"
#include "settings/option_tables.h"
#include "support/parser_memory_fallback.h"
#include "support/scripted_progress.h"
#include "support/special_inputs.h"
#include "support/test_files.h"
#include "values/gpx_value_rules.h"
#include "values/name_cleaning.h"
#include "values/path_parts.h"
#include "values/text_lines.h"

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
  const fs::path path = scratch.Write(name, input);
  const InputParts parts = SplitInputPath(Utf8FromPath(path), '/').value();
  const auto [gpx, kml] = OptionsFrom(options);
  testing::ScriptedProgress progress(stopAt);
  Converted c;
  c.result = ConvertInput(DirectionOf(parts.extension), path, parts.baseName, scratch.path() / output, gpx, kml,
                          progress, c.counts);
  c.output = ReadFile(scratch.path() / output);
  c.loads = progress.loads;
  return c;
}

// The status and counts: waypoints, route points, track points, folders,
// points left out, tracks at zero and below zero; the tracks drawn without
// their times when there were some; then the folder list.
std::string Summary(const Converted& c) {
  static const char* const kStatus[] = {"Completed", "NothingConvertible", "InputNotLoaded", "OutputNotWritten",
                                        "Stopped"};
  const ConversionCounts& n = c.counts;
  std::string text = kStatus[static_cast<int>(c.result.status)];
  for (const int count : {n.waypoints, n.routePoints, n.trackPoints, n.folders, n.pointsWithoutPosition,
                          n.zeroElevation, n.negativeElevation}) {
    text += " " + std::to_string(count);
  }
  if (n.tracksWithoutTimes > 0) text += " untimed " + std::to_string(n.tracksWithoutTimes);
  std::string folders;  // as the viewer lists them, a line ended by CR LF each
  for (const auto& f : n.folderList)
    folders += std::string(2 * f.depth, ' ') + std::string(f.name) + (f.isRouteFolder ? " <<<" : "") + "\r\n";
  if (!folders.empty()) text += " " + folders;
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

// One row of conversions.tsv (its first lines say what the columns hold).
struct Golden {
  std::string input, as, options, stopAt, expected, summary;
};

std::vector<Golden> GoldenRows() {
  std::vector<Golden> rows;
  std::istringstream lines(ReadFile(kGolden / "conversions.tsv"));
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    Golden& row = rows.emplace_back();
    for (std::string* field : {&row.input, &row.as, &row.options, &row.stopAt, &row.expected, &row.summary}) {
      std::getline(fields, *field, '\t');
      if (*field == "-") field->clear();
    }
    if (row.as.empty()) row.as = row.input;
  }
  EXPECT_GE(rows.size(), 50u);
  return rows;
}

TEST(GoldenDocuments, ConvertByteForByte) {
  for (const Golden& row : GoldenRows()) {
    SCOPED_TRACE(row.as + " [" + row.options + "] stop " + row.stopAt + " -> " + row.expected);
    const int stopAt = std::stoi(row.stopAt);
    const Converted c = Convert(row.as, ReadFile(kGolden / row.input), row.options, stopAt);
    testing::UpdateReferenceIfAsked(kGolden / row.expected, c.output);
    const std::string expected = ReadFile(kGolden / row.expected);
    if (c.output != expected) ADD_FAILURE() << FirstDifference(expected, c.output);
    EXPECT_EQ(Summary(c), row.summary);
    EXPECT_EQ(c.loads, 1) << "one reading serves both passes";
    std::string why;
    EXPECT_TRUE(stopAt > 0 || testing::IsWellFormedXml(c.output, &why)) << why;
    const bool toKml = DirectionOf(row.as.substr(row.as.rfind('.'))) == Direction::GpxToKml;
    EXPECT_EQ(c.result.closingText, stopAt > 0 ? "" : toKml ? "</Folder>\r\n</kml>\r\n" : "\r\n</gpx>\r\n");
    EXPECT_TRUE(c.output.ends_with(c.result.closingText));
  }
}

// Every GPX document expected, and every sample KML converted with and
// without paths as tracks and point times, is valid GPX 1.1.
TEST(GoldenDocuments, GpxDocumentsValidateAgainstTheSchema) {
  const fs::path shared = RUVELA_SHARED_DIR;
  if (!fs::is_directory(shared)) GTEST_SKIP() << "no shared folder beside the repository: " << shared;
  const testing::ScratchDirectory scratch;
  std::vector<fs::path> documents;
  for (const Golden& row : GoldenRows()) {
    if (row.stopAt == "0" && row.expected.ends_with(".gpx")) documents.push_back(kGolden / row.expected);
  }
  for (const std::string options : {"", "chkPathsAsTracks=1", "chkPathsAsTracks=1;chkPointTimes=1"}) {
    for (const auto& entry : fs::directory_iterator(shared / "corpus")) {
      if (entry.path().extension() != ".kml") continue;
      const Converted c = Convert("in.kml", ReadFile(entry.path()), options);
      if (c.result.status != ConversionStatus::Completed) continue;
      documents.push_back(
          scratch.Write(entry.path().stem().string() + "-" + std::to_string(options.size()) + ".gpx", c.output));
    }
  }
  EXPECT_GE(documents.size(), 40u);
  EXPECT_EQ(testing::SchemaProblems(shared / "schemas" / "gpx.xsd", documents), "");
}

// What a round trip keeps of a GPX, one line a point: each named waypoint
// with a valid position and time, then each track whose points all have
// one, point after point.
std::string TimedPositions(const fs::path& gpx) {
  pugi::xml_document document;
  EXPECT_TRUE(LoadXmlDocument(gpx, document).ok()) << gpx;
  const auto timed = [](pugi::xml_node point) {
    return IsGpxDateTime(ReadChildText(point, "time")) && IsGpxLatitude(ReadAttribute(point, "lat")) &&
           IsGpxLongitude(ReadAttribute(point, "lon"));
  };
  const auto line = [](pugi::xml_node point) {
    return std::string(TrimBlanks(ReadAttribute(point, "lat"))) + " " +
           std::string(TrimBlanks(ReadAttribute(point, "lon"))) + " " + ReadChildText(point, "time") + "\n";
  };
  std::string kept;
  ForEachElementAt(document, "gpx/wpt", [&](pugi::xml_node waypoint) {
    if (timed(waypoint) && !TrimBlanks(CleanName(ReadChildText(waypoint, "name"))).empty()) kept += line(waypoint);
    return true;
  });
  ForEachElementAt(document, "gpx/trk", [&](pugi::xml_node track) {
    std::string points = "trk\n";
    const bool allTimed = ForEachElementAt(track, "trkseg/trkpt", [&](pugi::xml_node point) {
      points += line(point);
      return timed(point);
    });
    if (allTimed && points != "trk\n") kept += points;
    return true;
  });
  return kept;
}

// To KML with "Tracks con fecha y hora" and back with "Fecha y hora de los
// puntos" and paths as tracks: the sample, and every corpus GPX with times.
TEST(GoldenDocuments, RoundTripKeepsPositionsAndTimes) {
  EXPECT_EQ(TimedPositions(kGolden / "timed.gpx"),
            "-34.60 -58.38 2024-05-01T10:15:00+02:00\ntrk\n-33.1 -57.1 2024-05-01T09:00:00Z\n"
            "-33.2 -57.2 2024-05-01T09:00:05.250Z\n-33.3 -57.3 2024-05-01T06:01:00-03:00\n");
  std::vector<fs::path> inputs{kGolden / "timed.gpx"};
  std::error_code absent;  // without the shared folder, the sample alone
  for (const auto& entry : fs::directory_iterator(fs::path(RUVELA_SHARED_DIR) / "corpus", absent)) {
    if (entry.path().extension() == ".gpx" && ReadFile(entry.path()).find("<time>") != std::string::npos) {
      inputs.push_back(entry.path());
    }
  }
  const testing::ScratchDirectory scratch;
  for (const fs::path& input : inputs) {
    const Converted kml = Convert("a.gpx", ReadFile(input), "chkTrackTimes=1");
    const Converted back = Convert("a.kml", kml.output, "chkPointTimes=1;chkPathsAsTracks=1");
    EXPECT_EQ(TimedPositions(scratch.Write("back.gpx", back.output)), TimedPositions(input)) << input;
  }
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
  // A KML whose points lie under its Document is walked twice; the output
  // is created again for the second walk, and may no longer be creatable.
  struct RemovesOutputFolder : testing::ScriptedProgress {
    testing::ScratchDirectory scratch;
    void loadingFinished() override { fs::remove_all(scratch.path() / "out"); }
  } progress;
  fs::create_directory(progress.scratch.path() / "out");
  const fs::path input = progress.scratch.Write(
      "a.kml",
      "<kml><Document><Placemark><name>A</name><Point><coordinates>1,2</coordinates></Point></Placemark>"
      "</Document></kml>");
  ConversionCounts counts;
  EXPECT_EQ(
      ConvertInput(Direction::KmlToGpx, input, "a", progress.scratch.path() / "out/a.gpx", {}, {}, progress, counts)
          .status,
      ConversionStatus::OutputNotWritten);
}

}  // namespace
}  // namespace ruvela
