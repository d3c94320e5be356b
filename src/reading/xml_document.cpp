#include "reading/xml_document.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <string_view>
#include <system_error>
#include <utility>

#include "files/parser_memory.h"
#include "files/regular_file.h"
#include "values/text_lines.h"

namespace ruvela {
namespace {

// Default parsing keeps CDATA, resolves the five predefined entities and
// character references, and never expands or fetches anything a DTD
// declares: a document of nested entity definitions stays small and no
// external file is read. The text that opens an element is kept as the
// element's value instead of a node of its own, which saves a third of the
// memory of a track (see SubtreeText).
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_embed_pcdata;

// The Unicode characters of bytes 0x80-0x9F in Windows-1252; 0 marks the
// five unassigned bytes, which are read as the C1 controls of ISO-8859-1.
constexpr char16_t kWindows1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                           0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

enum class DeclaredEncoding { Other, Latin1, Windows1252 };

// Reads the encoding named in an XML declaration written in an ASCII-based
// encoding without a byte-order mark, however long the declaration is. One
// that never ends names nothing: the parser refuses it.
DeclaredEncoding FindDeclaredEncoding(std::string_view bytes) {
  if (bytes.substr(0, 5) != "<?xml") return DeclaredEncoding::Other;
  const auto declarationEnd = bytes.find("?>");
  if (declarationEnd == std::string_view::npos) return DeclaredEncoding::Other;
  const std::string declaration = LowerAscii(bytes.substr(0, declarationEnd));
  const auto key = declaration.find("encoding");
  if (key == std::string::npos) return DeclaredEncoding::Other;
  const auto quote = declaration.find_first_of("\"'", key);
  if (quote == std::string::npos) return DeclaredEncoding::Other;
  const auto closing = declaration.find(declaration[quote], quote + 1);
  const std::string name = declaration.substr(quote + 1, closing - quote - 1);
  if (name == "windows-1252" || name == "cp1252" || name == "x-cp1252") return DeclaredEncoding::Windows1252;
  if (name == "iso-8859-1" || name == "iso8859-1" || name == "latin1" || name == "latin-1" || name == "l1" ||
      name == "iso_8859-1") {
    return DeclaredEncoding::Latin1;
  }
  return DeclaredEncoding::Other;
}

void AppendUtf8(std::string& out, char16_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string utf8;
  utf8.reserve(bytes.size() + bytes.size() / 8);
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    char16_t code = byte;
    if (byte >= 0x80 && byte <= 0x9F && kWindows1252High[byte - 0x80] != 0) code = kWindows1252High[byte - 0x80];
    AppendUtf8(utf8, code);
  }
  return utf8;
}

Failure ParseFailure(const pugi::xml_parse_result& result) {
  switch (result.status) {
    case pugi::status_out_of_memory:
      return FailureOf(FailureKind::OutOfMemory);
    case pugi::status_no_document_element:
      return FailureOf(FailureKind::NoElement);
    default:
      return Failure{.kind = FailureKind::MalformedXml, .parseStatus = result.status, .offset = result.offset};
  }
}

// Bytes in memory taken from the parser's own allocator, so that the parser
// can keep them as the document's text storage instead of copying them.
class ParserBuffer {
 public:
  explicit ParserBuffer(std::size_t size)
      : data_(static_cast<char*>(AllocateForParser(size > 0 ? size : 1))), size_(size) {}
  ParserBuffer(const ParserBuffer&) = delete;
  ParserBuffer& operator=(const ParserBuffer&) = delete;
  ~ParserBuffer() {
    if (data_ != nullptr) pugi::get_memory_deallocation_function()(data_);
  }
  char* data() const { return data_; }
  std::size_t size() const { return size_; }
  std::string_view view() const { return {data_, size_}; }
  char* release() { return std::exchange(data_, nullptr); }

