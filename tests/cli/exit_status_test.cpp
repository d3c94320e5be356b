// Every kind of input ruvela-convert may be handed, good and bad: each ends
// with its exit status and a clear message, never with a crash, and never
// leaves a partial output or a temporary file behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "support/special_inputs.h"

namespace ruvela::cli::test {
namespace {

namespace fs = std::filesystem;

// How the input of a row is laid out before the run.
enum class Setup {
  File,                     // `fileName` holds `content`
  Missing,                  // nothing by that name
  Directory,                // a directory by that name
  NamedPipe,                // a named pipe without a writer by that name
  DevZero,                  // a link by that name to /dev/zero
  Unreadable,               // the file without read permission
  ReadOnlyOutputDirectory,  // the output goes into a directory without write permission
  MissingOutputDirectory,   // the output goes into a directory that does not exist
};

struct StatusRow {
  std::string name;
  Setup setup;
  std::string fileName;
  std::string (*content)();
  int exitStatus;
  std::string outputName;  // the file expected beside the input; empty for none
  std::string message;     // a piece of what the user is told
};

std::string SmallGpx() { return kSmallGpx; }
std::string SmallKml() { return kSmallKml; }
std::string Empty() { return {}; }
std::string Binary() {
  std::string bytes;
  for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 37 + 11) % 256);
  return bytes;
}
std::string Truncated() {
  const std::string whole = kSmallGpx;
  return whole.substr(0, whole.find("<trkseg>", whole.find("</trkseg>")));
}
std::string WrongRoot() { return "<?xml version=\"1.0\"?>\n<html><body><p>hola</p></body></html>\n"; }
std::string OnlyPaths() {
  return "<kml xmlns=\"http://earth.google.com/kml/2.0\"><Document><Placemark><name>Camino</name>"
         "<LineString><coordinates>-3.1,40.1,0 -3.2,40.2,0</coordinates></LineString></Placemark>"
         "</Document></kml>";
}
// One point with a position and two without; then only those two.
std::string PointsWithoutPosition() {
  std::string kml = kSmallKml;
  const std::string lost =
      "<Placemark><name>X</name><Point><coordinates>-3.5</coordinates></Point></Placemark>"
      "<Placemark><name>Y</name><Point><coordinates>-3.5,95,0</coordinates></Point></Placemark>";
  return kml.insert(kml.find("<Folder>"), lost);
}
std::string OnlyPointsWithoutPosition() {
  return "<kml><Placemark><name>X</name><Point><coordinates>1e1,2</coordinates></Point></Placemark></kml>";
}
// A valid waypoint followed by extensions nested a million levels deep.
std::string DeepNesting() {
  constexpr int kDepth = 1'000'000;
  std::string text = "<gpx><wpt lat=\"40.1\" lon=\"-3.1\"><name>Fondo</name></wpt><extensions>";
  text.reserve(text.size() + kDepth * 7 + 32);
  for (int i = 0; i < kDepth; ++i) text += "<a>";
  for (int i = 0; i < kDepth; ++i) text += "</a>";
  return text + "</extensions></gpx>";
}

// KMZ archives: the small KML as doc.kml, and one of each fault.
using ruvela::testing::ZipArchive;
std::string Kmz() { return ZipArchive({{"files/logo.png", "PNG"}, {"doc.kml", kSmallKml}}); }
std::string KmzOfAPicture() { return ZipArchive({{"logo.png", "PNG"}, {"notas.txt", "hola"}}); }
std::string CutKmz() { return Kmz().substr(0, 100); }
std::string DamagedKmz() { return ruvela::testing::WithDamagedData(ZipArchive({{"doc.kml", kSmallKml}})); }
std::string EncryptedKmz() { return ZipArchive({{"doc.kml", kSmallKml, true}}); }
// 64 MB of blanks deflate to about 64 KB: far more than any document's ratio.
std::string ZipBomb() { return ZipArchive({{"doc.kml", std::string(64 << 20, ' ')}}); }
std::string LyingZipBomb() { return ruvela::testing::WithDeclaredSize(ZipBomb(), 1000); }

const std::string kLongName(1'000'000, 'n');
const std::string kNearlyMaximalName(240, 'm');

