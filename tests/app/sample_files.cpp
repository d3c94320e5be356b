#include "sample_files.h"

#include <QFile>
#include <QTemporaryDir>

namespace ruvela {

namespace samples {

const char* const kGpx = R"(<?xml version="1.0" encoding="UTF-8"?>
<gpx xmlns="http://www.topografix.com/GPX/1/1" version="1.1" creator="test">
  <wpt lat="-34.1" lon="-58.1"><ele>10</ele><name>Uno</name></wpt>
  <wpt lat="-34.2" lon="-58.2"><ele>20</ele><name>Dos</name></wpt>
  <rte><name>Ruta</name>
    <rtept lat="-34.1" lon="-58.1"/><rtept lat="-34.2" lon="-58.2"/><rtept lat="-34.3" lon="-58.3"/>
  </rte>
  <trk><name>Track</name>
    <trkseg><trkpt lat="-34.1" lon="-58.1"><ele>5</ele></trkpt><trkpt lat="-34.2" lon="-58.2"><ele>6</ele></trkpt></trkseg>
    <trkseg><trkpt lat="-34.3" lon="-58.3"><ele>7</ele></trkpt><trkpt lat="-34.4" lon="-58.4"><ele>8</ele></trkpt></trkseg>
  </trk>
</gpx>
)";

const char* const kTracksOnlyGpx = R"(<?xml version="1.0" encoding="UTF-8"?>
<gpx xmlns="http://www.topografix.com/GPX/1/1" version="1.1" creator="test">
  <trk><name>Solo</name><trkseg>
    <trkpt lat="-34.1" lon="-58.1"><ele>5</ele></trkpt><trkpt lat="-34.2" lon="-58.2"><ele>6</ele></trkpt>
  </trkseg></trk>
</gpx>
)";

const char* const kDocumentKml = R"(<?xml version="1.0" encoding="UTF-8"?>
<kml xmlns="http://earth.google.com/kml/2.0"><Document><name>Doc</name>
  <Placemark><name>A</name><Point><coordinates>-58.1,-34.1,10</coordinates></Point></Placemark>
  <Placemark><name>B</name><Point><coordinates>-58.2,-34.2,20</coordinates></Point></Placemark>
  <Folder><name>Otros</name></Folder>
</Document></kml>
)";

const char* const kPathsOnlyKml = R"(<?xml version="1.0" encoding="UTF-8"?>
<kml xmlns="http://earth.google.com/kml/2.0"><Document>
  <Placemark><name>Camino</name><LineString><coordinates>-58.1,-34.1,0 -58.2,-34.2,0</coordinates></LineString></Placemark>
</Document></kml>
)";

const char* const kBrokenXml = R"(<?xml version="1.0"?><gpx version="1.1"><wpt lat="1" lon="2"><name>x</na)";

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

}  // namespace samples

}  // namespace ruvela
