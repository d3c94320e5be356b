// Reading a document from its outline, a run of elements at a time, visits
// exactly what reading its whole tree visits (fuzz/outline_check.h), in
// both directions: on tricky structures, across runs and read chunks, and
// on every golden input, at the conversion's sizes and at sizes of a few
// bytes. Where the outline cannot follow a document it says so rather than
// misread it; one broken where only the parser sees it fails when that part
// is parsed.
#include <gtest/gtest.h>

#include "fuzz/outline_check.h"
#include "support/test_files.h"

namespace ruvela {
namespace {

namespace fs = std::filesystem;
using robustness::CompareOutlineReading;
using robustness::OutlineSizes;

Direction DirectionOfFile(const fs::path& path) {
  return path.extension() == ".kml" ? Direction::KmlToGpx : Direction::GpxToKml;
}

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text + std::to_string(i);
  return out;
}

// Markup that quotes the walked elements' tags, in comments, CDATA sections,
// processing instructions and values, balanced so that a reading misled by
// it would still parse: what lies between must not be lost.
std::string QuotedTagsKml(int placemarks) {
  const std::string point = "<Point><coordinates>1,2</coordinates></Point></Placemark>";
  const std::string opens = "<Placemark><description><![CDATA[<Placemark>, <Folder>]]></description>";
  const std::string closes = "<Placemark><description><![CDATA[</Placemark>, </Folder>]]></description>";
  const std::string quoted = opens + point + "<Folder><name>Routes</name>" +
                             Repeat("<Placemark><name>r</name>" + point, 2) + "</Folder>" + closes + point;
  return "<kml><Document>" + quoted + Repeat("<Placemark>" + point, placemarks) + quoted + "</Document></kml>";
}

std::string QuotedTagsGpx(int points) {
  const std::string track = "<trk><name>t</name><trkseg>" +
                            Repeat(R"(<trkpt lat="1" lon="2"><?note <trk>?><ele>3</ele></trkpt>)", points) +
                            "</trkseg></trk>";
  return R"(<gpx><metadata><!-- <metadata> --></metadata><wpt lat="1" lon="1"><!-- <wpt> --></wpt>)" + track +
         R"(<wpt lat="2" lon="2"><?pi <wpt>?></wpt><wpt lat="3" lon="3"><wpt n='>'/></wpt>)" + track +
         R"(<wpt lat="4" lon="4"><wpt n="/>"></wpt><!-- </trkseg> --></wpt><wpt lat="5" lon="5"/>)" +
         R"(<metadata><!-- </metadata> --></metadata></gpx>)";
}

struct Document {
  std::string name;
  std::string file;  // its extension picks the direction
  std::string bytes;
  bool outlined = true;  // the outline follows it to its end
};

void PrintTo(const Document& document, std::ostream* out) { *out << document.name; }

// The conversion's sizes, and sizes of a few bytes; a large document in
// reads of one byte would take too long.
std::vector<OutlineSizes> SizesFor(const std::string& bytes) {
  if (bytes.size() > 65536) return {{}, {1, 4096}, {3000, 65536}};
  return {{}, {1, 1}, {40, 3}};
}

class OutlineReadingTest : public ::testing::TestWithParam<Document> {};

TEST_P(OutlineReadingTest, VisitsWhatTheTreeVisits) {
  const testing::ScratchDirectory scratch;
  const fs::path path = scratch.Write(GetParam().file, GetParam().bytes);
  for (const OutlineSizes& sizes : SizesFor(GetParam().bytes)) {
    SCOPED_TRACE("runs of " + std::to_string(sizes.runSize) + ", reads of " + std::to_string(sizes.chunkSize));
    const robustness::OutlineComparison compared = CompareOutlineReading(path, DirectionOfFile(path), sizes);
    EXPECT_EQ(compared.outlined, GetParam().outlined);
    EXPECT_EQ(compared.problem, "");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, OutlineReadingTest,
    ::testing::ValuesIn(std::vector<Document>{
        {"NameAfterSegments", "a.gpx",
         R"(<?xml version="1.0"?><gpx><metadata/><wpt lat="1" lon="2"><name>A</name></wpt><rte><name>R</name>)"
         R"(<rtept lat="1" lon="2"/></rte><trk><trkseg><trkpt lat="1" lon="2"><ele>3</ele></trkpt></trkseg>)"
         "<name>\r\n late \r\n</name></trk></gpx>"},
        {"MarkupHiddenInCommentsAndValues", "a.gpx",
         R"(<gpx><!-- <wpt lat="9" lon="9"/> --><wpt lat="1" lon="2" note="a>b" x='"/>'><name><![CDATA[<trk></name>]]>)"
         R"(</name></wpt><?pi <trk>?><trk><x:name>prefixed</x:name><name>second</name><trkseg/><trkseg>)"
         R"(<extensions><trkpt lat="7" lon="7"/></extensions><trkpt lat="5" lon="6"/></trkseg></trk></gpx>)"},
        {"KindsInterleaved", "a.gpx",
         R"(<gpx><trk><trkseg><trkpt lat="1" lon="1"/></trkseg></trk><wpt lat="2" lon="2"/><rte/><trk/>)"
         R"(<wpt lat="3" lon="3"/></gpx><!-- after --><?pi after?>)"
         "\r\n"},
        {"QuotedTagsKml", "a.kml", QuotedTagsKml(3)},
        {"QuotedTagsGpx", "a.gpx", QuotedTagsGpx(2)},
        {"QuotedTagsInManyRunsKml", "a.kml", QuotedTagsKml(8000)},
        {"QuotedTagsInManyRunsGpx", "a.gpx", QuotedTagsGpx(4000)},
        {"FoldersBelowBothRoots", "a.kml",
         "<kml><Placemark><name>top</name><Point><coordinates>1,2</coordinates></Point></Placemark><Document>"
         "<Placemark><name>p</name></Placemark><Folder><Placemark><name>first</name></Placemark><open>1</"
         "open><kml:name>late"
         "</kml:name><Folder><name>a</name>" +
             Repeat("<Folder><name>deeper</name><Placemark><name>in</name></Placemark>", 7) + Repeat("</Folder>", 7) +
             "</Folder><Placemark><name>after</name></Placemark></Folder></Document><Document><Folder/></Document>"
             "</kml>"},
        {"OwnNameNested", "a.gpx",
         R"(<gpx><wpt lat="1" lon="1"><wpt/><wpt><name>in</name></wpt></wpt><wpt lat="2" lon="2"/></gpx>)"},
        {"BadEndTagOfAnOpenedElement", "a.gpx", "<gpx><trk><trkseg/></trk x></gpx>", false},
        {"BadAttributeOfAnOpenedElement", "a.gpx", "<gpx><trk a=1><trkseg/></trk></gpx>", false},
        {"DoctypeInsideTheRoot", "a.gpx", R"(<gpx><!DOCTYPE x]]><wpt lat="1" lon="1"/></gpx>)", false},
        // Documents the outline leaves to the whole tree's reading.
        {"SecondRootGpx", "a.gpx", R"(<gpx><wpt lat="1" lon="1"/></gpx><gpx><wpt lat="2" lon="2"/></gpx>)", false},
        {"ElementAfterTheRootKml", "a.kml",
         "<kml/><!-- c --><Placemark><Point><coordinates>1,2</coordinates></Point></Placemark>", false},
        {"LongLatin1Declaration", "a.gpx",
         "<?xml version=\"1.0\"" + std::string(600, ' ') +
             "encoding=\"ISO-8859-1\"?><gpx><wpt lat=\"1\" lon=\"1\"><name>Caf\xE9</name></wpt></gpx>",
         false},
        {"DeclarationNeverEnds", "a.gpx", "<?xml version=\"1.0\" <gpx><wpt lat=\"1\" lon=\"1\"/></gpx>", false},
        {"Doctype", "a.gpx", R"(<!DOCTYPE gpx><gpx><wpt lat="1" lon="1"/></gpx>)", false},
        {"Latin1", "a.gpx", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><gpx><wpt><name>\xE9</name></wpt></gpx>",
         false},
        {"TextAtTheTop", "a.kml", "<kml/>x", false},
        {"NulAfterTheRoot", "a.kml", std::string("<kml/>\0", 7), false},
        {"DeclarationLater", "a.gpx", "<gpx><?xml version='1.0'?></gpx>", false},
        {"OpenedElementsCrossed", "a.gpx", "<gpx><trk><trkseg></trk></trkseg></gpx>", false},
        {"Truncated", "a.kml", "<kml><Document><Placemark><name>x</name></Placemark>", false},
    }),
    [](const auto& info) { return info.param.name; });

// The golden inputs, read both ways as either direction's input.
TEST(OutlineReading, VisitsWhatTheTreeVisitsInEveryGoldenInput) {
  int outlined = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(RUVELA_TEST_DATA_DIR) / "golden")) {
    const std::string extension = entry.path().extension().string();
    if (extension != ".gpx" && extension != ".kml") continue;
    const std::string bytes = testing::ReadFile(entry.path());
    for (const OutlineSizes& sizes : SizesFor(bytes)) {
      const robustness::OutlineComparison compared =
          CompareOutlineReading(entry.path(), DirectionOfFile(entry.path()), sizes);
      EXPECT_EQ(compared.problem, "") << entry.path();
      outlined += compared.outlined ? 1 : 0;
    }
  }
  EXPECT_GT(outlined, 180);
}

}  // namespace
}  // namespace ruvela