 private:
  char* data_;
  std::size_t size_;
};

// The parser takes further elements after the root's end without a word,
// and nothing would read them: such a document is refused, at the byte
// where the second element starts.
Failure CheckNothingAfterRoot(const pugi::xml_document& document) {
  bool rootSeen = false;
  for (pugi::xml_node node = document.first_child(); node; node = node.next_sibling()) {
    if (node.type() != pugi::node_element) continue;
    if (rootSeen) {
      const std::ptrdiff_t nameOffset = node.offset_debug();
      Failure failure{.kind = FailureKind::ElementAfterRoot};
      failure.offset = nameOffset > 0 ? nameOffset - 1 : -1;
      return failure;
    }
    rootSeen = true;
  }
  return {};
}

std::unique_ptr<ParserBuffer> ReadWholeFile(const std::filesystem::path& path, Failure& failure) {
  RegularFile file(path);
  if (!file.isOpen()) {
    failure = file.whyNot();
    return nullptr;
  }
  if (file.size() > std::numeric_limits<std::size_t>::max()) {
    failure = FailureOf(FailureKind::OutOfMemory);
    return nullptr;
  }
  const auto size = static_cast<std::size_t>(file.size());
  auto buffer = std::make_unique<ParserBuffer>(size);
  if (buffer->data() == nullptr) {
    failure = FailureOf(FailureKind::OutOfMemory);
    return nullptr;
  }
  if (!file.readExactly(buffer->data(), size)) {
    failure = file.readFailure();
    return nullptr;
  }
  if (!file.unchangedSinceOpened()) {
    failure = FailureOf(FailureKind::ChangedWhileRead);
    return nullptr;
  }
  return buffer;
}

std::unique_ptr<ParserBuffer> CopyToParserBuffer(std::string_view bytes) {
  auto buffer = std::make_unique<ParserBuffer>(bytes.size());
  if (buffer->data() != nullptr && !bytes.empty()) std::memcpy(buffer->data(), bytes.data(), bytes.size());
  return buffer;
}

Failure ParseBuffer(std::unique_ptr<ParserBuffer> buffer, pugi::xml_document& document) {
  document.reset();
  if (buffer == nullptr || buffer->data() == nullptr) return FailureOf(FailureKind::OutOfMemory);
  if (buffer->size() == 0) return FailureOf(FailureKind::EmptyFile);
  pugi::xml_encoding encoding = pugi::encoding_auto;
  switch (FindDeclaredEncoding(buffer->view())) {
    case DeclaredEncoding::Windows1252:
      buffer = CopyToParserBuffer(Windows1252ToUtf8(buffer->view()));
      if (buffer->data() == nullptr) return FailureOf(FailureKind::OutOfMemory);
      encoding = pugi::encoding_utf8;
      break;
    case DeclaredEncoding::Latin1:
      encoding = pugi::encoding_latin1;
      break;
    case DeclaredEncoding::Other:
      break;
  }
  const std::size_t size = buffer->size();
  const pugi::xml_parse_result result =
      document.load_buffer_inplace_own(buffer->release(), size, kParseOptions, encoding);
  if (!result) return ParseFailure(result);
  if (!document.document_element()) return FailureOf(FailureKind::NoElement);
  return CheckNothingAfterRoot(document);
}

}  // namespace

bool ReadsAsUtf8(std::string_view head) {
  const bool otherMark = head.substr(0, 2) == "\xFE\xFF" || head.substr(0, 2) == "\xFF\xFE";
  const bool wideStart = head.size() < 2 || head[0] == '\0' || head[1] == '\0';
  return !otherMark && !wideStart && FindDeclaredEncoding(head) == DeclaredEncoding::Other;
}

bool ParseElementRun(char* data, std::size_t size, pugi::xml_document& document) {
  return document.load_buffer_inplace(data, size, kParseOptions | pugi::parse_fragment, pugi::encoding_utf8);
}

bool IsWellFormedStartTag(std::string_view tag) {
  // Closed at once, so that it parses on its own: "<trk a='1'>" as "<trk a='1'/>".
  std::string element(tag.substr(0, tag.size() - 1));
  if (element.empty() || element.back() != '/') element += '/';
  element += '>';
  pugi::xml_document document;
  return document.load_buffer(element.data(), element.size(), kParseOptions, pugi::encoding_utf8) &&
         document.first_child().type() == pugi::node_element && !document.first_child().next_sibling();
}

Failure LoadXmlDocumentFromBytes(std::string_view bytes, pugi::xml_document& document) {
  return ParseBuffer(CopyToParserBuffer(bytes), document);
}

Failure LoadXmlDocumentFilledBy(std::size_t size, const BufferFiller& fill, pugi::xml_document& document) {
  auto buffer = std::make_unique<ParserBuffer>(size);
  Failure failure;
  if (buffer->data() != nullptr && !fill(buffer->data(), size, failure)) {
    document.reset();
    return failure;
  }
  return ParseBuffer(std::move(buffer), document);
}

Failure LoadXmlDocument(const std::filesystem::path& path, pugi::xml_document& document) {
  Failure failure;
  auto buffer = ReadWholeFile(path, failure);
  if (buffer == nullptr) {
    document.reset();
    return failure;
  }
  return ParseBuffer(std::move(buffer), document);
}

}  // namespace ruvela
