#include "core/xml_outline.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include <pugixml.hpp>

#include "core/regular_file.h"
#include "core/xml_document.h"

namespace ruvela {
namespace {

constexpr std::size_t kChunkSize = std::size_t{1} << 20;
// A run closes at the first element boundary past this size: large enough
// that a run's parse costs little beside its elements, small enough that
// its tree stays in the processor's caches.
constexpr std::uint64_t kRunSize = std::uint64_t{1} << 19;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The characters the parser accepts in names, and at their start.
bool IsNameCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x80 || (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
         c == '_' || c == ':' || c == '-' || c == '.';
}
bool IsNameStart(char c) { return IsNameCharacter(c) && !(c >= '0' && c <= '9') && c != '-' && c != '.'; }

// An opened element being read: its node and the names of the children that
// are opened or walked in turn.
struct OpenElement {
  OutlineNode* node = nullptr;
  std::string path;
  std::vector<std::string> openedChildren;
  std::vector<std::pair<std::string, int>> walkedChildren;  // name and its index in the rule
  OutlineNode* run = nullptr;                               // the run being extended, if any
};

class OutlineScanner {
 public:
  OutlineScanner(RegularFile& file, const OutlineRule& rule) : file_(file), rule_(rule) { document_.opened = true; }

  std::optional<OutlineNode> run() {
    if (!fill(0) || !startsAsUtf8()) return std::nullopt;
    open(&document_, "");
    while (!failed_) {
      if (position_ == filled_ && !fill(position_)) break;  // the end of the file
      step();
    }
    const bool complete = !failed_ && stack_.size() == 1 && leafDepth_ == 0 && !document_.children.empty();
    if (!complete) return std::nullopt;
    return std::move(document_);
  }

 private:
  // Reads on, keeping the bytes from `keep` on; false at the end of the file
  // or on a read error (which also fails the outline).
  bool fill(std::size_t keep) {
    if (offset_ + filled_ >= file_.size()) return false;
    std::memmove(buffer_.data(), buffer_.data() + keep, filled_ - keep);
    offset_ += keep;
    filled_ -= keep;
    position_ -= std::min(position_, keep);
    if (buffer_.size() - filled_ < kChunkSize / 2) buffer_.resize(std::max(kChunkSize, filled_ * 2));
    const auto wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size() - filled_, file_.size() - offset_ - filled_));
    if (!file_.readAt(offset_ + filled_, buffer_.data() + filled_, wanted)) {
      failed_ = true;
      return false;
    }
    filled_ += wanted;
    return true;
  }

  // The outline reads UTF-8 only, as the parser would read this document.
  bool startsAsUtf8() {
    const std::string_view head(buffer_.data(), std::min<std::size_t>(filled_, 512));
    if (!ReadsAsUtf8(head)) return false;
    if (head.substr(0, 3) == "\xEF\xBB\xBF") position_ = 3;
    return true;
  }

  std::uint64_t at(std::size_t position) const { return offset_ + position; }
  bool inLeaf() const { return leafDepth_ > 0; }
  bool atDocumentLevel() const { return stack_.size() == 1 && !inLeaf(); }

  // One piece of the document from position_: text up to the next markup,
  // or one markup token. A token cut by the end of the buffer is read again
  // whole after the next fill.
  void step() {
    const char* begin = buffer_.data() + position_;
    const char* end = buffer_.data() + filled_;
    if (*begin != '<') {
      skipText(begin, end);
      return;
    }
    const char* after = nullptr;
    bool complete = true;
    if (end - begin < 2) {
      complete = false;
    } else if (begin[1] == '/') {
      after = endTag(begin, end, complete);
    } else if (begin[1] == '!' || begin[1] == '?') {
      after = specialToken(begin, end, complete);
    } else {
      after = startTag(begin, end, complete);
    }
    if (!complete) {
      if (!fill(position_)) failed_ = true;  // a token the file ends in
      return;
    }
    if (after == nullptr) {
      failed_ = true;
      return;
    }
    position_ = static_cast<std::size_t>(after - buffer_.data());
  }

