#include "core/xml_outline.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include <pugixml.hpp>

#include "core/regular_file.h"
#include "core/xml_document.h"
#include "core/xml_values.h"

namespace ruvela {
namespace {

constexpr std::size_t kChunkSize = std::size_t{1} << 20;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The characters the parser accepts in names, and at their start.
bool IsNameCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x80 || (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
         c == '_' || c == ':' || c == '-' || c == '.';
}
bool IsNameStart(char c) { return IsNameCharacter(c) && !(c >= '0' && c <= '9') && c != '-' && c != '.'; }

// The rule as a tree of paths: what each opened element's children may be.
struct RuleStep {
  std::vector<std::pair<std::string, std::size_t>> opened;  // a child's name and its own step
  std::vector<std::string> walked;
};

std::vector<RuleStep> RuleSteps(const OutlineRule& rule) {
  std::vector<RuleStep> steps(1);  // the document's
  const auto stepOf = [&steps](std::string_view path) {
    std::size_t step = 0;
    for (std::size_t start = 0; start < path.size();) {
      const std::string_view name = path.substr(start, path.find('/', start) - start);
      start += name.size() + 1;
      auto& children = steps[step].opened;
      const auto known = std::find_if(children.begin(), children.end(), [&](const auto& c) { return c.first == name; });
      if (known != children.end()) {
        step = known->second;
        continue;
      }
      children.emplace_back(std::string(name), steps.size());
      step = steps.size();
      steps.emplace_back();
    }
    return step;
  };
  for (const std::string& opened : rule.opened) stepOf(opened);
  for (const std::string& walked : rule.walked) {
    const auto slash = walked.rfind('/');
    const std::size_t parent = slash == std::string::npos ? 0 : stepOf(std::string_view(walked).substr(0, slash));
    steps[parent].walked.push_back(walked.substr(slash == std::string::npos ? 0 : slash + 1));
  }
  return steps;
}

// An opened element being read, and the step of the rule it is at.
struct OpenElement {
  OutlineNode* node = nullptr;
  std::size_t step = 0;
};

class OutlineScanner {
 public:
  OutlineScanner(RegularFile& file, const OutlineRule& rule)
      : file_(file), steps_(RuleSteps(rule)), runSize_(rule.runSize) {
    document_.opened = true;
  }

