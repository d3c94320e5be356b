#include "common/xml_document.h"

#include <gtest/gtest.h>

#include "common/xml_values.h"
#include "support/test_files.h"

namespace ruvela {
namespace {

using testing::ScratchDirectory;

std::string NameIn(const std::string& bytes) {
  ScratchDirectory scratch;
  pugi::xml_document document;
  const XmlLoadResult loaded = LoadXmlDocument(scratch.Write("in.gpx", bytes), document);
  EXPECT_TRUE(loaded.ok) << loaded.message;
  return ReadChildText(document.document_element(), "name");
}

std::string Utf16(const std::u16string& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

TEST(LoadXmlDocument, ReadsTheUsualEncodings) {
  EXPECT_EQ(NameIn("<wpt><name>Año</name></wpt>"), "Año");
  EXPECT_EQ(NameIn("\xEF\xBB\xBF<wpt><name>Año</name></wpt>"), "Año");
  EXPECT_EQ(NameIn(Utf16(u"<wpt><name>Año €</name></wpt>", false)), "Año €");
  EXPECT_EQ(NameIn(Utf16(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><wpt><name>Año</name></wpt>", true)), "Año");
  EXPECT_EQ(NameIn("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><wpt><name>A\xF1o</name></wpt>"), "Año");
  EXPECT_EQ(NameIn("<?xml version='1.0' encoding='windows-1252'?><wpt><name>\x80 \x8A\xF1 \x93x\x94</name></wpt>"),
            "€ Šñ “x”");
}

TEST(LoadXmlDocument, FailsWithAMessageInsteadOfCrashing) {
  const struct {
    const char* label;
    std::string bytes;
    const char* messagePart;
  } rows[] = {
      {"empty", "", "vacío"},
      {"lone byte-order mark", "\xEF\xBB\xBF", "elemento"},
      {"not xml", "hello, world", "elemento"},
      {"truncated in a tag", "<gpx><wpt lat=\"1\"", "byte"},
      {"truncated in an attribute", "<gpx><wpt lat=\"1", "byte"},
      {"truncated in cdata", "<gpx><name><![CDATA[abc", "byte"},
      {"mismatched end", "<gpx></kml>", "byte"},
      {"binary", std::string("\x00\x01\x02\xFF\xFE\x00", 6), ""},
  };
  for (const auto& row : rows) {
    ScratchDirectory scratch;
    pugi::xml_document document;
    const XmlLoadResult loaded = LoadXmlDocument(scratch.Write("in.gpx", row.bytes), document);
    EXPECT_FALSE(loaded.ok) << row.label;
    EXPECT_NE(loaded.message.find(row.messagePart), std::string::npos) << row.label << ": " << loaded.message;
  }
}

TEST(LoadXmlDocument, RefusesDirectoriesAndMissingFiles) {
  ScratchDirectory scratch;
  pugi::xml_document document;
  EXPECT_FALSE(LoadXmlDocument(scratch.path(), document).ok);
  const XmlLoadResult missing = LoadXmlDocument(scratch.path() / "nada.gpx", document);
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.message.find("no existe"), std::string::npos);
}

TEST(LoadXmlDocument, NeverExpandsOrFetchesEntities) {
  ScratchDirectory scratch;
  const auto secret = scratch.Write("secret.txt", "SECRETO");
  std::string laughs = "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">";
  for (int i = 1; i < 10; ++i) {
    laughs += "<!ENTITY lol" + std::to_string(i) + " \"";
    for (int k = 0; k < 10; ++k) laughs += "&lol" + (i == 1 ? std::string() : std::to_string(i - 1)) + ";";
    laughs += "\">";
  }
  laughs += "<!ENTITY xxe SYSTEM \"file://" + secret.string() + "\">]><wpt><name>&lol9;&xxe;</name></wpt>";
  pugi::xml_document document;
  const XmlLoadResult loaded = LoadXmlDocument(scratch.Write("lolz.gpx", laughs), document);
  if (loaded.ok) {
    const std::string name = ReadChildText(document.document_element(), "name");
    EXPECT_LT(name.size(), 100u);
    EXPECT_EQ(name.find("SECRETO"), std::string::npos);
  }
}

}  // namespace
}  // namespace ruvela
