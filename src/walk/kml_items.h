// Where the KML conversion reads its placemarks and folders: the elements
// at a root path ("kml", "kml/Document"), the placemarks and folders
// directly inside each, and the placemarks it keeps for later (paths become
// tracks after everything else). The document source decides how they are
// read; the walk only visits them.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include <pugixml.hpp>

namespace ruvela {

// Folders are visited down to this level below a root; deeper ones are not
// entered.
inline constexpr int kDeepestFolderLevel = 5;

// A root or a folder. Only the reading that gave it knows what it stands
// for: the walk hands it back to that reading and never looks inside.
struct KmlContainer {
  const void* place = nullptr;
  int kind = 0;  // which of the reading's own kinds of place it is
};

class KmlItems {
 public:
  using ElementVisit = std::function<bool(pugi::xml_node)>;
  using ContainerVisit = std::function<bool(const KmlContainer&)>;

  virtual ~KmlItems() = default;
  // Each walk visits in document order and stops, returning false, when a
  // visit returns false or the rest of the document cannot be read.
  virtual bool forEachRoot(const std::string& rootPath, const ContainerVisit& visit) = 0;
  virtual bool forEachPlacemark(const KmlContainer& container, const ElementVisit& visit) = 0;
  virtual bool forEachFolder(const KmlContainer& container, const ContainerVisit& visit) = 0;
  // The text of the container's first child element whose local name is
  // "name", empty without one; false when it cannot be read.
  virtual bool readName(const KmlContainer& container, std::string& name) = 0;
  // Keeps the placemark being visited; visitKept visits it again later.
  virtual std::size_t keep(pugi::xml_node placemark) = 0;
  virtual bool visitKept(std::size_t kept, const ElementVisit& visit) = 0;
};

}  // namespace ruvela
