// Hostile inputs, one row each, through the core (ConvertInput) and through
// ruvela-convert: each ends in its stated outcome and message, any output
// is a well-formed document, nothing is expanded, fetched or left behind.
// The inputs a fuzz target once failed on (tests/data/regressions/TARGET/)
// are rows too, checked by that target's rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include "cli/run_convert.h"
#include "fuzz/conversion_check.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/text_rules.h"
#include "posix_faults.h"
#include "support/special_inputs.h"
#include "support/test_files.h"

namespace ruvela::robustness {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using testing::ReadFile;
using testing::ZipArchive;

enum class Kind { Bytes, Missing, Directory, NamedPipe, DevZero, Unreadable };

struct Hostile {
  std::string name;
  std::string file;  // the input's name, its extension picks the direction; the bytes of data/FILE by default
  std::function<std::string()> bytes;
  ConversionStatus outcome;  // through the core, for documents named .gpx or .kml
  int exitStatus;            // through ruvela-convert
  std::string said = "";     // in the document written, or else on standard error
  Kind kind = Kind::Bytes;
  bool boundedMemory = false;  // converts in about the memory of a small document
  std::string fuzzTarget = "";
};

void PrintTo(const Hostile& row, std::ostream* out) { *out << row.name; }

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}
std::string Gpx(const std::string& body) { return "<gpx version=\"1.1\">" + body + "</gpx>"; }
std::string Kml(const std::string& body) { return "<kml xmlns=\"http://earth.google.com/kml/2.0\">" + body + "</kml>"; }
std::string Placemark(const std::string& name, const std::string& where = "1,2,3", const std::string& attributes = "") {
  return "<Placemark" + attributes + "><name>" + name + "</name><Point><coordinates>" + where +
         "</coordinates></Point></Placemark>";
}
std::string Waypoint(const std::string& name, const std::string& at = "lat=\"1\" lon=\"2\"") {
  return "<wpt " + at + "><name>" + name + "</name></wpt>";
}
std::string Attributes(int count) {
  std::string attributes;
  for (int i = 0; i < count; ++i) attributes += " a" + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
  return attributes;
}
std::string Data(const std::string& name) { return ReadFile(fs::path(RUVELA_HOSTILE_DIR) / name); }
const std::string kCommas(100000, ',');
const std::string kTenMegabytes(10'000'000, 'N');
constexpr int kMillion = 1'000'000;
// 64 MB of blanks deflate to about 64 KB: far beyond any document's ratio.
std::string ZipBomb() { return ZipArchive({{"doc.kml", std::string(64 << 20, ' ')}}); }
std::string Kmz(const std::string& document) { return ZipArchive({{"files/logo.png", "PNG"}, {"doc.kml", document}}); }

