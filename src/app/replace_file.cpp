#include "app/replace_file.h"

#include <filesystem>
#include <system_error>

#include <QFile>
#include <QSaveFile>

#include "core/path_parts.h"

namespace ruvela {

namespace {

std::filesystem::path FileSystemPath(const QString& path) { return ruvela::PathFromUtf8(path.toStdString()); }

QString CopyOver(const QString& source, const QString& target) {
  QFile input(source);
  if (!input.open(QIODevice::ReadOnly)) return input.errorString();
  QSaveFile output(target);
  if (!output.open(QIODevice::WriteOnly)) return output.errorString();
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

QString ReplaceFileWith(const QString& source, const QString& target) {
  std::error_code renameError;
  std::filesystem::rename(FileSystemPath(source), FileSystemPath(target), renameError);
  if (!renameError) return {};

  // Another volume, most likely; the copy reports any other reason itself.
  const QString copyError = CopyOver(source, target);
  if (!copyError.isEmpty()) return copyError;
  QFile::remove(source);
  return {};
}

}  // namespace ruvela
