// Whether this process may write into a directory whatever its permissions
// say (root may): tests of read-only directories skip when it may.
#pragma once

#include <filesystem>
#include <fstream>
#include <system_error>

namespace ruvela::testing {

inline bool CanCreateFileIn(const std::filesystem::path& directory) {
  const std::filesystem::path probe = directory / ".ruvela-probe";
  const bool created = static_cast<bool>(std::ofstream(probe));
  std::error_code ignored;
  std::filesystem::remove(probe, ignored);
  return created;
}

}  // namespace ruvela::testing
