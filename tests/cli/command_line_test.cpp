// ruvela-convert's command line, one row per case: the files laid out
// before, the arguments, when Ctrl-C comes, and the exit status, messages
// and files after. Inputs that are broken or hostile are in the robustness
// table; faults of the file system while writing, in the save-fault table.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run_convert.h"
#include "support/directory_checks.h"
#include "support/test_files.h"

namespace ruvela::cli {
namespace {

namespace fs = std::filesystem;
using ruvela::testing::ReadFile;

struct Row {
  std::string name;
  // "NAME" copies that file of tests/cli/data (Ruta.gpx: 2 waypoints, a
  // 3-point route, a track of 4 points recorded at -12.6 m; Salida.kml: a
  // point and Rutas/Ruta1 with A, B, C and the path Camino); "NAME=FILE"
  // copies FILE under another name (mine: another program's data; empty),
  // "NAME=dir" makes a directory.
  std::string before;
  std::string args;  // split at blanks; "%" stands for the scratch directory
  int exitStatus;
  std::string written;  // the documents it writes, well-formed; every other file stays as it was
  // Pieces separated by "|" that must appear on standard error (none: it
  // stays empty), in the written documents ("!" before those that must not),
  // on standard output (none: it stays empty).
  std::string err;
  std::string doc = "";
  std::string out = "";
  int interruptAt = 0;  // the question, asked after every item, answered "stop"; 0 for none
};

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> pieces;
  std::istringstream in(text);
  for (std::string piece; std::getline(in, piece, separator);) {
    if (!piece.empty()) pieces.push_back(piece);
  }
  return pieces;
}

void ExpectPieces(const std::string& text, const std::string& pieces) {
  EXPECT_TRUE(!pieces.empty() || text.empty()) << text.substr(0, 300);
  for (const std::string& piece : Split(pieces, '|')) {
    const bool absent = piece[0] == '!';
    EXPECT_EQ(text.find(piece.substr(absent)) == std::string::npos, absent) << piece << ": " << text.substr(0, 999);
  }
}

const std::string kTrack = "-3.70380,40.41680,";  // the first track point of Ruta.gpx
const std::string kRoute = "-3.60000,40.50000,";  // its first route point
const std::string kGpx = "Ruta.gpx";
const std::string kKml = "Salida.kml";
const std::string kMine = "Ruta.gpx Ruta.kml=mine";
const std::string kNearlyMaximalName(240, 'm');

std::vector<Row> Rows() {
  return {
      // Usage mistakes end with status 2 before any file is touched.
      {"NoInput", "", "", 2, "", "falta el ARCHIVO|--help"},
      {"UnknownLongOption", "", "--colour a.gpx", 2, "", "opción desconocida: --colour|--help"},
      {"UnknownShortOption", "", "-x a.gpx", 2, "", "opción desconocida: -x"},
      {"MissingValue", "", "a.gpx --offset", 2, "", "falta el valor de --offset"},
      {"ValueForASwitch", "", "--force=yes a.gpx", 2, "", "--force no lleva valor"},
      {"BadTrackMode", "", "--tracks flat a.gpx", 2, "", "valor no válido para --tracks"},
      {"OutputForTwoInputs", "", "-o x.kml a.gpx b.gpx", 2, "", "un solo ARCHIVO"},
      {"DashesEndTheOptions", "", "-- -x.gpx", 2, "", "-x.gpx|no existe"},
      {"DashIsAFileName", "", "-", 1, "", "-: formato desconocido"},
      {"Help", "", "--help", 0, "", "", "",
       "--track-elevation N|(por defecto: Routes)|--paths-as-tracks|--track-times|--point-times|--quiet"},
      {"Version", "", "-V", 0, "", "", "", "ruvela-convert "},
      // Options reach the converter as the window's option fields would.
      {"GpxDefaults", kGpx, "%Ruta.gpx", 0, "Ruta.kml", "Tracks       : pts = 4\n", kTrack + "25\r\n|!xmlns:gx"},
      {"TrackTimes", kGpx, "--track-times %Ruta.gpx", 0, "Ruta.kml",
       "pts = 4 | 1 tracks sin fecha y hora en cada punto, dibujados como líneas\n", kTrack + "25\r\n|xmlns:gx"},
      {"Elevations", kGpx, "--track-elevation 40 --route-elevation 77 %Ruta.gpx", 0, "Ruta.kml", "->",
       kTrack + "40\r\n|" + kRoute + "77\r\n"},
      {"RecordedOffset", kGpx, "--tracks=recorded --offset 100 %Ruta.gpx", 0, "Ruta.kml", "->", kTrack + "88\r\n"},
      {"RecordedSigned", kGpx, "--tracks recorded --no-offset --no-absolute %Ruta.gpx", 0, "Ruta.kml", "->",
       kTrack + "-12\r\n"},
      {"Amplified", kGpx, "--tracks amplified --amplify 150 --no-absolute %Ruta.gpx", 0, "Ruta.kml", "->",
       kTrack + "-18\r\n"},
      {"AmplifiedAbsolute", kGpx, "--no-absolute --tracks amplified --absolute %Ruta.gpx", 0, "Ruta.kml", "->",
       kTrack + "24\r\n"},
      {"KmlDefaults", kKml, "%Salida.kml", 0, "Salida.gpx", "Carpetas     : 2\n",
       "<name>A</name>|!<rte>|!<trk>|!<time>"},
      {"PointTimes", kKml, "--point-times %Salida.kml", 0, "Salida.gpx", "->",
       "<ele>0</ele>\r\n    <time>2020-05-01T10:00:00Z</time>\r\n    <name>Mirador</name>"},
      {"PathsAsTracks", kKml, "--paths-as-tracks %Salida.kml", 0, "Salida.gpx",
       "Carpetas     : 2 | Tracks       : pts = 2\n", "<trk>\r\n    <name>Camino</name>"},
      {"RouteFolder", kKml, "--route-folder rutas %Salida.kml", 0, "Salida.gpx", "->", "<rte>|<name>000-Ruta1</name>"},
      {"NoAutoNames", kKml, "--route-folder=Rutas --no-auto-names %Salida.kml", 0, "Salida.gpx", "->",
       "<rte>|<name>A</name>|!000-"},
      {"IgnoreRouteWaypoints", kKml, "--route-folder Rutas --ignore-route-waypoints %Salida.kml", 0, "Salida.gpx", "->",
       "<rtept|<wpt lat=\"40.5\"|!<wpt lat=\"40.1\""},
      {"Duplicate", kKml, "--route-folder Rutas --duplicate %Salida.kml", 0, "Salida.gpx", "->",
       "<name>A</name>|<name>000-Ruta1</name>"},
      // The input's name and contents.
      {"PointsLeftOutAreCounted", "Perdidos.kml", "%Perdidos.kml", 0, "Perdidos.gpx",
       "Waypoints    : pts = 4 | Rutas        : pts = 0 | Carpetas     : 2 | 2 puntos sin posición válida omitidos\n"},
      {"EveryPointLeftOut", "SinPosicion.kml", "%SinPosicion.kml", 1, "", "sin datos convertibles"},
      {"OnlyPaths", "Caminos.kml", "%Caminos.kml", 1, "", "sin datos convertibles"},
      {"CapitalExtension", "RUTA.GPX=Ruta.gpx", "%RUTA.GPX", 0, "RUTA.kml", "RUTA.GPX -> "},
      {"NameNearTheLimit", kNearlyMaximalName + ".gpx=Ruta.gpx", "%" + kNearlyMaximalName + ".gpx", 0,
       kNearlyMaximalName + ".kml", "Waypoints    : pts = 2"},
      {"NameOfAMillionCharacters", "", "%" + std::string(1'000'000, 'n') + ".gpx", 2, "", "nombre demasiado largo"},
      {"UnknownExtension", "notas.txt=Ruta.gpx", "%notas.txt", 1, "", "formato desconocido"},
      {"NoExtension", "notas=Ruta.gpx", "%notas", 1, "", "formato desconocido"},
      // Where the document goes, and what is never done to a file already there.
      {"StandardOutputOnly", kGpx, "-o - %Ruta.gpx", 0, "", "Ruta.gpx -> salida estándar", "",
       "<?xml|<name>Ruta</name>|</kml>\r\n"},
      {"RefusesToOverwrite", kMine, "%Ruta.gpx", 2, "", "ya existe"},
      {"ForceQuietAndJoinedValue", "Ruta.gpx otro.kml=mine", "-fqo%otro.kml %Ruta.gpx", 0, "otro.kml", ""},
      {"ReplacesAnEmptyFile", "Salida.kml Salida.gpx=empty", "%Salida.kml", 0, "Salida.gpx", "->"},
      {"NeverReplacesADirectory", "Ruta.gpx Ruta.kml=dir", "-f %Ruta.gpx", 2, "", "es un directorio"},
      // Several inputs end with the worst status; the good ones are converted.
      {"AllConverted", "Ruta.gpx Salida.kml", "%Salida.kml %Ruta.gpx", 0, "Ruta.kml Salida.gpx", "->"},
      {"OneUnknown", "notas.txt=Ruta.gpx Ruta.gpx", "%notas.txt %Ruta.gpx", 1, "Ruta.kml", "->"},
      {"OneMissing", "notas.txt=Ruta.gpx Ruta.gpx", "%falta.gpx %Ruta.gpx %notas.txt", 2, "Ruta.kml", "no existe"},
      // Ctrl-C at the first item, a later one, after the last (Ruta.gpx has
      // 11 items), and between two files: nothing written, nothing left over.
      {"InterruptAtTheFirstItem", kMine, "-f %Ruta.gpx", 130, "", "cancelado", "", "", 1},
      {"InterruptLater", kMine, "-f %Ruta.gpx", 130, "", "cancelado", "", "", 5},
      {"InterruptAfterTheLast", kMine, "-f %Ruta.gpx", 130, "", "cancelado", "", "", 12},
      {"InterruptBeforeStandardOutput", kGpx, "-o - %Ruta.gpx", 130, "", "cancelado", "", "", 1},
      {"InterruptStopsTheNextFiles", "Ruta.gpx Salida.kml", "%Ruta.gpx %Salida.kml", 130, "", "cancelado", "", "", 1},
  };
}

class CommandLineTest : public ::testing::TestWithParam<Row> {};

TEST_P(CommandLineTest, EndsWithItsStatusMessagesAndFiles) {
  const Row& row = GetParam();
  ruvela::testing::ScratchDirectory dir;
  ruvela::testing::ScratchDirectory scratch;  // where a document for standard output waits
  for (const std::string& file : Split(row.before, ' ')) {
    const std::string name = file.substr(0, file.find('='));
    const std::string source = file.substr(file.find('=') == std::string::npos ? 0 : file.find('=') + 1);
    if (source == "dir") fs::create_directory(dir.path() / name);
    if (source != "dir") dir.Write(name, ReadFile(fs::path(RUVELA_CLI_DATA_DIR) / source));
  }
  const auto before = ruvela::testing::Contents(dir.path());
  std::vector<std::string> args;
  for (std::string arg : Split(row.args, ' ')) {
    if (const auto at = arg.find('%'); at != std::string::npos) arg.replace(at, 1, dir.path().string() + "/");
    args.push_back(arg);
  }
  CliEnvironment env;
  env.scratchDirectory = scratch.path();
  env.interruptRequested = [&row, asked = 0]() mutable { return row.interruptAt > 0 && ++asked >= row.interruptAt; };
  std::ostringstream out;
  std::ostringstream err;

  EXPECT_EQ(RunConvert(args, out, err, env), row.exitStatus) << err.str().substr(0, 300);

  ExpectPieces(err.str(), row.err);
  EXPECT_EQ(err.str().find(": \n"), std::string::npos) << "a message without its reason";
  EXPECT_LT(err.str().size(), 1000u) << "a message too long to read";
  ExpectPieces(out.str(), row.out);
  auto expected = before;
  std::string written;
  for (const std::string& name : Split(row.written, ' ')) {
    written += expected[(dir.path() / name).string()] = ReadFile(dir.path() / name);
    EXPECT_TRUE(ruvela::testing::IsWellFormedXml(ReadFile(dir.path() / name))) << name;
  }
  EXPECT_EQ(ruvela::testing::Contents(dir.path()), expected) << "a file changed, or one too many";
  EXPECT_TRUE(fs::is_empty(scratch.path()));
  if (!row.doc.empty()) ExpectPieces(written, row.doc);
}

// CTest lists each row by its name rather than by its bytes.
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

INSTANTIATE_TEST_SUITE_P(Runs, CommandLineTest, ::testing::ValuesIn(Rows()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace ruvela::cli
