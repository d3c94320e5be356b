#include "core/xml_escape.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace ruvela {
namespace {

TEST(AppendEscaped, EscapesMarkupAndRepairsBrokenText) {
  const struct {
    const char* label;
    std::string value;
    const char* asText;
    const char* asAttribute;
  } rows[] = {
      {"plain", "Cima 5", "Cima 5", "Cima 5"},
      {"markup", "<a&b>", "&lt;a&amp;b&gt;", "&lt;a&amp;b&gt;"},
      {"quote", "say \"hi\"", "say \"hi\"", "say &quot;hi&quot;"},
      {"line ends", "a\tb\nc\rd", "a\tb\nc&#13;d", "a&#9;b&#10;c&#13;d"},
      {"accents pass", "Año €", "Año €", "Año €"},
      {"control character", std::string("a\x01z"), "a\xEF\xBF\xBDz", "a\xEF\xBF\xBDz"},
      {"nul", std::string("a\0z", 3), "a\xEF\xBF\xBDz", "a\xEF\xBF\xBDz"},
      {"broken utf8", "a\xC3z\xFF", "a\xEF\xBF\xBDz\xEF\xBF\xBD", "a\xEF\xBF\xBDz\xEF\xBF\xBD"},
      {"overlong", "\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD", "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"surrogate", "\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"noncharacter", "\xEF\xBF\xBF", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"beyond bmp passes", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
  };
  for (const auto& row : rows) {
    std::string text;
    AppendEscapedText(text, row.value);
    EXPECT_EQ(text, row.asText) << row.label;
    std::string attribute;
    AppendEscapedAttribute(attribute, row.value);
    EXPECT_EQ(attribute, row.asAttribute) << row.label;
    EXPECT_TRUE(testing::IsWellFormedXml("<a b=\"" + attribute + "\">" + text + "</a>")) << row.label;
  }
}

TEST(AppendEscaped, EveryByteValueStaysWellFormed) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  std::string text;
  AppendEscapedText(text, all);
  std::string attribute;
  AppendEscapedAttribute(attribute, all);
  std::string why;
  EXPECT_TRUE(testing::IsWellFormedXml("<a b=\"" + attribute + "\">" + text + "</a>", &why)) << why;
}

}  // namespace
}  // namespace ruvela
