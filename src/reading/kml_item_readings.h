// The two readings of a KML document's placemarks and folders: from the
// file's outline, a run of elements at a time, or from the whole document's
// tree when the outline cannot follow the file.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "reading/xml_outline.h"
#include "walk/kml_items.h"

namespace ruvela {

// The items of a loaded document.
class KmlTreeItems final : public KmlItems {
 public:
  explicit KmlTreeItems(const pugi::xml_document& document) : document_(document) {}
  bool forEachRoot(const std::string& rootPath, const ContainerVisit& visit) override;
  bool forEachPlacemark(const KmlContainer& container, const ElementVisit& visit) override;
  bool forEachFolder(const KmlContainer& container, const ContainerVisit& visit) override;
  bool readName(const KmlContainer& container, std::string& name) override;
  std::size_t keep(pugi::xml_node placemark) override;
  bool visitKept(std::size_t kept, const ElementVisit& visit) override;

 private:
  const pugi::xml_document& document_;
  std::vector<pugi::xml_node> kept_;
};

// The same items read from an outline of the file. A folder the outline
// opened is walked run by run; a smaller one is parsed whole with its run
// and walked as the tree's reading walks it.
class KmlOutlineItems final : public KmlItems {
 public:
  // What the outline of a KML file opens and walks: both roots, and the
  // folders below them as deep as the conversion enters them.
  static OutlineRule Rule(int deepestFolderLevel);

  KmlOutlineItems(const OutlineNode& outline, RegularFile& file, std::size_t chunkSize = OutlineRule{}.chunkSize)
      : outline_(outline), runs_(file, chunkSize) {}
  bool forEachRoot(const std::string& rootPath, const ContainerVisit& visit) override;
  bool forEachPlacemark(const KmlContainer& container, const ElementVisit& visit) override;
  bool forEachFolder(const KmlContainer& container, const ContainerVisit& visit) override;
  bool readName(const KmlContainer& container, std::string& name) override;
  std::size_t keep(pugi::xml_node placemark) override;
  bool visitKept(std::size_t kept, const ElementVisit& visit) override;

  // Parses every run that no walk reads, so that a document broken there is
  // found before anything is converted. False when one is broken.
  bool checkUnwalkedRuns();
  // Parses every run the walks did not reach; false when one is broken.
  bool checkUnreadRuns();
  // A run could not be read or parsed: the walk that met it stopped.
  bool failed() const { return runs_.failed(); }

 private:
  // A placemark kept: its run, and the position among element siblings of
  // it and of each of its ancestors, from the run's top level down.
  struct KeptPlacemark {
    const OutlineNode* run;
    std::vector<std::size_t> positions;
  };
  // An element and its position among its element siblings, in one parse.
  struct Placed {
    std::size_t parse = 0;
    pugi::xml_node node;
    std::size_t position = 0;
  };
  std::size_t positionOf(pugi::xml_node element);
  pugi::xml_node elementAt(pugi::xml_node parent, std::size_t position);

  const OutlineNode& outline_;
  OutlineRuns runs_;
  std::vector<KeptPlacemark> kept_;
  // Kept placemarks come, and are visited again, in document order within
  // a run: the search for the next one starts from the last one.
  Placed lastKept_;
  Placed lastFound_;
};

}  // namespace ruvela
