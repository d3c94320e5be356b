#include "reading/xml_outline.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include <pugixml.hpp>

#include "files/regular_file.h"
#include "reading/xml_document.h"
#include "reading/xml_values.h"

namespace ruvela {
namespace {

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

// The name right after `<` or `</`, or an empty view when there is none.
std::string_view NameAt(const char* start, const char* end) {
  if (start == end || !IsNameStart(*start)) return {};
  const char* c = start;
  while (c != end && IsNameCharacter(*c)) ++c;
  return {start, static_cast<std::size_t>(c - start)};
}

// One piece of markup, read from its '<' as the parser reads it.
struct Token {
  enum Kind {
    Incomplete,   // cut by the end of what is read so far
    Unfollowed,   // anything the outline does not follow: the whole document is read instead
    StartTag,     // an element's start tag
    EmptyTag,     // an element without content, "<a/>"
    EndTag,       // an element's end tag
    Skipped,      // a comment or a processing instruction
    Cdata,        // a CDATA section
    Declaration,  // an XML declaration
  };
  Kind kind = Unfollowed;
  const char* end = nullptr;  // past its last character
  std::string_view name;      // an element's or an end tag's name
};

Token Cut() { return {Token::Incomplete, nullptr, {}}; }
Token Unfollowed() { return {Token::Unfollowed, nullptr, {}}; }

// Up to the first `closing` after `from`; a NUL on the way ends the parser's
// reading there, which the outline does not follow.
Token Enclosed(Token::Kind kind, const char* from, const char* end, std::string_view closing) {
  const std::string_view rest(from, static_cast<std::size_t>(end - from));
  const auto close = rest.find(closing);
  if (close == std::string_view::npos) return Cut();
  if (std::memchr(from, '\0', close) != nullptr) return Unfollowed();
  return {kind, from + close + closing.size(), {}};
}

// A start tag: its name, then attributes whose quoted values may hold any
// of '<', '>' and "/>".
Token StartTagAt(const char* begin, const char* end) {
  const std::string_view name = NameAt(begin + 1, end);
  const char* c = begin + 1 + name.size();
  if (c == end) return Cut();
  if (name.empty() || !(IsBlank(*c) || *c == '/' || *c == '>')) return Unfollowed();
  for (; c != end; ++c) {
    if (*c == '"' || *c == '\'') {
      const void* quote = std::memchr(c + 1, *c, static_cast<std::size_t>(end - c - 1));
      if (quote == nullptr) return Cut();
      c = static_cast<const char*>(quote);
    } else if (*c == '>') {
      return {c[-1] == '/' ? Token::EmptyTag : Token::StartTag, c + 1, name};
    } else if (*c == '<' || *c == '\0') {
      return Unfollowed();
    }
  }
  return Cut();
}

// Past the '>' of the tag from `begin`, reading quoted values whole; nullptr
// when the tag is cut by `end`.
const char* TagEnd(const char* begin, const char* end) {
  for (const char* c = begin + 1; c != end; ++c) {
    if (*c == '>') return c + 1;
    if (*c == '"' || *c == '\'') {
      c = static_cast<const char*>(std::memchr(c + 1, *c, static_cast<std::size_t>(end - c - 1)));
      if (c == nullptr) return nullptr;
    }
  }
  return nullptr;
}

Token EndTagAt(const char* begin, const char* end) {
  const std::string_view name = NameAt(begin + 2, end);
  const char* c = begin + 2 + name.size();
  while (c != end && IsBlank(*c)) ++c;
  if (c == end) return Cut();
  if (name.empty() || *c != '>') return Unfollowed();
  return {Token::EndTag, c + 1, name};
}

// The XML declaration, "<?xml" and a blank or the end of the instruction.
bool IsDeclaration(std::string_view token) {
  return token.size() >= 6 && token.substr(2, 3) == "xml" && (IsBlank(token[5]) || token[5] == '?');
}

Token TokenAt(const char* begin, const char* end) {
  const std::string_view rest(begin, static_cast<std::size_t>(end - begin));
  if (rest.size() < 2) return Cut();
  switch (begin[1]) {
    case '/':
      return EndTagAt(begin, end);
    case '?': {
      if (rest.size() < 6) return Cut();
      if (!IsNameStart(begin[2])) return Unfollowed();
      const Token token = Enclosed(Token::Skipped, begin + 2, end, "?>");
      return token.kind == Token::Skipped && IsDeclaration(rest) ? Token{Token::Declaration, token.end, {}} : token;
    }
    case '!':
      if (rest.size() < 4) return Cut();
      if (rest.substr(0, 4) == "<!--") return Enclosed(Token::Skipped, begin + 4, end, "-->");
      if (rest.size() < 9) return Cut();
      if (rest.substr(0, 9) == "<![CDATA[") return Enclosed(Token::Cdata, begin + 9, end, "]]>");
      return Unfollowed();  // a DOCTYPE or any other declaration
    default:
      return StartTagAt(begin, end);
  }
}

// An opened element being read, and the step of the rule it is at.
struct OpenElement {
  OutlineNode* node = nullptr;
  std::size_t step = 0;
};

class OutlineScanner {
 public:
  OutlineScanner(RegularFile& file, const OutlineRule& rule)
      : file_(file),
        steps_(RuleSteps(rule)),
        runSize_(std::max<std::uint64_t>(rule.runSize, 1)),
        chunkSize_(std::max<std::size_t>(rule.chunkSize, 1)) {
    document_.opened = true;
  }

