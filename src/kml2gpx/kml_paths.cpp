#include "kml2gpx/kml_paths.h"

#include <string_view>

#include "kml2gpx/gpx_writer.h"
#include "reading/xml_values.h"

namespace ruvela {
namespace {

constexpr const char* kLineString = "LineString";
constexpr const char* kTrack = "gx:Track";

bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsLine(pugi::xml_node node) {
  return node.type() == pugi::node_element &&
         (std::string_view(node.name()) == kLineString || std::string_view(node.name()) == kTrack);
}

bool IsLineGroup(pugi::xml_node node) {
  const std::string_view name = node.name();
  return node.type() == pugi::node_element && (name == "MultiGeometry" || name == "gx:MultiTrack");
}

// The next white-space separated word of `text` from `at`, or empty.
std::string_view NextWord(std::string_view text, std::size_t& at) {
  while (at < text.size() && IsXmlSpace(text[at])) ++at;
  const std::size_t start = at;
  while (at < text.size() && !IsXmlSpace(text[at])) ++at;
  return text.substr(start, at - start);
}

std::string_view WithoutXmlSpace(std::string_view text) {
  while (!text.empty() && IsXmlSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsXmlSpace(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::vector<pugi::xml_node> PathLines(pugi::xml_node placemark) {
  std::vector<pugi::xml_node> lines;
  for (pugi::xml_node child = placemark.first_child(); child; child = child.next_sibling()) {
    if (IsLine(child)) {
      lines.push_back(child);
    } else if (IsLineGroup(child)) {
      for (pugi::xml_node member = child.first_child(); member; member = member.next_sibling()) {
        if (IsLine(member)) lines.push_back(member);
      }
    }
  }
  return lines;
}

LinePoints::LinePoints(pugi::xml_node line) : isTrack_(std::string_view(line.name()) == kTrack) {
  if (isTrack_) {
    coord_ = line.child("gx:coord");
    when_ = line.child("when");
  } else {
    coordinates_ = ReadChildText(line, "coordinates");
  }
}

bool LinePoints::next(PathPoint& point) { return isTrack_ ? nextTrackCoord(point) : nextTuple(point); }

// Tuples are separated by white space, but blanks next to a comma belong to
// the tuple ("1, 2, 3" is one point), as some programs write them.
bool LinePoints::nextTuple(PathPoint& point) {
  const std::string_view text = coordinates_;
  while (position_ < text.size() && IsXmlSpace(text[position_])) ++position_;
  if (position_ >= text.size()) return false;
  const std::size_t start = position_;
  while (position_ < text.size()) {
    if (!IsXmlSpace(text[position_])) {
      ++position_;
      continue;
    }
    std::size_t next = position_;
    while (next < text.size() && IsXmlSpace(text[next])) ++next;
    const bool joinsComma = text[position_ - 1] == ',' || (next < text.size() && text[next] == ',');
    if (!joinsComma) break;
    position_ = next;
  }
  const KmlCoordinates parts = SplitKmlCoordinates(text.substr(start, position_ - start));
  point = {WithoutXmlSpace(parts.longitude), WithoutXmlSpace(parts.latitude), WithoutXmlSpace(parts.elevation), {}};
  return true;
}

// A gx:coord holds "longitude latitude altitude"; its time is the when
// element in the same place among the track's when elements.
bool LinePoints::nextTrackCoord(PathPoint& point) {
  if (!coord_) return false;
  coordText_ = ReadElementText(coord_);
  whenText_ = when_ ? ReadElementText(when_) : std::string();
  coord_ = coord_.next_sibling("gx:coord");
  if (when_) when_ = when_.next_sibling("when");

  const std::string_view text = coordText_;
  std::size_t at = 0;
  point.longitude = NextWord(text, at);
  point.latitude = NextWord(text, at);
  point.elevation = WithoutXmlSpace(text.substr(at));
  point.time = whenText_;
  return true;
}

}  // namespace ruvela
