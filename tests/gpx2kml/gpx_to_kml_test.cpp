#include "gpx2kml/gpx_to_kml.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "core/count_texts.h"
#include "core/path_parts.h"
#include "support/scripted_progress.h"
#include "support/test_files.h"

namespace ruvela {
namespace {

using testing::ReadFile;
using testing::ScratchDirectory;
using testing::ScriptedProgress;

constexpr const char* kWorkedExample = R"(<?xml version="1.0" encoding="UTF-8"?>
<gpx xmlns="http://www.topografix.com/GPX/1/1" version="1.1" creator="test">
  <wpt lat="-34.60" lon="-58.38"><ele>25.7</ele><name>Cima del Año</name></wpt>
  <wpt lat="-34.61" lon="-58.39"><name>Base &amp; Refugio</name></wpt>
  <rte>
    <name>Ruta 1</name>
    <rtept lat="-34.1" lon="-58.1"><ele>99</ele><name>Salida</name></rtept>
    <rtept lat="-34.2" lon="-58.2"/>
    <rtept lat="-34.3" lon="-58.3"/>
  </rte>
  <trk>
    <name>Track A</name>
    <trkseg>
      <trkpt lat="-33.1" lon="-57.1"><ele>123.9</ele></trkpt>
      <trkpt lat="-33.2" lon="-57.2"><ele>0</ele></trkpt>
    </trkseg>
    <trkseg>
      <trkpt lat="-33.3" lon="-57.3"><ele>-12.6</ele></trkpt>
      <trkpt lat="-33.4" lon="-57.4"/>
    </trkseg>
  </trk>
</gpx>
)";

struct Conversion {
  ConversionResult result;
  std::string output;
  ConversionCounts counts;
};

Conversion Convert(const std::string& gpx, const Gpx2KmlOptions& options = {}, int stopAtYield = 0,
                   const std::string& fileName = "Ruta.gpx") {
  ScratchDirectory scratch;
  const auto input = scratch.Write(fileName, gpx);
  ScriptedProgress progress(stopAtYield);
  Conversion conversion;
  conversion.result = ConvertGpxToKml(SplitInputPath(Utf8FromPath(input), '/'), scratch.path() / "ruvela.tmp", options,
                                      progress, conversion.counts);
  conversion.output = ReadFile(scratch.path() / "ruvela.tmp");
  return conversion;
}

TEST(ConvertGpxToKml, WorkedExampleMatchesTheReferenceDocument) {
  const Conversion conversion = Convert(kWorkedExample);
  EXPECT_EQ(conversion.result.closingText, "</Folder>\r\n</kml>\r\n");
  EXPECT_EQ(conversion.counts.waypoints, 2);
  EXPECT_EQ(conversion.counts.routePoints, 3);
  EXPECT_EQ(conversion.counts.trackPoints, 4);
  EXPECT_EQ(conversion.counts.zeroElevation, 0);  // constant 25 by default
  const auto reference = std::filesystem::path(RUVELA_TEST_DATA_DIR) / "worked-example.kml";
  testing::UpdateReferenceIfAsked(reference, conversion.output);
  const std::string expected = ReadFile(reference);
  EXPECT_EQ(conversion.output, expected) << "regenerate only after checking the difference by eye";
}

TEST(ConvertGpxToKml, WorkedExampleStructure) {
  const Conversion conversion = Convert(kWorkedExample);
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(conversion.output.c_str()));
  const pugi::xml_node top = document.child("kml").child("Folder");
  EXPECT_STREQ(top.child_value("name"), "Ruta");
  std::vector<std::string> folders;
  for (pugi::xml_node folder : top.children("Folder")) folders.push_back(folder.child_value("name"));
  EXPECT_EQ(folders, (std::vector<std::string>{"Waypoints", "Routes", "Tracks"}));

  const pugi::xml_node firstWaypoint = top.child("Folder").child("Placemark");
  EXPECT_STREQ(firstWaypoint.child_value("name"), "Cima del Ano");
  EXPECT_STREQ(firstWaypoint.child("Point").child_value("coordinates"), "-58.38,-34.60,25");
  EXPECT_STREQ(firstWaypoint.next_sibling("Placemark").child_value("name"), "Base   Refugio");
  EXPECT_STREQ(firstWaypoint.next_sibling("Placemark").child("Point").child_value("coordinates"), "-58.39,-34.61,0");

