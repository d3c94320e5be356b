// A document's outline: where the elements that a conversion walks one by
// one start and end, found in one pass over the file without building its
// tree. The conversion then parses those elements a run at a time, so a
// large document never needs memory for its whole tree (about twice the
// file for a track) nor for the whole file at once.
//
// The outline opens only the elements its rule names; everything else is
// kept as runs of sibling elements that the parser reads together later.
// Anything the outline cannot follow exactly as the parser would (another
// encoding than UTF-8, a DOCTYPE, broken structure) makes it give up, and
// the document is then loaded whole, which also yields the parser's own
// message for a broken file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include <pugixml.hpp>

namespace ruvela {

class RegularFile;

struct ByteRange {
  std::uint64_t begin = 0;
  std::uint64_t end = 0;
};

// Elements by their path from the document, names as written ("gpx/trk").
struct OutlineRule {
  std::vector<std::string> opened;  // elements whose children are outlined one by one
  std::vector<std::string> walked;  // children of opened elements that a walk visits
};

// An opened element, or a run of sibling elements inside one.
struct OutlineNode {
  bool opened = false;
  std::string name;                   // an opened element's name as written
  ByteRange range;                    // a run: its bytes, from the first element's start to the last one's end;
                                      // an opened element: its start tag
  int walkedKind = -1;                // a run: the index in OutlineRule::walked of all its elements, or -1 for none
  std::vector<OutlineNode> children;  // an opened element's content in document order; the document's
                                      // own node holds its top-level elements
};

// The outline of `file` from its start, or nothing when the outline cannot
// follow it. The start tags of opened elements are checked by the parser
// on the way; runs are checked when they are parsed.
std::optional<OutlineNode> OutlineXmlFile(RegularFile& file, const OutlineRule& rule);

// Parses the runs of an outline from its file, one at a time, in the same
// memory each time.
class OutlineRuns {
 public:
  explicit OutlineRuns(RegularFile& file) : file_(file) {}
  // The elements of `run` as the document's top-level children, valid until
  // the next call for another run; nullptr when the run cannot be read or is
  // not well formed.
  const pugi::xml_document* parse(const OutlineNode& run);
  // Parses each run below `node` that `wanted` picks and that was not parsed
  // before; false at the first one that cannot be.
  bool parseEach(const OutlineNode& node, const std::function<bool(const OutlineNode& run)>& wanted);
  // How many times a run was parsed: nodes from before a change are gone.
  std::size_t parseCount() const { return parseCount_; }

 private:
  RegularFile& file_;
  std::vector<char> buffer_;
  pugi::xml_document document_;
  const OutlineNode* parsedRun_ = nullptr;  // the run document_ holds
  std::size_t parseCount_ = 0;
  std::unordered_set<const OutlineNode*> parsed_;
};

}  // namespace ruvela
