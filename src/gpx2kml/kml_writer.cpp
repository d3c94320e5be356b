#include "gpx2kml/kml_writer.h"

#include <initializer_list>

#include <ruvela/version.h>

#include "gpx2kml/kml_vocabulary.h"
#include "values/credits.h"
#include "values/text_lines.h"
#include "values/xml_escape.h"

namespace ruvela {
namespace {

constexpr std::size_t kCreditWidth = 36;  // characters between "<![CDATA[" and "]]>"

// A position's three values as written, trimmed, with `separator` between
// them: commas in a point's coordinates, blanks in a gx:coord.
void AppendTrimmedPosition(std::string& out, std::string_view longitude, std::string_view latitude,
                           std::string_view elevation, char separator) {
  AppendEscapedText(out, TrimBlanks(longitude));
  out += separator;
  AppendEscapedText(out, TrimBlanks(latitude));
  out += separator;
  AppendEscapedText(out, TrimBlanks(elevation));
}

void CreditLine(std::string& out, std::string_view text) {
  AppendLine(out, 0, "<![CDATA[" + PadRight(text, kCreditWidth) + "]]>");
}

std::string VersionText() {
  return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision);
}

// The placemark of a line or a track up to its geometry: name and style.
void AppendPathPlacemarkStart(std::string& out, std::string_view name, std::string_view lineColour,
                              std::string_view fillColour, int l) {
  AppendLine(out, l, "<Placemark>");
  AppendValueLine(out, l + 2, "name", TrimBlanks(name));
  AppendLine(out, l + 2, "<visibility>1</visibility>");
  AppendLine(out, l + 2, "<open>0</open>");
  AppendLine(out, l + 2, "<Style>");
  AppendLine(out, l + 4, "<IconStyle>");
  AppendLine(out, l + 6, "<Icon>");
  AppendLine(out, l + 8, "<href>root://icons/palette-2.png</href>");
  AppendLine(out, l + 8, "<x>192</x>");
  AppendLine(out, l + 8, "<y>128</y>");
  AppendLine(out, l + 8, "<w>32</w>");
  AppendLine(out, l + 8, "<h>32</h>");
  AppendLine(out, l + 6, "</Icon>");
  AppendLine(out, l + 4, "</IconStyle>");
  AppendLine(out, l + 4, "<LineStyle>");
  AppendValueLine(out, l + 6, "color", lineColour);
  AppendLine(out, l + 4, "</LineStyle>");
  AppendLine(out, l + 4, "<PolyStyle>");
  AppendValueLine(out, l + 6, "color", fillColour);
  AppendLine(out, l + 4, "</PolyStyle>");
  AppendLine(out, l + 2, "</Style>");
}

// The geometry's start tag, then how it is drawn: extruded to the ground,
// following it, at the altitude mode asked for.
void AppendPathGeometryStart(std::string& out, std::string_view element, bool relativeToGround, int l) {
  AppendIndent(out, l + 2);
  out += '<';
  out += element;
  out += '>';
  out += kml::kLineEnd;
  AppendLine(out, l + 4, "<extrude>1</extrude>");
  AppendLine(out, l + 4, "<tessellate>1</tessellate>");
  AppendLine(
      out, l + 4,
      relativeToGround ? "<altitudeMode>relativeToGround</altitudeMode>" : "<altitudeMode>absolute</altitudeMode>");
}

// A path's placemark up to its `geometry`'s start tag and altitude mode.
std::string PathOpen(std::string_view geometry, std::string_view name, std::string_view lineColour,
                     std::string_view fillColour, short level, bool relativeToGround) {
  const int l = 2 * level;
  std::string out;
  out.reserve(1024);
  AppendPathPlacemarkStart(out, name, lineColour, fillColour, l);
  AppendPathGeometryStart(out, geometry, relativeToGround, l);
  return out;
}

}  // namespace

