// What the ruvela-convert tests share: a scratch directory of their own,
// small input documents, and a way to run the converter and keep what it
// printed.
#pragma once

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "support/test_files.h"

namespace ruvela::cli::test {

using ruvela::testing::ReadFile;

// The shared scratch directory, with paths as the converter's arguments
// take them.
class ScratchDirectory : public ruvela::testing::ScratchDirectory {
 public:
  std::string operator/(const std::string& name) const;

  // Writes `content` to `name` (bytes as given) and returns its path.
  std::string Write(const std::string& name, const std::string& content) const;
  // Names of everything directly inside, hidden files included.
  std::set<std::string> Entries() const;
};

// True when `path` holds a well-formed document (strictly: UTF-8 and only
// characters XML allows).
bool IsWellFormedXml(const std::filesystem::path& path);

// True when the permissions of a directory do not stop this process from
// writing into it (as for root).
bool WritesIgnorePermissions(const std::filesystem::path& directory);

struct RunResult {
  int exitStatus = -1;
  std::string out;
  std::string err;
};

// Runs ruvela-convert with `args`; `interruptRequested` stands for Ctrl-C.
RunResult RunConverter(const std::vector<std::string>& args, std::function<bool()> interruptRequested = {},
                       const std::filesystem::path& scratchDirectory = {});

// Small documents: 2 waypoints, a 3-point route and a 2-segment track whose
// points are recorded at -12.6 metres; a Google Earth document with a
// Rutas/Ruta1 folder of three points and a path, and one point outside it.
extern const char* const kSmallGpx;
extern const char* const kSmallKml;
// Track coordinates "lon,lat," of kSmallGpx, and of its route.
inline constexpr const char* kTrackPointPrefix = "-3.70380,40.41680,";
inline constexpr const char* kRoutePointPrefix = "-3.60000,40.50000,";

}  // namespace ruvela::cli::test