  // Text inside an element to be parsed later is the parser's to check.
  // Between opened elements nothing reads it, but a NUL would end the
  // parser's reading of the whole document; at the top level only blanks
  // are left alone.
  void skipText(const char* begin, const char* end) {
    const void* markup = std::memchr(begin, '<', static_cast<std::size_t>(end - begin));
    const char* textEnd = markup != nullptr ? static_cast<const char*>(markup) : end;
    if (!inLeaf()) {
      const bool topLevel = atDocumentLevel();
      for (const char* c = begin; c != textEnd; ++c) {
        if (*c == '\0' || (topLevel && !IsBlank(*c))) failed_ = true;
      }
    }
    position_ = static_cast<std::size_t>(textEnd - buffer_.data());
  }

  // Comments, CDATA and processing instructions; a DOCTYPE or any other
  // declaration makes the outline give up.
  const char* specialToken(const char* begin, const char* end, bool& complete) {
    const std::string_view rest(begin, static_cast<std::size_t>(end - begin));
    std::string_view opening;
    std::string_view closing;
    if (begin[1] == '?') {
      if (rest.size() < 6) return complete = false, nullptr;
      if (!IsNameStart(begin[2]) || (isDeclaration(rest) && at(position_) > 3)) return nullptr;
      opening = "<?";
      closing = "?>";
    } else if (rest.substr(0, 4) == "<!--") {
      opening = "<!--";
      closing = "-->";
    } else if (rest.size() < 9) {
      return complete = false, nullptr;
    } else if (rest.substr(0, 9) == "<![CDATA[" && !atDocumentLevel()) {
      opening = "<![CDATA[";
      closing = "]]>";
    } else {
      return nullptr;
    }
    const auto close = rest.find(closing, opening.size());
    if (close == std::string_view::npos) return complete = false, nullptr;
    if (rest.substr(0, close).find('\0') != std::string_view::npos) return nullptr;
    return begin + close + closing.size();
  }

  // The XML declaration, which only the document's start may hold.
  static bool isDeclaration(std::string_view token) {
    return token.substr(2, 3) == "xml" && (IsBlank(token[5]) || token[5] == '?');
  }

  // The name right after `<` or `</`, or an empty view when there is none.
  static std::string_view nameAt(const char* start, const char* end) {
    if (start == end || !IsNameStart(*start)) return {};
    const char* c = start;
    while (c != end && IsNameCharacter(*c)) ++c;
    return {start, static_cast<std::size_t>(c - start)};
  }

  const char* startTag(const char* begin, const char* end, bool& complete) {
    const std::string_view name = nameAt(begin + 1, end);
    const char* c = begin + 1 + name.size();
    if (c == end) return complete = false, nullptr;
    if (name.empty() || !(IsBlank(*c) || *c == '/' || *c == '>')) return nullptr;
    // Quoted values may hold '>'.
    for (; c != end; ++c) {
      if (*c == '"' || *c == '\'') {
        const void* quote = std::memchr(c + 1, *c, static_cast<std::size_t>(end - c - 1));
        if (quote == nullptr) break;
        c = static_cast<const char*>(quote);
      } else if (*c == '>') {
        const bool empty = c[-1] == '/';
        if (!element(name, begin, c + 1, empty)) return nullptr;
        return c + 1;
      } else if (*c == '<' || *c == '\0') {
        return nullptr;
      }
    }
    complete = false;
    return nullptr;
  }

  const char* endTag(const char* begin, const char* end, bool& complete) {
    const std::string_view name = nameAt(begin + 2, end);
    const char* c = begin + 2 + name.size();
    while (c != end && IsBlank(*c)) ++c;
    if (c == end) return complete = false, nullptr;
    if (name.empty() || *c != '>') return nullptr;
    if (inLeaf()) {
      if (--leafDepth_ == 0) stack_.back().run->range.end = at(static_cast<std::size_t>(c + 1 - buffer_.data()));
      return c + 1;
    }
    if (stack_.size() == 1 || name != stack_.back().node->name) return nullptr;
    stack_.pop_back();
    return c + 1;
  }

