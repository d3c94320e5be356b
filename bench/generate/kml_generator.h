// A large KML 2.2 document as Google Earth saves it: shared styles, a few
// loose placemarks, a tree of place folders, and a Routes folder whose
// route folders hold points, a path and a sub-folder of points.
#pragma once

#include <filesystem>

namespace ruvela::bench {

// `pointPlacemarks` point placemarks in all. False when the file could not
// be written.
bool WriteBenchmarkKml(const std::filesystem::path& path, long pointPlacemarks);

// The shape that costs a reading by outline the most: `pairs` times an
// empty folder, which a walk visits, then an element no walk visits, each
// a few bytes, and one point placemark at the end. False when the file
// could not be written.
bool WriteAlternatingKml(const std::filesystem::path& path, long pairs);

}  // namespace ruvela::bench
