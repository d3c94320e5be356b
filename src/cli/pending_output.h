// An output document on its way to its place. It is written under a hidden
// temporary name in the target's own directory and only renamed over the
// target once complete and flushed to disk, so a failed or interrupted
// conversion never leaves a partial file and never damages the file it was
// going to replace, and a crash right after a commit leaves the whole
// document.
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

  // Whether a commit may take the place of a file that is there.
  enum class Commit { Replace, OnlyIfAbsent };

  // Gives the document, while it is written, the permissions of `model`, the
  // file it is to replace: a private file's content is never more readable
  // in the temporary one.
  std::error_code takePermissionsOf(const std::filesystem::path& model) const;

  // Flushes the temporary file to disk and renames it to `target`, then
  // flushes the folder. Replace gives it the permissions of the file it
  // replaces; OnlyIfAbsent fails with errc::file_exists, leaving both files
  // as they are, when something is at `target`. Once committed there is
  // nothing left to remove.
  std::error_code commitAs(const std::filesystem::path& target, Commit commit);

  // Copies the document to `out` (for "-o -"); the temporary file is still
  // removed afterwards.
  std::error_code copyTo(std::ostream& out) const;

 private:
  explicit PendingOutput(std::filesystem::path path) : path_(std::move(path)) {}

  std::filesystem::path path_;  // empty once committed or moved from
};

}  // namespace ruvela::cli