std::string KmlDocumentHeader(std::string_view documentName, bool timeElements) {
  std::string out;
  AppendLine(out, 0, R"(<?xml version="1.0" encoding="UTF-8"?>)");
  if (timeElements) {
    AppendLine(out, 0,
               std::string(R"(<kml xmlns=")") + kml::kTimedNamespace + R"(" xmlns:gx=")" + kml::kExtensionsNamespace +
                   R"(">)");
  } else {
    AppendLine(out, 0, std::string(R"(<kml xmlns=")") + kml::kNamespace + R"(">)");
  }
  CreditLine(out, "");
  CreditLine(out, "    Created from GPX by Ruvela      ");
  CreditLine(out, std::string(9, ' ') + "by " + kMakerName);
  CreditLine(out, std::string(3, ' ') + kMakerContact);
  CreditLine(out, "");
  CreditLine(out, Centred(VersionText(), kCreditWidth));
  CreditLine(out, "");
  AppendLine(out, 0, "<Folder>");
  AppendValueLine(out, 2, "name", TrimBlanks(documentName));
  AppendLine(out, 2, "<open>1</open>");
  return out;
}

std::string KmlDocumentFooter() {
  std::string out;
  AppendLine(out, 0, "</Folder>");
  AppendLine(out, 0, "</kml>");
  return out;
}

std::string KmlFolderOpen(std::string_view folderName, short level) {
  const int l = 2 * level;
  std::string out;
  AppendLine(out, l, "<Folder>");
  AppendValueLine(out, l + 2, "name", TrimBlanks(folderName));
  AppendLine(out, l + 2, "<open>0</open>");
  return out;
}

std::string KmlFolderClose(short level) {
  std::string out;
  AppendLine(out, 2 * level, "</Folder>");
  return out;
}

std::string KmlPointPlacemark(std::string_view name, std::string_view longitude, std::string_view latitude,
                              std::string_view elevation, std::string_view visibility, short iconKind, short level,
                              std::string_view time) {
  const int l = 2 * level;
  const bool routePointIcon = iconKind == kml::kRoutePointIcon;
  std::string out;
  out.reserve(1024);
  AppendLine(out, l, "<Placemark>");
  AppendValueLine(out, l + 2, "name", TrimBlanks(name));
  AppendValueLine(out, l + 2, "visibility", TrimBlanks(visibility));
  AppendLine(out, l + 2, "<LookAt>");
  AppendValueLine(out, l + 4, "longitude", TrimBlanks(longitude));
  AppendValueLine(out, l + 4, "latitude", TrimBlanks(latitude));
  AppendLine(out, l + 4, "<range>1000</range>");
  AppendLine(out, l + 4, "<tilt>0</tilt>");
  AppendLine(out, l + 4, "<heading>0</heading>");
  AppendLine(out, l + 2, "</LookAt>");
  if (!time.empty()) {  // where KML orders a feature's time: after its view, before its style
    AppendLine(out, l + 2, "<TimeStamp>");
    AppendValueLine(out, l + 4, "when", TrimBlanks(time));
    AppendLine(out, l + 2, "</TimeStamp>");
  }
  AppendLine(out, l + 2, "<Style>");
  AppendLine(out, l + 4, "<IconStyle>");
  AppendLine(out, l + 6, "<color>d0ffffff</color>");
  AppendLine(out, l + 6, "<Icon>");
  if (routePointIcon) {
    AppendLine(out, l + 8, "<href>root://icons/palette-4.png</href>");
    AppendLine(out, l + 8, "<y>128</y>");
  } else {
    AppendLine(out, l + 8, "<href>root://icons/palette-2.png</href>");
    AppendLine(out, l + 8, "<x>160</x>");
    AppendLine(out, l + 8, "<y>224</y>");
  }
  AppendLine(out, l + 8, "<w>32</w>");
  AppendLine(out, l + 8, "<h>32</h>");
  AppendLine(out, l + 6, "</Icon>");
  AppendLine(out, l + 6, "<scale>0.9</scale>");
  AppendLine(out, l + 4, "</IconStyle>");
  AppendLine(out, l + 2, "</Style>");
  AppendLine(out, l + 2, "<Point>");
  AppendIndent(out, l + 4);
  out += "<coordinates>";
  AppendTrimmedPosition(out, longitude, latitude, elevation, ',');
  out += "</coordinates>";
  out += kml::kLineEnd;
  AppendLine(out, l + 2, "</Point>");
  AppendLine(out, l, "</Placemark>");
  return out;
}

std::string KmlLineOpen(std::string_view name, std::string_view lineColour, std::string_view fillColour, short level,
                        bool relativeToGround) {
  std::string out = PathOpen("LineString", name, lineColour, fillColour, level, relativeToGround);
  AppendLine(out, 2 * level + 4, "<coordinates>");
  return out;
}

void AppendKmlCoordinate(std::string& out, std::string_view longitude, std::string_view latitude,
                         std::string_view elevation, short level) {
  AppendIndent(out, 2 * level + 6);
  AppendEscapedText(out, longitude);
  out += ',';
  AppendEscapedText(out, latitude);
  out += ',';
  AppendEscapedText(out, elevation);
  out += kml::kLineEnd;
}

std::string KmlLineClose(short level) {
  const int l = 2 * level;
  std::string out;
  AppendLine(out, l + 4, "</coordinates>");
  AppendLine(out, l + 2, "</LineString>");
  AppendLine(out, l, "</Placemark>");
  return out;
}

std::string KmlTrackOpen(std::string_view name, std::string_view lineColour, std::string_view fillColour, short level,
                         bool relativeToGround) {
  return PathOpen("gx:Track", name, lineColour, fillColour, level, relativeToGround);
}

void AppendKmlWhen(std::string& out, std::string_view time, short level) {
  AppendValueLine(out, 2 * level + 4, "when", TrimBlanks(time));
}

// gx:coord separates its values with blanks, where a line's tuple has commas.
void AppendKmlTrackCoord(std::string& out, std::string_view longitude, std::string_view latitude,
                         std::string_view elevation, short level) {
  AppendIndent(out, 2 * level + 4);
  out += "<gx:coord>";
  AppendTrimmedPosition(out, longitude, latitude, elevation, ' ');
  out += "</gx:coord>";
  out += kml::kLineEnd;
}

std::string KmlTrackClose(short level) {
  const int l = 2 * level;
  std::string out;
  AppendLine(out, l + 2, "</gx:Track>");
  AppendLine(out, l, "</Placemark>");
  return out;
}

}  // namespace ruvela
