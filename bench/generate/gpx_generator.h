// A large GPX 1.1 document as Garmin MapSource saves it: waypoints, routes,
// and tracks of several segments holding `trackPoints` points in all.
#pragma once

#include <filesystem>

namespace ruvela::bench {

// False when the file could not be written.
bool WriteBenchmarkGpx(const std::filesystem::path& path, long trackPoints);

}  // namespace ruvela::bench
