#include "gpx2kml/kml_writer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "core/text_lines.h"
#include "support/test_files.h"

namespace ruvela {
namespace {

using testing::WithoutCarriageReturns;

std::vector<std::string> LinesOf(const std::string& block) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < block.size()) {
    const auto end = block.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
    if (end == std::string::npos) break;
    lines.push_back(block.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::size_t LeadingBlanks(const std::string& line) { return line.find_first_not_of(' '); }

TEST(KmlDocumentHeader, WritesTheCreditBoxAndTheDocumentFolder) {
  const std::string expected =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<kml xmlns=\"http://earth.google.com/kml/2.0\">\n"
      "<![CDATA[                                    ]]>\n"
      "<![CDATA[    Created from GPX by Ruvela      ]]>\n"
      "<![CDATA[         by Orvanek                 ]]>\n"
      "<![CDATA[   orvanek@example.org              ]]>\n"
      "<![CDATA[                                    ]]>\n"
      "<![CDATA[               4.0.21               ]]>\n"
      "<![CDATA[                                    ]]>\n"
      "<Folder>\n"
      "  <name>Ruta 1</name>\n"
      "  <open>1</open>\n";
  EXPECT_EQ(WithoutCarriageReturns(KmlDocumentHeader("  Ruta 1 ")), expected);
}

TEST(KmlDocumentHeader, EscapesTheFileNameAndKeepsEmptyNames) {
  EXPECT_NE(KmlDocumentHeader("A&B <1>").find("  <name>A&amp;B &lt;1&gt;</name>\r\n"), std::string::npos);
  EXPECT_NE(KmlDocumentHeader("").find("\r\n  <name></name>\r\n"), std::string::npos);
}

TEST(Centred, PutsAnOddBlankOnTheRight) {
  EXPECT_EQ(Centred("1.2.3", 36), std::string(15, ' ') + "1.2.3" + std::string(16, ' '));
  EXPECT_EQ(Centred("4.0.21", 36), std::string(15, ' ') + "4.0.21" + std::string(15, ' '));
}

TEST(KmlDocumentFooter, ClosesFolderAndDocument) { EXPECT_EQ(KmlDocumentFooter(), "</Folder>\r\n</kml>\r\n"); }

TEST(KmlFolder, OpensAndClosesAtItsLevel) {
  EXPECT_EQ(KmlFolderOpen(" Waypoints ", 1), "  <Folder>\r\n    <name>Waypoints</name>\r\n    <open>0</open>\r\n");
  EXPECT_EQ(KmlFolderClose(2), "    </Folder>\r\n");
}

TEST(KmlPointPlacemark, WaypointBlockAtLevelTwo) {
  const std::string expected =
      "    <Placemark>\n"
      "      <name>Cima</name>\n"
      "      <visibility>1</visibility>\n"
      "      <LookAt>\n"
      "        <longitude>-58.38</longitude>\n"
      "        <latitude>-34.60</latitude>\n"
      "        <range>1000</range>\n"
      "        <tilt>0</tilt>\n"
      "        <heading>0</heading>\n"
      "      </LookAt>\n"
      "      <Style>\n"
      "        <IconStyle>\n"
      "          <color>d0ffffff</color>\n"
      "          <Icon>\n"
      "            <href>root://icons/palette-2.png</href>\n"
      "            <x>160</x>\n"
      "            <y>224</y>\n"
      "            <w>32</w>\n"
      "            <h>32</h>\n"
      "          </Icon>\n"
      "          <scale>0.9</scale>\n"
      "        </IconStyle>\n"
      "      </Style>\n"
      "      <Point>\n"
      "        <coordinates>-58.38,-34.60,25</coordinates>\n"
      "      </Point>\n"
      "    </Placemark>\n";
  EXPECT_EQ(WithoutCarriageReturns(KmlPointPlacemark(" Cima ", " -58.38", "-34.60 ", " 25 ", "1", 0, 2)), expected);
}

TEST(KmlPointPlacemark, IconKinds) {
  const struct {
    short kind;
    std::size_t lines;
    const char* href;
    bool hasX;
    const char* y;
  } rows[] = {{1, 26, "palette-4", false, "<y>128</y>"},
              {0, 27, "palette-2", true, "<y>224</y>"},
              {2, 27, "palette-2", true, "<y>224</y>"},
              {-1, 27, "palette-2", true, "<y>224</y>"}};
  for (const auto& row : rows) {
    const std::string block = KmlPointPlacemark("P", "1", "2", "3", "0", row.kind, 3);
    EXPECT_EQ(LinesOf(block).size(), row.lines) << "kind " << row.kind;
    EXPECT_NE(block.find(row.href), std::string::npos) << "kind " << row.kind;
    EXPECT_EQ(block.find("<x>160</x>") != std::string::npos, row.hasX) << "kind " << row.kind;
    EXPECT_NE(block.find(row.y), std::string::npos) << "kind " << row.kind;
  }
}

TEST(KmlLine, OpenCoordinatesAndCloseAtLevelTwo) {
  const std::string open = KmlLineOpen(" Ruta ", "ffffff00", "40ff0000", 2, true);
  const auto lines = LinesOf(open);
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[0], "    <Placemark>");
  EXPECT_EQ(lines[1], "      <name>Ruta</name>");
  EXPECT_EQ(lines[15], "          <color>ffffff00</color>");
  EXPECT_EQ(lines[18], "          <color>40ff0000</color>");
  EXPECT_EQ(lines[24], "        <altitudeMode>relativeToGround</altitudeMode>");
  EXPECT_EQ(lines[25], "        <coordinates>");
  EXPECT_EQ(LinesOf(KmlLineOpen("T", "a", "b", 2, false))[24], "        <altitudeMode>absolute</altitudeMode>");

  EXPECT_EQ(KmlCoordinate(" -58.38", "-34.60 ", "25", 2), "           -58.38,-34.60 ,25\r\n");  // not trimmed
  EXPECT_EQ(KmlLineClose(2), "        </coordinates>\r\n      </LineString>\r\n    </Placemark>\r\n");
}

TEST(KmlWriter, IndentsTwoBlanksPerLevel) {
  for (short level = 0; level <= 3; ++level) {
    const auto placemark = LinesOf(KmlPointPlacemark("P", "1", "2", "3", "1", 0, level));
    EXPECT_EQ(LeadingBlanks(placemark.front()), 2u * level);
    EXPECT_EQ(LeadingBlanks(placemark[24]), 2u * level + 4) << "coordinates line";
    EXPECT_EQ(LeadingBlanks(LinesOf(KmlCoordinate("1", "2", "3", level)).front()), 2u * level + 6);
  }
}

TEST(KmlWriter, DocumentStaysWellFormedWhateverTheNamesHold) {
  const std::string hostile = "<x> & \"q\" ]]> \x01 \xFF";
  std::string document = KmlDocumentHeader(hostile) + KmlFolderOpen(hostile, 1) +
                         KmlPointPlacemark(hostile, hostile, hostile, hostile, hostile, 0, 2) +
                         KmlLineOpen(hostile, hostile, hostile, 2, true) + KmlCoordinate(hostile, hostile, hostile, 2) +
                         KmlLineClose(2) + KmlFolderClose(1) + KmlDocumentFooter();
  std::string why;
  EXPECT_TRUE(testing::IsWellFormedXml(document, &why)) << why;
}

}  // namespace
}  // namespace ruvela