  std::optional<OutlineNode> run() {
    if (!fill(0) || !startsAsUtf8()) return std::nullopt;
    stack_.push_back({&document_, 0});
    while (!failed_) {
      if (position_ == filled_ && !fill(position_)) break;  // the end of the file
      step();
    }
    const bool complete = !failed_ && stack_.size() == 1 && !inLeaf() && !document_.children.empty();
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
  bool inLeaf() const { return !leafName_.empty(); }
  bool atDocumentLevel() const { return stack_.size() == 1 && !inLeaf(); }

  // One piece of the document from position_: text up to the next markup,
  // or one markup token. A token cut by the end of the buffer is read again
  // whole after the next fill.
  void step() {
    if (inLeaf()) {
      skipInsideLeaf();
      return;
    }
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

  // Inside an element of a run only its end matters: the parser checks the
  // rest when it parses the run. Only tags of the element's own name are
  // looked at, to find its end past any nested in it. Where they mislead
  // (one written in a comment, CDATA or a value), the run then holds
  // something unclosed or a stray end tag, its parse fails, and the
  // document is read whole instead.
  void skipInsideLeaf() {
    const std::string_view rest(buffer_.data() + position_, filled_ - position_);
    std::size_t from = 0;
    std::size_t keep = rest.size() - std::min(rest.size(), leafName_.size() + 1);  // may begin a tag
    for (std::size_t found; (found = rest.find(leafName_, from)) != std::string_view::npos; from = found + 1) {
      const bool endTag = found >= 2 && rest[found - 1] == '/' && rest[found - 2] == '<';
      if (!endTag && !(found >= 1 && rest[found - 1] == '<')) continue;
      const std::size_t tag = found - (endTag ? 2 : 1);
      const std::size_t after = found + leafName_.size();
      if (after == rest.size()) {
        keep = tag;
        break;
      }
      if (!(IsBlank(rest[after]) || rest[after] == '>' || (!endTag && rest[after] == '/'))) continue;
      const std::size_t close = rest.find('>', after);
      if (close == std::string_view::npos) {
        keep = tag;
        break;
      }
      found = close;
      if (!endTag) {
        if (rest[close - 1] != '/') ++leafDepth_;
      } else if (--leafDepth_ == 0) {
        position_ += close + 1;
        stack_.back().node->children.back().range.end = at(position_);
        leafName_.clear();
        return;
      }
      keep = rest.size() - std::min(rest.size() - (close + 1), leafName_.size() + 1);
    }
    position_ += keep;
    if (!fill(position_)) failed_ = true;  // the file ends inside the element
  }

  // Nothing reads the text between opened elements, but a NUL would end
  // the parser's reading of the whole document; at the top level only
  // blanks are left alone.
  void skipText(const char* begin, const char* end) {
    const void* markup = std::memchr(begin, '<', static_cast<std::size_t>(end - begin));
    const char* textEnd = markup != nullptr ? static_cast<const char*>(markup) : end;
    const bool topLevel = atDocumentLevel();
    for (const char* c = begin; c != textEnd; ++c) {
      if (*c == '\0' || (topLevel && !IsBlank(*c))) failed_ = true;
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
    const std::uint64_t tagEnd = at(static_cast<std::size_t>(c + 1 - buffer_.data()));
    if (stack_.size() == 1 || name != stack_.back().node->name) return nullptr;
    stack_.pop_back();
    // An opened element smaller than a run gains nothing from its outline:
    // it is parsed whole, with its siblings.
    OutlineNode& parent = *stack_.back().node;
    const std::uint64_t elementBegin = parent.children.back().range.begin;
    if (tagEnd - elementBegin < runSize_) {
      std::string elementName = std::move(parent.children.back().name);
      parent.children.pop_back();
      addToRun(parent, std::move(elementName), elementBegin, tagEnd);
    }
    return c + 1;
  }

  // A start tag from `begin` to `end` (its `>` included).
  bool element(std::string_view name, const char* begin, const char* end, bool empty) {
    const OpenElement parent = stack_.back();
    const RuleStep& step = steps_[parent.step];
    const std::uint64_t tagBegin = at(static_cast<std::size_t>(begin - buffer_.data()));
    const std::uint64_t tagEnd = at(static_cast<std::size_t>(end - buffer_.data()));
    const auto opened =
        std::find_if(step.opened.begin(), step.opened.end(), [&](const auto& child) { return child.first == name; });
    if (opened != step.opened.end() && !empty) {
      const std::string_view tag(begin, static_cast<std::size_t>(end - begin));
      if (tag.size() > name.size() + 2 && !IsWellFormedStartTag(tag)) return false;
      OutlineNode& child = parent.node->children.emplace_back();
      child.opened = true;
      child.name = std::string(name);
      child.range = {tagBegin, tagEnd};
      stack_.push_back({&child, opened->second});
      return true;
    }
    const bool named =
        opened != step.opened.end() || std::find(step.walked.begin(), step.walked.end(), name) != step.walked.end();
    addToRun(*parent.node, named ? std::string(name) : std::string(), tagBegin, tagEnd);
    if (!empty) {
      leafName_.assign(name);
      leafDepth_ = 1;
    }
    return true;
  }

  // Adds an element from `begin` to `end` to the run it belongs to: the
  // last one of `parent`, unless that one holds other names or is full.
  void addToRun(OutlineNode& parent, std::string name, std::uint64_t begin, std::uint64_t end) {
    auto& children = parent.children;
    const bool joins = !children.empty() && !children.back().opened && children.back().name == name &&
                       begin - children.back().range.begin < runSize_;
    if (!joins) {
      OutlineNode& run = children.emplace_back();
      run.name = std::move(name);
      run.range.begin = begin;
      run.run = runCount_++;
    }
    children.back().range.end = end;
  }

  RegularFile& file_;
  const std::vector<RuleStep> steps_;
  const std::uint64_t runSize_;
  std::vector<char> buffer_ = std::vector<char>(kChunkSize);
  std::uint64_t offset_ = 0;  // where buffer_ starts in the file
  std::size_t filled_ = 0;
  std::size_t position_ = 0;
  bool failed_ = false;
  OutlineNode document_;
  std::vector<OpenElement> stack_;  // the document, then each opened element being read
  std::string leafName_;            // the name of the element of a run being read, empty between them
  int leafDepth_ = 0;               // how many elements of that name are open
  std::size_t runCount_ = 0;
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
  if (buffer_.size() < size + 1) buffer_.resize(size + 1);
  // The parser reads a NUL as the end of its input, and where the input's
  // last character is a '>' it takes the tag the NUL cut as closed. So the
  // run ends in a blank: a NUL inside an element then always leaves it
  // unclosed, as it would in the whole document. (The outline refuses a NUL
  // between elements.)
  buffer_[size] = ' ';
  if (!readRun(run, buffer_.data(), size) || !ParseElementRun(buffer_.data(), size + 1, document_)) {
    failed_ = true;
    return nullptr;
  }
  parsedRun_ = &run;
  if (parsed_.size() <= run.run) parsed_.resize(run.run + 1);
  parsed_[run.run] = true;
  return &document_;
}

// Runs are mostly parsed in file order and many are small: they are copied
// from a window read ahead rather than read one by one.
bool OutlineRuns::readRun(const OutlineNode& run, char* data, std::size_t size) {
  const std::uint64_t begin = run.range.begin;
  const bool inWindow = begin >= windowStart_ && run.range.end <= windowStart_ + window_.size();
  if (!inWindow) {
    if (size >= kChunkSize / 2) return file_.readAt(begin, data, size);
    window_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(kChunkSize, file_.size() - begin)));
    windowStart_ = begin;
    if (window_.size() < size || !file_.readAt(begin, window_.data(), window_.size())) {
      window_.clear();
      return false;
    }
  }
  std::memcpy(data, window_.data() + (begin - windowStart_), size);
  return true;
}

bool OutlineRuns::forEachAt(const OutlineNode& node, std::string_view path, const ElementVisit& element,
                            const OpenedVisit& opened) {
  const auto slash = path.find('/');
  const std::string_view step = path.substr(0, slash);
  for (const OutlineNode& child : node.children) {
    if (child.name != step) continue;
    if (!child.opened) {
      const pugi::xml_document* elements = parse(child);
      if (elements == nullptr || !ForEachElementAt(*elements, path, element)) return false;
    } else if (slash != std::string_view::npos) {
      if (!forEachAt(child, path.substr(slash + 1), element, opened)) return false;
    } else if (opened != nullptr && !opened(child)) {
      return false;
    }
  }
  return true;
}

bool OutlineRuns::parseUnwalked(const OutlineNode& node) {
  return parseEach(node, [](const OutlineNode& run) { return run.name.empty(); });
}

bool OutlineRuns::parseUnread(const OutlineNode& node) {
  return parseEach(node, [](const OutlineNode&) { return true; });
}

bool OutlineRuns::parseEach(const OutlineNode& node, const std::function<bool(const OutlineNode& run)>& wanted) {
  for (const OutlineNode& child : node.children) {
    if (child.opened) {
      if (!parseEach(child, wanted)) return false;
    } else if (wanted(child) && !(child.run < parsed_.size() && parsed_[child.run]) && parse(child) == nullptr) {
      return false;
    }
  }
  return true;
}

}  // namespace ruvela