std::vector<Hostile> Rows() {
  using enum ConversionStatus;
  const std::string loadError = "con error: ";
  const std::string notAFile = "con error: no es un archivo normal";
  std::vector<Hostile> rows = {
      {"EmptyGpx", "vacio.gpx", [] { return ""; }, InputNotLoaded, 2, loadError},
      {"EmptyKml", "vacio.kml", [] { return ""; }, InputNotLoaded, 2, loadError},
      {"LoneBom", "bom.kml", nullptr, InputNotLoaded, 2, loadError},
      {"NotXml", "texto.gpx", nullptr, InputNotLoaded, 2, loadError},
      {"Binary", "imagen.kml", nullptr, InputNotLoaded, 2, loadError},
      {"TruncatedInATag", "cortado.gpx", nullptr, InputNotLoaded, 2, loadError},
      {"TruncatedInAnAttribute", "cortado.kml", nullptr, InputNotLoaded, 2, loadError},
      {"TruncatedInCdata", "cdata.gpx", nullptr, InputNotLoaded, 2, loadError},
      {"NulInAName", "nul.gpx", nullptr, InputNotLoaded, 2, loadError},
      {"NulInAnAttribute", "nul.kml", nullptr, InputNotLoaded, 2, loadError},
      {"WrongRoot", "pagina.gpx", nullptr, NothingConvertible, 1, "sin datos convertibles"},
      {"InvalidUtf8Gpx", "raro.gpx", nullptr, Completed, 0, "<name>A o</name>"},
      {"InvalidUtf8Kml", "raro.kml", nullptr, Completed, 0, "<wpt lat=\"2\" lon=\"1\">\r\n    <name>A"},
      {"Utf16WithoutBomGpx", "utf16.gpx", nullptr, Completed, 0, "<name>Cima"},
      {"Utf16WithoutBomKml", "utf16.kml", nullptr, Completed, 0, "<name>Cima</name>"},
      // Padding that a device left after a complete document is not part of it.
      {"NulPaddingGpx", "relleno.gpx", nullptr, Completed, 0, "Cima"},
      {"NulPaddingKml", "relleno.kml", nullptr, Completed, 0, "<name>Cima</name>"},
      // Markup, character references XML forbids, broken UTF-8 and CDATA ends in every field.
      {"HostileValuesGpx", "valores.gpx", nullptr, Completed, 0},
      {"HostileValuesKml", "valores.kml", nullptr, Completed, 0},
      {"BillionLaughsGpx", "risas.gpx", nullptr, Completed, 0, "", {}, true},
      {"BillionLaughsKml", "risas.kml", nullptr, Completed, 0, "", {}, true},
      {"ExternalEntityGpx", "externo.gpx", nullptr, Completed, 0},
      {"ExternalEntityKml", "externo.kml", nullptr, Completed, 0},
      {"NestedAMillionLevelsGpx", "hondo.gpx",
       [] { return Gpx(Waypoint("Fondo") + Repeat("<a>", kMillion) + Repeat("</a>", kMillion)); }, Completed, 0,
       "<name>Fondo</name>"},
      {"NestedAMillionLevelsKml", "hondo.kml",
       [] { return Kml(Repeat("<Folder>", kMillion) + Repeat("</Folder>", kMillion)); }, NothingConvertible, 1,
       "sin datos convertibles"},
      {"NameNestedAMillionLevels", "hondo.kml",
       [] { return Kml(Placemark(Repeat("<b>", kMillion) + "hondo" + Repeat("</b>", kMillion))); }, Completed, 0,
       "<name>hondo</name>"},
      {"NameOf10MbGpx", "largo.gpx", [] { return Gpx(Waypoint(kTenMegabytes)); }, Completed, 0, kTenMegabytes},
      {"NameOf10MbKml", "largo.kml", [] { return Kml(Placemark(kTenMegabytes)); }, Completed, 0, kTenMegabytes},
      {"ManyAttributesGpx", "muchos.gpx", [] { return Gpx("<wpt" + Attributes(100000) + " lat=\"1\" lon=\"2\"/>"); },
       Completed, 0},
      {"ManyAttributesKml", "muchos.kml", [] { return Kml(Placemark("A", "1,2,3", Attributes(100000))); }, Completed,
       0},
      {"CommaCoordinatesGpx", "comas.gpx",
       [] { return Gpx(Waypoint("A", "lat=\"" + kCommas + "\" lon=\"" + kCommas + "\"")); }, Completed, 0},
      // Everything after the second comma is the elevation, here not a number.
      {"CommaCoordinatesKml", "comas.kml", [] { return Kml(Placemark("A", "1,2" + kCommas)); }, Completed, 0,
       "<wpt lat=\"2\" lon=\"1\">\r\n    <name>A</name>"},
      // Files that are not documents, and KMZ archives.
      {"MissingFile", "falta.gpx", nullptr, InputNotLoaded, 2, "con error: no existe", Kind::Missing},
      {"Directory", "carpeta.gpx", nullptr, InputNotLoaded, 2, notAFile, Kind::Directory},
      {"NamedPipe", "tuberia.gpx", nullptr, InputNotLoaded, 2, notAFile, Kind::NamedPipe},
      {"DevZero", "cero.kml", nullptr, InputNotLoaded, 2, notAFile, Kind::DevZero},
      {"Unreadable", "secreto.gpx", [] { return Data("raro.gpx"); }, InputNotLoaded, 2, loadError, Kind::Unreadable},
      {"Kmz", "Salida.Kmz", [] { return Kmz(Data("Cima.kml")); }, Completed, 0, "Cima"},
      {"KmzNotAZip", "texto.kmz", [] { return Data("Cima.kml"); }, InputNotLoaded, 2,
       "con error: el archivo KMZ no es un archivo ZIP"},
      {"KmzCutShort", "corto.kmz", [] { return Kmz(Data("Cima.kml")).substr(0, 100); }, InputNotLoaded, 2,
       "con error: el archivo KMZ está dañado"},
      {"KmzDamaged", "roto.kmz",
       [] {
         return testing::WithDamagedData(ZipArchive({{"doc.kml", Data("valores.kml")}}));
       },
       InputNotLoaded, 2, "con error: el archivo KMZ está dañado"},
      {"KmzEncrypted", "cifrado.kmz",
       [] {
         return ZipArchive({{"doc.kml", Data("Cima.kml"), true}});
       },
       InputNotLoaded, 2, "con error: el archivo KMZ está cifrado"},
      {"KmzWithoutKml", "fotos.kmz",
       [] {
         return ZipArchive({{"logo.png", "PNG"}, {"notas.txt", "hola"}});
       },
       InputNotLoaded, 2, "con error: el archivo KMZ no contiene"},
      {"KmzBomb", "bomba.kmz", ZipBomb, InputNotLoaded, 2, "(bomba ZIP)", {}, true},
      {"KmzBombLyingAboutItsSize",
       "bomba.kmz",
       [] { return testing::WithDeclaredSize(ZipBomb(), 1000); },
       InputNotLoaded,
       2,
       "(bomba ZIP)",
       {},
       true},
  };
  std::error_code error;
  for (const auto& file : fs::recursive_directory_iterator(RUVELA_REGRESSIONS_DIR, error)) {
    const std::string target = file.path().parent_path().filename().string();
    if (file.is_regular_file() && target != "regressions") {
      rows.push_back({target + "_" + file.path().filename().string(), file.path().string(), nullptr, {}, 0});
      rows.back().fuzzTarget = target;
    }
  }
  for (Hostile& row : rows) {
    std::replace_if(
        row.name.begin(), row.name.end(), [](char c) { return !std::isalnum(c & 0xFF); }, '_');
  }
  return rows;
}