  std::optional<OutlineNode> run() {
    if (!startsAsUtf8()) return std::nullopt;
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
    if (keep < filled_) std::memmove(buffer_.data(), buffer_.data() + keep, filled_ - keep);
    offset_ += keep;
    filled_ -= keep;
    position_ -= std::min(position_, keep);
    const std::uint64_t unread = file_.size() - offset_ - filled_;
    if (buffer_.size() - filled_ < std::max<std::size_t>(chunkSize_ / 2, 1)) {
      // Never more than the rest of the file needs: a small file is read
      // in a buffer of its own size.
      buffer_.resize(
          static_cast<std::size_t>(std::min<std::uint64_t>(std::max(chunkSize_, filled_ * 2), filled_ + unread)));
    }
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size() - filled_, unread));
    if (!file_.readAt(offset_ + filled_, buffer_.data() + filled_, wanted)) {
      failed_ = true;
      return false;
    }
    filled_ += wanted;
    return true;
  }

  // The outline reads UTF-8 only, as the parser would read this document:
  // the encoding is judged from the whole XML declaration, however long.
  bool startsAsUtf8() {
    const auto read = [this] { return std::string_view(buffer_.data(), filled_); };
    while (filled_ < 5 && fill(0)) {
    }
    if (read().substr(0, 5) == "<?xml") {
      while (read().find("?>") == std::string_view::npos) {
        if (!fill(0)) return false;  // a declaration that never ends
      }
    }
    if (!ReadsAsUtf8(read())) return false;
    if (read().substr(0, 3) == "\xEF\xBB\xBF") position_ = 3;
    return true;
  }

