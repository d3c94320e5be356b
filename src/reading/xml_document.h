// Loading an input document. Files in UTF-8 (with or without a byte-order
// mark), UTF-16 or UTF-32 with a byte-order mark, ISO-8859-1 and
// Windows-1252 are read (a KMZ archive is opened by kmz_archive, which
// hands its document to the loading here); anything that is not a
// readable, well-formed document is a failed load that says why, never a
// crash.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "files/failure.h"

namespace ruvela {

// Loads the document at `path`; a failure says why (FailureKind::None when
// it loaded).
Failure LoadXmlDocument(const std::filesystem::path& path, pugi::xml_document& document);

// Writes exactly `size` bytes of a document into `data`; on failure returns
// false and says why in `failure`.
using BufferFiller = std::function<bool(char* data, std::size_t size, Failure& failure)>;

// The same for a document that `fill` writes straight into the parser's own
// buffer (an archive entry being inflated), without a copy in between.
Failure LoadXmlDocumentFilledBy(std::size_t size, const BufferFiller& fill, pugi::xml_document& document);

// The same for a document held in memory (used by tests and fuzzing).
Failure LoadXmlDocumentFromBytes(std::string_view bytes, pugi::xml_document& document);

// Whether a document whose first bytes are `head` is read as UTF-8: no
// byte-order mark but UTF-8's, and no other encoding declared that the
// loading above converts from.
bool ReadsAsUtf8(std::string_view head);

// Parses `size` bytes of sibling elements (UTF-8) in place, as a document
// is parsed; `data` must outlive `document`. False when they are not well
// formed.
bool ParseElementRun(char* data, std::size_t size, pugi::xml_document& document);

// Whether `tag`, an element's start tag, is one the parser accepts.
bool IsWellFormedStartTag(std::string_view tag);

}  // namespace ruvela
