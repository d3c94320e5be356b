// Small input files the window tests write into their own directories.
#pragma once

#include <QByteArray>
#include <QString>

class QTemporaryDir;

namespace ruvela {

namespace samples {

// 2 waypoints, a route of 3 points, a track of 2 segments with 2 points each.
extern const char* const kGpx;
// One track of 2 points, nothing else.
extern const char* const kTracksOnlyGpx;
// Two point placemarks inside a Document element, and a folder.
extern const char* const kDocumentKml;
// One path placemark: nothing a GPX file can take.
extern const char* const kPathsOnlyKml;
// Cut off in the middle of an element.
extern const char* const kBrokenXml;

// Writes `content` as `name` into `directory` and returns its path.
QString Write(const QTemporaryDir& directory, const QString& name, const QByteArray& content);
QByteArray Read(const QString& path);

}  // namespace samples

}  // namespace ruvela
