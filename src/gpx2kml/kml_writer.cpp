#include "gpx2kml/kml_writer.h"

#include <initializer_list>

#include <ruvela/version.h>

#include "common/credits.h"
#include "common/text_lines.h"
#include "common/xml_escape.h"
#include "gpx2kml/kml_vocabulary.h"

namespace ruvela {
namespace {

constexpr std::size_t kCreditWidth = 36;  // characters between "<![CDATA[" and "]]>"

// Appends one line: indentation, the fixed text, CR LF.
void Line(std::string& out, int blanks, std::string_view text) {
  AppendIndent(out, blanks);
  out += text;
  out += kml::kLineEnd;
}

// Appends one line holding an element with an escaped value: <tag>value</tag>.
void ValueLine(std::string& out, int blanks, std::string_view tag, std::string_view value) {
  AppendIndent(out, blanks);
  out += '<';
  out += tag;
  out += '>';
  AppendEscapedText(out, value);
  out += "</";
  out += tag;
  out += '>';
  out += kml::kLineEnd;
}

void CreditLine(std::string& out, std::string_view text) {
  Line(out, 0, "<![CDATA[" + PadRight(text, kCreditWidth) + "]]>");
}

std::string VersionText() {
  return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRevision);
}

}  // namespace

std::string KmlDocumentHeader(std::string_view documentName) {
  std::string out;
  Line(out, 0, R"(<?xml version="1.0" encoding="UTF-8"?>)");
  Line(out, 0, std::string(R"(<kml xmlns=")") + kml::kNamespace + R"(">)");
  CreditLine(out, "");
  CreditLine(out, "    Created from GPX by Ruvela      ");
  CreditLine(out, std::string(9, ' ') + "by " + kMakerName);
  CreditLine(out, std::string(3, ' ') + kMakerContact);
  CreditLine(out, "");
  CreditLine(out, Centred(VersionText(), kCreditWidth));
  CreditLine(out, "");
  Line(out, 0, "<Folder>");
  ValueLine(out, 2, "name", TrimBlanks(documentName));
  Line(out, 2, "<open>1</open>");
  return out;
}

std::string KmlDocumentFooter() {
  std::string out;
  Line(out, 0, "</Folder>");
  Line(out, 0, "</kml>");
  return out;
}

std::string KmlFolderOpen(std::string_view folderName, short level) {
  const int l = 2 * level;
  std::string out;
  Line(out, l, "<Folder>");
  ValueLine(out, l + 2, "name", TrimBlanks(folderName));
  Line(out, l + 2, "<open>0</open>");
  return out;
}

std::string KmlFolderClose(short level) {
  std::string out;
  Line(out, 2 * level, "</Folder>");
  return out;
}

std::string KmlPointPlacemark(std::string_view name, std::string_view longitude, std::string_view latitude,
                              std::string_view elevation, std::string_view visibility, short iconKind,
                              short level) {
  const int l = 2 * level;
  const bool routePointIcon = iconKind == kml::kRoutePointIcon;
  std::string out;
  out.reserve(1024);
  Line(out, l, "<Placemark>");
  ValueLine(out, l + 2, "name", TrimBlanks(name));
  ValueLine(out, l + 2, "visibility", TrimBlanks(visibility));
  Line(out, l + 2, "<LookAt>");
  ValueLine(out, l + 4, "longitude", TrimBlanks(longitude));
  ValueLine(out, l + 4, "latitude", TrimBlanks(latitude));
  Line(out, l + 4, "<range>1000</range>");
  Line(out, l + 4, "<tilt>0</tilt>");
  Line(out, l + 4, "<heading>0</heading>");
  Line(out, l + 2, "</LookAt>");
  Line(out, l + 2, "<Style>");
  Line(out, l + 4, "<IconStyle>");
  Line(out, l + 6, "<color>d0ffffff</color>");
  Line(out, l + 6, "<Icon>");
  if (routePointIcon) {
    Line(out, l + 8, "<href>root://icons/palette-4.png</href>");
    Line(out, l + 8, "<y>128</y>");
  } else {
    Line(out, l + 8, "<href>root://icons/palette-2.png</href>");
    Line(out, l + 8, "<x>160</x>");
    Line(out, l + 8, "<y>224</y>");
  }
  Line(out, l + 8, "<w>32</w>");
  Line(out, l + 8, "<h>32</h>");
  Line(out, l + 6, "</Icon>");
  Line(out, l + 6, "<scale>0.9</scale>");
  Line(out, l + 4, "</IconStyle>");
  Line(out, l + 2, "</Style>");
  Line(out, l + 2, "<Point>");
  AppendIndent(out, l + 4);
  out += "<coordinates>";
  AppendEscapedText(out, TrimBlanks(longitude));
  out += ',';
  AppendEscapedText(out, TrimBlanks(latitude));
  out += ',';
  AppendEscapedText(out, TrimBlanks(elevation));
  out += "</coordinates>";
  out += kml::kLineEnd;
  Line(out, l + 2, "</Point>");
  Line(out, l, "</Placemark>");
  return out;
}

std::string KmlLineOpen(std::string_view name, std::string_view lineColour, std::string_view fillColour,
                        short level, bool relativeToGround) {
  const int l = 2 * level;
  std::string out;
  out.reserve(1024);
  Line(out, l, "<Placemark>");
  ValueLine(out, l + 2, "name", TrimBlanks(name));
  Line(out, l + 2, "<visibility>1</visibility>");
  Line(out, l + 2, "<open>0</open>");
  Line(out, l + 2, "<Style>");
  Line(out, l + 4, "<IconStyle>");
  Line(out, l + 6, "<Icon>");
  Line(out, l + 8, "<href>root://icons/palette-2.png</href>");
  Line(out, l + 8, "<x>192</x>");
  Line(out, l + 8, "<y>128</y>");
  Line(out, l + 8, "<w>32</w>");
  Line(out, l + 8, "<h>32</h>");
  Line(out, l + 6, "</Icon>");
  Line(out, l + 4, "</IconStyle>");
  Line(out, l + 4, "<LineStyle>");
  ValueLine(out, l + 6, "color", lineColour);
  Line(out, l + 4, "</LineStyle>");
  Line(out, l + 4, "<PolyStyle>");
  ValueLine(out, l + 6, "color", fillColour);
  Line(out, l + 4, "</PolyStyle>");
  Line(out, l + 2, "</Style>");
  Line(out, l + 2, "<LineString>");
  Line(out, l + 4, "<extrude>1</extrude>");
  Line(out, l + 4, "<tessellate>1</tessellate>");
  Line(out, l + 4, relativeToGround ? "<altitudeMode>relativeToGround</altitudeMode>"
                                    : "<altitudeMode>absolute</altitudeMode>");
  Line(out, l + 4, "<coordinates>");
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

std::string KmlCoordinate(std::string_view longitude, std::string_view latitude, std::string_view elevation,
                          short level) {
  std::string out;
  AppendKmlCoordinate(out, longitude, latitude, elevation, level);
  return out;
}

std::string KmlLineClose(short level) {
  const int l = 2 * level;
  std::string out;
  Line(out, l + 4, "</coordinates>");
  Line(out, l + 2, "</LineString>");
  Line(out, l, "</Placemark>");
  return out;
}

}  // namespace ruvela
