#include "kml2gpx/kml_to_gpx.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "common/path_parts.h"
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
  return "<Placemark><name>" + name + "</name><LineString><coordinates>1,2,3 4,5,6</coordinates></LineString></Placemark>";
}
std::string Folder(const std::string& name, const std::string& content) {
  return "<Folder><name>" + name + "</name>" + content + "</Folder>";
}
std::string Kml(const std::string& content) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><kml xmlns=\"http://earth.google.com/kml/2.0\">" + content +
         "</kml>";
}

struct Conversion {
  std::string result;
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
  conversion.result = ConvertKmlToGpx(SplitInputPath(Utf8FromPath(input), '/'), root,
                                      scratch.path() / "ruvela.tmp", options, progress, conversion.counts);
  conversion.output = ReadFile(scratch.path() / "ruvela.tmp");
  conversion.document.load_string(conversion.output.c_str());
}

const std::string kRoutesExample =
    Kml(Folder("Routes", Folder("Ruta1", Point("A", "1,2,3") + Point("B", "4,5,6") + Point("C", "7,8,9"))));

TEST(ConvertKmlToGpx, RouteFolderWithDefaultOptions) {
  Conversion conversion;
  Convert(conversion, kRoutesExample);
  EXPECT_EQ(conversion.result, "\r\n</gpx>\r\n");
  EXPECT_EQ(conversion.counts.waypoints, 3);
  EXPECT_EQ(conversion.counts.routePoints, 3);
  EXPECT_EQ(conversion.counts.folders, 2);
  EXPECT_EQ(conversion.counts.folderList, "Routes <<<\r\n  Ruta1 <<<\r\n");
  EXPECT_EQ(conversion.Values("/gpx/wpt/name"), (std::vector<std::string>{"000-Ruta1", "001-Ruta1", "002-Ruta1"}));
  EXPECT_EQ(conversion.Values("/gpx/wpt/sym"), (std::vector<std::string>(3, "Buoy, White")));
  EXPECT_EQ(conversion.Values("/gpx/wpt/desc"),
            (std::vector<std::string>{"A (from GoogleEarth KML)", "B (from GoogleEarth KML)",
                                      "C (from GoogleEarth KML)"}));
  EXPECT_EQ(conversion.Values("/gpx/rte/name"), (std::vector<std::string>{"Ruta1"}));
  EXPECT_EQ(conversion.Values("/gpx/rte/rtept/name"),
            (std::vector<std::string>{"000-Ruta1", "001-Ruta1", "002-Ruta1"}));
  EXPECT_EQ(conversion.document.select_node("/gpx/rte/rtept[2]").node().attribute("lat").as_string(),
            std::string("5"));
}

TEST(ConvertKmlToGpx, WholeDocumentMatchesTheReference) {
  Conversion conversion;
  const std::string kml = Kml(Point("Cima") + kRoutesExample.substr(kRoutesExample.find("<Folder>"),
                                                                    kRoutesExample.rfind("</kml>") -
                                                                        kRoutesExample.find("<Folder>")));
  Convert(conversion, kml);
  const auto reference = std::filesystem::path(RUVELA_TEST_DATA_DIR) / "routes-example.gpx";
  testing::UpdateReferenceIfAsked(reference, conversion.output);
  const std::string expected = ReadFile(reference);
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
  options.chkIgnoreRtWpts = row.ignore;
  options.chkDupWpts = row.duplicate;
  options.chkAutoWRName = row.automatic;
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
                      OptionRow{"GrayedAutoNamesCountsAsOff", kOff, kOff, kGray, true, "Faro", "Buoy, White",
                                "Faro"},
                      OptionRow{"GrayedDuplicateCountsAsOff", kOff, kGray, kOff, true, "Faro", "Buoy, White",
                                "Faro"}),
    [](const ::testing::TestParamInfo<OptionRow>& info) { return info.param.label; });

TEST(ConvertKmlToGpx, OutsideRouteFoldersEveryPointIsAPlainWaypoint) {
  Kml2GpxOptions options;
  options.chkIgnoreRtWpts = kOn;
  options.chkDupWpts = kOn;
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
    options.txtRouteItFolderName = row.option;
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
  const std::string nested = Folder("L1", Point("P1") + Folder("L2", Point("P2") + Folder("L3", Point("P3") + Folder("L4", Point("P4") + Folder("L5", Point("P5") + Folder("L6", Point("P6")))))));
  Conversion conversion;
  Convert(conversion, Kml(nested));
  EXPECT_EQ(conversion.counts.folders, 5);
  EXPECT_EQ(conversion.counts.waypoints, 5);
  EXPECT_EQ(conversion.counts.folderList, "L1\r\n  L2\r\n    L3\r\n      L4\r\n        L5\r\n");
}

TEST(ConvertKmlToGpx, CoordinatesWithoutElevationStillMakeAWaypoint) {
  Conversion conversion;
  Convert(conversion, Kml(Point("Dos", " 1 , 2 ") + Point("Uno", "7")));
  const pugi::xml_node first = conversion.document.child("gpx").child("wpt");
  EXPECT_STREQ(first.attribute("lat").value(), "2");
  EXPECT_STREQ(first.attribute("lon").value(), "1");
  EXPECT_STREQ(first.child_value("ele"), "");
  EXPECT_STREQ(first.next_sibling("wpt").attribute("lon").value(), "7");
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
    EXPECT_EQ(conversion.result, "") << row.stopAt;
    EXPECT_EQ(conversion.counts.folders, row.folders) << row.stopAt;
    EXPECT_EQ(conversion.counts.waypoints, row.waypoints) << row.stopAt;
    EXPECT_EQ(conversion.counts.folderList, row.folderList) << row.stopAt;
    EXPECT_EQ(conversion.output.find("</gpx>"), std::string::npos) << row.stopAt;
  }
}

TEST(ConvertKmlToGpx, UnreadableInputGivesErrorAndAnEmptyOutput) {
  Conversion conversion;
  Convert(conversion, "<kml><Folder>");
  EXPECT_EQ(conversion.result, "ERROR");
  EXPECT_EQ(conversion.output, "");
}

}  // namespace
}  // namespace ruvela
