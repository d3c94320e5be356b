// The paths of KML placemarks, read as lines of points: a LineString, a
// gx:Track recorded by a device, or several of them in a MultiGeometry or
// a gx:MultiTrack.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace ruvela {

// The lines of a placemark's path in document order: the LineString or
// gx:Track itself, or each one inside its MultiGeometry or gx:MultiTrack.
// Empty when the placemark holds no path.
std::vector<pugi::xml_node> PathLines(pugi::xml_node placemark);

// One point of a line, as the texts written in the document.
struct PathPoint {
  std::string_view longitude;
  std::string_view latitude;
  std::string_view elevation;  // everything after the latitude
  std::string_view time;       // a gx:Track's matching when; empty otherwise
};

// The points of one line, in order. The views of a point stay valid until
// the next call to next.
class LinePoints {
 public:
  explicit LinePoints(pugi::xml_node line);
  // False after the last point.
  bool next(PathPoint& point);

 private:
  bool nextTuple(PathPoint& point);
  bool nextTrackCoord(PathPoint& point);

  bool isTrack_;
  std::string coordinates_;  // a LineString's whole coordinates text
  std::size_t position_ = 0;
  pugi::xml_node coord_;  // a gx:Track's next gx:coord and its when
  pugi::xml_node when_;
  std::string coordText_;
  std::string whenText_;
};

}  // namespace ruvela
