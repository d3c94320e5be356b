#include "app/command_line.h"

#include <QDir>
#include <QFileInfo>

#include "app/window_texts.h"

namespace ruvela {

QStringList CommandLineFiles(const QStringList& arguments) {
  // An empty argument names no file; taken as one it would mean the Open
  // command and show the file dialog in the middle of start-up.
  QStringList files;
  for (const QString& argument : arguments) {
    if (files.size() == kMaxCommandLineFiles) break;
    if (!argument.isEmpty()) files << argument;
  }
  return files;
}

QString GetLongFilename(const QString& path) {
  if (path.isEmpty()) return {};
  const QFileInfo file(QDir::fromNativeSeparators(path));
  if (!file.exists()) return {};
  return QDir::cleanPath(file.absoluteFilePath());
}

QString WhyPathIsUnusable(const QString& path) {
  const QFileInfo file(QDir::fromNativeSeparators(path));
  if (!file.exists()) return QString::fromUtf8(texts::kPathMissing);
  if (!file.isFile()) return QString::fromUtf8(texts::kPathNotAFile);
  if (!file.isReadable()) return QString::fromUtf8(texts::kPathNotReadable);
  return {};
}

}  // namespace ruvela
