#include "reading/xml_values.h"

namespace ruvela {
namespace {

bool IsXmlBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view TrimXmlBlanks(std::string_view text) {
  while (!text.empty() && IsXmlBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsXmlBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsCharacterData(pugi::xml_node node) {
  return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// The text a node contributes itself: character data nodes their value, and
// elements the text that opens them, which the parser keeps as their value.
const char* OwnText(pugi::xml_node node) {
  return IsCharacterData(node) || node.type() == pugi::node_element ? node.value() : "";
}

// All character data of `element` and below, in document order. Walks the
// subtree with parent links instead of recursion, so any depth is safe.
std::string SubtreeText(pugi::xml_node element) {
  if (!element.first_child()) {
    return std::string(TrimXmlBlanks(element.value()));  // the usual case: text only
  }
  std::string text = element.value();
  pugi::xml_node node = element.first_child();
  while (node) {
    text += OwnText(node);
    if (node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node && node != element && !node.next_sibling()) node = node.parent();
    if (!node || node == element) break;
    node = node.next_sibling();
  }
  return std::string(TrimXmlBlanks(text));
}

// True when the part of `qualifiedName` after its first colon is `name`.
// Reads the name once, without measuring it first: it runs for every
// attribute and child of every track point.
bool HasLocalName(const char* qualifiedName, std::string_view name) {
  const char* local = qualifiedName;
  for (const char* c = qualifiedName; *c != '\0'; ++c) {
    if (*c == ':') {
      local = c + 1;
      break;
    }
  }
  for (char expected : name) {
    if (*local != expected) return false;
    ++local;
  }
  return *local == '\0';
}

}  // namespace

std::string_view LocalName(std::string_view qualifiedName) {
  const auto colon = qualifiedName.find(':');
  return colon == std::string_view::npos ? qualifiedName : qualifiedName.substr(colon + 1);
}

std::string ReadAttribute(pugi::xml_node node, std::string_view name) {
  for (pugi::xml_attribute attribute = node.first_attribute(); attribute; attribute = attribute.next_attribute()) {
    if (HasLocalName(attribute.name(), name)) return attribute.value();
  }
  return {};
}

std::string ReadChildText(pugi::xml_node node, std::string_view name) {
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    if (child.type() == pugi::node_element && HasLocalName(child.name(), name)) return SubtreeText(child);
  }
  return {};
}

std::string ReadElementText(pugi::xml_node element) { return SubtreeText(element); }

pugi::xml_node SelectChild(pugi::xml_node node, std::string_view name) {
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    if (child.type() == pugi::node_element && name == child.name()) return child;
  }
  return {};
}

}  // namespace ruvela
