#include "fuzz/outline_check.h"

#include <algorithm>
#include <cstdint>
#include <sstream>

#include "files/regular_file.h"
#include "reading/document_source.h"
#include "reading/gpx_item_readings.h"
#include "reading/kml_item_readings.h"
#include "reading/xml_outline.h"

namespace ruvela::robustness {
namespace {

// What a reading visits, one line per visit, and whether it went through.
struct Walk {
  std::string visits;
  bool complete = true;
  void add(const std::string& what, pugi::xml_node node) {
    std::ostringstream printed;
    node.print(printed, "", pugi::format_raw);
    visits += what + printed.str() + "\n";
  }
  std::function<bool(pugi::xml_node)> recorder(const std::string& what) {
    return [this, what](pugi::xml_node node) { return add(what, node), true; };
  }
  void expect(bool went) { complete = complete && went; }
};

Walk WalkGpx(GpxItems& items) {
  Walk walk;
  walk.expect(items.forEachWaypoint(walk.recorder("wpt ")));
  walk.expect(items.forEachRoute(walk.recorder("rte ")));
  walk.expect(items.forEachTrack([&walk](const std::string& name, const GpxItems::PointWalk& points) {
    walk.visits += "trk " + name + "\n";
    // A track kept with its times is walked once more for each kind of line.
    return points(walk.recorder("trkpt ")) && points(walk.recorder("again "));
  }));
  return walk;
}

void WalkKmlContainer(KmlItems& items, const KmlContainer& container, int level, Walk& walk,
                      std::vector<std::size_t>& kept) {
  std::string name;
  walk.expect(items.readName(container, name));
  walk.visits += "folder " + std::to_string(level) + " " + name + "\n";
  walk.expect(items.forEachPlacemark(container, [&](pugi::xml_node placemark) {
    kept.push_back(items.keep(placemark));
    return walk.add("placemark ", placemark), true;
  }));
  if (level == kDeepestFolderLevel) return;
  walk.expect(items.forEachFolder(container, [&](const KmlContainer& folder) {
    return WalkKmlContainer(items, folder, level + 1, walk, kept), true;
  }));
}

// Every placemark is kept, and visited again after both roots' walks.
Walk WalkKml(KmlItems& items) {
  Walk walk;
  std::vector<std::size_t> kept;
  for (const char* root : {"kml", "kml/Document"}) {
    walk.expect(items.forEachRoot(
        root, [&](const KmlContainer& container) { return WalkKmlContainer(items, container, 0, walk, kept), true; }));
  }
  for (std::size_t placemark : kept) walk.expect(items.visitKept(placemark, walk.recorder("kept ")));
  return walk;
}

// The outline's walks, incomplete when a run they parsed was broken.
Walk WalkOutline(GpxOutlineItems& items) {
  if (!items.checkUnwalkedRuns()) return {"", false};
  Walk walk = WalkGpx(items);
  walk.expect(items.checkUnreadRuns() && !items.failed());
  return walk;
}

Walk WalkOutline(KmlOutlineItems& items) {
  if (!items.checkUnwalkedRuns()) return {"", false};
  Walk walk = WalkKml(items);
  walk.expect(items.checkUnreadRuns() && !items.failed());
  return walk;
}

// One comparison, at the outline's `sizes`.
std::string Compare(const std::filesystem::path& input, bool kml, OutlineSizes sizes, bool& outlined) {
  pugi::xml_document document;
  const bool loaded = LoadWholeDocument(input, document).ok();
  RegularFile file(input);
  OutlineRule rule = kml ? KmlOutlineItems::Rule(kDeepestFolderLevel) : GpxOutlineItems::Rule();
  rule.runSize = sizes.runSize;
  rule.chunkSize = sizes.chunkSize;
  const std::optional<OutlineNode> outline = OutlineXmlFile(file, rule);
  outlined = false;
  if (!outline) return "";

  GpxOutlineItems gpxOutline(*outline, file, sizes.chunkSize);
  KmlOutlineItems kmlOutline(*outline, file, sizes.chunkSize);
  const Walk read = kml ? WalkOutline(kmlOutline) : WalkOutline(gpxOutline);
  if (!loaded) return read.complete ? "the outline read through a document the parser refuses" : "";
  // The outline reads markup as the parser does: a run of a document the
  // parser takes is never broken.
  outlined = read.complete;
  if (!read.complete) return "a run of a document the parser takes was found broken";
  KmlTreeItems kmlTree(document);
  GpxTreeItems gpxTree(document);
  const Walk tree = kml ? WalkKml(kmlTree) : WalkGpx(gpxTree);
  if (read.visits == tree.visits) return "";
  const auto differs = std::mismatch(read.visits.begin(), read.visits.end(), tree.visits.begin(), tree.visits.end());
  const auto at = static_cast<std::size_t>(differs.first - read.visits.begin());
  return "the outline's reading differs at \"" + read.visits.substr(at, 60) + "\" (the tree's: \"" +
         tree.visits.substr(at, 60) + "\")";
}

}  // namespace

OutlineComparison CompareOutlineReading(const std::filesystem::path& input, Direction direction, OutlineSizes sizes) {
  OutlineComparison compared;
  compared.problem = Compare(input, direction == Direction::KmlToGpx, sizes, compared.outlined);
  return compared;
}

OutlineSizes SmallOutlineSizes(std::string_view document) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (const char c : document) hash = (hash ^ static_cast<std::uint8_t>(c)) * 16777619u;
  return {1 + hash % 97, 1 + (hash >> 8) % 31};
}

std::string CompareOutlineReadingAtAllSizes(const std::filesystem::path& input, Direction direction,
                                            OutlineSizes small) {
  std::string problem = CompareOutlineReading(input, direction, {}).problem;
  if (problem.empty()) problem = CompareOutlineReading(input, direction, small).problem;
  return problem;
}

}  // namespace ruvela::robustness
