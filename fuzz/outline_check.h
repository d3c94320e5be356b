// Reading a document from its outline, a run of elements at a time, must
// visit exactly what reading its whole tree visits, and must never accept a
// document the parser refuses. Shared by the fuzz targets and the tests.
#pragma once

#include <filesystem>
#include <string>

#include "conversion/convert_input.h"

namespace ruvela::robustness {

struct OutlineComparison {
  bool outlined = false;  // the outline followed the document
  std::string problem;    // the first difference; empty when there is none
};

// Reads `input` both ways as `direction`'s input and compares what each
// visits: every item, every track's name and points, every folder's name
// and placemarks under both KML roots, and the placemarks visited again.
OutlineComparison CompareOutlineReading(const std::filesystem::path& input, Direction direction);

}  // namespace ruvela::robustness
