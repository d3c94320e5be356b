// Hostile inputs, one row each, through the core (ConvertInput) and through
// ruvela-convert: each ends in its stated outcome and message, any output
// is a well-formed document, nothing is expanded, fetched or left behind.
// The inputs a fuzz target once failed on (tests/data/regressions/TARGET/)
// are rows too, checked by that target's rules. Then ruvela-convert against
// the save-fault table (save_faults.h), and killed or terminated mid-way.
#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <fstream>
#include <sstream>
#include <utility>

#include "cli/run_convert.h"
#include "fuzz/conversion_check.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/outline_check.h"
#include "fuzz/text_rules.h"
#include "save_faults.h"
#include "support/special_inputs.h"
#include "support/test_files.h"

namespace ruvela::robustness {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::ScratchDirectory;
using testing::ZipArchive;

enum class Kind { Bytes, Unreadable };

struct Hostile {
  std::string name;
  std::string file;          // the input's name: its extension picks the direction
  ConversionStatus outcome;  // through the core (for .gpx and .kml), and ruvela-convert's exit status with it
  std::string said = "";     // in the document written, or else on standard error
  // The bytes are data/FILE with every "@" replaced by what this makes; when
  // there is no such file, only what this makes.
  std::function<std::string()> make = nullptr;
  Kind kind = Kind::Bytes;
  bool boundedMemory = false;  // converts in about the memory of a small document
  std::string fuzzTarget = "";
};

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}
std::string Data(const std::string& name) { return ReadFile(fs::path(RUVELA_HOSTILE_DIR) / name); }
constexpr int kMillion = 1'000'000;
std::string Nested(const std::string& tag, const std::string& inside = "") {
  return Repeat("<" + tag + ">", kMillion) + inside + Repeat("</" + tag + ">", kMillion);
}
std::string Attributes() {
  std::string attributes;
  for (int i = 0; i < 100000; ++i) attributes += " a" + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
  return attributes;
}
std::string Kmz() { return ZipArchive({{"files/logo.png", "PNG"}, {"doc.kml", Data("Cima.kml")}}); }
std::string TenMegabytes() { return std::string(10'000'000, 'N'); }
std::string Commas() { return std::string(100000, ','); }
std::string KmzOfAPicture() { return ZipArchive({{"logo.png", "PNG"}, {"notas.txt", "hola"}}); }
std::string DamagedKmz() { return testing::WithDamagedData(ZipArchive({{"doc.kml", Data("valores.kml")}})); }
std::string ShortKmz() { return testing::WithDeclaredSize(ZipArchive({{"doc.kml", Data("Cima.kml")}}), 1000); }
std::string EncryptedKmz() { return ZipArchive({{"doc.kml", Data("Cima.kml"), true}}); }
// 64 MB of blanks deflate to about 64 KB: far beyond any document's ratio.
std::string ZipBomb() { return ZipArchive({{"doc.kml", std::string(64 << 20, ' ')}}); }
// Entries up to 4 MB are read however well they deflate.
std::string FourMegabyteKmz() {
  std::string kml = Data("Cima.kml");
  kml.resize(4 << 20, ' ');
  return ZipArchive({{"doc.kml", kml}});
}
std::string LyingZipBomb() { return testing::WithDeclaredSize(ZipBomb(), 1000); }
// 3.9 GB declared, and a compressed size that makes it look like a ratio of
// 150: the archive holds far less than that.
std::string KmzLyingAboutBothSizes() { return testing::WithDeclaredSize(ZipBomb(), 3'900'000'000u, 26'000'000u); }
std::string KmzImploded() { return testing::WithMethod(ZipArchive({{"doc.kml", Data("Cima.kml")}}), 6); }
std::string KmzWithEmptyDocKml() { return ZipArchive({{"doc.kml", ""}, {"a.kml", Data("Cima.kml")}}); }

std::vector<Hostile> Rows() {
  using enum ConversionStatus;
  std::vector<Hostile> rows = {
      {"EmptyGpx", "vacio.gpx", InputNotLoaded},
      {"EmptyKml", "vacio.kml", InputNotLoaded},
      {"LoneBom", "bom.kml", InputNotLoaded},
      {"NotXml", "texto.gpx", InputNotLoaded},
      {"Binary", "imagen.kml", InputNotLoaded},
      {"TruncatedInATag", "cortado.gpx", InputNotLoaded},
      {"TruncatedInAnAttribute", "cortado.kml", InputNotLoaded},
      {"TruncatedInCdata", "cdata.gpx", InputNotLoaded},
      {"NulInAName", "nul.gpx", InputNotLoaded},
      {"NulInAnAttribute", "nul.kml", InputNotLoaded},
      {"WrongRoot", "pagina.gpx", NothingConvertible},
      // Broken only inside an element that is parsed late in the conversion.
      {"BrokenLastTrackPoint", "tarde.gpx", InputNotLoaded, "XML mal formado en el byte 102",
       [] {
         return R"(<gpx><wpt lat="1" lon="2"><name>A</name></wpt><trk><trkseg><trkpt lat="1" lon="2"/>)"
                R"(<trkpt lat="1" lon=2/></trkseg></trk></gpx>)";
       }},
      // Large enough that the document is read a run at a time.
      {"BrokenPlacemarkUnderTheRootNotWalked", "tarde.kml", InputNotLoaded, "XML mal formado en el byte 600144",
       [] {
         return "<kml><Placemark><name>A</name><description>" + std::string(600000, 'd') +
                "</description><Point><coordinates>1,2</coordinates></Point></Placemark><Document>"
                "<Placemark><Point x=1><coordinates>1,2</coordinates></Point></Placemark></Document></kml>";
       }},
      {"InvalidUtf8Gpx", "raro.gpx", Completed, "<name>A o</name>"},
      {"InvalidUtf8Kml", "raro.kml", Completed, "<wpt lat=\"2\" lon=\"1\">\r\n    <name>A"},
      {"Utf16WithoutBomGpx", "utf16.gpx", Completed, "<name>Cima"},
      {"Utf16WithoutBomKml", "utf16.kml", Completed, "<name>Cima</name>"},
      // Padding that a device left after a complete document is not part of
      // it. The GPX holds a waypoint and a track point: all points count.
      {"NulPaddingGpx", "relleno.gpx", Completed, "Cima"},
      {"NulPaddingKml", "relleno.kml", Completed, "<name>Cima</name>"},
      // Markup, references to characters XML forbids, broken UTF-8 and CDATA ends in every field.
      {"HostileValuesGpx", "valores.gpx", Completed},
      {"HostileValuesKml", "valores.kml", Completed},
      {"BillionLaughsGpx", "risas.gpx", Completed, "", nullptr, Kind::Bytes, true},
      {"BillionLaughsKml", "risas.kml", Completed, "", nullptr, Kind::Bytes, true},
      {"ExternalEntityGpx", "externo.gpx", Completed},
      {"ExternalEntityKml", "externo.kml", Completed},
      {"NestedAMillionLevelsGpx", "hondo.gpx", Completed, "<name>Fondo</name>", [] { return Nested("a"); }},
      {"NestedAMillionLevelsKml", "hondo.kml", NothingConvertible, "", [] { return Nested("Folder"); }},
      {"NameNestedAMillionLevels", "nombre.kml", Completed, "<name>hondo</name>", [] { return Nested("b", "hondo"); }},
      {"NameOf10MbGpx", "largo.gpx", Completed, TenMegabytes(), TenMegabytes},
      {"NameOf10MbKml", "largo.kml", Completed, TenMegabytes(), TenMegabytes},
      {"ManyAttributesGpx", "muchos.gpx", Completed, "", Attributes},
      {"ManyAttributesKml", "muchos.kml", Completed, "", Attributes},
      {"CommaCoordinatesGpx", "comas.gpx", Completed, "", Commas},
      // Everything after the second comma is the elevation, here not a number.
      {"CommaCoordinatesKml", "comas.kml", Completed, "<wpt lat=\"2\" lon=\"1\">\r\n    <name>A</name>", Commas},
      // Files that are not documents, and KMZ archives.
      {"Unreadable", "relleno.gpx", InputNotLoaded, "", nullptr, Kind::Unreadable},
      {"Kmz", "Salida.Kmz", Completed, "Cima", Kmz},
      {"KmzNotAZip", "Cima.kmz", InputNotLoaded, "el archivo KMZ no es un archivo ZIP"},
      {"KmzEmpty", "vacio.kmz", InputNotLoaded, "el archivo está vacío", [] { return std::string(); }},
      {"KmzCutShort", "corto.kmz", InputNotLoaded, "el archivo KMZ está dañado", [] { return Kmz().substr(0, 100); }},
      {"KmzDamaged", "roto.kmz", InputNotLoaded, "el archivo KMZ está dañado", DamagedKmz},
      {"KmzShorterThanDeclared", "corto.kmz", InputNotLoaded, "el archivo KMZ está dañado", ShortKmz},
      {"KmzEncrypted", "cifrado.kmz", InputNotLoaded, "el archivo KMZ está cifrado", EncryptedKmz},
      {"KmzWithoutKml", "fotos.kmz", InputNotLoaded, "el archivo KMZ no contiene", KmzOfAPicture},
      {"KmzOf4MbIsReadWhatever", "justo.kmz", Completed, "Cima", FourMegabyteKmz},
      {"KmzBomb", "bomba.kmz", InputNotLoaded, "(bomba ZIP)", ZipBomb, Kind::Bytes, true},
      {"KmzBombLyingAboutItsSize", "bomba.kmz", InputNotLoaded, "(bomba ZIP)", LyingZipBomb, Kind::Bytes, true},
      {"KmzLyingAboutBothSizes", "bomba.kmz", InputNotLoaded, "dañado", KmzLyingAboutBothSizes, Kind::Bytes, true},
      {"KmzOfAnUnsupportedMethod", "raro.kmz", InputNotLoaded, "con un método no admitido", KmzImploded},
      {"KmzOfAnEmptyDocument", "vacio.kmz", InputNotLoaded, "el documento KML del archivo KMZ está vacío",
       [] {
         return ZipArchive({{"doc.kml", ""}});
       }},
      {"KmzEmptyDocKmlBesideAValidOne", "dos.kmz", Completed, "Cima", KmzWithEmptyDocKml},
      {"KmzNamedKml", "zip.kml", Completed, "Cima", Kmz},
  };
  std::error_code error;
  for (const auto& file : fs::recursive_directory_iterator(RUVELA_REGRESSIONS_DIR, error)) {
    const std::string target = file.path().parent_path().filename().string();
    if (file.is_regular_file() && target != "regressions") {
      std::string name = target + "_" + file.path().filename().string();
      for (char& c : name) c = std::isalnum(c & 0xFF) ? c : '_';
      rows.push_back({name, file.path().string(), {}, "", nullptr, Kind::Bytes, false, target});
    }
  }
  return rows;
}

// The broken rule for `bytes` under the rules of a fuzz target.
std::string Problem(const std::string& target, const std::string& bytes) {
  if (target == "gpx_to_kml_fuzzer" || target == "kml_to_gpx_fuzzer") {
    const Direction direction = target == "gpx_to_kml_fuzzer" ? Direction::GpxToKml : Direction::KmlToGpx;
    const ConversionInput in = ReadConversionInput(direction, bytes);
    const ScratchDirectory scratch;
    const CheckedConversion checked =
        ConvertAndCheck(scratch.path(), direction, in.document, in.gpxOptions, in.kmlOptions);
    if (!checked.problem.empty()) return checked.problem;
    return CompareOutlineReadingAtAllSizes(checked.input, direction, SmallOutlineSizes(in.document));
  }
  return target == "clean_name_fuzzer"      ? CleanNameProblem(bytes)
         : target == "number_text_fuzzer"   ? NumberTextProblem(bytes)
         : target == "stored_values_fuzzer" ? StoredValueProblem(bytes)
                                            : "no fuzz target is called " + target;
}

void ExpectHarmless(const std::string& output, const std::string& said) {
  EXPECT_EQ(WhyNotWellFormed(output), "");
  EXPECT_NE(output.find(said), std::string::npos) << said.substr(0, 80);
  EXPECT_EQ(output.find("lollol"), std::string::npos) << "an entity was expanded";
  EXPECT_EQ(output.find("root:x:0"), std::string::npos) << "an external file (/etc/passwd) was read";
}

// Runs ruvela-convert, keeping what it says in `err`.
int Convert(const std::vector<std::string>& args, std::string* err = nullptr) {
  std::ostringstream said;
  const int status = cli::RunConvert(args, said, said, {});
  if (err != nullptr) *err = said.str();
  return status;
}

// The peak memory of a process converting `input`, in kilobytes.
long PeakMemoryOfConverting(const fs::path& input) {
  bool ran = false;
  return PeakMemoryOf([&] { return Convert({input.string(), "-f", "-o", input.string() + ".medida"}) >= 0; }, ran);
}

// CTest lists each row by its name rather than by its bytes.
void PrintTo(const Hostile& row, std::ostream* os) { *os << row.name; }

class HostileInputTest : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileInputTest, ReachesItsOutcomeInTheCoreAndTheConverter) {
  const Hostile& row = GetParam();
  if (!row.fuzzTarget.empty()) {
    EXPECT_EQ(Problem(row.fuzzTarget, ReadFile(row.file)), "");
    return;
  }
  ScratchDirectory scratch;
  const fs::path input = scratch.path() / row.file;
  std::string bytes = fs::exists(fs::path(RUVELA_HOSTILE_DIR) / row.file) ? Data(row.file) : "@";
  const std::string made = row.make ? row.make() : "@";
  for (auto at = bytes.find('@'); at != std::string::npos; at = bytes.find('@', at + made.size())) {
    bytes.replace(at, 1, made);
  }
  if (row.kind == Kind::Bytes && (input.extension() == ".gpx" || input.extension() == ".kml")) {
    ScratchDirectory core;
    const CheckedConversion converted = ConvertAndCheck(core.path(), DirectionOf(input.extension().string()), bytes);
    EXPECT_EQ(converted.problem, "");
    EXPECT_EQ(CompareOutlineReadingAtAllSizes(converted.input, DirectionOf(input.extension().string()),
                                              SmallOutlineSizes(bytes)),
              "");
    EXPECT_EQ(converted.outcome, row.outcome);
    if (row.outcome == ConversionStatus::Completed) ExpectHarmless(converted.output, row.said);
  }
  scratch.Write(row.file, bytes);
  if (row.kind == Kind::Unreadable) fs::permissions(input, fs::perms::none);
  if (row.kind == Kind::Unreadable && std::ifstream(input)) GTEST_SKIP() << "this user reads unreadable files (root)";
  auto expected = testing::Contents(scratch.path());
  std::string err;

  const bool completed = row.outcome == ConversionStatus::Completed;
  const bool nothing = row.outcome == ConversionStatus::NothingConvertible;
  EXPECT_EQ(Convert({input.string(), "-o", input.string() + ".salida"}, &err), completed ? 0 : nothing ? 1 : 2) << err;

  if (completed) {
    ExpectHarmless(expected[input.string() + ".salida"] = ReadFile(input.string() + ".salida"), row.said);
  } else {
    if (nothing) EXPECT_NE(err.find("sin datos convertibles"), std::string::npos) << err;
    EXPECT_NE(err.find(row.said), std::string::npos) << err;
  }
  EXPECT_EQ(testing::Contents(scratch.path()), expected) << "a file left behind, or one changed";
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
// would let through (that it takes what is sound, every output above shows).
TEST(ConversionRules, RefuseDocumentsAStrictReaderRefuses) {
  for (const char* broken :
       {"", "<a>", "<a>\x01</a>", "<a>\xED\xA0\x80</a>", "<a>&#1;</a>", "<a>&nbsp;</a>", "<a></b>"})
    EXPECT_NE(WhyNotWellFormed(broken), "") << broken;
}

class SaveFaultTest : public ::testing::TestWithParam<SaveFaultRow> {};

// Both directions; the GPX of these 100 points (about 120 KB) is written
// only when the output is closed.
TEST_P(SaveFaultTest, UsersFileIsIntactOrReplacedWhole) {
  const std::string points =
      Repeat("<Placemark><name>p</name><Point><coordinates>1,2</coordinates></Point></Placemark>", 100);
  for (const auto& [name, document] : {std::pair{"ruta.gpx", RouteGpx(200)},
                                       {"ruta.kml", "<kml><Folder><name>Routes</name>" + points + "</Folder></kml>"}}) {
    SCOPED_TRACE(name);
    ScratchDirectory scratch;
    const fs::path input = scratch.Write(name, document);
    const ArrangedSaveFault arranged(GetParam().name, scratch.path());
    if (!arranged.skipReason.empty()) GTEST_SKIP() << arranged.skipReason;
    auto expected = arranged.contents();

    std::string err;

    EXPECT_EQ(Convert({input.string(), "-o", arranged.target.string(), "-f"}, &err), GetParam().saved ? 0 : 2) << err;

    const std::string said = GetParam().saved ? "" : arranged.target.string() + ": ";
    EXPECT_NE(err.find(said + GetParam().words), std::string::npos) << err;
    // A saved document replaces the user's file whole.
    const std::string target = arranged.target.string();
    EXPECT_TRUE(!GetParam().saved || WhyNotWellFormed(expected[target] = ReadFile(target)).empty());
    EXPECT_EQ(arranged.contents(), expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, SaveFaultTest, ::testing::ValuesIn(kSaveFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// Killed while it writes, nothing can clean up; yet the user's file is
// untouched, since only a complete document is renamed over it. Terminated
// while stuck writing to a pipe nobody reads, it ends at once and leaves
// nothing behind.
TEST(SignalledConversion, LeavesTheUsersFileIntact) {
  for (const int signal : {SIGKILL, SIGTERM, SIGHUP}) {
    ScratchDirectory scratch;
    const std::string input = scratch.Write("ruta.gpx", RouteGpx(20000)).string();
    const std::string target = scratch.Write("ruta.kml", ArrangedSaveFault::kUsersFile).string();
    const bool killed = signal == SIGKILL;
    const auto before = testing::Contents(scratch.path());
    const SignalledRun run = RunAndSignal(RUVELA_CONVERT_PATH, {"-q", "-f", "-o", killed ? target : "-", input},
                                          scratch.path(), killed ? scratch.path() : fs::path(), signal, 10000);
    if (!run.whyNot.empty()) GTEST_SKIP() << run.whyNot;
    EXPECT_EQ(run.endedBySignal, killed) << "a larger input is needed when it ended before the signal";
    EXPECT_EQ(run.exitStatus, killed ? -1 : 130);
    // Only SIGKILL may leave the hidden partial document, which nothing can remove then.
    auto after = testing::Contents(scratch.path());
    std::erase_if(after, [&](const auto& f) { return killed && f.first.find("/.ruta.kml.ruvela-") != f.first.npos; });
    EXPECT_EQ(after, before);
  }
}

// What ruvela-convert met, and what it said (in order) to standard error.
struct Ending {
  int status = -1;
  std::string err;
};

// One fault a run of ruvela-convert meets on its way out, arranged in a
// scratch folder around `input` and `output` (a 20,000-point route and the
// KML it would give): it ends with `status`, says `said` (nothing at all when
// empty) and leaves no temporary file; unless it converted, the output is
// not there, or else `check` tells what is.
struct WayOut {
  std::string name;
  int status;
  std::string said;
  std::function<Ending(const fs::path& input, const fs::path& output)> run;
  std::function<void(const fs::path& input, const fs::path& output)> check = nullptr;
};

// Runs ruvela-convert in this process; `onItem` runs before each item
// converted, the first time with true.
Ending ConvertWhile(const std::vector<std::string>& args, const std::function<void(bool first)>& onItem) {
  std::ostringstream said;
  cli::CliEnvironment env;
  bool first = true;
  env.interruptRequested = [&] {
    onItem(std::exchange(first, false));
    return false;
  };
  const int status = cli::RunConvert(args, said, said, env);
  return {status, said.str()};
}

Ending ConvertHere(const std::vector<std::string>& args) {
  return ConvertWhile(args, [](bool) {});
}

// A run of ruvela-convert in this process with `options` and the input.
std::function<Ending(const fs::path&, const fs::path&)> RunWith(std::vector<std::string> options) {
  return [options](const fs::path& in, const fs::path&) {
    std::vector<std::string> args = options;
    args.push_back(in);
    return ConvertHere(args);
  };
}

// Runs ruvela-convert in a process of its own, converting `in` into `out`.
Ending ConvertOutside(const fs::path& in, const fs::path& out, rlim_t fileSizeLimit, int readBytes) {
  const ChildRun run =
      RunConverter(RUVELA_CONVERT_PATH, {"-q", "-o", out, in}, in.parent_path(), fileSizeLimit, readBytes);
  return {run.exitStatus, run.err};
}

constexpr auto kUsersText = "texto del usuario";
void InputIntact(const fs::path& in, const fs::path&) { EXPECT_EQ(ReadFile(in), RouteGpx(20000)); }
std::string Waypoints(char name) {
  return "<gpx>" + Repeat(std::string("<wpt lat=\"1\" lon=\"2\"><name>") + name + "</name></wpt>", 20000) + "</gpx>";
}

std::vector<WayOut> WaysOut() {
  const auto mode = [](const fs::path& path) { return fs::status(path).permissions() & fs::perms::mask; };
  return {
      // The reader of standard output goes after 10 bytes, as with `| head -c 10`.
      {"ClosedStandardOutput", 2, "", [](const auto& in, const auto&) { return ConvertOutside(in, "-", 0, 10); }},
      // `ulimit -f 1000`: the document cannot grow past 1 MB.
      {"FileSizeLimit", 2, "no se puede escribir",
       [](const auto& in, const auto& out) { return ConvertOutside(in, out, 1 << 20, 0); }},
      {"TargetAppearsDuringTheConversion", 2, "apareció durante la conversión",
       [](const fs::path& in, const fs::path& out) {
         return ConvertWhile({"-o", out, in}, [&](bool first) {
           if (first) std::ofstream(out) << kUsersText;
         });
       },
       [](const fs::path&, const fs::path& out) { EXPECT_EQ(ReadFile(out), kUsersText); }},
      // Rewritten in place, same size, long after it was last written.
      {"InputRewrittenWhileRead", 2, "el archivo cambió mientras se leía",
       [](const fs::path& in, const fs::path& out) {
         std::ofstream(in, std::ios::binary) << Waypoints('A');
         fs::last_write_time(in, fs::last_write_time(in) - std::chrono::hours(1));
         return ConvertWhile({"-o", out, in}, [&](bool first) {
           if (first) std::fstream(in, std::ios::binary | std::ios::in | std::ios::out) << Waypoints('B');
         });
       }},
      {"InputIsItsOwnOutput", 2, "es el propio archivo de entrada",
       [](const fs::path& in, const fs::path&) {
         return ConvertHere({"-f", "-o", in, in});
       },
       InputIntact},
      {"InputIsItsOwnOutputThroughALink", 2, "es el propio archivo de entrada",
       [](const fs::path& in, const fs::path& out) {
         fs::create_symlink(in, out);
         return ConvertHere({"-f", "-o", out, in});
       },
       InputIntact},
      // The user's file is replaced on request: it keeps its mode, and the
      // link to it stays a link.
      {"ReplacedFileKeepsItsModeAndLink", 0, "->",
       [](const fs::path& in, const fs::path& out) {
         const fs::path file = in.parent_path() / "privado.kml";
         std::ofstream(file) << kUsersText;
         fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
         fs::create_symlink(file.filename(), out);
         return ConvertHere({"-f", "-o", out, in});
       },
       [mode](const fs::path& in, const fs::path& out) {
         const fs::path file = in.parent_path() / "privado.kml";
         EXPECT_TRUE(fs::is_symlink(out));
         EXPECT_EQ(mode(file), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
         EXPECT_EQ(WhyNotWellFormed(ReadFile(file)), "");
       }},
      {"ControlCharactersInANameAreEscaped", 2, "a\\x1b]2;b\\x07\\nc.gpx: no existe",
       [](const fs::path& in, const fs::path&) { return ConvertHere({(in.parent_path() / "a\x1b]2;b\x07\nc.gpx")}); }},
      {"ElevationNotANumber", 2, "valor no válido para --track-elevation: \"abc\"",
       RunWith({"--track-elevation", "abc"})},
      {"ElevationBeyondAnyBox", 2, "valor no válido para --route-elevation", RunWith({"--route-elevation=1e999"})},
      {"OffsetOutOfRange", 2, "valor no válido para --offset", RunWith({"--offset", "32768"})},
      {"PercentWithBlanks", 2, "valor no válido para --amplify", RunWith({"--amplify", " 50"})},
  };
}

void PrintTo(const WayOut& row, std::ostream* os) { *os << row.name; }

class WayOutTest : public ::testing::TestWithParam<WayOut> {};

TEST_P(WayOutTest, LeavesNothingBehindAndReplacesNothingUnasked) {
  const WayOut& row = GetParam();
  ScratchDirectory scratch;
  const fs::path input = scratch.Write("ruta.gpx", RouteGpx(20000));
  const fs::path output = scratch.path() / "ruta.kml";
  const Ending run = row.run(input, output);
  EXPECT_EQ(run.status, row.status) << run.err;
  EXPECT_NE(run.err.find(row.said), std::string::npos) << run.err;
  EXPECT_TRUE(!row.said.empty() || run.err.empty()) << run.err;
  EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << "raw control characters reach the terminal";
  for (const auto& [path, content] : testing::Contents(scratch.path())) {
    EXPECT_EQ(path.find(".ruvela-"), std::string::npos) << path << " left behind";
  }
  if (row.check) {
    row.check(input, output);
  } else if (row.status != 0) {
    EXPECT_FALSE(fs::exists(output)) << "written after all";
  }
}

INSTANTIATE_TEST_SUITE_P(Table, WayOutTest, ::testing::ValuesIn(WaysOut()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace ruvela::robustness
