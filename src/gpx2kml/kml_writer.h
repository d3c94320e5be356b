// The blocks of a KML 2.0 document, as text. Every line ends in CR LF and is
// indented two blanks per nesting step; inserted values are escaped so the
// document stays well-formed, and names are trimmed of blanks where noted.
#pragma once

#include <string>
#include <string_view>

namespace ruvela {

// Declaration, kml start tag, the credit box and the document folder start.
// With `timeElements` the kml start tag declares KML 2.2 and Google's
// extensions, which the TimeStamp and gx:Track elements need.
std::string KmlDocumentHeader(std::string_view documentName, bool timeElements = false);
// Closes the document folder and the document.
std::string KmlDocumentFooter();

std::string KmlFolderOpen(std::string_view folderName, short level);
std::string KmlFolderClose(short level);

// A point placemark; icon kind 1 is the route point icon, any other kind the
// waypoint icon. A `time` given becomes its TimeStamp.
std::string KmlPointPlacemark(std::string_view name, std::string_view longitude, std::string_view latitude,
                              std::string_view elevation, std::string_view visibility, short iconKind, short level,
                              std::string_view time = {});

// A line placemark up to its open coordinates element; coordinate lines
// (AppendKmlCoordinate) and KmlLineClose follow.
std::string KmlLineOpen(std::string_view name, std::string_view lineColour, std::string_view fillColour, short level,
                        bool relativeToGround);
std::string KmlLineClose(short level);

// A placemark drawn like a line placemark whose geometry is a gx:Track, up
// to its first when; all when lines (AppendKmlWhen), then as many gx:coord
// lines (AppendKmlTrackCoord) in the same order, then KmlTrackClose.
std::string KmlTrackOpen(std::string_view name, std::string_view lineColour, std::string_view fillColour, short level,
                         bool relativeToGround);
void AppendKmlWhen(std::string& out, std::string_view time, short level);
void AppendKmlTrackCoord(std::string& out, std::string_view longitude, std::string_view latitude,
                         std::string_view elevation, short level);
std::string KmlTrackClose(short level);

// One coordinate line of a line placemark, appended to `out`.
void AppendKmlCoordinate(std::string& out, std::string_view longitude, std::string_view latitude,
                         std::string_view elevation, short level);

}  // namespace ruvela
