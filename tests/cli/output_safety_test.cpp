// Where ruvela-convert's documents go, and what it never does to a file
// that is already there: standard output, refusing to overwrite, replacing
// an empty file, and nothing written at all when a conversion is
// interrupted.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "cli_test_support.h"

namespace ruvela::cli::test {
namespace {

namespace fs = std::filesystem;

const std::string kPrecious = "datos de otro programa\n";

// Answers "yes, stop" from its `first`-th question on; ruvela-convert asks
// after every item it converts.
auto InterruptAtQuestion(int first) {
  return [first, asked = 0]() mutable { return ++asked >= first; };
}

TEST(OutputSafetyTest, DashWritesTheDocumentToStandardOutputOnly) {
  ScratchDirectory dir;
  ScratchDirectory scratch;
  const std::string input = dir.Write("Ruta.gpx", kSmallGpx);

  const RunResult result = RunConverter({"-o", "-", input}, {}, scratch.path());

  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_TRUE(result.out.starts_with("<?xml")) << result.out.substr(0, 80);
  EXPECT_TRUE(result.out.ends_with("</kml>\r\n"));
  EXPECT_NE(result.out.find("<name>Ruta</name>"), std::string::npos) << "document folder named after the file";
  EXPECT_NE(result.err.find("Ruta.gpx -> salida estándar"), std::string::npos) << result.err;
  EXPECT_EQ(dir.Entries(), std::set<std::string>{"Ruta.gpx"});
  EXPECT_TRUE(scratch.Entries().empty());
}

TEST(OutputSafetyTest, QuietPrintsNothingOnSuccess) {
  ScratchDirectory dir;
  const RunResult result = RunConverter({"-q", dir.Write("Salida.kml", kSmallKml)});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_TRUE(IsWellFormedXml(dir.path() / "Salida.gpx"));
}

TEST(OutputSafetyTest, RefusesToOverwriteANonEmptyFile) {
  ScratchDirectory dir;
  const std::string input = dir.Write("Ruta.gpx", kSmallGpx);
  dir.Write("Ruta.kml", kPrecious);

  const RunResult result = RunConverter({input});

  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_NE(result.err.find("ya existe"), std::string::npos) << result.err;
  EXPECT_EQ(ReadFile(dir / "Ruta.kml"), kPrecious);
  EXPECT_EQ(dir.Entries(), (std::set<std::string>{"Ruta.gpx", "Ruta.kml"}));
}

TEST(OutputSafetyTest, ForceReplacesANonEmptyFile) {
  ScratchDirectory dir;
  const std::string input = dir.Write("Ruta.gpx", kSmallGpx);
  const std::string output = dir.Write("otro.kml", kPrecious);

  const RunResult result = RunConverter({"-f", "-o", output, input});

  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_TRUE(IsWellFormedXml(output));
  EXPECT_EQ(dir.Entries(), (std::set<std::string>{"Ruta.gpx", "otro.kml"}));
}

TEST(OutputSafetyTest, ReplacesAnEmptyFileWithoutForce) {
  ScratchDirectory dir;
  const std::string input = dir.Write("Salida.kml", kSmallKml);
  dir.Write("Salida.gpx", "");

  const RunResult result = RunConverter({input});

  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_TRUE(IsWellFormedXml(dir.path() / "Salida.gpx"));
}

TEST(OutputSafetyTest, NeverReplacesADirectory) {
  ScratchDirectory dir;
  const std::string input = dir.Write("Ruta.gpx", kSmallGpx);
  fs::create_directory(dir.path() / "Ruta.kml");

  const RunResult result = RunConverter({"-f", input});

  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_NE(result.err.find("es un directorio"), std::string::npos) << result.err;
  EXPECT_TRUE(fs::is_directory(dir.path() / "Ruta.kml"));
}

// An interrupt at the first item, at a later one, and one noticed only
// after the last: never an output, never a leftover, never a damaged file.
class InterruptTest : public ::testing::TestWithParam<int> {};

TEST_P(InterruptTest, LeavesNoOutputAndTheExistingFileUnchanged) {
  ScratchDirectory dir;
  const std::string input = dir.Write("Ruta.gpx", kSmallGpx);
  const std::string existing = dir.Write("Ruta.kml", kPrecious);

  const RunResult result = RunConverter({"-f", input}, InterruptAtQuestion(GetParam()));

  EXPECT_EQ(result.exitStatus, 130);
  EXPECT_NE(result.err.find("cancelado"), std::string::npos) << result.err;
  EXPECT_EQ(ReadFile(existing), kPrecious);
  EXPECT_EQ(dir.Entries(), (std::set<std::string>{"Ruta.gpx", "Ruta.kml"}));
}

// kSmallGpx has 11 items, each asked about once, and one last question
// after the conversion.
INSTANTIATE_TEST_SUITE_P(AtQuestion, InterruptTest, ::testing::Values(1, 5, 12));

TEST(OutputSafetyTest, InterruptWritesNothingToStandardOutput) {
  ScratchDirectory dir;
  ScratchDirectory scratch;
  const std::string input = dir.Write("Ruta.gpx", kSmallGpx);

  const RunResult result = RunConverter({"-o", "-", input}, InterruptAtQuestion(1), scratch.path());

  EXPECT_EQ(result.exitStatus, 130);
  EXPECT_EQ(result.out, "");
  EXPECT_TRUE(scratch.Entries().empty());
}

TEST(OutputSafetyTest, InterruptStopsTheFilesAfterIt) {
  ScratchDirectory dir;
  const std::string first = dir.Write("Ruta.gpx", kSmallGpx);
  const std::string second = dir.Write("Salida.kml", kSmallKml);

  const RunResult result = RunConverter({first, second}, InterruptAtQuestion(1));

  EXPECT_EQ(result.exitStatus, 130);
  EXPECT_EQ(dir.Entries(), (std::set<std::string>{"Ruta.gpx", "Salida.kml"}));
}

struct SeveralInputsRow {
  const char* name;
  std::vector<std::string> files;  // "*" marks a file that is not created
  int exitStatus;
};

void PrintTo(const SeveralInputsRow& row, std::ostream* out) { *out << row.name; }

class SeveralInputsTest : public ::testing::TestWithParam<SeveralInputsRow> {};

TEST_P(SeveralInputsTest, EndWithTheWorstStatusAndConvertTheRest) {
  ScratchDirectory dir;
  std::vector<std::string> args;
  for (const std::string& file : GetParam().files) {
    if (file.starts_with("*")) {
      args.push_back(dir / file.substr(1));
    } else {
      args.push_back(dir.Write(file, file.ends_with(".kml") ? kSmallKml : kSmallGpx));
    }
  }

  const RunResult result = RunConverter(args);

  EXPECT_EQ(result.exitStatus, GetParam().exitStatus) << result.err;
  EXPECT_TRUE(IsWellFormedXml(dir.path() / "Ruta.kml")) << "the good file is converted all the same";
}

INSTANTIATE_TEST_SUITE_P(Runs, SeveralInputsTest,
                         ::testing::Values(SeveralInputsRow{"AllConverted", {"Salida.kml", "Ruta.gpx"}, 0},
                                           SeveralInputsRow{"OneUnknown", {"notas.txt", "Ruta.gpx"}, 1},
                                           SeveralInputsRow{"OneMissing", {"*falta.gpx", "Ruta.gpx", "notas.txt"}, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ruvela::cli::test
