#include "gpx2kml/gpx_items.h"

#include "core/xml_values.h"

namespace ruvela {
namespace {

// The walked children of the outline's rule, by their index in it.
enum WalkedKind { kWaypoints = 0, kRoutes = 1, kTrackPoints = 2 };

}  // namespace

bool GpxTreeItems::forEachWaypoint(const ElementVisit& visit) { return ForEachElementAt(document_, "gpx/wpt", visit); }

bool GpxTreeItems::forEachRoute(const ElementVisit& visit) { return ForEachElementAt(document_, "gpx/rte", visit); }

bool GpxTreeItems::forEachTrack(const TrackVisit& visit) {
  return ForEachElementAt(document_, "gpx/trk", [&visit](pugi::xml_node track) {
    return visit(ReadChildText(track, "name"),
                 [track](const ElementVisit& point) { return ForEachElementAt(track, "trkseg/trkpt", point); });
  });
}

const OutlineRule& GpxOutlineItems::Rule() {
  static const OutlineRule rule{{"gpx", "gpx/trk", "gpx/trk/trkseg"}, {"gpx/wpt", "gpx/rte", "gpx/trk/trkseg/trkpt"}};
  return rule;
}

bool GpxOutlineItems::checkUnwalkedRuns() {
  return runs_.parseEach(outline_, [](const OutlineNode& run) { return run.walkedKind < 0; });
}

bool GpxOutlineItems::forEachWaypoint(const ElementVisit& visit) { return forEachChildRun(kWaypoints, "wpt", visit); }

bool GpxOutlineItems::forEachRoute(const ElementVisit& visit) { return forEachChildRun(kRoutes, "rte", visit); }

bool GpxOutlineItems::forEachTrack(const TrackVisit& visit) {
  for (const OutlineNode& root : outline_.children) {
    if (!root.opened || root.name != "gpx") continue;
    for (const OutlineNode& track : root.children) {
      if (!track.opened || track.name != "trk") continue;
      std::string name;
      if (!readTrackName(track, name)) return false;
      const PointWalk points = [this, &track](const ElementVisit& point) {
        for (const OutlineNode& segment : track.children) {
          if (segment.opened && !forEachRunElement(segment, kTrackPoints, "trkpt", point)) return false;
        }
        return true;
      };
      if (!visit(name, points)) return false;
    }
  }
  return true;
}

bool GpxOutlineItems::forEachChildRun(int kind, const std::string& name, const ElementVisit& visit) {
  for (const OutlineNode& root : outline_.children) {
    if (root.opened && root.name == "gpx" && !forEachRunElement(root, kind, name, visit)) return false;
  }
  return true;
}

bool GpxOutlineItems::forEachRunElement(const OutlineNode& parent, int kind, const std::string& name,
                                        const ElementVisit& visit) {
  for (const OutlineNode& run : parent.children) {
    if (run.opened || run.walkedKind != kind) continue;
    const pugi::xml_document* elements = runs_.parse(run);
    if (elements == nullptr) {
      failed_ = true;
      return false;
    }
    if (!ForEachElementAt(*elements, name, visit)) return false;
  }
  return true;
}

// The text of the track's first child whose local name is "name", as the
// tree's reading finds it: the runs hold every child but the segments.
bool GpxOutlineItems::readTrackName(const OutlineNode& track, std::string& name) {
  for (const OutlineNode& run : track.children) {
    if (run.opened) continue;
    const pugi::xml_document* elements = runs_.parse(run);
    if (elements == nullptr) {
      failed_ = true;
      return false;
    }
    for (pugi::xml_node child = elements->first_child(); child; child = child.next_sibling()) {
      if (child.type() == pugi::node_element && LocalName(child.name()) == "name") {
        name = ReadElementText(child);
        return true;
      }
    }
  }
  name.clear();
  return true;
}

}  // namespace ruvela
