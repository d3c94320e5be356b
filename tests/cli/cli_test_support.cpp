#include "cli_test_support.h"

#include <fstream>
#include <sstream>

#include "cli/run_convert.h"

namespace ruvela::cli::test {

namespace fs = std::filesystem;

const char* const kSmallGpx = R"(<?xml version="1.0" encoding="UTF-8"?>
<gpx xmlns="http://www.topografix.com/GPX/1/1" version="1.1" creator="test">
  <wpt lat="40.1" lon="-3.1"><ele>600</ele><name>Fuente</name></wpt>
  <wpt lat="40.2" lon="-3.2"><ele>610</ele><name>Refugio</name></wpt>
  <rte><name>Paseo</name>
    <rtept lat="40.50000" lon="-3.60000"/>
    <rtept lat="40.51000" lon="-3.61000"/>
    <rtept lat="40.52000" lon="-3.62000"/>
  </rte>
  <trk><name>Subida</name>
    <trkseg>
      <trkpt lat="40.41680" lon="-3.70380"><ele>-12.6</ele><time>2020-05-01T10:00:00Z</time></trkpt>
      <trkpt lat="40.41690" lon="-3.70390"><ele>-12.6</ele></trkpt>
    </trkseg>
    <trkseg>
      <trkpt lat="40.41700" lon="-3.70400"><ele>-12.6</ele></trkpt>
      <trkpt lat="40.41710" lon="-3.70410"><ele>-12.6</ele></trkpt>
    </trkseg>
  </trk>
</gpx>
)";

const char* const kSmallKml = R"(<?xml version="1.0" encoding="UTF-8"?>
<kml xmlns="http://earth.google.com/kml/2.0">
<Document>
  <name>Salida.kml</name>
  <Placemark><name>Mirador</name><Point><coordinates>-3.5,40.5,0</coordinates></Point></Placemark>
  <Folder><name>Rutas</name>
    <Folder><name>Ruta1</name>
      <Placemark><name>A</name><Point><coordinates>-3.1,40.1,0</coordinates></Point></Placemark>
      <Placemark><name>B</name><Point><coordinates>-3.2,40.2,0</coordinates></Point></Placemark>
      <Placemark><name>C</name><Point><coordinates>-3.3,40.3,0</coordinates></Point></Placemark>
      <Placemark><name>Camino</name><LineString><coordinates>-3.1,40.1,0 -3.3,40.3</coordinates></LineString></Placemark>
    </Folder>
  </Folder>
</Document>
</kml>
)";

std::string ScratchDirectory::operator/(const std::string& name) const { return (path() / name).string(); }

std::string ScratchDirectory::Write(const std::string& name, const std::string& content) const {
  return ruvela::testing::ScratchDirectory::Write(name, content).string();
}

std::set<std::string> ScratchDirectory::Entries() const {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(path())) names.insert(entry.path().filename().string());
  return names;
}

bool IsWellFormedXml(const fs::path& path) {
  const std::string bytes = ReadFile(path);
  return !bytes.empty() && ruvela::testing::IsWellFormedXml(bytes);
}

bool WritesIgnorePermissions(const fs::path& directory) {
  const fs::path probe = directory / "probe";
  const bool written = static_cast<bool>(std::ofstream(probe));
  std::error_code ignored;
  fs::remove(probe, ignored);
  return written;
}

RunResult RunConverter(const std::vector<std::string>& args, std::function<bool()> interruptRequested,
                       const fs::path& scratchDirectory) {
  CliEnvironment env;
  env.interruptRequested = std::move(interruptRequested);
  env.scratchDirectory = scratchDirectory;
  std::ostringstream out;
  std::ostringstream err;
  RunResult result;
  result.exitStatus = RunConvert(args, out, err, env);
  result.out = out.str();
  result.err = err.str();
  return result;
}

}  // namespace ruvela::cli::test
