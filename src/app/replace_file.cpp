#include "app/replace_file.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "values/path_parts.h"

namespace ruvela {

namespace {

std::filesystem::path FileSystemPath(const QString& path) { return ruvela::PathFromUtf8(path.toStdString()); }

#ifndef _WIN32
// Writes what the system holds of the file or folder to the disk, so that a
// crash right after a save never leaves an empty or missing file. A folder
// that cannot be flushed (some file systems refuse) is no failure.
bool FlushToDisk(const QString& path) {
  const int handle = open(FileSystemPath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (handle < 0) return false;
  const bool flushed = fsync(handle) == 0 || errno == EINVAL || errno == EROFS;
  close(handle);
  return flushed;
}

// The file's group goes with its permission bits, where the user may set it.
void KeepGroupOf(const QString& model, const QString& file) {
  struct stat status {};
  if (stat(FileSystemPath(model).c_str(), &status) != 0) return;
  [[maybe_unused]] const int ignored = chown(FileSystemPath(file).c_str(), static_cast<uid_t>(-1), status.st_gid);
}
#else
bool FlushToDisk(const QString&) { return true; }
void KeepGroupOf(const QString&, const QString&) {}
#endif

// The file a save is to replace: a link's target, as editors write through
// links and leave them in place.
QString ThroughLink(const QString& target) {
  const QFileInfo info(target);
  if (!info.isSymLink()) return target;
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

QString DirectoryOf(const QString& path) { return QFileInfo(path).absolutePath(); }

QString CopyOver(const QString& source, const QString& target) {
  QFile input(source);
  if (!input.open(QIODevice::ReadOnly)) return input.errorString();
  QSaveFile output(target);
  if (!output.open(QIODevice::WriteOnly)) return output.errorString();
  // The copy is written as private as the file it replaces.
  if (QFileInfo::exists(target)) output.setPermissions(QFile::permissions(target));
  constexpr qint64 kChunk = 1 << 20;
  while (!input.atEnd()) {
    const QByteArray chunk = input.read(kChunk);
    if (chunk.isEmpty() && input.error() != QFileDevice::NoError) {
      output.cancelWriting();
      return input.errorString();
    }
    if (output.write(chunk) != chunk.size()) {
      // A full disk shows as a short write without an error, and commit()
      // would then put the truncated copy in place of the user's file.
      const QString why = output.error() != QFileDevice::NoError
                              ? output.errorString()
                              : QStringLiteral("no se pudo escribir el archivo completo (¿disco lleno?)");
      output.cancelWriting();
      return why;
    }
  }
  if (!output.commit()) return output.errorString();
  return {};
}

}  // namespace

QString ReplaceFileWith(const QString& source, const QString& chosen) {
  const QString target = ThroughLink(chosen);
  if (QFileInfo::exists(target)) {
    if (!QFile::setPermissions(source, QFile::permissions(target))) {
      return QStringLiteral("no se pueden dar al resultado los permisos del archivo que reemplaza");
    }
    KeepGroupOf(target, source);
  }
  if (!FlushToDisk(source)) return QStringLiteral("no se pudo escribir el resultado en el disco");
  std::error_code renameError;
  std::filesystem::rename(FileSystemPath(source), FileSystemPath(target), renameError);
  if (renameError) {
    // Another volume, most likely; the copy reports any other reason itself.
    const QString copyError = CopyOver(source, target);
    if (!copyError.isEmpty()) return copyError;
    QFile::remove(source);
  }
  FlushToDisk(DirectoryOf(target));
  return {};
}

}  // namespace ruvela
