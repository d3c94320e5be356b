// Reading a document from its outline, a run of elements at a time, must
// visit exactly what reading its whole tree visits, and must never accept a
// document the parser refuses. Shared by the fuzz targets and the tests.
#pragma once

#include <filesystem>
#include <string>

#include "conversion/convert_input.h"

namespace ruvela::robustness {

struct OutlineComparison {
  // The outline followed the document to its end, with the conversion's
  // runs and with runs of one element where every element it opens stays
  // opened; where it did not, the conversion reads the whole tree instead.
  bool outlined = false;
  bool outlinedInSmallRuns = false;
  std::string problem;  // the first difference; empty when there is none
};

// Reads `input` both ways as `direction`'s input and compares what each
// visits: every item, every track's name and points (walked twice, as a
// track with times is), every folder's name
// and placemarks under both KML roots, and the placemarks visited again.
OutlineComparison CompareOutlineReading(const std::filesystem::path& input, Direction direction);

}  // namespace ruvela::robustness
