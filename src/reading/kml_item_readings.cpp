#include "reading/kml_item_readings.h"

#include <algorithm>

#include "reading/xml_values.h"

namespace ruvela {
namespace {

// The kinds of place a container stands for: an element of a parsed tree
// (the whole document's, or a run's), or an element the outline opened.
constexpr int kElement = 0;
constexpr int kOpened = 1;

KmlContainer ContainerOf(pugi::xml_node element) { return {element.internal_object(), kElement}; }
KmlContainer ContainerOf(const OutlineNode& opened) { return {&opened, kOpened}; }

pugi::xml_node ElementOf(const KmlContainer& container) {
  if (container.kind != kElement) return {};
  return pugi::xml_node(static_cast<pugi::xml_node_struct*>(const_cast<void*>(container.place)));
}

const OutlineNode* OpenedOf(const KmlContainer& container) {
  return container.kind == kOpened ? static_cast<const OutlineNode*>(container.place) : nullptr;
}

bool IsNameElement(pugi::xml_node node) {
  return node.type() == pugi::node_element && LocalName(node.name()) == "name";
}

// Where `element` stands among its element siblings.
std::size_t ElementPosition(pugi::xml_node element) {
  std::size_t before = 0;
  for (pugi::xml_node node = element.previous_sibling(); node; node = node.previous_sibling()) {
    if (node.type() == pugi::node_element) ++before;
  }
  return before;
}

// The walks over a folder held in a parsed tree, by either reading.
bool ForEachTreePlacemark(pugi::xml_node container, const KmlItems::ElementVisit& visit) {
  return ForEachElementAt(container, "Placemark", visit);
}

bool ForEachTreeFolder(pugi::xml_node container, const KmlItems::ContainerVisit& visit) {
  return ForEachElementAt(container, "Folder", [&visit](pugi::xml_node folder) { return visit(ContainerOf(folder)); });
}

}  // namespace

bool KmlTreeItems::forEachRoot(const std::string& rootPath, const ContainerVisit& visit) {
  return ForEachElementAt(document_, rootPath, [&visit](pugi::xml_node root) { return visit(ContainerOf(root)); });
}

bool KmlTreeItems::forEachPlacemark(const KmlContainer& container, const ElementVisit& visit) {
  return ForEachTreePlacemark(ElementOf(container), visit);
}

bool KmlTreeItems::forEachFolder(const KmlContainer& container, const ContainerVisit& visit) {
  return ForEachTreeFolder(ElementOf(container), visit);
}

bool KmlTreeItems::readName(const KmlContainer& container, std::string& name) {
  name = ReadChildText(ElementOf(container), "name");
  return true;
}

std::size_t KmlTreeItems::keep(pugi::xml_node placemark) {
  kept_.push_back(placemark);
  return kept_.size() - 1;
}

bool KmlTreeItems::visitKept(std::size_t kept, const ElementVisit& visit) { return visit(kept_[kept]); }

OutlineRule KmlOutlineItems::Rule(int deepestFolderLevel) {
  OutlineRule rule;
  for (const std::string root : {"kml", "kml/Document"}) {
    rule.opened.push_back(root);
    std::string folder = root;
    rule.walked.push_back(folder + "/Placemark");
    for (int level = 1; level <= deepestFolderLevel; ++level) {
      folder += "/Folder";
      rule.opened.push_back(folder);
      rule.walked.push_back(folder + "/Placemark");
    }
  }
  return rule;
}

bool KmlOutlineItems::forEachRoot(const std::string& rootPath, const ContainerVisit& visit) {
  return runs_.forEachAt(
      outline_, rootPath, [&visit](pugi::xml_node root) { return visit(ContainerOf(root)); },
      [&visit](const OutlineNode& root) { return visit(ContainerOf(root)); });
}

bool KmlOutlineItems::forEachPlacemark(const KmlContainer& container, const ElementVisit& visit) {
  const OutlineNode* opened = OpenedOf(container);
  if (opened == nullptr) return ForEachTreePlacemark(ElementOf(container), visit);
  return runs_.forEachAt(*opened, "Placemark", visit);
}

bool KmlOutlineItems::forEachFolder(const KmlContainer& container, const ContainerVisit& visit) {
  const OutlineNode* opened = OpenedOf(container);
  if (opened == nullptr) return ForEachTreeFolder(ElementOf(container), visit);
  return runs_.forEachAt(
      *opened, "Folder", [&visit](pugi::xml_node folder) { return visit(ContainerOf(folder)); },
      [&visit](const OutlineNode& folder) { return visit(ContainerOf(folder)); });
}

// The name is in a run that holds elements no walk visits, never in an
// opened folder.
bool KmlOutlineItems::readName(const KmlContainer& container, std::string& name) {
  name.clear();
  const OutlineNode* opened = OpenedOf(container);
  if (opened == nullptr) {
    name = ReadChildText(ElementOf(container), "name");
    return true;
  }
  for (const OutlineNode& run : opened->children) {
    if (run.opened || !run.holdsOthers) continue;
    const pugi::xml_document* elements = runs_.parse(run);
    if (elements == nullptr) return false;
    for (pugi::xml_node child = elements->first_child(); child; child = child.next_sibling()) {
      if (IsNameElement(child)) {
        name = ReadElementText(child);
        return true;
      }
    }
  }
  return true;
}

std::size_t KmlOutlineItems::keep(pugi::xml_node placemark) {
  KeptPlacemark kept{runs_.parsedRun(), {positionOf(placemark)}};
  for (pugi::xml_node node = placemark.parent(); node.parent(); node = node.parent()) {
    kept.positions.push_back(ElementPosition(node));
  }
  std::reverse(kept.positions.begin(), kept.positions.end());
  kept_.push_back(std::move(kept));
  return kept_.size() - 1;
}

bool KmlOutlineItems::visitKept(std::size_t kept, const ElementVisit& visit) {
  const KeptPlacemark& placemark = kept_[kept];
  const pugi::xml_document* elements = runs_.parse(*placemark.run);
  if (elements == nullptr) return false;
  pugi::xml_node node = *elements;
  for (std::size_t position : placemark.positions) node = elementAt(node, position);
  return visit(node);
}

std::size_t KmlOutlineItems::positionOf(pugi::xml_node element) {
  std::size_t before = 0;
  for (pugi::xml_node node = element.previous_sibling(); node; node = node.previous_sibling()) {
    if (lastKept_.parse == runs_.parseCount() && node == lastKept_.node) {
      before += lastKept_.position + 1;
      break;
    }
    if (node.type() == pugi::node_element) ++before;
  }
  lastKept_ = {runs_.parseCount(), element, before};
  return before;
}

pugi::xml_node KmlOutlineItems::elementAt(pugi::xml_node parent, std::size_t position) {
  Placed found{runs_.parseCount(), parent.first_child(), 0};
  if (lastFound_.parse == found.parse && lastFound_.node.parent() == parent && lastFound_.position <= position) {
    found = lastFound_;
  }
  while (found.node && (found.node.type() != pugi::node_element || found.position < position)) {
    if (found.node.type() == pugi::node_element) ++found.position;
    found.node = found.node.next_sibling();
  }
  lastFound_ = found;
  return found.node;
}

bool KmlOutlineItems::checkUnwalkedRuns() { return runs_.parseUnwalked(outline_); }

bool KmlOutlineItems::checkUnreadRuns() { return runs_.parseUnread(outline_); }

}  // namespace ruvela
