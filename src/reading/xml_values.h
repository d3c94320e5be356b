// Reading values out of a loaded document. Missing values are empty texts,
// never errors.
#pragma once

#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace ruvela {

// The part of a qualified name after its first colon (the whole name when
// it has none).
std::string_view LocalName(std::string_view qualifiedName);

// The value of the first attribute whose local name is `name` (compared
// case-sensitively), or the empty text.
std::string ReadAttribute(pugi::xml_node node, std::string_view name);

// The text of the first direct child element whose local name is `name`:
// all text and CDATA of its subtree in document order, without leading and
// trailing blanks, tabs, carriage returns and line feeds. Empty when there
// is no such child.
std::string ReadChildText(pugi::xml_node node, std::string_view name);

// The text of `element` itself, read as ReadChildText reads a child's.
std::string ReadElementText(pugi::xml_node element);

// The first direct child element named exactly `name` (prefix included).
pugi::xml_node SelectChild(pugi::xml_node node, std::string_view name);

// Calls visit(element) for each element reached from `from` by the
// relative path `path` ("gpx/wpt", "trkseg/trkpt"): each step goes to the
// direct child elements named exactly as written, in document order.
// Stops early, returning false, when visit returns false.
template <typename Visit>
bool ForEachElementAt(pugi::xml_node from, std::string_view path, Visit&& visit) {
  const auto slash = path.find('/');
  const std::string_view step = path.substr(0, slash);
  for (pugi::xml_node child = from.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element || step != child.name()) continue;
    if (slash == std::string_view::npos) {
      if (!visit(child)) return false;
    } else if (!ForEachElementAt(child, path.substr(slash + 1), visit)) {
      return false;
    }
  }
  return true;
}

}  // namespace ruvela
