#include "sample_files.h"

#include <QFile>
#include <QTemporaryDir>

namespace ruvela {

namespace samples {

QString DataFile(const QString& name) { return QStringLiteral(RUVELA_WINDOW_DATA_DIR "/") + name; }

const QByteArray kGpx = Read(DataFile(QStringLiteral("ruta.gpx")));

QString Write(const QTemporaryDir& directory, const QString& name, const QByteArray& content) {
  const QString path = directory.filePath(name);
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(content);
  return path;
}

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<std::pair<QString, QStringList>> Scenarios(const char* file) {
  QList<std::pair<QString, QStringList>> scenarios;
  for (const QString& line : QString::fromUtf8(Read(DataFile(QLatin1String(file)))).split(u'\n')) {
    if (line.startsWith(u"== ")) scenarios.append({line.mid(3), {}});
    if (!scenarios.isEmpty() && !line.isEmpty() && !line.startsWith(u'#') && !line.startsWith(u"== ")) {
      scenarios.last().second << QString(line).replace(QStringLiteral("\\r\\n"), QStringLiteral("\r\n"));
    }
  }
  return scenarios;
}

}  // namespace samples

}  // namespace ruvela