// The broken rule for `bytes` under the rules of a fuzz target.
std::string Problem(const std::string& target, const std::string& bytes) {
  if (target == "gpx_to_kml_fuzzer" || target == "kml_to_gpx_fuzzer") {
    const Direction direction = target == "gpx_to_kml_fuzzer" ? Direction::GpxToKml : Direction::KmlToGpx;
    const ConversionInput input = ReadConversionInput(direction, bytes);
    testing::ScratchDirectory scratch;
    return ConvertAndCheck(scratch.path(), direction, input.document, input.gpxOptions, input.kmlOptions).problem;
  }
  if (target == "clean_name_fuzzer") return CleanNameProblem(bytes);
  if (target == "number_text_fuzzer") return NumberTextProblem(bytes);
  if (target == "stored_values_fuzzer") return StoredValueProblem(bytes);
  return "no fuzz target is called " + target;
}

void ExpectHarmless(const std::string& output, const std::string& said) {
  EXPECT_EQ(WhyNotWellFormed(output), "");
  EXPECT_NE(output.find(said), std::string::npos) << said.substr(0, 80);
  EXPECT_EQ(output.find("lollol"), std::string::npos) << "an entity was expanded";
  EXPECT_EQ(output.find("root:x:0"), std::string::npos) << "an external file (/etc/passwd) was read";
}

// Runs ruvela-convert on `input`, keeping what it says in `err`.
int RunConverter(const fs::path& input, std::string& err) {
  std::ostringstream out;
  std::ostringstream said;
  const int status = cli::RunConvert({input.string(), "-o", input.string() + ".salida"}, out, said, {});
  err = said.str();
  return status;
}

// The peak memory of a process converting `input`, in kilobytes.
long PeakMemoryOfConverting(const fs::path& input) {
  bool ran = false;
  return PeakMemoryOf(
      [&] {
        std::ostringstream ignored;
        return cli::RunConvert({input.string(), "-f", "-o", input.string() + ".medida"}, ignored, ignored, {}) >= 0;
      },
      ran);
}

