#include "app/replace_file.h"

#include <cerrno>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include <QFileInfo>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "values/path_parts.h"

namespace ruvela {

namespace {

namespace fs = std::filesystem;

fs::path FileSystemPath(const QString& path) { return ruvela::PathFromUtf8(path.toStdString()); }

#ifndef _WIN32
// Writes what the system holds of the file or folder to the disk, so that a
// crash right after a save never leaves an empty or missing file. A folder
// that cannot be flushed (some file systems refuse) is no failure. The
// system's errno, or 0.
int FlushToDisk(const fs::path& path) {
  const int handle = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (handle < 0) return errno;
  const int error = fsync(handle) == 0 || errno == EINVAL || errno == EROFS ? 0 : errno;
  close(handle);
  return error;
}

// The file's group goes with its permission bits, where the user may set it.
void KeepGroupOf(const fs::path& model, const fs::path& file) {
  struct stat status {};
  if (stat(model.c_str(), &status) != 0) return;
  [[maybe_unused]] const int ignored = chown(file.c_str(), static_cast<uid_t>(-1), status.st_gid);
}
#else
int FlushToDisk(const fs::path&) { return 0; }
void KeepGroupOf(const fs::path&, const fs::path&) {}
#endif

// The file a save is to replace: a link's target, as editors write through
// links and leave them in place.
QString ThroughLink(const QString& target) {
  const QFileInfo info(target);
  if (!info.isSymLink()) return target;
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

// Gives `file` the permissions and group of `model`, when there is one:
// the result is never more readable than the file it replaces.
Failure TakePermissionsOf(const fs::path& model, const fs::path& file) {
  std::error_code error;
  const fs::file_status status = fs::status(model, error);
  if (error || !fs::is_regular_file(status)) return {};
  fs::permissions(file, status.permissions(), error);
  if (error) return FileFailure(FileOperation::SetPermissions, file, error.value());
  KeepGroupOf(model, file);
  return {};
}

// A new name beside `target` for its copy (".ruta.kml.ruvela-4f2a"); the
// copy never takes the name of a file that is there.
fs::path CopyNameBeside(const fs::path& target) {
  static std::minstd_rand numbers{std::random_device{}()};
  std::string name = ".";
  name += Utf8FromPath(target.filename());
  name += ".ruvela-";
  name += std::to_string(numbers() % 1000000);
  return target.parent_path() / PathFromUtf8(name);
}

// Why a copy to `target` stopped. The library tells a copy cut short as a
// fault of the device even when the disk was full; the free space tells
// them apart.
int WhyCopyFailed(const std::error_code& copyError, const fs::path& source, const fs::path& target) {
  if (copyError && copyError != std::errc::io_error) return copyError.value();
  std::error_code error;
  const std::uintmax_t needed = fs::file_size(source, error);
  if (!error && fs::space(target.parent_path(), error).available < needed && !error) return ENOSPC;
  return EIO;
}

// The copy across volumes: complete and on the disk beside `target` before
// it takes its place; removed again when any step fails.
Failure CopyOver(const fs::path& source, const fs::path& target) {
  std::error_code error;
  fs::path copy = CopyNameBeside(target);
  for (int attempt = 0; attempt < 8 && fs::exists(fs::symlink_status(copy, error)); ++attempt) {
    copy = CopyNameBeside(target);
  }
  if (!fs::copy_file(source, copy, fs::copy_options::none, error)) {
    const Failure failure = FileFailure(FileOperation::Write, target, WhyCopyFailed(error, source, target));
    // Whatever part of the copy was written; a file that took the name first is not ours.
    if (error != std::errc::file_exists) fs::remove(copy, error);
    return failure;
  }
  Failure failure = TakePermissionsOf(target, copy);
  if (!failure.ok()) failure.path = target;  // the copy's hidden name means nothing to the user
  if (failure.ok()) {
    if (const int flushError = FlushToDisk(copy)) failure = FileFailure(FileOperation::Flush, target, flushError);
  }
  if (failure.ok()) {
    fs::rename(copy, target, error);
    if (error) failure = FileFailure(FileOperation::Rename, target, error.value());
  }
  if (!failure.ok()) fs::remove(copy, error);
  return failure;
}

}  // namespace

Failure ReplaceFileWith(const QString& sourceName, const QString& chosen) {
  const fs::path source = FileSystemPath(sourceName);
  const fs::path target = FileSystemPath(ThroughLink(chosen));
  if (Failure failure = TakePermissionsOf(target, source); !failure.ok()) return failure;
  if (const int error = FlushToDisk(source)) return FileFailure(FileOperation::Flush, source, error);
  std::error_code renameError;
  fs::rename(source, target, renameError);
  if (renameError) {
    // Another volume, most likely; the copy says why when it fails too.
    if (Failure failure = CopyOver(source, target); !failure.ok()) return failure;
    fs::remove(source, renameError);
  }
  FlushToDisk(target.parent_path());
  return {};
}

}  // namespace ruvela
