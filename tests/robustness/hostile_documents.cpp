#include "hostile_documents.h"

namespace ruvela::robustness {
namespace {

std::string Repeat(const std::string& text, std::size_t times) {
  std::string out;
  out.reserve(text.size() * times);
  for (std::size_t i = 0; i < times; ++i) out += text;
  return out;
}

std::string KmlPlacemark(const std::string& nameContent, const std::string& coordinates,
                         const std::string& attributes = "") {
  return "<Placemark" + attributes + "><name>" + nameContent + "</name><Point><coordinates>" + coordinates +
         "</coordinates></Point></Placemark>";
}

std::string KmlDocument(const std::string& body, const std::string& doctype = "") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + doctype + "<kml xmlns=\"http://earth.google.com/kml/2.0\">" +
         body + "</kml>";
}

std::string GpxDocument(const std::string& body, const std::string& doctype = "") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + doctype +
         "<gpx version=\"1.1\" xmlns=\"http://www.topografix.com/GPX/1/1\">" + body + "</gpx>";
}

// Each level names the one below it ten times: lol9 would be 10^9 "lol"s.
std::string BillionLaughsDoctype(const char* root) {
  std::string doctype = std::string("<!DOCTYPE ") + root + " [<!ENTITY lol \"lol\">";
  for (int level = 1; level <= 9; ++level) {
    doctype += "<!ENTITY lol" + std::to_string(level) + " \"";
    const std::string below = level == 1 ? "&lol;" : "&lol" + std::to_string(level - 1) + ";";
    doctype += Repeat(below, 10) + "\">";
  }
  return doctype + "]>";
}

std::string ExternalEntityDoctype(const char* root, const std::string& path) {
  return std::string("<!DOCTYPE ") + root + " [<!ENTITY secreto SYSTEM \"file://" + path + "\">]>";
}

std::string NumberedAttributes(std::size_t count) {
  std::string attributes;
  for (std::size_t i = 0; i < count; ++i) attributes += " a" + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
  return attributes;
}

}  // namespace

std::string GpxWithWaypointName(const std::string& nameContent) {
  return GpxDocument("<wpt lat=\"-34.60\" lon=\"-58.38\"><name>" + nameContent + "</name></wpt>");
}

std::string KmlWithPlacemarkName(const std::string& nameContent) {
  return KmlDocument(KmlPlacemark(nameContent, "-58.38,-34.60,25"));
}

std::string Utf16LittleEndianWithoutBom(const std::string& asciiDocument) {
  std::string utf16;
  for (char c : asciiDocument) {
    utf16 += c;
    utf16 += '\0';
  }
  return utf16;
}

std::string BillionLaughsGpx() {
  return GpxDocument("<wpt lat=\"1\" lon=\"2\"><name>&lol9;</name></wpt>", BillionLaughsDoctype("gpx"));
}

std::string BillionLaughsKml() { return KmlDocument(KmlPlacemark("&lol9;", "1,2,3"), BillionLaughsDoctype("kml")); }

std::string ExternalEntityGpx(const std::string& path) {
  return GpxDocument("<wpt lat=\"&secreto;\" lon=\"2\"><name>&secreto;</name></wpt>",
                     ExternalEntityDoctype("gpx", path));
}

std::string ExternalEntityKml(const std::string& path) {
  return KmlDocument(KmlPlacemark("&secreto;", "1,2,&secreto;"), ExternalEntityDoctype("kml", path));
}

std::string DeeplyNestedGpx(std::size_t depth) {
  return GpxDocument(Repeat("<extensions>", depth) + Repeat("</extensions>", depth));
}

std::string DeeplyNestedKml(std::size_t depth) {
  return KmlDocument(Repeat("<Folder>", depth) + Repeat("</Folder>", depth));
}

std::string DeeplyNestedName(bool kml, std::size_t depth) {
  const std::string name = Repeat("<b>", depth) + "hondo" + Repeat("</b>", depth);
  return kml ? KmlWithPlacemarkName(name) : GpxWithWaypointName(name);
}

std::string ManyAttributesGpx(std::size_t count) {
  return GpxDocument("<wpt" + NumberedAttributes(count) + " lat=\"1\" lon=\"2\"><name>A</name></wpt>");
}

std::string ManyAttributesKml(std::size_t count) {
  return KmlDocument(KmlPlacemark("A", "1,2,3", NumberedAttributes(count)));
}

std::string CommaCoordinatesGpx(std::size_t commas) {
  const std::string value(commas, ',');
  return GpxDocument("<wpt lat=\"" + value + "\" lon=\"" + value + "\"><name>A</name></wpt>");
}

std::string CommaCoordinatesKml(std::size_t commas) {
  return KmlDocument(KmlPlacemark("A", "1,2" + std::string(commas - 1, ',')));
}

std::string LongRouteGpx(std::size_t points) {
  std::string route = "<rte><name>Ruta</name>";
  route.reserve(points * 40);
  for (std::size_t i = 0; i < points; ++i) {
    route += "<rtept lat=\"" + std::to_string(i % 90) + ".5\" lon=\"" + std::to_string(i % 180) + ".25\"/>";
  }
  return GpxDocument(route + "</rte>");
}

std::string LongTrackGpx(std::size_t points) {
  std::string track = "<trk><name>Track</name><trkseg>";
  track.reserve(points * 60);
  for (std::size_t i = 0; i < points; ++i) {
    track +=
        "<trkpt lat=\"40." + std::to_string(i) + "\" lon=\"-3.7\"><ele>" + std::to_string(i % 3000) + "</ele></trkpt>";
  }
  return GpxDocument(track + "</trkseg></trk>");
}

std::string LongRouteFolderKml(std::size_t points) {
  std::string folder = "<Folder><name>Routes</name><Folder><name>Ruta</name>";
  folder.reserve(points * 100);
  for (std::size_t i = 0; i < points; ++i) folder += KmlPlacemark("P", std::to_string(i % 180) + ".25,45.5,10");
  return KmlDocument("<Document>" + folder + "</Folder></Folder></Document>");
}

}  // namespace ruvela::robustness
