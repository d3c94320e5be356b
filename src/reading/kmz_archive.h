// Reading a KMZ file: a ZIP archive holding a KML document and sometimes
// the pictures it shows. The document is inflated straight into the buffer
// the XML parser works in; nothing is written to disk.
#pragma once

#include <cstdint>
#include <filesystem>

#include <pugixml.hpp>

#include "reading/xml_document.h"

namespace ruvela {

// An entry that would inflate to more than this many bytes per compressed
// byte is taken for a ZIP bomb. Real KML documents stay far below it (about
// 35 at most), while a bomb's ratio runs to a thousand or more.
inline constexpr std::uint64_t kMaxInflationRatio = 200;
// Entries up to this size are read whatever their ratio: they cannot exhaust
// memory, and a small document of repeated lines compresses very well.
inline constexpr std::uint64_t kAlwaysReadableSize = 4 * 1024 * 1024;

// ".kmz" in any letter case, or a file of any name that starts like a ZIP
// archive (a KMZ renamed .kml is still a KMZ).
bool IsKmzFile(const std::filesystem::path& path);

// Loads the archive's document: the root-level doc.kml when there is one,
// else the first .kml entry at the root in archive order, else the first
// .kml entry anywhere; an empty one is passed over for the next. A damaged,
// encrypted, oddly compressed or hostile archive, one without a KML
// document or with an empty one, is a failed load that says which fault.
// Declared sizes are never believed: the document takes the memory of what
// it really inflates to, within the bomb ratio.
Failure LoadKmzDocument(const std::filesystem::path& path, pugi::xml_document& document);

}  // namespace ruvela
