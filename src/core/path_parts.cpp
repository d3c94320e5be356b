#include "core/path_parts.h"

namespace ruvela {

std::optional<InputParts> SplitInputPath(const std::string& path, char separator) {
  const auto lastSeparator = path.rfind(separator);
  const auto lastDot = path.rfind('.');
  if (lastSeparator == std::string::npos || lastDot == std::string::npos || lastDot < lastSeparator) {
    return std::nullopt;
  }
  return InputParts{path.substr(0, lastSeparator + 1), path.substr(lastSeparator + 1, lastDot - lastSeparator - 1),
                    path.substr(lastDot)};
}

std::string DirectoryOf(const std::string& path, char separator) {
  const auto lastSeparator = path.rfind(separator);
  return lastSeparator == std::string::npos ? std::string() : path.substr(0, lastSeparator + 1);
}

std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace ruvela