  const pugi::xml_node routes = top.child("Folder").next_sibling("Folder");
  const pugi::xml_node routeLine = routes.child("Placemark");
  EXPECT_STREQ(routeLine.child_value("name"), "Ruta 1");
  const pugi::xml_node routeFolder = routeLine.next_sibling("Folder");
  EXPECT_STREQ(routeFolder.child_value("name"), "Ruta 1");
  std::vector<std::string> pointNames;
  for (pugi::xml_node point : routeFolder.children("Placemark")) pointNames.push_back(point.child_value("name"));
  EXPECT_EQ(pointNames, (std::vector<std::string>{"000-Ruta 1", "001-Ruta 1", "002-Ruta 1"}));

  const pugi::xml_node trackLine = routes.next_sibling("Folder").child("Placemark");
  EXPECT_STREQ(trackLine.child_value("name"), "Track A");
  EXPECT_STREQ(trackLine.child("LineString").child_value("altitudeMode"), "relativeToGround");
}

struct ElevationCase {
  const char* label;
  const char* ele;  // nullptr: no ele element
  void (*configure)(Gpx2KmlOptions&);
  const char* expected;
  int zero;
  int negative;
};

class TrackElevationRules : public ::testing::TestWithParam<ElevationCase> {};

void Recorded(Gpx2KmlOptions& o) { o.trackElevationMode = TrackElevationMode::Recorded; }
void RecordedNoOffset(Gpx2KmlOptions& o) {
  Recorded(o);
  o.addOffset = CheckState::Unchecked;
}
void Amplified(Gpx2KmlOptions& o) { o.trackElevationMode = TrackElevationMode::Amplified; }

TEST_P(TrackElevationRules, GiveTheDescribedElevation) {
  const ElevationCase& row = GetParam();
  std::string gpx = "<gpx><trk><name>T</name><trkseg><trkpt lat=\"1\" lon=\"2\">";
  if (row.ele != nullptr) gpx += std::string("<ele>") + row.ele + "</ele>";
  gpx += "</trkpt></trkseg></trk></gpx>";
  Gpx2KmlOptions options;
  row.configure(options);
  const Conversion conversion = Convert(gpx, options);
  EXPECT_NE(conversion.output.find(std::string("          2,1,") + row.expected + "\r\n"), std::string::npos)
      << conversion.output;
  EXPECT_EQ(conversion.counts.zeroElevation, row.zero);
  EXPECT_EQ(conversion.counts.negativeElevation, row.negative);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TrackElevationRules,
    ::testing::Values(
        ElevationCase{"ConstantByDefault", "123.9", [](Gpx2KmlOptions&) {}, "25", 0, 0},
        ElevationCase{"RecordedPlusOffset", "123.9", Recorded, "173", 0, 0},
        ElevationCase{"RecordedWithoutOffset", "123.9", RecordedNoOffset, "123", 0, 0},
        ElevationCase{"GrayedOffsetCounts", "123.9",
                      [](Gpx2KmlOptions& o) {
                        Recorded(o);
                        o.addOffset = CheckState::Grayed;
                      },
                      "173", 0, 0},
        ElevationCase{"NegativeMadeAbsolute", "-12.6", RecordedNoOffset, "12", 0, 0},
        ElevationCase{"NegativeKept", "-12.6",
                      [](Gpx2KmlOptions& o) {
                        RecordedNoOffset(o);
                        o.absoluteElevations = CheckState::Unchecked;
                      },
                      "-12", 0, 1},
        ElevationCase{"GrayedAbsoluteIsOff", "-12.6",
                      [](Gpx2KmlOptions& o) {
                        RecordedNoOffset(o);
                        o.absoluteElevations = CheckState::Grayed;
                      },
                      "-12", 0, 1},
        ElevationCase{"MissingElevationIsZero", nullptr, RecordedNoOffset, "0", 1, 0},
        ElevationCase{"MinusZeroIsZero", "-0.4", RecordedNoOffset, "0", 1, 0},
        ElevationCase{"Amplified150", "101",
                      [](Gpx2KmlOptions& o) {
                        Amplified(o);
                        o.amplifyPercent = "150";
                      },
                      "151", 0, 0},
        ElevationCase{"AmplifiedNegativeIsFloored", "-5",
                      [](Gpx2KmlOptions& o) {
                        Amplified(o);
                        o.amplifyPercent = "150";
                        o.absoluteElevations = CheckState::Unchecked;
                      },
                      "-8", 0, 1},
        ElevationCase{"ConstantZero", "500", [](Gpx2KmlOptions& o) { o.constantTrackElevation = "0"; }, "0", 1, 0},
        ElevationCase{"ConstantCutToWholeUnits", "500", [](Gpx2KmlOptions& o) { o.constantTrackElevation = "30.7"; },
                      "30", 0, 0},
        ElevationCase{"ConstantNotANumberIsZeroWhenAbsolute", "500",
                      [](Gpx2KmlOptions& o) { o.constantTrackElevation = "abc"; }, "0", 1, 0},
        ElevationCase{"ConstantNotANumberWrittenAsGiven", "500",
                      [](Gpx2KmlOptions& o) {
                        o.constantTrackElevation = "abc";
                        o.absoluteElevations = CheckState::Unchecked;
                      },
                      "abc", 1, 0},
        ElevationCase{"NoOptionSelectedIsConstant", "500",
                      [](Gpx2KmlOptions& o) { o.trackElevationMode = TrackElevationMode::Unchosen; }, "25", 0, 0},
        ElevationCase{"OffsetNotANumberAddsNothing", "70",
                      [](Gpx2KmlOptions& o) {
                        Recorded(o);
                        o.recordedOffset = "x";
                      },
                      "70", 0, 0}),
    [](const ::testing::TestParamInfo<ElevationCase>& info) { return info.param.label; });

