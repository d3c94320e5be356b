#include "core/xml_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/xml_document.h"

namespace ruvela {
namespace {

pugi::xml_node Load(pugi::xml_document& document, const std::string& xml) {
  const XmlLoadResult loaded = LoadXmlDocumentFromBytes(xml, document);
  EXPECT_TRUE(loaded.ok) << loaded.message;
  return document.document_element();
}

TEST(ReadAttribute, MatchesLocalNamesCaseSensitively) {
  pugi::xml_document document;
  const auto wpt = Load(document, R"(<wpt lat="-34.6" g:lon="-58.4" xmlns:g="urn:g"/>)");
  EXPECT_EQ(ReadAttribute(wpt, "lat"), "-34.6");
  EXPECT_EQ(ReadAttribute(wpt, "LAT"), "");
  EXPECT_EQ(ReadAttribute(wpt, "lon"), "-58.4");
  EXPECT_EQ(ReadAttribute(wpt, "ele"), "");
}

TEST(ReadAttribute, TakesTheFirstOfPlainAndPrefixed) {
  pugi::xml_document document;
  EXPECT_EQ(ReadAttribute(Load(document, R"(<wpt x:lat="1" lat="2" xmlns:x="urn:x"/>)"), "lat"), "1");
  EXPECT_EQ(ReadAttribute(Load(document, R"(<wpt lat="2" x:lat="1" xmlns:x="urn:x"/>)"), "lat"), "2");
}

TEST(ReadChildText, Cases) {
  const struct {
    const char* label;
    const char* xml;
    const char* name;
    const char* expected;
  } rows[] = {
      {"plain", "<wpt><name>Cima</name></wpt>", "name", "Cima"},
      {"empty element", "<wpt><name/></wpt>", "name", ""},
      {"missing", "<wpt><ele>5</ele></wpt>", "name", ""},
      {"prefixed child", "<wpt xmlns:g='urn:g'><g:name>Cima</g:name></wpt>", "name", "Cima"},
      {"first of two", "<trk><name>A</name><name>B</name></trk>", "name", "A"},
      {"not deeper down", "<trk><extensions><name>X</name></extensions></trk>", "name", ""},
      {"subtree text", "<wpt><name>Ci<b>m</b><i>a</i></name></wpt>", "name", "Cima"},
      {"cdata and text", "<wpt><name> <![CDATA[Ci&ma]]> x </name></wpt>", "name", "Ci&ma x"},
      {"trims tabs and line ends", "<wpt><name>\n\t Cima \r\n</name></wpt>", "name", "Cima"},
      {"keeps inner blanks", "<wpt><name>La  Cima</name></wpt>", "name", "La  Cima"},
      {"comments ignored", "<wpt><name>Ci<!-- x -->ma</name></wpt>", "name", "Cima"},
      {"entities resolved", "<wpt><name>A &amp; B &#241;</name></wpt>", "name", "A & B ñ"},
      {"case sensitive", "<wpt><Name>Cima</Name></wpt>", "name", ""},
  };
  for (const auto& row : rows) {
    pugi::xml_document document;
    EXPECT_EQ(ReadChildText(Load(document, row.xml), row.name), row.expected) << row.label;
  }
}

TEST(ReadChildText, SurvivesAMillionLevels) {
  constexpr int kDepth = 1'000'000;
  std::string xml = "<wpt><name>";
  for (int i = 0; i < kDepth; ++i) xml += "<a>";
  xml += "deep";
  for (int i = 0; i < kDepth; ++i) xml += "</a>";
  xml += "</name></wpt>";
  pugi::xml_document document;
  EXPECT_EQ(ReadChildText(Load(document, xml), "name"), "deep");
}

TEST(ForEachElementAt, WalksChildPathsAsWritten) {
  pugi::xml_document document;
  Load(document,
       "<gpx><trk><trkseg><trkpt n='1'/><trkpt n='2'/></trkseg><x/><trkseg><trkpt n='3'/></trkseg>"
       "<g:trkseg xmlns:g='urn:g'><trkpt n='4'/></g:trkseg></trk></gpx>");
  std::vector<std::string> seen;
  ForEachElementAt(document, "gpx/trk/trkseg/trkpt", [&](pugi::xml_node point) {
    seen.push_back(point.attribute("n").value());
    return true;
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"1", "2", "3"}));  // the prefixed segment is not selected

  seen.clear();
  const bool completed = ForEachElementAt(document, "gpx/trk/trkseg/trkpt", [&](pugi::xml_node point) {
    seen.push_back(point.attribute("n").value());
    return seen.size() < 2;
  });
  EXPECT_FALSE(completed);
  EXPECT_EQ(seen.size(), 2u);
}

TEST(LocalName, IsThePartAfterTheFirstColon) {
  EXPECT_EQ(LocalName("name"), "name");
  EXPECT_EQ(LocalName("gpx:name"), "name");
  EXPECT_EQ(LocalName("a:b:c"), "b:c");
}

}  // namespace
}  // namespace ruvela
