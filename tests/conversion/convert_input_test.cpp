#include "conversion/convert_input.h"

#include <gtest/gtest.h>

#include "core/path_parts.h"
#include "support/scripted_progress.h"
#include "support/test_files.h"

namespace ruvela {
namespace {

using testing::ReadFile;
using testing::ScratchDirectory;
using testing::ScriptedProgress;

TEST(DirectionOf, ReadsTheExtensionInAnyCase) {
  EXPECT_EQ(DirectionOf(".gpx"), Direction::GpxToKml);
  EXPECT_EQ(DirectionOf(".GPX"), Direction::GpxToKml);
  EXPECT_EQ(DirectionOf(".Kml"), Direction::KmlToGpx);
  EXPECT_EQ(DirectionOf(".KMZ"), Direction::KmlToGpx);
  EXPECT_EQ(DirectionOf("."), Direction::Unknown);
  EXPECT_EQ(DirectionOf(""), Direction::Unknown);
}

struct OutcomeCase {
  const char* label;
  const char* fileName;
  const char* content;
  int stopAtYield;
  ConversionStatus expected;
};

class ConvertInputOutcomes : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(ConvertInputOutcomes, JudgeResultAndCounts) {
  const OutcomeCase& row = GetParam();
  ScratchDirectory scratch;
  const auto input = scratch.Write(row.fileName, row.content);
  const InputParts parts = SplitInputPath(Utf8FromPath(input), '/');
  ScriptedProgress progress(row.stopAtYield);
  ConversionCounts counts;
  const ConversionResult outcome =
      ConvertInput(DirectionOf(parts.extension), parts, scratch.path() / "out.tmp", {}, {}, progress, counts);
  EXPECT_EQ(outcome.status, row.expected);
  if (row.expected == ConversionStatus::Completed) {
    EXPECT_TRUE(testing::IsWellFormedXml(ReadFile(scratch.path() / "out.tmp")));
  }
  if (row.expected == ConversionStatus::InputNotLoaded) {
    EXPECT_EQ(outcome.closingText, "");
    EXPECT_FALSE(outcome.reason.empty());
    EXPECT_EQ(ReadFile(scratch.path() / "out.tmp"), "");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ConvertInputOutcomes,
    ::testing::Values(
        OutcomeCase{"GpxWithOnlyTracks", "t.gpx", "<gpx><trk><trkseg><trkpt lat='1' lon='2'/></trkseg></trk></gpx>", 0,
                    ConversionStatus::Completed},
        OutcomeCase{"GpxInCapitals", "T.GPX", "<gpx><wpt lat='1' lon='2'/></gpx>", 0, ConversionStatus::Completed},
        OutcomeCase{"GpxNotWellFormed", "t.gpx", "<gpx><wpt>", 0, ConversionStatus::InputNotLoaded},
        OutcomeCase{"GpxWithoutPoints", "t.gpx", "<gpx><metadata/></gpx>", 0, ConversionStatus::NothingConvertible},
        OutcomeCase{"GpxAborted", "t.gpx", "<gpx><wpt lat='1' lon='2'/></gpx>", 1, ConversionStatus::Stopped},
        OutcomeCase{"KmlAtTheRoot", "m.kml",
                    "<kml><Placemark><name>A</name><Point><coordinates>1,2,3</coordinates>"
                    "</Point></Placemark></kml>",
                    0, ConversionStatus::Completed},
        OutcomeCase{"KmlInADocument", "m.kml",
                    "<kml><Document><Placemark><name>A</name><Point><coordinates>1,2,3"
                    "</coordinates></Point></Placemark></Document></kml>",
                    0, ConversionStatus::Completed},
        OutcomeCase{"KmlWithOnlyPaths", "m.kml",
                    "<kml><Document><Placemark><name>A</name><LineString><coordinates>"
                    "1,2,3 4,5,6</coordinates></LineString></Placemark></Document></kml>",
                    0, ConversionStatus::NothingConvertible},
        OutcomeCase{"KmlWithPrefixedRoot", "m.kml",
                    "<k:kml xmlns:k='urn:k'><Placemark><name>A</name><Point>"
                    "<coordinates>1,2,3</coordinates></Point></Placemark></k:kml>",
                    0, ConversionStatus::NothingConvertible},
        OutcomeCase{"KmlEmptyFile", "m.kml", "", 0, ConversionStatus::InputNotLoaded},
        OutcomeCase{"KmlAborted", "m.kml",
                    "<kml><Placemark><name>A</name><Point><coordinates>1,2,3</coordinates>"
                    "</Point></Placemark></kml>",
                    1, ConversionStatus::Stopped}),
    [](const ::testing::TestParamInfo<OutcomeCase>& info) { return info.param.label; });

TEST(ConvertInput, SecondKmlPassReplacesTheFirstOutput) {
  ScratchDirectory scratch;
  const auto input = scratch.Write("m.kml",
                                   "<kml><Document><Folder><name>F</name><Placemark><name>A</name><Point>"
                                   "<coordinates>1,2,3</coordinates></Point></Placemark></Folder></Document></kml>");
  const InputParts parts = SplitInputPath(Utf8FromPath(input), '/');
  ScriptedProgress progress;
  ConversionCounts counts;
  const ConversionResult outcome =
      ConvertInput(Direction::KmlToGpx, parts, scratch.path() / "out.tmp", {}, {}, progress, counts);
  EXPECT_EQ(outcome.status, ConversionStatus::Completed);
  EXPECT_EQ(progress.loads, 1) << "the document is read once for both passes";
  EXPECT_EQ(counts.folders, 1);
  EXPECT_EQ(counts.folderList, "F\r\n");
  const std::string output = ReadFile(scratch.path() / "out.tmp");
  EXPECT_EQ(output.find("<?xml"), output.rfind("<?xml")) << "one document, not two";
}

TEST(ConvertInput, OutputThatCannotBeWrittenIsAWriteFailure) {
  ScratchDirectory scratch;
  const auto input = scratch.Write("m.kml", "<kml/>");
  const InputParts parts = SplitInputPath(Utf8FromPath(input), '/');
  ScriptedProgress progress;
  ConversionCounts counts;
  for (Direction direction : {Direction::KmlToGpx, Direction::GpxToKml}) {
    const ConversionResult outcome =
        ConvertInput(direction, parts, scratch.path() / "missing" / "out.tmp", {}, {}, progress, counts);
    EXPECT_EQ(outcome.status, ConversionStatus::OutputNotWritten);
  }
}

}  // namespace
}  // namespace ruvela