TEST(ConvertGpxToKml, AltitudeModeFollowsTheConstantOption) {
  Gpx2KmlOptions recorded;
  Recorded(recorded);
  const std::string gpx = "<gpx><trk><trkseg><trkpt lat='1' lon='2'/></trkseg></trk></gpx>";
  EXPECT_NE(Convert(gpx).output.find("<altitudeMode>relativeToGround</altitudeMode>"), std::string::npos);
  EXPECT_NE(Convert(gpx, recorded).output.find("<altitudeMode>absolute</altitudeMode>"), std::string::npos);
}

TEST(ConvertGpxToKml, ZeroElevationNotice) {
  Gpx2KmlOptions options;
  RecordedNoOffset(options);
  const Conversion conversion = Convert(
      "<gpx><trk><trkseg><trkpt lat='1' lon='2'><ele>0</ele></trkpt><trkpt lat='1' lon='2'><ele>5</ele></trkpt>"
      "<trkpt lat='1' lon='2'><ele>7</ele></trkpt></trkseg></trk></gpx>",
      options);
  ASSERT_TRUE(HasElevationNotice(conversion.counts));
  EXPECT_EQ(ElevationNotice(conversion.counts), "Trackpoints de altura nula 33% (1)  de altura negativa 0% (0)");
}

TEST(ConvertGpxToKml, RoutePointsUseTheRouteElevationAsWritten) {
  Gpx2KmlOptions options;
  options.routeElevation = "40.5";
  const Conversion conversion = Convert("<gpx><rte><name>R</name><rtept lat='1' lon='2'/></rte></gpx>", options);
  EXPECT_NE(conversion.output.find("          2,1,40.5\r\n"), std::string::npos);
  EXPECT_NE(conversion.output.find("<coordinates>2,1,40.5</coordinates>"), std::string::npos);
}

TEST(ConvertGpxToKml, RouteNumbersContinuePast32767) {
  std::string gpx = "<gpx><rte><name>R</name>";
  for (int i = 0; i < 32770; ++i) gpx += "<rtept lat='1' lon='2'/>";
  gpx += "</rte></gpx>";
  const Conversion conversion = Convert(gpx);
  EXPECT_EQ(conversion.counts.routePoints, 32770);
  EXPECT_NE(conversion.output.find("<name>32767-R</name>"), std::string::npos);
  EXPECT_NE(conversion.output.find("<name>32769-R</name>"), std::string::npos);
}

