// The blocks of a GPX 1.1 document for Garmin MapSource, as text. Every line
// ends in CR LF and is indented two blanks per nesting step; inserted values
// are escaped so the document stays well-formed.
#pragma once

#include <string>
#include <string_view>

namespace ruvela {

// A KML coordinates text cut at its first two commas. With one comma the
// elevation is empty; with none, the whole text is the longitude.
struct KmlCoordinates {
  std::string_view longitude;
  std::string_view latitude;
  std::string_view elevation;  // everything after the second comma
};
KmlCoordinates SplitKmlCoordinates(std::string_view coordinates);

// Declaration, gpx start tag and the credit comment, then an empty line.
std::string GpxDocumentHeader();
// An empty line and the gpx end tag.
std::string GpxDocumentFooter();

std::string GpxRouteOpen(std::string_view name, short level);
std::string GpxRouteClose(short level);

// A track: its start (trk and name), a segment's start and end, the end.
std::string GpxTrackOpen(std::string_view name, short level);
std::string GpxTrackSegmentOpen(short level);
std::string GpxTrackSegmentClose(short level);
std::string GpxTrackClose(short level);
// One trkpt at `level`, from the texts of a path point: ele only when the
// elevation is a decimal number, time only when it is a dateTime.
void AppendGpxTrackPoint(std::string& out, std::string_view latitude, std::string_view longitude,
                         std::string_view elevation, std::string_view time, short level);

// A route point appended to `out`: the position is written as given (the
// caller leaves out points without a valid one); the ele line only when the
// elevation is a decimal number, the time line only when `time` is a
// dateTime.
void AppendGpxRoutePoint(std::string& out, std::string_view name, std::string_view description,
                         std::string_view coordinates, std::string_view symbol, short level,
                         std::string_view time = {});
// Like a route point, as a wpt element followed by an empty line.
void AppendGpxWaypoint(std::string& out, std::string_view name, std::string_view description,
                       std::string_view coordinates, std::string_view symbol, short level, std::string_view time = {});

}  // namespace ruvela
