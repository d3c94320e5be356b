// An output document on its way to its place. It is written under a hidden
// temporary name in the target's own directory and only renamed over the
// target once complete, so a failed or interrupted conversion never leaves
// a partial file and never damages the file it was going to replace.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <system_error>

namespace ruvela::cli {

class PendingOutput {
 public:
  // Reserves a new, empty temporary file in `directory` for a document that
  // will be called `finalName` (".Ruta.kml.ruvela-k3x9q0").
  static std::optional<PendingOutput> create(const std::filesystem::path& directory, const std::string& finalName,
                                             std::error_code& error);

  PendingOutput(PendingOutput&& other) noexcept;
  PendingOutput& operator=(PendingOutput&&) = delete;
  PendingOutput(const PendingOutput&) = delete;
  PendingOutput& operator=(const PendingOutput&) = delete;
  // Removes the temporary file unless it was committed.
  ~PendingOutput();

  const std::filesystem::path& path() const { return path_; }

  // Renames the temporary file over `target`; afterwards there is nothing
  // left to remove.
  std::error_code commitAs(const std::filesystem::path& target);

  // Copies the document to `out` (for "-o -"); the temporary file is still
  // removed afterwards.
  std::error_code copyTo(std::ostream& out) const;

 private:
  explicit PendingOutput(std::filesystem::path path) : path_(std::move(path)) {}

  std::filesystem::path path_;  // empty once committed or moved from
};

}  // namespace ruvela::cli
