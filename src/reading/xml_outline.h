// A document's outline: where the elements that a conversion walks one by
// one start and end, found in one pass over the file without building its
// tree. The conversion then parses those elements a run at a time, so a
// large document never needs memory for its whole tree (about twice the
// file for a track) nor for the whole file at once.
//
// The outline opens the elements its rule names when they are large;
// everything else is kept as runs of sibling elements that the parser reads
// together later. On the way it reads every piece of markup as the parser
// does (comments, CDATA sections, processing instructions, quoted values),
// so a tag quoted inside one never moves the bounds of an element. Anything
// the outline cannot follow exactly as the parser would (another encoding
// than UTF-8, a DOCTYPE, a declaration past the start, broken structure, a
// second element at the top level) makes it give up, and the document is
// then loaded whole, which also yields the parser's own message for a
// broken file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
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
  std::vector<std::string> opened;  // elements whose children are outlined one by one, when large
  std::vector<std::string> walked;  // children of opened elements that a walk visits one by one
  // A run closes at the first element boundary past this size, and an
  // opened element smaller than this is parsed whole with its run: large
  // enough that a run's parse costs little beside its elements, small
  // enough that its tree stays in the processor's caches.
  std::uint64_t runSize = std::uint64_t{1} << 19;
  // How much of the file is read at a time, by the outline and by the runs
  // read ahead. Tests set both sizes to a few bytes, so that small
  // documents take every path that large ones take.
  std::size_t chunkSize = std::size_t{1} << 20;
};

// An opened element, or a run of sibling elements inside one. A run holds
// elements of any names, so that runs stay few however the names alternate:
// the outline never takes more memory than the tree it stands for.
struct OutlineNode {
  bool opened = false;
  std::string name;                   // an opened element's name as written
  std::vector<std::string> names;     // a run: the names of the walked or opened elements it holds, once each
  bool holdsOthers = false;           // a run: it holds elements no walk visits
  ByteRange range;                    // a run: its bytes, from its first element's start to its last one's end;
                                      // an opened element: its start tag
  std::size_t run = 0;                // a run's number, from 0 in the order found
  std::vector<OutlineNode> children;  // an opened element's content in document order; the document's
                                      // own node holds its top-level elements

  // Whether this is the opened element `elementName`, or a run that holds
  // elements of that name.
  bool holds(std::string_view elementName) const;
};

// The outline of `file` from its start, or nothing when the outline cannot
// follow it. The start tags of opened elements are checked by the parser
// on the way; runs are checked when they are parsed.
std::optional<OutlineNode> OutlineXmlFile(RegularFile& file, const OutlineRule& rule);

// Parses the runs of an outline from its file, one at a time, in the same
// memory each time, and walks paths through the outline.
class OutlineRuns {
 public:
  using ElementVisit = std::function<bool(pugi::xml_node)>;
  using OpenedVisit = std::function<bool(const OutlineNode&)>;

  explicit OutlineRuns(RegularFile& file, std::size_t chunkSize = OutlineRule{}.chunkSize)
      : file_(file), chunkSize_(chunkSize) {}

  // The elements of `run` as the document's top-level children, valid until
  // another run is parsed; nullptr when the run cannot be read or is not
  // well formed, which also makes failed() true.
  const pugi::xml_document* parse(const OutlineNode& run);
  // Visits the elements at the relative `path` below `node` in document
  // order: those in runs as parsed elements, opened ones as outline nodes.
  // Stops, returning false, when a visit returns false or a run fails.
  bool forEachAt(const OutlineNode& node, std::string_view path, const ElementVisit& element,
                 const OpenedVisit& opened = nullptr);
  // Parses every run below `node` that no walk reads (runs of elements
  // neither walked nor opened only), so that a document broken there is
  // found before anything is converted; false at the first broken one.
  bool parseUnwalked(const OutlineNode& node);
  // Parses every run below `node` not parsed yet; false at a broken one.
  bool parseUnread(const OutlineNode& node);

  bool failed() const { return failed_; }
  // The run whose elements are parsed now, and how many parses there were:
  // nodes from before the count changed are gone.
  const OutlineNode* parsedRun() const { return parsedRun_; }
  std::size_t parseCount() const { return parseCount_; }

 private:
  bool readRun(const OutlineNode& run, char* data, std::size_t size);
  bool parseEach(const OutlineNode& node, const std::function<bool(const OutlineNode& run)>& wanted);

  RegularFile& file_;
  const std::size_t chunkSize_;
  std::vector<char> window_;  // the file's bytes from windowStart_ on, read ahead for the runs that follow
  std::uint64_t windowStart_ = 0;
  std::vector<char> buffer_;  // the run being parsed, parsed in place
  pugi::xml_document document_;
  const OutlineNode* parsedRun_ = nullptr;
  std::size_t parseCount_ = 0;
  std::vector<bool> parsed_;  // by run number
  bool failed_ = false;
};

}  // namespace ruvela