TEST(ConvertGpxToKml, EmptyRouteStillGetsItsLineAndFolder) {
  const Conversion conversion = Convert("<gpx><rte><name>Vacia</name></rte></gpx>");
  EXPECT_EQ(conversion.counts.routePoints, 0);
  EXPECT_NE(conversion.output.find("      <name>Vacia</name>\r\n"), std::string::npos);
  EXPECT_NE(conversion.output.find("    <Folder>\r\n      <name>Vacia</name>"), std::string::npos);
}

TEST(ConvertGpxToKml, UnreadableInputGivesErrorAndAnEmptyOutput) {
  const Conversion conversion = Convert("<gpx><wpt lat='1'");
  EXPECT_EQ(conversion.result.status, ConversionStatus::InputNotLoaded);
  EXPECT_NE(conversion.result.reason.find("byte"), std::string::npos);
  EXPECT_EQ(conversion.output, "");
  EXPECT_EQ(conversion.counts.waypoints, 0);
}

TEST(ConvertGpxToKml, OtherRootElementGivesAnEmptyDocument) {
  const Conversion conversion = Convert("<kml><wpt lat='1' lon='2'/></kml>");
  EXPECT_EQ(conversion.result.closingText, "</Folder>\r\n</kml>\r\n");
  EXPECT_EQ(conversion.counts.waypoints + conversion.counts.routePoints + conversion.counts.trackPoints, 0);
  EXPECT_TRUE(testing::IsWellFormedXml(conversion.output));
  EXPECT_EQ(conversion.output.find("<Placemark>"), std::string::npos);
}

TEST(ConvertGpxToKml, StopsAtTheYieldWhereAbortIsAsked) {
  // Yields: 2 waypoints, 1 route, 3 route points, 1 track, 4 track points.
  const struct {
    int stopAt;
    int waypoints;
    int routePoints;
    int trackPoints;
    const char* endsWith;
  } rows[] = {{1, 0, 0, 0, "<open>1</open>\r\n"},
              {3, 2, 0, 0, "  </Folder>\r\n"},
              {6, 2, 2, 0, "  <Folder>\r\n    <name>Routes</name>\r\n    <open>0</open>\r\n"},
              {10, 2, 3, 2, "          -57.2,-33.2,25\r\n"}};
  for (const auto& row : rows) {
    const Conversion conversion = Convert(kWorkedExample, {}, row.stopAt);
    EXPECT_EQ(conversion.result.status, ConversionStatus::Stopped) << "stop at " << row.stopAt;
    EXPECT_EQ(conversion.counts.waypoints, row.waypoints) << "stop at " << row.stopAt;
    EXPECT_EQ(conversion.counts.routePoints, row.routePoints) << "stop at " << row.stopAt;
    EXPECT_EQ(conversion.counts.trackPoints, row.trackPoints) << "stop at " << row.stopAt;
    const std::string suffix = row.endsWith;
    ASSERT_GE(conversion.output.size(), suffix.size());
    EXPECT_EQ(conversion.output.substr(conversion.output.size() - suffix.size()), suffix) << "stop at " << row.stopAt;
  }
}

TEST(ConvertGpxToKml, DocumentIsNamedAfterTheFileNotCleaned) {
  const Conversion conversion = Convert("<gpx><wpt lat='1' lon='2'/></gpx>", {}, 0, "Año & <día>.GPX");
  EXPECT_NE(conversion.output.find("  <name>Año &amp; &lt;día&gt;</name>\r\n  <open>1</open>"), std::string::npos);
}

TEST(ConvertGpxToKml, ReportsAnOutputThatCannotBeWritten) {
  ScratchDirectory scratch;
  const auto input = scratch.Write("a.gpx", "<gpx><wpt lat='1' lon='2'/></gpx>");
  ScriptedProgress progress;
  ConversionCounts counts;
  EXPECT_EQ(ConvertGpxToKml(SplitInputPath(Utf8FromPath(input), '/'), scratch.path() / "no" / "such" / "dir",
                            Gpx2KmlOptions{}, progress, counts)
                .status,
            ConversionStatus::OutputNotWritten);
}

}  // namespace
}  // namespace ruvela
