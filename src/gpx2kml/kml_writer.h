// The blocks of a KML 2.0 document, as text. Every line ends in CR LF and is
// indented two blanks per nesting step; inserted values are escaped so the
// document stays well-formed, and names are trimmed of blanks where noted.
#pragma once

#include <string>
#include <string_view>

namespace ruvela {

// Declaration, kml start tag, the credit box and the document folder start.
std::string KmlDocumentHeader(std::string_view documentName);
// Closes the document folder and the document.
std::string KmlDocumentFooter();

std::string KmlFolderOpen(std::string_view folderName, short level);
std::string KmlFolderClose(short level);

// A point placemark; icon kind 1 is the route point icon, any other kind the
// waypoint icon.
std::string KmlPointPlacemark(std::string_view name, std::string_view longitude, std::string_view latitude,
                              std::string_view elevation, std::string_view visibility, short iconKind, short level);

// A line placemark up to its open coordinates element; coordinate lines
// (AppendKmlCoordinate) and KmlLineClose follow.
std::string KmlLineOpen(std::string_view name, std::string_view lineColour, std::string_view fillColour, short level,
                        bool relativeToGround);
std::string KmlLineClose(short level);

// One coordinate line of a line placemark, appended to `out`.
void AppendKmlCoordinate(std::string& out, std::string_view longitude, std::string_view latitude,
                         std::string_view elevation, short level);

}  // namespace ruvela