  std::uint64_t at(std::size_t position) const { return offset_ + position; }
  bool inLeaf() const { return leafDepth_ > 0; }
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
    const Token token = TokenAt(begin, end);
    switch (token.kind) {
      case Token::Incomplete:
        if (!fill(position_)) failed_ = true;  // a token the file ends in
        return;
      case Token::Unfollowed:
        failed_ = true;
        return;
      case Token::Declaration:
        // Only the document's start may hold one.
        if (at(position_) > 3) failed_ = true;
        break;
      case Token::Cdata:
        if (atDocumentLevel()) failed_ = true;
        break;
      case Token::Skipped:
        break;
      case Token::StartTag:
      case Token::EmptyTag:
        if (!element(token.name, begin, token.end, token.kind == Token::EmptyTag)) failed_ = true;
        break;
      case Token::EndTag:
        if (!endTag(token.name, token.end)) failed_ = true;
        break;
    }
    position_ = static_cast<std::size_t>(token.end - buffer_.data());
  }

  // Inside an element of a run only its end matters: the parser checks the
  // rest when it parses the run. Markup is read as the parser reads it
  // (a comment, a CDATA section, an instruction or a quoted value hides any
  // tag written in it), so in every document the parser takes the element
  // ends exactly where the parser ends it; in one it refuses, the refused
  // bytes lie inside the run, whose parse then fails.
  void skipInsideLeaf() {
    const char* const data = buffer_.data();
    const char* const end = data + filled_;
    for (const char* c = data + position_;;) {
      const auto* tag = static_cast<const char*>(std::memchr(c, '<', static_cast<std::size_t>(end - c)));
      if (tag == nullptr) {
        position_ = filled_;
        return;
      }
      const char* after = nullptr;
      bool ends = false;
      if (end - tag < 2) {
      } else if (tag[1] == '/') {
        after = static_cast<const char*>(std::memchr(tag + 2, '>', static_cast<std::size_t>(end - tag - 2)));
        after = after != nullptr ? after + 1 : nullptr;
        ends = after != nullptr && --leafDepth_ == 0;
      } else if (tag[1] == '!' || tag[1] == '?') {
        const Token token = TokenAt(tag, end);
        if (token.kind == Token::Unfollowed || token.kind == Token::Declaration) {
          failed_ = true;
          return;
        }
        after = token.end;
      } else {
        after = TagEnd(tag, end);
        if (after != nullptr && after[-2] != '/') ++leafDepth_;
      }
      if (after == nullptr) {  // a tag cut by the end of what is read: read again whole
        position_ = static_cast<std::size_t>(tag - data);
        if (!fill(position_)) failed_ = true;
        return;
      }
      c = after;
      if (ends) {
        position_ = static_cast<std::size_t>(after - data);
        stack_.back().node->children.back().range.end = at(position_);
        return;
      }
    }
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

  // The end tag of an opened element, ending at `tagEnd` in the buffer.
  bool endTag(std::string_view name, const char* tagEnd) {
    if (stack_.size() == 1 || name != stack_.back().node->name) return false;
    const std::uint64_t end = at(static_cast<std::size_t>(tagEnd - buffer_.data()));
    stack_.pop_back();
    // An opened element smaller than a run gains nothing from its outline:
    // it is parsed whole, with its siblings.
    OutlineNode& parent = *stack_.back().node;
    const std::uint64_t elementBegin = parent.children.back().range.begin;
    if (end - elementBegin < runSize_) {
      std::string elementName = std::move(parent.children.back().name);
      parent.children.pop_back();
      addToRun(parent, elementName, true, elementBegin, end);
    }
    return true;
  }

  // A start tag from `begin` to `end` (its `>` included).
  bool element(std::string_view name, const char* begin, const char* end, bool empty) {
    const OpenElement parent = stack_.back();
    // Whatever follows the root element is never read: a document with a
    // second element at the top level is not one the outline follows.
    if (parent.node == &document_ && !document_.children.empty()) return false;
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
    addToRun(*parent.node, name, named, tagBegin, tagEnd);
    if (!empty) leafDepth_ = 1;
    return true;
  }

  // Adds an element from `begin` to `end` to the last run of `parent`,
  // unless that one is full or an opened element came after it. A `named`
  // element is one a walk visits or one the rule opens.
  void addToRun(OutlineNode& parent, std::string_view name, bool named, std::uint64_t begin, std::uint64_t end) {
    auto& children = parent.children;
    const bool joins = !children.empty() && !children.back().opened && begin - children.back().range.begin < runSize_;
    if (!joins) {
      OutlineNode& run = children.emplace_back();
      run.range.begin = begin;
      run.run = runCount_++;
    }
    OutlineNode& run = children.back();
    run.range.end = end;
    if (!named) {
      run.holdsOthers = true;
    } else if (std::find(run.names.begin(), run.names.end(), name) == run.names.end()) {
      run.names.emplace_back(name);
    }
  }

  RegularFile& file_;
  const std::vector<RuleStep> steps_;
  const std::uint64_t runSize_;
  const std::size_t chunkSize_;
  std::vector<char> buffer_;  // the file's bytes from offset_ on, up to filled_
  std::uint64_t offset_ = 0;
  std::size_t filled_ = 0;
  std::size_t position_ = 0;
  bool failed_ = false;
  OutlineNode document_;
  std::vector<OpenElement> stack_;  // the document, then each opened element being read
  int leafDepth_ = 0;               // inside an element of a run: how many elements are open there
  std::size_t runCount_ = 0;
};

}  // namespace

bool OutlineNode::holds(std::string_view elementName) const {
  return opened ? name == elementName : std::find(names.begin(), names.end(), elementName) != names.end();
}

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
    if (size >= chunkSize_ / 2) return file_.readAt(begin, data, size);
    window_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(chunkSize_, file_.size() - begin)));
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
    if (!child.holds(step)) continue;
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
  return parseEach(node, [](const OutlineNode& run) { return run.names.empty(); });
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
