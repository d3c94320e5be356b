// The files named on the command line, and the long, absolute form of a
// path given by the caller rather than chosen in the open dialog.
#pragma once

#include <QString>
#include <QStringList>

namespace ruvela {

// At most this many command-line files are converted; the rest are ignored.
inline constexpr qsizetype kMaxCommandLineFiles = 10;

// Arguments already split by the shell: the first ten that are not empty.
QStringList CommandLineFiles(const QStringList& arguments);

// The absolute form of `path` ("/" separators; a relative path is taken
// from the working directory), or the empty text when nothing exists there.
QString GetLongFilename(const QString& path);

// Why `path` cannot be read as a file: it does not exist, it is not a
// regular file (a folder, a pipe, a device) or reading it is not permitted;
// the empty text when it can be read.
QString WhyPathIsUnusable(const QString& path);

}  // namespace ruvela
