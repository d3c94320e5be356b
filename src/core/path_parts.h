// Cutting a chosen path into directory, base name and extension.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace ruvela {

// An input path cut into the three texts the window shows. Joined without
// separators they give the path again.
struct InputParts {
  std::string directory;  // up to and including the last path separator
  std::string baseName;   // between the last separator and the last "."
  std::string extension;  // from the last "." on, letter case as written

  std::string joined() const { return directory + baseName + extension; }
};

// The cut is made only when the path holds `separator` and a "." after the
// last one; nothing otherwise.
std::optional<InputParts> SplitInputPath(const std::string& path, char separator);

// Directory part of `path`: up to and including its last separator, or the
// empty text when it has none.
std::string DirectoryOf(const std::string& path, char separator);

// Paths are UTF-8 texts throughout the program.
std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

}  // namespace ruvela
