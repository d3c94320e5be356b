// The two readings of a GPX document's items: from the document's outline,
// a run of elements at a time, or from the whole document's tree when the
// outline cannot follow the file.
#pragma once

#include <cstddef>
#include <string>

#include <pugixml.hpp>

#include "reading/xml_outline.h"
#include "walk/gpx_items.h"

namespace ruvela {

// The items of a loaded document: the gpx elements' wpt, rte and trk
// children, and trkseg/trkpt within each track.
class GpxTreeItems final : public GpxItems {
 public:
  explicit GpxTreeItems(const pugi::xml_document& document) : document_(document) {}
  bool forEachWaypoint(const ElementVisit& visit) override;
  bool forEachRoute(const ElementVisit& visit) override;
  bool forEachTrack(const TrackVisit& visit) override;

 private:
  const pugi::xml_document& document_;
};

// The same items read from an outline of the file.
class GpxOutlineItems final : public GpxItems {
 public:
  // What the outline of a GPX file opens and walks.
  static const OutlineRule& Rule();

  GpxOutlineItems(const OutlineNode& outline, RegularFile& file, std::size_t chunkSize = Rule().chunkSize)
      : outline_(outline), runs_(file, chunkSize) {}
  // Parses every run that no walk reads, so that a document broken there is
  // found before anything is converted. False when one is broken.
  bool checkUnwalkedRuns();
  // Parses every run the walks did not reach; false when one is broken.
  bool checkUnreadRuns();
  bool forEachWaypoint(const ElementVisit& visit) override;
  bool forEachRoute(const ElementVisit& visit) override;
  bool forEachTrack(const TrackVisit& visit) override;
  // A run could not be read or parsed: the walk that met it stopped.
  bool failed() const { return runs_.failed(); }

 private:
  bool readTrackName(const OutlineNode& track, std::string& name);

  const OutlineNode& outline_;
  OutlineRuns runs_;
};

}  // namespace ruvela
