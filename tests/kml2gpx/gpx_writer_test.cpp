#include "kml2gpx/gpx_writer.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace ruvela {
namespace {

using testing::WithoutCarriageReturns;

constexpr const char* kWaypointExtension =
    "<gpxx:WaypointExtension xmlns:gpxx=\"http://www.garmin.com/xmlschemas/GpxExtensions/v2\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    "xsi:schemaLocation=\"http://www.garmin.com/xmlschemas/GpxExtensions/v2 "
    "http://www.garmin.com/xmlschemas/GpxExtensionsv2.xsd\">";

TEST(GpxWaypoint, CimaBlock) {
  const std::string expected = std::string(
                                   "  <wpt lat=\"-34.60\" lon=\"-58.38\">\n"
                                   "    <ele>25</ele>\n"
                                   "    <name>Cima</name>\n"
                                   "    <desc>Cima (from GoogleEarth KML)</desc>\n"
                                   "    <link href=\"https://example.org/ruvela\"/>\n"
                                   "    <sym>Civil</sym>\n"
                                   "    <extensions>\n"
                                   "      ") +
                               kWaypointExtension +
                               "\n"
                               "        <gpxx:DisplayMode>SymbolOnly</gpxx:DisplayMode>\n"
                               "      </gpxx:WaypointExtension>\n"
                               "    </extensions>\n"
                               "  </wpt>\n"
                               "\n";
  EXPECT_EQ(WithoutCarriageReturns(GpxWaypoint("Cima", "Cima", "-58.38,-34.60,25", "Civil", 1)), expected);
}

TEST(GpxRoutePoint, IsTheWaypointBlockAsRteptWithoutTheEmptyLine) {
  const std::string point = GpxRoutePoint(" 000-Ruta1 ", "A", "1,2,3", "Buoy, White", 2);
  EXPECT_EQ(point.substr(0, 29), "    <rtept lat=\"2\" lon=\"1\">\r\n");
  EXPECT_NE(point.find("      <name>000-Ruta1</name>\r\n"), std::string::npos);
  EXPECT_NE(point.find("      <desc>A (from GoogleEarth KML)</desc>\r\n"), std::string::npos);
  EXPECT_NE(point.find("      <sym>Buoy, White</sym>\r\n"), std::string::npos);
  EXPECT_NE(point.find(kWaypointExtension), std::string::npos);
  EXPECT_EQ(point.substr(point.size() - 14), "    </rtept>\r\n");
}

TEST(GpxDocument, HeaderRouteAndFooter) {
  const std::string header =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n"
      "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" creator=\"Ruvela 4.0\" version=\"1.1\" "
      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
      "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd\">\n"
      "<!--\n"
      "             Created from KML by Ruvela         \n"
      "                  by Orvanek                    \n"
      "            orvanek@example.org                 \n"
      "-->\n"
      "\n";
  EXPECT_EQ(WithoutCarriageReturns(GpxDocumentHeader()), header);
  EXPECT_EQ(GpxDocumentFooter(), "\r\n</gpx>\r\n");
  EXPECT_EQ(WithoutCarriageReturns(GpxRouteOpen(" Ruta1 ", 1)),
            "  <rte>\n"
            "    <name>Ruta1</name>\n"
            "    <extensions>\n"
            "      <gpxx:RouteExtension xmlns:gpxx=\"http://www.garmin.com/xmlschemas/GpxExtensions/v2\" "
            "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
            "xsi:schemaLocation=\"http://www.garmin.com/xmlschemas/GpxExtensions/v2 "
            "http://www.garmin.com/xmlschemas/GpxExtensionsv2.xsd\">\n"
            "        <gpxx:IsAutoNamed>false</gpxx:IsAutoNamed>\n"
            "      </gpxx:RouteExtension>\n"
            "    </extensions>\n");
  EXPECT_EQ(GpxRouteClose(1), "  </rte>\r\n");
}

TEST(GpxDocument, StaysWellFormedWhateverTheValuesHold) {
  const std::string hostile = "<x> & \"q\" -- \x01 \xFF";
  const std::string document = GpxDocumentHeader() +
                               GpxWaypoint(hostile, hostile, hostile + "," + hostile, hostile, 1) +
                               GpxRouteOpen(hostile, 1) + GpxRoutePoint(hostile, hostile, hostile, hostile, 2) +
                               GpxRouteClose(1) + "\r\n" + GpxDocumentFooter();
  std::string why;
  EXPECT_TRUE(testing::IsWellFormedXml(document, &why)) << why;
}

}  // namespace
}  // namespace ruvela
