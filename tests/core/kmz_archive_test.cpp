#include "core/kmz_archive.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "conversion/convert_input.h"
#include "core/path_parts.h"
#include "support/scripted_progress.h"
#include "support/special_inputs.h"
#include "support/test_files.h"

namespace ruvela {
namespace {

using testing::ReadFile;
using testing::ScratchDirectory;
using testing::ZipArchive;

struct Converted {
  ConversionResult outcome;
  ConversionCounts counts;
  std::string output;
};

Converted Convert(const ScratchDirectory& scratch, const std::string& name, const std::string& bytes) {
  const InputParts parts = SplitInputPath(Utf8FromPath(scratch.Write(name, bytes)), '/');
  testing::ScriptedProgress progress;
  Converted c;
  const auto output = scratch.path() / (name + ".out");
  c.outcome = ConvertInput(DirectionOf(parts.extension), parts, output, {}, {}, progress, c.counts);
  c.output = ReadFile(output);
  return c;
}

// A KMZ is its KML document: same passes, same counts, same bytes out.
TEST(Kmz, ConvertsExactlyLikeItsKml) {
  const std::string shared = RUVELA_SHARED_DIR "/corpus/";
  for (const std::string& path :
       {std::string(RUVELA_TEST_DATA_DIR "/worked-example.kml"), shared + "kml22-ge5-saved-camels.kml",
        shared + "kml22-earthns-rbx13-route-oneline.kml", shared + "derived-kml22-swissmetnet-utf16be-bom.kml"}) {
    if (path.starts_with(shared) && !std::filesystem::exists(shared)) continue;  // corpus files only beside a checkout
    ScratchDirectory scratch;
    const std::string kml = ReadFile(path);
    ASSERT_FALSE(kml.empty()) << path;
    const Converted fromKml = Convert(scratch, "Ruta.kml", kml);
    const Converted fromKmz = Convert(scratch, "Ruta.KMZ", ZipArchive({{"images/icon.png", "PNG"}, {"doc.kml", kml}}));
    ASSERT_EQ(fromKmz.outcome.status, ConversionStatus::Completed) << path << ": " << fromKmz.outcome.reason;
    EXPECT_EQ(fromKmz.outcome.closingText, fromKml.outcome.closingText) << path;
    EXPECT_EQ(fromKmz.counts.waypoints, fromKml.counts.waypoints) << path;
    EXPECT_EQ(fromKmz.counts.folderList, fromKml.counts.folderList) << path;
    EXPECT_TRUE(fromKmz.output == fromKml.output) << path;
  }
}

std::string KmlNamed(const std::string& name) {
  return "<kml><Placemark><name>" + name + "</name><Point><coordinates>1,2</coordinates></Point></Placemark></kml>";
}

TEST(Kmz, ReadsDocKmlElseTheFirstKmlAtTheRootElseAnywhere) {
  const struct {
    const char* label;
    std::vector<testing::ZipEntry> entries;
    const char* chosen;
  } rows[] = {
      {"doc.kml after another", {{"a.kml", KmlNamed("A")}, {"doc.kml", KmlNamed("Doc")}}, "Doc"},
      {"first at the root",
       {{"files/f.kml", KmlNamed("F")},
        {"files/doc.kml", KmlNamed("D")},
        {"b.KML", KmlNamed("B")},
        {"c.kml", KmlNamed("C")}},
       "B"},
      {"only in a folder", {{"files/icon.png", "PNG"}, {"files/x.kml", KmlNamed("X")}, {"y/z.kml", ""}}, "X"},
  };
  for (const auto& row : rows) {
    ScratchDirectory scratch;
    pugi::xml_document document;
    const XmlLoadResult loaded = LoadKmzDocument(scratch.Write("a.kmz", ZipArchive(row.entries)), document);
    ASSERT_TRUE(loaded.ok) << row.label << ": " << loaded.message;
    EXPECT_STREQ(document.child("kml").child("Placemark").child_value("name"), row.chosen) << row.label;
  }
}

}  // namespace
}  // namespace ruvela
