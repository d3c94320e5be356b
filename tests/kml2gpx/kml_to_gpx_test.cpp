#include "kml2gpx/kml_to_gpx.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "conversion/convert_input.h"
#include "core/path_parts.h"
#include "support/parser_memory_fallback.h"
#include "support/scripted_progress.h"
#include "support/test_files.h"

namespace ruvela {
namespace {

using testing::ReadFile;
using testing::ScratchDirectory;
using testing::ScriptedProgress;

std::string Point(const std::string& name, const std::string& coordinates = "-58.38,-34.60,25") {
  return "<Placemark><name>" + name + "</name><Point><coordinates>" + coordinates +
         "</coordinates></Point></Placemark>";
}
std::string Path(const std::string& name) {
  return "<Placemark><name>" + name +
         "</name><LineString><coordinates>1,2,3 4,5,6</coordinates></LineString></Placemark>";
}
std::string Folder(const std::string& name, const std::string& content) {
  return "<Folder><name>" + name + "</name>" + content + "</Folder>";
}
std::string Kml(const std::string& content) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><kml xmlns=\"http://earth.google.com/kml/2.0\">" + content +
         "</kml>";
}

struct Conversion {
  ConversionResult result;
  std::string output;
  ConversionCounts counts;
  pugi::xml_document document;

