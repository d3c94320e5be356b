// Small input files the window tests copy into their own directories, from
// tests/data/window/.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

class QTemporaryDir;

namespace ruvela {

namespace samples {

// tests/data/window/`name`.
QString DataFile(const QString& name);
// 2 waypoints, a route of 3 points, a track of 2 segments with 2 points each.
extern const QByteArray kGpx;

// Writes `content` as `name` into `directory` and returns its path.
QString Write(const QTemporaryDir& directory, const QString& name, const QByteArray& content);
QByteArray Read(const QString& path);

// The scenarios of tests/data/window/`file`: "== NAME" starts one, then come
// its steps, one a line ("\r\n" stands for a line break); "#" starts a comment.
QList<std::pair<QString, QStringList>> Scenarios(const char* file);

}  // namespace samples

}  // namespace ruvela
