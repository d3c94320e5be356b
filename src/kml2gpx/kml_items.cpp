#include "kml2gpx/kml_items.h"

#include "core/xml_values.h"

namespace ruvela {
namespace {

bool IsNameElement(pugi::xml_node node) {
  return node.type() == pugi::node_element && LocalName(node.name()) == "name";
}

// The steps of `path` from the document ("kml", "Document").
std::vector<std::string> PathSteps(const std::string& path) {
  std::vector<std::string> steps;
  std::size_t start = 0;
  while (start <= path.size()) {
    const auto slash = path.find('/', start);
    const auto end = slash == std::string::npos ? path.size() : slash;
    steps.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return steps;
}

}  // namespace

bool KmlTreeItems::forEachRoot(const std::string& rootPath, const ContainerVisit& visit) {
  return ForEachElementAt(document_, rootPath, [&visit](pugi::xml_node root) { return visit({root}); });
}

bool KmlTreeItems::forEachPlacemark(const KmlContainer& container, const ElementVisit& visit) {
  return ForEachElementAt(container.element, "Placemark", visit);
}

bool KmlTreeItems::forEachFolder(const KmlContainer& container, const ContainerVisit& visit) {
  return ForEachElementAt(container.element, "Folder", [&visit](pugi::xml_node folder) { return visit({folder}); });
}

bool KmlTreeItems::readName(const KmlContainer& container, std::string& name) {
  name = ReadChildText(container.element, "name");
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
  // The opened elements at the path, found step by step from the document.
  std::vector<const OutlineNode*> level{&outline_};
  for (const std::string& step : PathSteps(rootPath)) {
    std::vector<const OutlineNode*> next;
    for (const OutlineNode* node : level) {
      for (const OutlineNode& child : node->children) {
        if (child.opened && child.name == step) next.push_back(&child);
      }
    }
    level = std::move(next);
  }
  for (const OutlineNode* root : level) {
    if (!visit({{}, root})) return false;
  }
  return true;
}

bool KmlOutlineItems::forEachPlacemark(const KmlContainer& container, const ElementVisit& visit) {
  for (const OutlineNode& run : container.outline->children) {
    if (run.opened || run.walkedKind < 0) continue;
    const pugi::xml_document* elements = parse(run);
    if (elements == nullptr) return false;
    visitedRun_ = &run;
    visitedIndex_ = 0;
    for (pugi::xml_node child = elements->first_child(); child; child = child.next_sibling()) {
      if (child.type() != pugi::node_element) continue;
      if (!visit(child)) return false;
      ++visitedIndex_;
    }
  }
  return true;
}

bool KmlOutlineItems::forEachFolder(const KmlContainer& container, const ContainerVisit& visit) {
  for (const OutlineNode& child : container.outline->children) {
    if (child.opened && child.name == "Folder" && !visit({{}, &child})) return false;
  }
  return true;
}

// The runs hold every child but the opened folders, and no run of
// placemarks holds a name element.
bool KmlOutlineItems::readName(const KmlContainer& container, std::string& name) {
  name.clear();
  for (const OutlineNode& run : container.outline->children) {
    if (run.opened || run.walkedKind >= 0) continue;
    const pugi::xml_document* elements = parse(run);
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

std::size_t KmlOutlineItems::keep(pugi::xml_node /*placemark*/) {
  kept_.push_back({visitedRun_, visitedIndex_});
  return kept_.size() - 1;
}

// Kept placemarks are visited again in document order, so the search for
// one in its run goes on from where the one before it was found.
bool KmlOutlineItems::visitKept(std::size_t kept, const ElementVisit& visit) {
  const KeptPlacemark& placemark = kept_[kept];
  const pugi::xml_document* elements = parse(*placemark.run);
  if (elements == nullptr) return false;
  if (foundParse_ != runs_.parseCount() || foundRun_ != placemark.run || foundIndex_ > placemark.index) {
    foundParse_ = runs_.parseCount();
    foundRun_ = placemark.run;
    foundIndex_ = 0;
    found_ = elements->first_child();
  }
  for (; found_; found_ = found_.next_sibling()) {
    if (found_.type() != pugi::node_element) continue;
    if (foundIndex_ == placemark.index) return visit(found_);
    ++foundIndex_;
  }
  return true;
}

bool KmlOutlineItems::checkUnwalkedRuns() {
  return runs_.parseEach(outline_, [](const OutlineNode& run) { return run.walkedKind < 0; });
}

bool KmlOutlineItems::checkUnreadRuns() {
  return runs_.parseEach(outline_, [](const OutlineNode&) { return true; });
}

const pugi::xml_document* KmlOutlineItems::parse(const OutlineNode& run) {
  const pugi::xml_document* elements = runs_.parse(run);
  if (elements == nullptr) failed_ = true;
  return elements;
}

}  // namespace ruvela
