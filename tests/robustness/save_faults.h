// Faults of the file system where the user chose to save a result, one row
// each, run by both front ends: ruvela-convert (robustness_test) and
// the window (save_faults_window_test). The user's file stays byte for byte
// what it was unless the whole result replaced it, and nothing is left
// beside it.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "posix_faults.h"
#include "support/directory_checks.h"

namespace ruvela::robustness {

struct SaveFaultRow {
  std::string_view name;  // the fault ArrangedSaveFault lays out
  bool saved;             // the result replaces the user's file
  const char* words;      // what both front ends say after the target's name (ruvela-convert: its summary)
};

inline const SaveFaultRow kSaveFaults[] = {
    {"ReadOnlyDirectory", false, ""},
    {"MissingDirectory", false, "no existe"},
    {"DirectoryInTheWay", false, "es un directorio"},
    {"AnotherFileSystem", true, "->"},
    {"FullDisk", false, "no queda espacio en el disco"},
};

// A route of `points` points; its KML, about 1 KB a point, outgrows the small disk.
inline std::string RouteGpx(int points) {
  std::string route = "<gpx version=\"1.1\"><rte><name>Ruta</name>";
  for (int i = 0; i < points; ++i) {
    route += "<rtept lat=\"" + std::to_string(i % 90) + ".5\" lon=\"" + std::to_string(i % 180) + ".25\"/>";
  }
  return route + "</rte></gpx>";
}

// The fault laid out for one test: `target` is where the result is to go,
// holding the user's file (or, for a directory in the way, holding it
// inside); `skipReason` says why the fault cannot be arranged here.
class ArrangedSaveFault {
 public:
  static inline const std::string kUsersFile = "Contenido anterior del usuario.\r\n";

  ArrangedSaveFault(std::string_view fault, const std::filesystem::path& scratch) {
    namespace fs = std::filesystem;
    fs::path directory = scratch / (fault == "MissingDirectory" ? "no-existe" : "salidas");
    if (fault != "MissingDirectory" && fault != "DirectoryInTheWay") {
      mount_ = std::make_unique<TemporaryMount>(fault == "FullDisk" ? 64 : 1024);
      if (!mount_->path.empty()) directory = mount_->path;
      if (mount_->path.empty() && fault != "ReadOnlyDirectory") skipReason = mount_->whyNot;
    }
    target = directory / "ruta.kml";
    if (fault == "MissingDirectory") return;
    const bool inTheWay = fault == "DirectoryInTheWay";
    fs::create_directories(inTheWay ? target : directory);
    std::ofstream(inTheWay ? target / "dentro.txt" : target) << kUsersFile;
    // Without a read-only file system, a directory without write permission.
    if (fault == "ReadOnlyDirectory" && !mount_->makeReadOnly()) {
      fs::permissions(directory, fs::perms::owner_read | fs::perms::owner_exec);
      if (testing::CanCreateFileIn(directory)) skipReason = "this user writes into read-only directories";
    }
  }

  ~ArrangedSaveFault() {
    std::error_code ignored;
    std::filesystem::permissions(target.parent_path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
  }

  // Everything in the target's directory, with its bytes.
  std::map<std::string, std::string> contents() const { return testing::Contents(target.parent_path()); }

  std::filesystem::path target;
  std::string skipReason;

 private:
  std::unique_ptr<TemporaryMount> mount_;
};

}  // namespace ruvela::robustness
