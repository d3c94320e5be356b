#include "kml2gpx/gpx_writer.h"

#include <iterator>

#include <ruvela/version.h>

#include "kml2gpx/gpx_vocabulary.h"
#include "values/credits.h"
#include "values/gpx_value_rules.h"
#include "values/text_lines.h"
#include "values/xml_escape.h"

namespace ruvela {
namespace {

constexpr std::size_t kCreditWidth = 48;

std::string ExtensionStartTag(std::string_view element) {
  std::string tag = "<";
  tag += element;
  tag += " xmlns:gpxx=\"";
  tag += gpx::kGarminNamespace;
  tag += "\" xmlns:xsi=\"";
  tag += gpx::kSchemaInstanceNamespace;
  tag += "\" xsi:schemaLocation=\"";
  tag += gpx::kGarminSchemaLocation;
  tag += "\">";
  return tag;
}

// The lines that are the same for every point at a level: its link, and
// its extensions after the symbol.
struct FixedPointLines {
  std::string link;
  std::string extensions;
};

FixedPointLines BuildFixedPointLines(short level) {
  const int l = 2 * level;
  FixedPointLines lines;
  AppendLine(lines.link, l + 2, std::string("<link href=\"") + gpx::kLinkAddress + "\"/>");
  AppendLine(lines.extensions, l + 2, "<extensions>");
  AppendLine(lines.extensions, l + 4, ExtensionStartTag("gpxx:WaypointExtension"));
  AppendLine(lines.extensions, l + 6, "<gpxx:DisplayMode>SymbolOnly</gpxx:DisplayMode>");
  AppendLine(lines.extensions, l + 4, "</gpxx:WaypointExtension>");
  AppendLine(lines.extensions, l + 2, "</extensions>");
  return lines;
}

// Built once for the levels the converter uses, not once per point.
const FixedPointLines& FixedPointLinesAt(short level, FixedPointLines& scratch) {
  static const FixedPointLines cached[] = {BuildFixedPointLines(0), BuildFixedPointLines(1), BuildFixedPointLines(2)};
  if (level >= 0 && level < static_cast<short>(std::size(cached))) return cached[level];
  scratch = BuildFixedPointLines(level);
  return scratch;
}

// rtept and wpt blocks share every line but their element name.
void AppendPointBlock(std::string& out, std::string_view element, std::string_view name, std::string_view description,
                      std::string_view coordinates, std::string_view symbol, short level, std::string_view time) {
  static const std::string descriptionSuffix = std::string(" ") + gpx::kDescriptionSuffix;
  const int l = 2 * level;
  const KmlCoordinates parts = SplitKmlCoordinates(coordinates);
  AppendIndent(out, l);
  out += '<';
  out += element;
  out += " lat=\"";
  AppendEscapedAttribute(out, TrimBlanks(parts.latitude));
  out += "\" lon=\"";
  AppendEscapedAttribute(out, TrimBlanks(parts.longitude));
  out += "\">";
  out += gpx::kLineEnd;
  // An elevation that is not a number is left out rather than written as
  // an invented or unreadable value.
  if (IsGpxDecimal(parts.elevation)) AppendValueLine(out, l + 2, "ele", TrimBlanks(parts.elevation));
  // GPX orders the time after the elevation and before the name.
  if (!time.empty() && IsGpxDateTime(time)) AppendValueLine(out, l + 2, "time", TrimBlanks(time));
  AppendValueLine(out, l + 2, "name", TrimBlanks(name));
  AppendValueLine(out, l + 2, "desc", TrimBlanks(description), descriptionSuffix);
  FixedPointLines scratch;
  const FixedPointLines& fixed = FixedPointLinesAt(level, scratch);
  out += fixed.link;
  AppendValueLine(out, l + 2, "sym", TrimBlanks(symbol));
  out += fixed.extensions;
  AppendIndent(out, l);
  out += "</";
  out += element;
  out += ">\r\n";
}

}  // namespace

KmlCoordinates SplitKmlCoordinates(std::string_view coordinates) {
  const auto first = coordinates.find(',');
  if (first == std::string_view::npos) return {coordinates, {}, {}};
  const auto second = coordinates.find(',', first + 1);
  if (second == std::string_view::npos) return {coordinates.substr(0, first), coordinates.substr(first + 1), {}};
  return {coordinates.substr(0, first), coordinates.substr(first + 1, second - first - 1),
          coordinates.substr(second + 1)};
}

std::string GpxDocumentHeader() {
  std::string out;
  AppendLine(out, 0, R"(<?xml version="1.0" encoding="UTF-8" standalone="no" ?>)");
  AppendLine(out, 0,
             std::string("<gpx xmlns=\"") + gpx::kNamespace + "\" creator=\"Ruvela " + std::to_string(kVersionMajor) +
                 "." + std::to_string(kVersionMinor) + "\" version=\"1.1\" xmlns:xsi=\"" +
                 gpx::kSchemaInstanceNamespace + "\" xsi:schemaLocation=\"" + gpx::kSchemaLocation + "\">");
  AppendLine(out, 0, "<!--");
  AppendLine(out, 0, "             Created from KML by Ruvela         ");
  AppendLine(out, 0, PadRight(std::string(18, ' ') + "by " + kMakerName, kCreditWidth));
  AppendLine(out, 0, PadRight(std::string(12, ' ') + kMakerContact, kCreditWidth));
  AppendLine(out, 0, "-->");
  AppendLine(out, 0, "");
  return out;
}

std::string GpxDocumentFooter() { return std::string(gpx::kLineEnd) + "</gpx>" + gpx::kLineEnd; }

std::string GpxRouteOpen(std::string_view name, short level) {
  const int l = 2 * level;
  std::string out;
  AppendLine(out, l, "<rte>");
  AppendValueLine(out, l + 2, "name", TrimBlanks(name));
  AppendLine(out, l + 2, "<extensions>");
  AppendLine(out, l + 4, ExtensionStartTag("gpxx:RouteExtension"));
  AppendLine(out, l + 6, "<gpxx:IsAutoNamed>false</gpxx:IsAutoNamed>");
  AppendLine(out, l + 4, "</gpxx:RouteExtension>");
  AppendLine(out, l + 2, "</extensions>");
  return out;
}

std::string GpxRouteClose(short level) {
  std::string out;
  AppendLine(out, 2 * level, "</rte>");
  return out;
}

std::string GpxTrackOpen(std::string_view name, short level) {
  std::string out;
  AppendLine(out, 2 * level, "<trk>");
  AppendValueLine(out, 2 * level + 2, "name", TrimBlanks(name));
  return out;
}

std::string GpxTrackSegmentOpen(short level) {
  std::string out;
  AppendLine(out, 2 * level, "<trkseg>");
  return out;
}

std::string GpxTrackSegmentClose(short level) {
  std::string out;
  AppendLine(out, 2 * level, "</trkseg>");
  return out;
}

std::string GpxTrackClose(short level) {
  std::string out;
  AppendLine(out, 2 * level, "</trk>");
  return out;
}

void AppendGpxTrackPoint(std::string& out, std::string_view latitude, std::string_view longitude,
                         std::string_view elevation, std::string_view time, short level) {
  const int l = 2 * level;
  AppendIndent(out, l);
  out += "<trkpt lat=\"";
  AppendEscapedAttribute(out, TrimBlanks(latitude));
  out += "\" lon=\"";
  AppendEscapedAttribute(out, TrimBlanks(longitude));
  out += "\">";
  out += gpx::kLineEnd;
  if (IsGpxDecimal(elevation)) AppendValueLine(out, l + 2, "ele", TrimBlanks(elevation));
  if (IsGpxDateTime(time)) AppendValueLine(out, l + 2, "time", TrimBlanks(time));
  AppendLine(out, l, "</trkpt>");
}

void AppendGpxRoutePoint(std::string& out, std::string_view name, std::string_view description,
                         std::string_view coordinates, std::string_view symbol, short level, std::string_view time) {
  AppendPointBlock(out, "rtept", name, description, coordinates, symbol, level, time);
}

void AppendGpxWaypoint(std::string& out, std::string_view name, std::string_view description,
                       std::string_view coordinates, std::string_view symbol, short level, std::string_view time) {
  AppendPointBlock(out, "wpt", name, description, coordinates, symbol, level, time);
  out += gpx::kLineEnd;
}

}  // namespace ruvela
