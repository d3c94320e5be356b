#include "reading/gpx_item_readings.h"

#include "reading/xml_values.h"

namespace ruvela {
namespace {

bool VisitTrack(pugi::xml_node track, const GpxItems::TrackVisit& visit) {
  return visit(ReadChildText(track, "name"),
               [track](const GpxItems::ElementVisit& point) { return ForEachElementAt(track, "trkseg/trkpt", point); });
}

}  // namespace

bool GpxTreeItems::forEachWaypoint(const ElementVisit& visit) { return ForEachElementAt(document_, "gpx/wpt", visit); }

bool GpxTreeItems::forEachRoute(const ElementVisit& visit) { return ForEachElementAt(document_, "gpx/rte", visit); }

bool GpxTreeItems::forEachTrack(const TrackVisit& visit) {
  return ForEachElementAt(document_, "gpx/trk", [&visit](pugi::xml_node track) { return VisitTrack(track, visit); });
}

const OutlineRule& GpxOutlineItems::Rule() {
  static const OutlineRule rule{{"gpx", "gpx/trk", "gpx/trk/trkseg"}, {"gpx/wpt", "gpx/rte", "gpx/trk/trkseg/trkpt"}};
  return rule;
}

bool GpxOutlineItems::checkUnwalkedRuns() { return runs_.parseUnwalked(outline_); }

bool GpxOutlineItems::checkUnreadRuns() { return runs_.parseUnread(outline_); }

bool GpxOutlineItems::forEachWaypoint(const ElementVisit& visit) { return runs_.forEachAt(outline_, "gpx/wpt", visit); }

bool GpxOutlineItems::forEachRoute(const ElementVisit& visit) { return runs_.forEachAt(outline_, "gpx/rte", visit); }

bool GpxOutlineItems::forEachTrack(const TrackVisit& visit) {
  return runs_.forEachAt(
      outline_, "gpx/trk", [&visit](pugi::xml_node track) { return VisitTrack(track, visit); },
      [this, &visit](const OutlineNode& track) {
        std::string name;
        if (!readTrackName(track, name)) return false;
        return visit(
            name, [this, &track](const ElementVisit& point) { return runs_.forEachAt(track, "trkseg/trkpt", point); });
      });
}

// The text of the track's first child whose local name is "name", as the
// tree's reading finds it: it is in a run that holds elements no walk
// visits.
bool GpxOutlineItems::readTrackName(const OutlineNode& track, std::string& name) {
  name.clear();
  for (const OutlineNode& run : track.children) {
    if (run.opened || !run.holdsOthers) continue;
    const pugi::xml_document* elements = runs_.parse(run);
    if (elements == nullptr) return false;
    for (pugi::xml_node child = elements->first_child(); child; child = child.next_sibling()) {
      if (child.type() == pugi::node_element && LocalName(child.name()) == "name") {
        name = ReadElementText(child);
        return true;
      }
    }
  }
  return true;
}

}  // namespace ruvela