  std::vector<std::string> Values(const char* path) const {
    std::vector<std::string> values;
    for (const pugi::xpath_node& node : document.select_nodes(path)) values.push_back(node.node().child_value());
    return values;
  }
};

void Convert(Conversion& conversion, const std::string& kml, const Kml2GpxOptions& options = {},
             const std::string& root = kKmlRoot, int stopAtYield = 0) {
  ScratchDirectory scratch;
  const auto input = scratch.Write("Mapa.kml", kml);
  ScriptedProgress progress(stopAtYield);
  conversion.result = ConvertKmlToGpx(SplitInputPath(Utf8FromPath(input), '/'), root, scratch.path() / "ruvela.tmp",
                                      options, progress, conversion.counts);
  conversion.output = ReadFile(scratch.path() / "ruvela.tmp");
  conversion.document.load_string(conversion.output.c_str());
}

const std::string kRoutesExample =
    Kml(Folder("Routes", Folder("Ruta1", Point("A", "1,2,3") + Point("B", "4,5,6") + Point("C", "7,8,9"))));

TEST(ConvertKmlToGpx, RouteFolderWithDefaultOptions) {
  Conversion conversion;
  Convert(conversion, kRoutesExample);
  EXPECT_EQ(conversion.result.closingText, "\r\n</gpx>\r\n");
  EXPECT_EQ(conversion.counts.waypoints, 3);
  EXPECT_EQ(conversion.counts.routePoints, 3);
  EXPECT_EQ(conversion.counts.folders, 2);
  EXPECT_EQ(conversion.counts.folderList, "Routes <<<\r\n  Ruta1 <<<\r\n");
  EXPECT_EQ(conversion.Values("/gpx/wpt/name"), (std::vector<std::string>{"000-Ruta1", "001-Ruta1", "002-Ruta1"}));
  EXPECT_EQ(conversion.Values("/gpx/wpt/sym"), (std::vector<std::string>(3, "Buoy, White")));
  EXPECT_EQ(
      conversion.Values("/gpx/wpt/desc"),
      (std::vector<std::string>{"A (from GoogleEarth KML)", "B (from GoogleEarth KML)", "C (from GoogleEarth KML)"}));
  EXPECT_EQ(conversion.Values("/gpx/rte/name"), (std::vector<std::string>{"Ruta1"}));
  EXPECT_EQ(conversion.Values("/gpx/rte/rtept/name"),
            (std::vector<std::string>{"000-Ruta1", "001-Ruta1", "002-Ruta1"}));
  EXPECT_EQ(conversion.document.select_node("/gpx/rte/rtept[2]").node().attribute("lat").as_string(), std::string("5"));
}

// The input of the reference document, with `more` placemarks in front.
std::string ReferenceKml(const std::string& more = {}) {
  const auto folder = kRoutesExample.find("<Folder>");
  return Kml(more + Point("Cima") + kRoutesExample.substr(folder, kRoutesExample.rfind("</kml>") - folder));
}
const std::filesystem::path kReference = std::filesystem::path(RUVELA_TEST_DATA_DIR) / "routes-example.gpx";

TEST(ConvertKmlToGpx, WholeDocumentMatchesTheReference) {
  Conversion conversion;
  const std::string kml = ReferenceKml();
  Convert(conversion, kml);
  testing::UpdateReferenceIfAsked(kReference, conversion.output);
  const std::string expected = ReadFile(kReference);
  EXPECT_EQ(conversion.output, expected) << "regenerate only after checking the difference by eye";
  testing::WithoutHugePages fallback;
  Conversion again;
  Convert(again, kml);
  EXPECT_EQ(again.output, expected);
  EXPECT_TRUE(fallback.FellBack());
}

struct OptionRow {
  const char* label;
  CheckState ignore;
  CheckState duplicate;
  CheckState automatic;
  bool waypointWritten;
  const char* waypointName;
  const char* waypointSymbol;
  const char* routePointName;
};

class RoutePlacemarkOptions : public ::testing::TestWithParam<OptionRow> {};

TEST_P(RoutePlacemarkOptions, DecideWaypointAndRoutePoint) {
  const OptionRow& row = GetParam();
  Kml2GpxOptions options;
  options.ignoreRouteWaypoints = row.ignore;
  options.duplicateRouteWaypoints = row.duplicate;
  options.autoNameRoutePoints = row.automatic;
  Conversion conversion;
  Convert(conversion, Kml(Folder("Routes", Point("Faro"))), options);
  const auto names = conversion.Values("/gpx/wpt/name");
  if (row.waypointWritten) {
    EXPECT_EQ(names, (std::vector<std::string>{row.waypointName}));
    EXPECT_EQ(conversion.Values("/gpx/wpt/sym"), (std::vector<std::string>{row.waypointSymbol}));
  } else {
    EXPECT_TRUE(names.empty());
  }
  EXPECT_EQ(conversion.Values("/gpx/rte/rtept/name"), (std::vector<std::string>{row.routePointName}));
  EXPECT_EQ(conversion.Values("/gpx/rte/rtept/sym"), (std::vector<std::string>{"Buoy, White"}));
  EXPECT_EQ(conversion.counts.waypoints, 1) << "counted whether written or not";
}

constexpr CheckState kOff = CheckState::Unchecked;
constexpr CheckState kOn = CheckState::Checked;
constexpr CheckState kGray = CheckState::Grayed;

INSTANTIATE_TEST_SUITE_P(
    Table, RoutePlacemarkOptions,
    ::testing::Values(OptionRow{"NoOption", kOff, kOff, kOff, true, "Faro", "Buoy, White", "Faro"},
                      OptionRow{"AutoNames", kOff, kOff, kOn, true, "000-Routes", "Buoy, White", "000-Routes"},
                      OptionRow{"Duplicate", kOff, kOn, kOff, true, "Faro", "Civil", "000-Routes"},
                      OptionRow{"DuplicateAutoNames", kOff, kOn, kOn, true, "Faro", "Civil", "000-Routes"},
                      OptionRow{"Ignore", kOn, kOff, kOff, false, "", "", "Faro"},
                      OptionRow{"IgnoreAutoNames", kOn, kOff, kOn, false, "", "", "000-Routes"},
                      OptionRow{"IgnoreDuplicate", kOn, kOn, kOff, false, "", "", "000-Routes"},
                      OptionRow{"GrayedIgnoreCountsAsOn", kGray, kOff, kOff, false, "", "", "Faro"},
                      OptionRow{"GrayedAutoNamesCountsAsOff", kOff, kOff, kGray, true, "Faro", "Buoy, White", "Faro"},
                      OptionRow{"GrayedDuplicateCountsAsOff", kOff, kGray, kOff, true, "Faro", "Buoy, White", "Faro"}),
    [](const ::testing::TestParamInfo<OptionRow>& info) { return info.param.label; });

TEST(ConvertKmlToGpx, OutsideRouteFoldersEveryPointIsAPlainWaypoint) {
  Kml2GpxOptions options;
  options.ignoreRouteWaypoints = kOn;
  options.duplicateRouteWaypoints = kOn;
  Conversion conversion;
  Convert(conversion, Kml(Point("Top") + Folder("Lugares", Point("Uno"))), options);
  EXPECT_EQ(conversion.Values("/gpx/wpt/name"), (std::vector<std::string>{"Top", "Uno"}));
  EXPECT_EQ(conversion.Values("/gpx/wpt/sym"), (std::vector<std::string>{"Civil", "Civil"}));
  EXPECT_EQ(conversion.counts.routePoints, 0);
  EXPECT_EQ(conversion.output.find("<rte>"), std::string::npos);
}

TEST(ConvertKmlToGpx, RouteFolderRecognition) {
  const struct {
    const char* label;
    std::string kml;
    const char* option;
    std::vector<std::string> routes;
  } rows[] = {
      {"any case and blanks", Kml(Folder("  rOUTES ", Point("A"))), "Routes", {"rOUTES"}},
      {"punctuation at the ends", Kml(Folder("¡Routes!", Point("A"))), "Routes", {"Routes"}},
      {"option is trimmed", Kml(Folder("Rutas", Point("A"))), "  rutas ", {"Rutas"}},
      {"accented option never matches", Kml(Folder("Rútas", Point("A"))), "Rútas", {}},
      {"only the first top-level one",
       Kml(Folder("Routes", Point("A")) + Folder("Other", Point("B")) + Folder("Routes", Point("C"))),
       "Routes",
       {"Routes"}},
      {"a deeper one after leaving",
       Kml(Folder("Routes", Point("A")) + Folder("Other", Folder("Routes", Point("C")))),
       "Routes",
       {"Routes", "Routes"}},
      {"sub-folders become their own routes",
       Kml(Folder("Routes", Point("A") + Folder("R1", Point("B")) + Folder("R2", Point("C")))),
       "Routes",
       {"Routes", "R1", "R2"}},
      {"folders without points give no route",
       Kml(Folder("Routes", Path("camino") + Folder("R1", Point("B")))),
       "Routes",
       {"R1"}},
  };
  for (const auto& row : rows) {
    Kml2GpxOptions options;
    options.routeFolderName = row.option;
    Conversion conversion;
    Convert(conversion, row.kml, options);
    EXPECT_EQ(conversion.Values("/gpx/rte/name"), row.routes) << row.label;
  }
}

TEST(ConvertKmlToGpx, SkipsUnnamedAndPathPlacemarks) {
  Conversion conversion;
  Convert(conversion, Kml(Point("") + Path("camino") + Point("!!!") + "<Placemark><name>X</name></Placemark>" +
                          Folder("F", Point("") + Path("otro") + Point("Uno"))));
  EXPECT_EQ(conversion.counts.waypoints, 2);  // "!!!" cleans to blanks and is kept
  EXPECT_EQ(conversion.Values("/gpx/wpt/name"), (std::vector<std::string>{"", "Uno"}));
}

TEST(ConvertKmlToGpx, VisitsFoldersDownToTheFifthLevel) {
  const std::string nested = Folder(
      "L1",
      Point("P1") +
          Folder("L2", Point("P2") +
                           Folder("L3", Point("P3") +
                                            Folder("L4", Point("P4") +
                                                             Folder("L5", Point("P5") + Folder("L6", Point("P6")))))));
  Conversion conversion;
  Convert(conversion, Kml(nested));
  EXPECT_EQ(conversion.counts.folders, 5);
  EXPECT_EQ(conversion.counts.waypoints, 5);
  EXPECT_EQ(conversion.counts.folderList, "L1\r\n  L2\r\n    L3\r\n      L4\r\n        L5\r\n");
}

// A point needs a latitude and longitude GPX accepts, compared on the
// decimal text; an elevation that is not a plain decimal is left out.
// A null start tag: the placemark is left out; a null ele: no ele line.
// A longitude of 180 is kept as written although gpx.xsd stops short of it.
const struct CoordinateRow {
  const char* coordinates;
  const char* startTag;
  const char* ele;
  bool schemaRefuses = false;
} kCoordinateRows[] = {
    {" -58.38 , -34.60 , 25 ", R"(<wpt lat="-34.60" lon="-58.38">)", "<ele>25</ele>"},
    {"+1,-2.,.5", R"(<wpt lat="-2." lon="+1">)", "<ele>.5</ele>"},
    {"1,\n2\t,\t-3", R"(<wpt lat="&#10;2&#9;" lon="1">)", "<ele>\t-3</ele>"},
    {"180,90,0", R"(<wpt lat="90" lon="180">)", "<ele>0</ele>", true},
    {"-180.000,-090.0,1", R"(<wpt lat="-090.0" lon="-180.000">)", "<ele>1</ele>"},
    {"1,2", R"(<wpt lat="2" lon="1">)", nullptr},
    {"1,2,", R"(<wpt lat="2" lon="1">)", nullptr},
    {"1,2,3,5", R"(<wpt lat="2" lon="1">)", nullptr},  // comma as decimal mark
    {"1,2,3e2", R"(<wpt lat="2" lon="1">)", nullptr},
    {"1,2,- 3", R"(<wpt lat="2" lon="1">)", nullptr},
    {"1,2,3 4,5,6", R"(<wpt lat="2" lon="1">)", nullptr},
    {"7", nullptr, nullptr},
    {"", nullptr, nullptr},
    {"1e1,2,3", nullptr, nullptr},
    {"1,2 3,4,5", nullptr, nullptr},
    {".,2,3", nullptr, nullptr},
    {"180.0000001,0,0", nullptr, nullptr},
    {"-180.0000001,0,0", nullptr, nullptr},
    {"0,90.0000001,0", nullptr, nullptr},
    {"0,-90.0000001,0", nullptr, nullptr},
    {"0,100,0", nullptr, nullptr},
};

std::string CoordinateRowsKml() {
  std::string points;
  for (const CoordinateRow& row : kCoordinateRows) {
    if (!row.schemaRefuses) points += Point("P", row.coordinates);
  }
  return Kml(points);
}

TEST(ConvertKmlToGpx, PointsNeedAPositionAndKeepOnlyDecimalElevations) {
  int written = 0;
  for (const CoordinateRow& row : kCoordinateRows) {
    Conversion conversion;
    Convert(conversion, Kml(Point("P", row.coordinates)));
    const std::string& output = conversion.output;
    if (row.startTag == nullptr) {
      EXPECT_EQ(output.find("<wpt"), std::string::npos) << row.coordinates;
      EXPECT_EQ(conversion.counts.pointsWithoutPosition, 1) << row.coordinates;
      continue;
    }
    ++written;
    EXPECT_NE(output.find(std::string("  ") + row.startTag + "\r\n"), std::string::npos) << row.coordinates;
    const auto ele = output.find("<ele>");
    EXPECT_EQ(ele == std::string::npos ? "" : output.substr(ele, output.find("\r\n", ele) - ele),
              row.ele == nullptr ? "" : row.ele)
        << row.coordinates;
    EXPECT_EQ(conversion.counts.pointsWithoutPosition, 0) << row.coordinates;
  }
  Conversion all;
  Convert(all, CoordinateRowsKml());
  EXPECT_EQ(all.counts.waypoints, written - 1);  // without the one the schema refuses
  EXPECT_EQ(all.counts.pointsWithoutPosition, static_cast<int>(std::size(kCoordinateRows)) - written);
}

TEST(ConvertKmlToGpx, APointLeftOutTakesNoRoutePointNumber) {
  const std::string kml = Kml(Folder("Routes", Point("A") + Point("B", "1") + Point("C")));
  for (const CheckState automatic : {CheckState::Checked, CheckState::Unchecked}) {
    Kml2GpxOptions options;
    options.autoNameRoutePoints = automatic;
    Conversion conversion;
    Convert(conversion, kml, options);
    const std::vector<std::string> names = automatic == CheckState::Checked
                                               ? std::vector<std::string>{"000-Routes", "001-Routes"}
                                               : std::vector<std::string>{"A", "C"};
    EXPECT_EQ(conversion.Values("/gpx/rte/rtept/name"), names);
    EXPECT_EQ(conversion.Values("/gpx/wpt/name"), names);
    EXPECT_EQ(conversion.counts.waypoints, 2);
    EXPECT_EQ(conversion.counts.routePoints, 2);
    EXPECT_EQ(conversion.counts.pointsWithoutPosition, 1);
  }
}

std::string Placemark(const std::string& name, const std::string& geometry) {
  return "<Placemark><name>" + name + "</name>" + geometry + "</Placemark>";
}
std::string Line(const std::string& coordinates) {
  return "<LineString><coordinates>" + coordinates + "</coordinates></LineString>";
}
std::string Track(const std::vector<std::string>& whens, const std::vector<std::string>& coords) {
  std::string track = "<gx:Track>";
  for (const std::string& when : whens) track += "<when>" + when + "</when>";
  for (const std::string& coord : coords) track += "<gx:coord>" + coord + "</gx:coord>";
  return track + "</gx:Track>";
}

// Every kind of path, with the tracks it becomes ("name: points / points",
// each point lat,lon[,ele][@time]) and the points left out.
const struct PathRow {
  const char* label;
  std::string kml;  // what goes inside the kml element
  const char* tracks;
  int trackPoints;
  int leftOut = 0;
} kPathRows[] = {
    {"single line", Placemark("Camino", Line("-3.1,40.1,650 -3.2,40.2,660")), "Camino: 40.1,-3.1,650 40.2,-3.2,660", 2},
    {"multi-line",
     Placemark("Dos", "<MultiGeometry>" + Line("1,2,3 4,5,6") + "<Point><coordinates>9,9</coordinates></Point>" +
                          Line("7,8") + "</MultiGeometry>"),
     "Dos: 2,1,3 5,4,6 / 8,7", 3},
    {"gx:Track with times",
     Placemark("Grabado", Track({"2021-03-02T09:30:40.993Z", " 2021-03-02T10:00:00+01:00 "},
                                {"-3.1 40.1 650", "-3.2 40.2 660.5"})),
     "Grabado: 40.1,-3.1,650@2021-03-02T09:30:40.993Z 40.2,-3.2,660.5@2021-03-02T10:00:00+01:00", 2},
    {"gx:Track without times", Placemark("Sin hora", Track({}, {"-3.1 40.1 650", "-3.2 40.2"})),
     "Sin hora: 40.1,-3.1,650 40.2,-3.2", 2},
    {"gx:MultiTrack, an empty coord, times that are no dateTime",
     Placemark("Multi", "<gx:MultiTrack>" + Track({"2021-02-29T10:00:00Z", "2021-03-02", "x"}, {"", "1 2 3", "4 5"}) +
                            Track({}, {"6 7 8"}) + "</gx:MultiTrack>"),
     "Multi: 2,1,3 5,4 / 7,6,8", 3, 1},
    {"a line with one point", Placemark("Uno", Line("1,2,3")), "Uno: 2,1,3", 1},
    {"2 or 3 values, blanks next to commas", Placemark("Mixto", Line("1,2\n 3, 4, 5\t6 ,7,8e1")),
     "Mixto: 2,1 4,3,5 7,6", 3},
    {"points without a position", Placemark("Sin", Line("1,2,3 1 200,2,3")), "Sin: 2,1,3", 1, 2},
    {"a line without any position", Placemark("Nada", Line("1 2 3")), "", 0, 3},
    {"an unnamed path", Placemark("", Line("1,2")), ": 2,1", 1},
    {"polygons stay out",
     Placemark("Zona",
               "<Polygon><outerBoundaryIs><LinearRing><coordinates>1,2 3,4 1,2</coordinates></LinearRing>"
               "</outerBoundaryIs></Polygon>"),
     "", 0},
    {"a path in the route folder", Folder("Routes", Point("A", "1,2,3") + Placemark("Ida", Line("1,2 3,4"))),
     "Ida: 2,1 4,3", 2},
};

std::string TracksSummary(const pugi::xml_document& document) {
  std::string summary;
  for (const pugi::xpath_node& track : document.select_nodes("/gpx/trk")) {
    if (!summary.empty()) summary += " | ";
    summary += std::string(track.node().child_value("name")) + ":";
    const char* separator = " ";
    for (const pugi::xml_node segment : track.node().children("trkseg")) {
      for (const pugi::xml_node point : segment.children("trkpt")) {
        summary += separator;
        separator = " ";
        summary += std::string(point.attribute("lat").value()) + "," + point.attribute("lon").value();
        if (point.child("ele")) summary += std::string(",") + point.child_value("ele");
        if (point.child("time")) summary += std::string("@") + point.child_value("time");
      }
      separator = " / ";
    }
  }
  return summary;
}

Kml2GpxOptions PathsAsTracks() {
  Kml2GpxOptions options;
  options.pathsAsTracks = CheckState::Checked;
  return options;
}

// The placemarks of every row that is one.
std::string PathPlacemarks() {
  std::string placemarks;
  for (const PathRow& row : kPathRows) {
    if (row.kml.starts_with("<Placemark>")) placemarks += row.kml;
  }
  return placemarks;
}

TEST(ConvertKmlToGpx, WithPathsAsTracksOffPathsChangeNothing) {
  Conversion conversion;
  Convert(conversion, ReferenceKml(PathPlacemarks()));
  EXPECT_EQ(conversion.output, ReadFile(kReference));
  EXPECT_EQ(conversion.counts.trackPoints + conversion.counts.pointsWithoutPosition, 0);
}

TEST(ConvertKmlToGpx, PathsBecomeTracksAfterTheRoutes) {
  for (const PathRow& row : kPathRows) {
    Conversion conversion;
    Convert(conversion, Kml(row.kml), PathsAsTracks());
    EXPECT_EQ(TracksSummary(conversion.document), row.tracks) << row.label;
    EXPECT_EQ(conversion.counts.trackPoints, row.trackPoints) << row.label;
    EXPECT_EQ(conversion.counts.pointsWithoutPosition, row.leftOut) << row.label;
  }
  Conversion route;
  Convert(route, Kml(kPathRows[std::size(kPathRows) - 1].kml), PathsAsTracks());
  EXPECT_EQ(route.Values("/gpx/rte/rtept/name"), (std::vector<std::string>{"000-Routes"}));
  const std::string& output = route.output;
  EXPECT_LT(output.find("</rte>"), output.find("<trk>"));
  EXPECT_TRUE(
      output.ends_with("  </rte>\r\n\r\n"
                       "  <trk>\r\n    <name>Ida</name>\r\n    <trkseg>\r\n"
                       "      <trkpt lat=\"2\" lon=\"1\">\r\n      </trkpt>\r\n"
                       "      <trkpt lat=\"4\" lon=\"3\">\r\n      </trkpt>\r\n"
                       "    </trkseg>\r\n  </trk>\r\n\r\n\r\n</gpx>\r\n"))
      << output.substr(output.find("</rte>"));
}

// Every GPX document these tests write, and the corpus converted, is valid
// GPX 1.1 (the Garmin extensions are only checked laxly).
TEST(ConvertKmlToGpx, WrittenDocumentsValidateAgainstTheSchema) {
  namespace fs = std::filesystem;
  const fs::path shared = RUVELA_SHARED_DIR;
  if (!fs::is_directory(shared)) GTEST_SKIP() << "no shared folder beside the repository: " << shared;
  ScratchDirectory scratch;
  std::vector<fs::path> documents{kReference};
  Conversion coordinates;
  Convert(coordinates, CoordinateRowsKml());
  documents.push_back(scratch.Write("coordinates.gpx", coordinates.output));
  Conversion paths;
  Convert(paths, ReferenceKml(PathPlacemarks()), PathsAsTracks());
  documents.push_back(scratch.Write("paths.gpx", paths.output));
  for (const Kml2GpxOptions& options : {Kml2GpxOptions{}, PathsAsTracks()}) {
    for (const auto& entry : fs::directory_iterator(shared / "corpus")) {
      if (entry.path().extension() != ".kml") continue;
      const fs::path output =
          scratch.path() /
          (entry.path().stem().string() + (options.pathsAsTracks == CheckState::Checked ? "-tracks.gpx" : ".gpx"));
      ScriptedProgress progress(0);
      ConversionCounts counts;
      const ConversionResult converted = ConvertInput(
          Direction::KmlToGpx, SplitInputPath(Utf8FromPath(entry.path()), '/'), output, {}, options, progress, counts);
      if (converted.status == ConversionStatus::Completed) documents.push_back(output);
    }
  }
  EXPECT_GE(documents.size(), 20u);
  EXPECT_EQ(testing::SchemaProblems(shared / "schemas" / "gpx.xsd", documents), "");
}

TEST(ConvertKmlToGpx, AutomaticNamesContinuePast32767) {
  std::string points;
  for (int i = 0; i < 32770; ++i) points += Point("p");
  Conversion conversion;
  Convert(conversion, Kml(Folder("Routes", points)));
  EXPECT_EQ(conversion.counts.routePoints, 32770);
  EXPECT_NE(conversion.output.find("<name>32769-Routes</name>"), std::string::npos);
}

TEST(ConvertKmlToGpx, DocumentRootAndMissingRoot) {
  const std::string kml = Kml("<Document>" + Point("Cima") + Folder("F", Point("Uno")) + "</Document>");
  Conversion first;
  Convert(first, kml);
  EXPECT_EQ(first.counts.waypoints, 0);
  Conversion second;
  Convert(second, kml, {}, kKmlDocumentRoot);
  EXPECT_EQ(second.counts.waypoints, 2);
  EXPECT_EQ(second.counts.folders, 1);
}

TEST(ConvertKmlToGpx, StopsAtTheYieldWhereAbortIsAsked) {
  // Yields: folder Routes, folder Ruta1, placemarks A, B, C.
  const struct {
    int stopAt;
    int folders;
    int waypoints;
    const char* folderList;
  } rows[] = {{1, 0, 0, ""}, {2, 1, 0, "Routes <<<\r\n"}, {4, 2, 1, "Routes <<<\r\n  Ruta1 <<<\r\n"}};
  for (const auto& row : rows) {
    Conversion conversion;
    Convert(conversion, kRoutesExample, {}, kKmlRoot, row.stopAt);
    EXPECT_EQ(conversion.result.status, ConversionStatus::Stopped) << row.stopAt;
    EXPECT_EQ(conversion.counts.folders, row.folders) << row.stopAt;
    EXPECT_EQ(conversion.counts.waypoints, row.waypoints) << row.stopAt;
    EXPECT_EQ(conversion.counts.folderList, row.folderList) << row.stopAt;
    EXPECT_EQ(conversion.output.find("</gpx>"), std::string::npos) << row.stopAt;
  }
}

TEST(ConvertKmlToGpx, UnreadableInputGivesErrorAndAnEmptyOutput) {
  Conversion conversion;
  Convert(conversion, "<kml><Folder>");
  EXPECT_EQ(conversion.result.status, ConversionStatus::InputNotLoaded);
  EXPECT_EQ(conversion.output, "");
}

}  // namespace
}  // namespace ruvela