  // A start tag from `begin` to `end` (its `>` included).
  bool element(std::string_view name, const char* begin, const char* end, bool empty) {
    if (inLeaf()) {
      if (!empty) ++leafDepth_;
      return true;
    }
    OpenElement& parent = stack_.back();
    const ByteRange tag{at(static_cast<std::size_t>(begin - buffer_.data())),
                        at(static_cast<std::size_t>(end - buffer_.data()))};
    const auto& opened = parent.openedChildren;
    if (std::find(opened.begin(), opened.end(), name) != opened.end()) {
      if (!IsWellFormedStartTag(std::string_view(begin, static_cast<std::size_t>(end - begin)))) return false;
      parent.run = nullptr;
      OutlineNode& child = parent.node->children.emplace_back();
      child.opened = true;
      child.name = std::string(name);
      child.range = tag;
      if (!empty) open(&child, parent.path.empty() ? child.name : parent.path + "/" + child.name);
      return true;
    }
    int kind = -1;
    for (const auto& [walkedName, index] : parent.walkedChildren) {
      if (walkedName == name) kind = index;
    }
    OutlineNode* run = parent.run;
    if (run == nullptr || run->walkedKind != kind || tag.begin - run->range.begin >= kRunSize) {
      run = &parent.node->children.emplace_back();
      run->walkedKind = kind;
      run->range.begin = tag.begin;
      parent.run = run;
    }
    run->range.end = tag.end;
    if (!empty) leafDepth_ = 1;
    return true;
  }

  void open(OutlineNode* node, std::string path) {
    OpenElement element;
    element.node = node;
    const std::string prefix = path.empty() ? "" : path + "/";
    for (const std::string& opened : rule_.opened) {
      if (opened.size() > prefix.size() && opened.compare(0, prefix.size(), prefix) == 0 &&
          opened.find('/', prefix.size()) == std::string::npos) {
        element.openedChildren.push_back(opened.substr(prefix.size()));
      }
    }
    for (std::size_t i = 0; i < rule_.walked.size(); ++i) {
      const std::string& walked = rule_.walked[i];
      if (walked.size() > prefix.size() && walked.compare(0, prefix.size(), prefix) == 0 &&
          walked.find('/', prefix.size()) == std::string::npos) {
        element.walkedChildren.emplace_back(walked.substr(prefix.size()), static_cast<int>(i));
      }
    }
    element.path = std::move(path);
    stack_.push_back(std::move(element));
  }

  RegularFile& file_;
  const OutlineRule& rule_;
  std::vector<char> buffer_ = std::vector<char>(kChunkSize);
  std::uint64_t offset_ = 0;  // where buffer_ starts in the file
  std::size_t filled_ = 0;
  std::size_t position_ = 0;
  bool failed_ = false;
  OutlineNode document_;
  std::vector<OpenElement> stack_;  // the document, then each opened element being read
  int leafDepth_ = 0;               // depth inside an element of a run
};

}  // namespace

std::optional<OutlineNode> OutlineXmlFile(RegularFile& file, const OutlineRule& rule) {
  if (!file.isOpen()) return std::nullopt;
  return OutlineScanner(file, rule).run();
}

const pugi::xml_document* OutlineRuns::parse(const OutlineNode& run) {
  if (parsedRun_ == &run) return &document_;
  parsedRun_ = nullptr;
  ++parseCount_;
  document_.reset();
  const auto size = static_cast<std::size_t>(run.range.end - run.range.begin);
  if (buffer_.size() < size) buffer_.resize(size);
  if (!file_.readAt(run.range.begin, buffer_.data(), size)) return nullptr;
  if (!ParseElementRun(buffer_.data(), size, document_)) return nullptr;
  parsedRun_ = &run;
  parsed_.insert(&run);
  return &document_;
}

bool OutlineRuns::parseEach(const OutlineNode& node, const std::function<bool(const OutlineNode& run)>& wanted) {
  for (const OutlineNode& child : node.children) {
    if (child.opened) {
      if (!parseEach(child, wanted)) return false;
    } else if (wanted(child) && !parsed_.contains(&child) && parse(child) == nullptr) {
      return false;
    }
  }
  return true;
}

}  // namespace ruvela