const StatusRow kRows[] = {
    {"GpxConverts", Setup::File, "Ruta.gpx", SmallGpx, 0, "Ruta.kml", "Tracks       : pts = 4"},
    {"KmlConverts", Setup::File, "Salida.kml", SmallKml, 0, "Salida.gpx", "Carpetas     : 2\n"},
    {"PointsLeftOutAreCounted", Setup::File, "Salida.kml", PointsWithoutPosition, 0, "Salida.gpx",
     "Waypoints    : pts = 4 | Rutas        : pts = 0 | Carpetas     : 2 | 2 puntos sin posición válida omitidos\n"},
    {"EveryPointLeftOut", Setup::File, "perdidos.kml", OnlyPointsWithoutPosition, 1, "", "sin datos convertibles"},
    {"CapitalExtension", Setup::File, "RUTA.GPX", SmallGpx, 0, "RUTA.kml", "RUTA.GPX -> "},
    {"NameNearTheLimitConverts", Setup::File, kNearlyMaximalName + ".gpx", SmallGpx, 0, kNearlyMaximalName + ".kml",
     "Waypoints    : pts = 2"},
    {"UnknownExtension", Setup::File, "notas.txt", SmallGpx, 1, "", "formato desconocido"},
    {"NoExtension", Setup::File, "notas", SmallGpx, 1, "", "formato desconocido"},
    {"NothingConvertible", Setup::File, "caminos.kml", OnlyPaths, 1, "", "sin datos convertibles"},
    {"WrongRoot", Setup::File, "pagina.gpx", WrongRoot, 1, "", "sin datos convertibles"},
    {"MissingFile", Setup::Missing, "falta.gpx", nullptr, 2, "", "con error: no existe"},
    {"Directory", Setup::Directory, "carpeta.gpx", nullptr, 2, "", "con error: no es un archivo normal"},
    {"NamedPipe", Setup::NamedPipe, "tuberia.gpx", nullptr, 2, "", "con error: no es un archivo normal"},
    {"DevZero", Setup::DevZero, "cero.kml", nullptr, 2, "", "con error: no es un archivo normal"},
    {"KmzConverts", Setup::File, "Salida.Kmz", Kmz, 0, "Salida.gpx", "Salida.Kmz -> "},
    {"KmzNotAZip", Setup::File, "texto.kmz", SmallKml, 2, "", "con error: el archivo KMZ no es un archivo ZIP"},
    {"KmzCutShort", Setup::File, "corto.kmz", CutKmz, 2, "", "con error: el archivo KMZ está dañado"},
    {"KmzDamaged", Setup::File, "roto.kmz", DamagedKmz, 2, "", "con error: el archivo KMZ está dañado"},
    {"KmzEncrypted", Setup::File, "cifrado.kmz", EncryptedKmz, 2, "", "con error: el archivo KMZ está cifrado"},
    {"KmzWithoutKml", Setup::File, "fotos.kmz", KmzOfAPicture, 2, "", "con error: el archivo KMZ no contiene"},
    {"KmzBomb", Setup::File, "bomba.kmz", ZipBomb, 2, "", "(bomba ZIP)"},
    {"KmzBombLyingAboutItsSize", Setup::File, "bomba.kmz", LyingZipBomb, 2, "", "(bomba ZIP)"},
    {"UnreadableFile", Setup::Unreadable, "secreto.gpx", SmallGpx, 2, "", "con error: "},
    {"EmptyFile", Setup::File, "vacio.gpx", Empty, 2, "", "con error: "},
    {"BinaryFile", Setup::File, "imagen.kml", Binary, 2, "", "con error: "},
    {"TruncatedXml", Setup::File, "cortado.gpx", Truncated, 2, "", "con error: "},
    {"NameOfAMillionCharacters", Setup::Missing, kLongName + ".gpx", nullptr, 2, "", "nombre demasiado largo"},
    {"NestedAMillionLevels", Setup::File, "hondo.gpx", DeepNesting, 0, "hondo.kml", "Waypoints    : pts = 1"},
    {"ReadOnlyOutputDirectory", Setup::ReadOnlyOutputDirectory, "Ruta.gpx", SmallGpx, 2, "", "no se puede escribir"},
    {"MissingOutputDirectory", Setup::MissingOutputDirectory, "Ruta.gpx", SmallGpx, 2, "", "no se puede escribir"},
};

void PrintTo(const StatusRow& row, std::ostream* out) { *out << row.name; }

class ExitStatusTest : public ::testing::TestWithParam<StatusRow> {};

TEST_P(ExitStatusTest, EndsWithItsStatusAndLeavesNothingHalfWritten) {
  const StatusRow& row = GetParam();
  ScratchDirectory dir;
  const fs::path input = dir.path() / row.fileName;
  std::vector<std::string> args;
  if (row.content != nullptr) dir.Write(row.fileName, row.content());

  switch (row.setup) {
    case Setup::File:
    case Setup::Missing:
      break;
    case Setup::Directory:
      fs::create_directory(input);
      break;
    case Setup::NamedPipe:
      ASSERT_TRUE(ruvela::testing::MakeNamedPipe(input));
      break;
    case Setup::DevZero:
      fs::create_symlink("/dev/zero", input);
      break;
    case Setup::Unreadable:
      fs::permissions(input, fs::perms::none);
      if (std::ifstream(input)) GTEST_SKIP() << "file permissions do not apply to this user (root)";
      break;
    case Setup::ReadOnlyOutputDirectory: {
      const fs::path readOnly = dir.path() / "solo-lectura";
      fs::create_directory(readOnly);
      fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec);
      if (WritesIgnorePermissions(readOnly)) GTEST_SKIP() << "file permissions do not apply to this user (root)";
      args = {"-o", (readOnly / "Ruta.kml").string()};
      break;
    }
    case Setup::MissingOutputDirectory:
      args = {"-o", (dir.path() / "no-hay" / "Ruta.kml").string()};
      break;
  }
  auto expectedEntries = dir.Entries();
  if (!row.outputName.empty()) expectedEntries.insert(row.outputName);
  args.push_back(input.string());

  const RunResult result = RunConverter(args);

  EXPECT_EQ(result.exitStatus, row.exitStatus) << result.err;
  EXPECT_NE(result.err.find(row.message), std::string::npos) << result.err;
  EXPECT_EQ(result.err.find(": \n"), std::string::npos) << "a message without its reason: " << result.err;
  EXPECT_LT(result.err.size(), 1000u) << "a message too long to read";
  EXPECT_EQ(dir.Entries(), expectedEntries) << "an output or a temporary file too many, or one missing";
  if (!row.outputName.empty()) {
    EXPECT_TRUE(IsWellFormedXml(dir.path() / row.outputName));
  }
  if (row.setup == Setup::ReadOnlyOutputDirectory) {
    EXPECT_TRUE(fs::is_empty(dir.path() / "solo-lectura"));
  }
}

INSTANTIATE_TEST_SUITE_P(Inputs, ExitStatusTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<StatusRow>& info) { return info.param.name; });

}  // namespace
}  // namespace ruvela::cli::test
