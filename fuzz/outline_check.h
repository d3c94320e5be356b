// Reading a document from its outline, a run of elements at a time, must
// visit exactly what reading its whole tree visits, and must never accept a
// document the parser refuses. Shared by the fuzz targets and the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "conversion/convert_input.h"
#include "reading/xml_outline.h"

namespace ruvela::robustness {

// The outline's sizes: the conversion's, or a few bytes, so that a small
// document takes the paths of a large one (runs closed by size, opened
// elements that stay opened, tokens cut by the end of a read).
struct OutlineSizes {
  std::uint64_t runSize = OutlineRule{}.runSize;
  std::size_t chunkSize = OutlineRule{}.chunkSize;
};

struct OutlineComparison {
  // The outline followed the document to its end; where it did not, the
  // conversion reads the whole tree instead.
  bool outlined = false;
  std::string problem;  // the first difference; empty when there is none
};

// Reads `input` both ways as `direction`'s input and compares what each
// visits: every item, every track's name and points (walked twice, as a
// track with times is), every folder's name
// and placemarks under both KML roots, and the placemarks visited again.
OutlineComparison CompareOutlineReading(const std::filesystem::path& input, Direction direction, OutlineSizes sizes);

// Sizes of a few bytes that follow from a document's bytes, so that a fuzz
// input and its replay as a regression input compare at the same ones.
OutlineSizes SmallOutlineSizes(std::string_view document);

// The same at the conversion's sizes and at sizes of a few bytes, stopping
// at the first problem.
std::string CompareOutlineReadingAtAllSizes(const std::filesystem::path& input, Direction direction,
                                            OutlineSizes small);

}  // namespace ruvela::robustness
