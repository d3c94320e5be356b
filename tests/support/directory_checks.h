// What the file-system tests ask of a directory: whether this process may
// write into it whatever its permissions say (root may: tests of read-only
// directories skip then), and everything in it, to compare before and after.
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <system_error>

namespace ruvela::testing {

inline bool CanCreateFileIn(const std::filesystem::path& directory) {
  const std::filesystem::path probe = directory / ".ruvela-probe";
  const bool created = static_cast<bool>(std::ofstream(probe));
  std::error_code ignored;
  std::filesystem::remove(probe, ignored);
  return created;
}

// Every path under `directory` with its bytes ("<not a file>" for a
// directory, a pipe or a device); empty when there is no such directory.
inline std::map<std::string, std::string> Contents(const std::filesystem::path& directory) {
  std::map<std::string, std::string> found;
  std::error_code error;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(directory, error)) {
    std::ifstream in(entry.is_regular_file() ? entry.path() : "", std::ios::binary);  // never a pipe or a device
    found[entry.path().string()] = in ? std::string(std::istreambuf_iterator(in), {}) : "<not a file>";
  }
  return found;
}

}  // namespace ruvela::testing
