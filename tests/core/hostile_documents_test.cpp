// Whatever an input document holds, a conversion that completes writes a
// well-formed document. Random documents built from both formats'
// vocabulary, with hostile values, are converted in both directions.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "conversion/convert_input.h"
#include "core/path_parts.h"
#include "support/scripted_progress.h"
#include "support/test_files.h"

namespace ruvela {
namespace {

using testing::ScratchDirectory;

class RandomDocument {
 public:
  explicit RandomDocument(unsigned seed) : random_(seed) {}

  std::string Build() {
    std::string xml = Pick({"", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "\xEF\xBB\xBF"});
    xml += Pick({"<gpx>", "<kml>", "<kml><Document>"});
    for (int i = Between(0, 12); i > 0; --i) xml += Element(0);
    return xml + "</kml-or-gpx>";
  }

  // The same document with a matching end tag for its root.
  std::string BuildWellFormed() {
    const std::string root = Pick({"gpx", "kml"});
    std::string xml = "<" + root + ">";
    if (root == "kml" && Between(0, 1) == 1) {
      xml += "<Document>";
      for (int i = Between(0, 12); i > 0; --i) xml += Element(0);
      xml += "</Document>";
    } else {
      for (int i = Between(0, 12); i > 0; --i) xml += Element(0);
    }
    return xml + "</" + root + ">";
  }

 private:
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  std::string Pick(std::initializer_list<const char*> choices) {
    auto it = choices.begin();
    std::advance(it, Between(0, static_cast<int>(choices.size()) - 1));
    return *it;
  }

  // Values that have broken writers before: markup, quotes, character
  // references to control characters, broken UTF-8, CDATA ends, numbers.
  std::string Value() {
    std::string value;
    for (int i = Between(0, 6); i > 0; --i) {
      value += Pick({"&lt;", "&gt;", "&amp;", "&quot;", "&apos;",        "&#1;", "&#x1F;", "&#65535;", "&#xD800;",
                     "\xFF", "\xC3", "]]>",   "-12.6",  "1e3",           ",",    " ",      "\t",       "&#13;",
                     "Año",  "€",    "😀",     "--",     "<![CDATA[x]]>", "25.5", ".",      "-",        "abc"});
    }
    return value;
  }

  std::string AttributeValue() {
    std::string value = Value();
    std::string safe;
    for (char c : value) safe += c == '<' ? ' ' : c;  // a raw < would only make the input unreadable
    std::size_t cdata;
    while ((cdata = safe.find("<![CDATA[")) != std::string::npos) safe.erase(cdata, 9);
    return safe;
  }

  std::string Element(int depth) {
    const std::string name = Pick({"wpt", "rte", "rtept", "trk", "trkseg", "trkpt", "name", "ele", "Folder",
                                   "Placemark", "Point", "coordinates", "Document", "g:name", "LineString"});
    std::string xml = "<" + name;
    if (Between(0, 2) == 0) xml += " lat=\"" + AttributeValue() + "\"";
    if (Between(0, 2) == 0) xml += " lon=\"" + AttributeValue() + "\"";
    if (name == "g:name") xml += " xmlns:g=\"urn:g\"";
    xml += ">";
    xml += Value();
    if (depth < 5) {
      for (int i = Between(0, 4); i > 0; --i) xml += Element(depth + 1);
    }
    xml += Value();
    return xml + "</" + name + ">";
  }

  std::mt19937 random_;
};

ConversionStatus ConvertAndCheck(const std::string& document, const char* extension, unsigned seed) {
  ScratchDirectory scratch;
  const auto input = scratch.Write(std::string("in") + extension, document);
  const InputParts parts = SplitInputPath(Utf8FromPath(input), '/');
  testing::ScriptedProgress progress;
  ConversionCounts counts;
  const ConversionResult outcome =
      ConvertInput(DirectionOf(parts.extension), parts, scratch.path() / "out.tmp", {}, {}, progress, counts);
  EXPECT_NE(outcome.status, ConversionStatus::OutputNotWritten) << "seed " << seed;
  if (outcome.status == ConversionStatus::InputNotLoaded || outcome.status == ConversionStatus::OutputNotWritten)
    return outcome.status;
  std::string why;
  EXPECT_TRUE(testing::IsWellFormedXml(testing::ReadFile(scratch.path() / "out.tmp"), &why))
      << "seed " << seed << ": " << why << "\ninput: " << document;
  EXPECT_GE(counts.waypoints, 0);
  EXPECT_GE(counts.routePoints, 0);
  EXPECT_GE(counts.trackPoints, 0);
  return outcome.status;
}

TEST(HostileDocuments, CompletedConversionsAreWellFormed) {
  int converted = 0;
  for (unsigned seed = 1; seed <= 300; ++seed) {
    RandomDocument random(seed);
    const std::string wellFormed = random.BuildWellFormed();
    converted += ConvertAndCheck(wellFormed, ".gpx", seed) == ConversionStatus::Completed;
    converted += ConvertAndCheck(wellFormed, ".kml", seed) == ConversionStatus::Completed;
    ConvertAndCheck(random.Build(), seed % 2 == 0 ? ".gpx" : ".kml", seed);
  }
  EXPECT_GT(converted, 40) << "the random documents must reach the writers";
}

}  // namespace
}  // namespace ruvela
