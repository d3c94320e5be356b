// Loading an input document. Files in UTF-8 (with or without a byte-order
// mark), UTF-16 or UTF-32 with a byte-order mark, ISO-8859-1 and
// Windows-1252 are read, and a .kmz path is read as the KML document inside
// that archive; anything that is not a readable, well-formed
// document is a failed load with a message, never a crash.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace ruvela {

struct XmlLoadResult {
  bool ok = false;
  std::string message;  // in Spanish, with the byte position when the XML is broken
};

XmlLoadResult LoadXmlDocument(const std::filesystem::path& path, pugi::xml_document& document);

// Writes exactly `size` bytes of a document into `data`; on failure returns
// false and says why in `message`.
using BufferFiller = std::function<bool(char* data, std::size_t size, std::string& message)>;

// The same for a document that `fill` writes straight into the parser's own
// buffer (an archive entry being inflated), without a copy in between.
XmlLoadResult LoadXmlDocumentFilledBy(std::size_t size, const BufferFiller& fill, pugi::xml_document& document);

// The same for a document held in memory (used by tests and fuzzing).
XmlLoadResult LoadXmlDocumentFromBytes(std::string_view bytes, pugi::xml_document& document);

}  // namespace ruvela
