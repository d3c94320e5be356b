// The items of a GPX document that the conversion reads, in the order it
// reads them: waypoints, routes, then each track's name and points. The
// document source decides how they are read; the walk only visits them.
#pragma once

#include <functional>
#include <string>

#include <pugixml.hpp>

namespace ruvela {

class GpxItems {
 public:
  using ElementVisit = std::function<bool(pugi::xml_node)>;
  using PointWalk = std::function<bool(const ElementVisit&)>;
  // A track's name, as the text of its name element, and the walk over its points.
  using TrackVisit = std::function<bool(const std::string& name, const PointWalk& points)>;

  virtual ~GpxItems() = default;
  // Each walk visits in document order and stops, returning false, when a
  // visit returns false or the rest of the document cannot be read.
  virtual bool forEachWaypoint(const ElementVisit& visit) = 0;
  virtual bool forEachRoute(const ElementVisit& visit) = 0;
  virtual bool forEachTrack(const TrackVisit& visit) = 0;
};

}  // namespace ruvela