class HostileInputTest : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileInputTest, ReachesItsOutcomeInTheCoreAndTheConverter) {
  const Hostile& row = GetParam();
  if (!row.fuzzTarget.empty()) {
    EXPECT_EQ(Problem(row.fuzzTarget, ReadFile(row.file)), "");
    return;
  }
  testing::ScratchDirectory scratch;
  const fs::path input = scratch.path() / row.file;
  const std::string bytes = row.bytes ? row.bytes() : row.kind == Kind::Bytes ? Data(row.file) : "";
  const Direction direction = DirectionOf(input.extension().string());
  if (row.kind == Kind::Bytes && (input.extension() == ".gpx" || input.extension() == ".kml")) {
    testing::ScratchDirectory core;
    const CheckedConversion converted = ConvertAndCheck(core.path(), direction, bytes);
    EXPECT_EQ(converted.problem, "");
    EXPECT_EQ(converted.outcome, row.outcome);
    if (row.outcome == ConversionStatus::Completed) ExpectHarmless(converted.output, row.said);
  }
  if (row.kind == Kind::Bytes || row.bytes) scratch.Write(row.file, bytes);
  if (row.kind == Kind::Directory) fs::create_directory(input);
  if (row.kind == Kind::NamedPipe) {
    ASSERT_TRUE(testing::MakeNamedPipe(input));
  }
  if (row.kind == Kind::DevZero) fs::create_symlink("/dev/zero", input);
  if (row.kind == Kind::Unreadable) fs::permissions(input, fs::perms::none);
  if (row.kind == Kind::Unreadable && std::ifstream(input)) GTEST_SKIP() << "this user reads unreadable files (root)";
  std::set<fs::path> expected(fs::directory_iterator(scratch.path()), {});
  std::string err;

  EXPECT_EQ(RunConverter(input, err), row.exitStatus) << err.substr(0, 300);

  if (row.exitStatus == 0) {
    ExpectHarmless(ReadFile(input.string() + ".salida"), row.said);
    expected.insert(input.string() + ".salida");
  } else {
    EXPECT_NE(err.find(row.said), std::string::npos) << err;
  }
  EXPECT_EQ(std::set<fs::path>(fs::directory_iterator(scratch.path()), {}), expected) << "a file left behind";
  if (!row.boundedMemory) return;
  // Entities are never expanded, a ZIP bomb never inflated: no more memory
  // than a small document takes (expanded, lol9 alone would take 3 GB).
  const bool gpx = input.extension() == ".gpx";
  const long small =
      PeakMemoryOfConverting(scratch.Write(gpx ? "a.gpx" : "a.kml", Data(gpx ? "relleno.gpx" : "Cima.kml")));
  if (small < 0) GTEST_SKIP() << "the peak memory of a process cannot be measured here";
  EXPECT_LT(PeakMemoryOfConverting(input), small + 16 * 1024) << "kilobytes at the peak";
}

INSTANTIATE_TEST_SUITE_P(Table, HostileInputTest, ::testing::ValuesIn(Rows()),
                         [](const auto& info) { return info.param.name; });

// The strict reading the rules rely on turns down what a lenient parser
// would let through.
TEST(ConversionRules, RefuseDocumentsAStrictReaderRefuses) {
  for (const char* sound : {"<a>b</a>", "<a>&lt;&#9;&#x10FFFF;&amp;</a>", "<a><![CDATA[&#1; & ]]><!-- & --></a>"}) {
    EXPECT_EQ(WhyNotWellFormed(sound), "") << sound;
  }
  for (const char* broken :
       {"", "<a>", "<a>\x01</a>", "<a>\xFF</a>", "<a>\xED\xA0\x80</a>", "<a>\xEF\xBF\xBF</a>", "<a>&#1;</a>",
        "<a>&#xFFFE;</a>", "<a>&#99999999;</a>", "<a>a & b</a>", "<a>&nbsp;</a>", "<a>&#x;</a>", "<a></b>", "texto"}) {
    EXPECT_NE(WhyNotWellFormed(broken), "") << broken;
  }
}

}  // namespace
}  // namespace ruvela::robustness
