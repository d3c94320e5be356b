// The rules that read and write single values: one table per function, each
// row an input and the result shown as text.
#include <gtest/gtest.h>

#include <clocale>
#include <iomanip>
#include <set>
#include <sstream>

#include "conversion/convert_input.h"
#include "core/gpx_value_rules.h"
#include "core/huge_page_memory.h"
#include "core/name_cleaning.h"
#include "core/number_text.h"
#include "core/path_parts.h"
#include "core/stored_values.h"
#include "core/text_lines.h"
#include "core/xml_document.h"
#include "core/xml_escape.h"
#include "core/xml_values.h"
#include "support/test_files.h"
#include "words/count_texts.h"

namespace ruvela {
namespace {

std::string Shown(std::string_view text) { return std::string(text); }
std::string Shown(bool value) { return value ? "yes" : "no"; }
std::string Shown(double value) {
  std::ostringstream text;
  text << std::setprecision(10) << value + 0.0;  // -0 shows as 0
  return text.str();
}
template <class Enum>
requires std::is_enum_v<Enum> std::string Shown(Enum value) { return std::to_string(static_cast<int>(value)); }

// Every row is "input|result": the input given to `function` shows as the result.
template <class Function>
void Check(Function function, std::initializer_list<std::string> rows) {
  for (const std::string& row : rows) {
    const std::string input = row.substr(0, row.find('|'));
    EXPECT_EQ(Shown(function(input)), row.substr(input.size() + 1)) << '"' << input << '"';
  }
}

TEST(ValueRules, Numbers) {
  Check(NormalizeNumber, {"|0", "250|250", "250.75|250", "-3.9|-3", "-0.2|-0", ".5|0", "-.5|0", "1.2.3|1", "12,5|12,5",
                          "abc|abc", "-|-", " 7.9| 7", "+4.2|+4", "1e3.5|1e3", "-12.7|-12"});
  // clang-format off
  Check(LeadingNumberValue, {"200|200", "0200|200", " 1 2\t3\n|123", "-3.5|-3.5", "+7|7", "1E3|1000", "2D2|200",
                             "1.5e-1|0.15", "&HFF|255", "&hff|255", "&HA0|160", "&O17|15", "&H|0", "12abc|12", "abc|0",
                             "|0", "1.2.3|1.2", "- 5|-5", "1E|1", "1e+|1", "&X1|0", ".5|0.5", "12,5|12",
                             "1e400|1.797693135e+308", "-1e400|-1.797693135e+308", "1e-400|0", "&O19|1"});
  // clang-format on
  EXPECT_EQ(LeadingNumberValue("&H" + std::string(400, 'F')), std::numeric_limits<double>::max());
  Check(ElevationValue, {"123|123", "  -12|-12", "+5|5", "1e3|1000", "2.5|2.5", "12,5|12", "abc|0", "|0", "1 2|1",
                         "1D2|1", "-|0", "&HFF|0"});
  Check([](const std::string& number) { return NumberText(std::stod(number)); },
        {"0|0", "-0|0", "173|173", "-12|-12", "1e21|1000000000000000000000", "0.5|0.5"});
  EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()).size(), 309u);
}

TEST(ValueRules, NumbersIgnoreTheLocale) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(NormalizeNumber("123.456"), "123");
  EXPECT_EQ(LeadingNumberValue("1.5"), 1.5);
  EXPECT_EQ(ElevationValue("2.5"), 2.5);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ValueRules, Names) {
  // clang-format off
  Check(CleanName, {"|", "Año Nuevo!|Ano Nuevo ", "Café & Bar|Cafe   Bar", "N.º 5|N 0 5", "Straße|StraBe",
                    "Øresund|0resund", "«Cima»|<Cima>", "a·b|a.b", "!!!|   ", "a\tb\r\nc|a b  c", "a\u00A0b|a b",
                    "(x)+[y]-{z}_<w>|(x)+[y]-{z}_<w>", "Þþð|ppo", "¼½¾|---", "Łódź Żółć|Lodz Zolc", "\xF8\x80\x80|   ",
                    "Přerov Čáslav|Prerov Caslav", "ĦħŦŧĐđı|HhTtDdi", "日本 Ωμέγα|        ", "a😀b|a  b",
                    "a\xFF\xC3z|a  z", "aअb|a b", "a\xF0" "bcd|a bcd", "a\xDF\xBF" "b|a b", "a\xE4" "z\x80|a z "});
  // clang-format on
  // Each of the first 256 characters gives one character of the alphabet
  // names are written in, and every one of those is some character's.
  const std::string alphabet = " ()+-.0123456789<>ABCDEFGHIJKLMNOPQRSTUVWXYZ[]_abcdefghijklmnopqrstuvwxyz{}";
  std::set<char> seen;
  for (unsigned code = 0; code < 256; ++code) {
    const std::string utf8 =
        code < 0x80 ? std::string(1, static_cast<char>(code))
                    : std::string{static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F))};
    const std::string cleaned = CleanName(utf8);
    ASSERT_EQ(cleaned.size(), 1u) << code;
    EXPECT_NE(alphabet.find(cleaned[0]), std::string::npos) << code;
    seen.insert(cleaned[0]);
  }
  EXPECT_EQ(seen.size(), alphabet.size());
  EXPECT_EQ(CleanName("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"), std::string(27, ' '));
  std::string longName, cleaned;  // cleaned to the end, past 32,767 characters
  for (int i = 0; i < 40000; ++i) {
    longName += i % 3 == 0 ? "é" : "x";
    cleaned += i % 3 == 0 ? 'e' : 'x';
  }
  EXPECT_EQ(CleanName(longName), cleaned);
}

// Text and attribute values as escaped: markup, line ends and broken UTF-8.
TEST(ValueRules, Escaping) {
  const auto escaped = [](const std::string& value) {
    std::string text, attribute;
    AppendEscapedText(text, value);
    AppendEscapedAttribute(attribute, value);
    return text + "|" + attribute;
  };
  // clang-format off
  Check(escaped, {"Cima 5|Cima 5|Cima 5", "<a&b>|&lt;a&amp;b&gt;|&lt;a&amp;b&gt;",
                  "say \"hi\"|say \"hi\"|say &quot;hi&quot;", "a\tb\nc\rd|a\tb\nc&#13;d|a&#9;b&#10;c&#13;d",
                  "Año €|Año €|Año €", "a\x01z|a\uFFFDz|a\uFFFDz", "a\xC3z\xFF|a\uFFFDz\uFFFD|a\uFFFDz\uFFFD",
                  "\xC0\xAF|\uFFFD\uFFFD|\uFFFD\uFFFD", "\xED\xA0\x80|\uFFFD\uFFFD\uFFFD|\uFFFD\uFFFD\uFFFD",
                  "\xEF\xBF\xBF|\uFFFD\uFFFD\uFFFD|\uFFFD\uFFFD\uFFFD", "\xF0\x9F\x98\x80|\xF0\x9F\x98\x80|\xF0\x9F\x98\x80",
                  "！|！|！", "\xED\xBF\xBF|\uFFFD\uFFFD\uFFFD|\uFFFD\uFFFD\uFFFD"});
  // clang-format on
  EXPECT_EQ(escaped(std::string("a\0z", 3)), "a\uFFFDz|a\uFFFDz");
  std::string everyByte;
  for (int byte = 0; byte < 256; ++byte) everyByte += static_cast<char>(byte);
  std::string text, attribute;
  AppendEscapedText(text, everyByte);
  AppendEscapedAttribute(attribute, everyByte);
  std::string why;
  EXPECT_TRUE(testing::IsWellFormedXml("<a b=\"" + attribute + "\">" + text + "</a>", &why)) << why;
}

// What GPX accepts of the position and time texts (the golden documents
// hold the rest): a longitude of 180 is kept although gpx.xsd stops short.
TEST(ValueRules, GpxValues) {
  Check(IsGpxLongitude, {"180|yes", " -180.000 |yes", "180.0000001|no", "1e1|no"});
  Check(IsGpxLatitude, {"-090.0|yes", "90.0000001|no", "+.5|yes", ".|no", "- 3|no"});
  Check(IsGpxDateTime,
        {"2021-03-02T09:30:40Z|yes", " 2021-03-02T10:00:00.5+01:00 |yes", "2021-03-02T10:00:00|yes", "2021-03-02|no",
         "2021-13-02T10:00:00Z|no", "2021-03-02T10:00:00+1:00|no", "x|no", "2021-03-02X10:00:00Z|no",
         "2021-03-0210:00:00Z|no", "2021-03-02T10:00:00*01:00|no", "2021-03-02T10:00:00+0100|no",
         "2021-03-02T24:00:00Z|no", "2021-03-02T10:00:60Z|no", "2021-03-02T10:00:00.Z|no", "2024-02-29T00:00:00Z|yes",
         "2000-02-29T00:00:00Z|yes", "1900-02-29T00:00:00Z|no"});
}

TEST(ValueRules, StoredOptionValues) {
  EXPECT_EQ(OptionStateText(true) + OptionStateText(false), "-10");
  EXPECT_EQ(CheckStateText(CheckState::Grayed), "2");
  Check(OptionSelectedFromText, {"-1|yes", "1|yes", "0|no", "|no", "abc|no", "0.4|yes", " 2 |yes"});
  Check([](const std::string& stored) { return CheckStateFromText(stored, CheckState::Checked); },
        {"0|0", "1|1", "2|2", "abc|0", "1.5|2", "0.5|0", "2.5|2", "3|1", "-1|1", "&H2|2", "1e400|1"});
  Check([](const std::string& stored) { return PercentTextFromStore(stored, "200"); },
        {"200|200", "0200|200", "abc|0", "150 %|150", "12.5|200", "40000|200", "-32768|-32768", "1e2|100", "|0"});
  Check(
      [](const std::string& stored) { return ElevationTextFromStore(stored, "25"); },
      {"25|25", "0030|0030", " 30| 30", "-5|-5", "abc|25", "12.5|25", "|25", "40000|25", "1e2|25", "30 m|25", "-|25"});
  Check(StoredIntegerText, {"200|200", " 30|30", "2.5|2", "3.5|4", "99999|32767", "-99999|-32768", "|0", "abc|0"});
  Check(NormalizedBoxText, {"12.7|12", "-12.3|13", "-7.5|8", "42 m|42", "abc|0", "|0", "-0|0", "007|7", "1e3|1000"});
  Check(TrimmedText, {"  Routes |Routes", "   |"});
}

TEST(ValueRules, PathParts) {
  Check(
      [](const std::string& path) {
        const std::optional<InputParts> parts = SplitInputPath(path, '/');
        return parts ? parts->directory + "|" + parts->baseName + "|" + parts->extension : "-";
      },
      {"/home/ana/Ruta.gpx|/home/ana/|Ruta|.gpx", "/home/ana/RUTA.GPX|/home/ana/|RUTA|.GPX",
       "/home/ana/a.b.kml|/home/ana/|a.b|.kml", "/home/ana/nombre.|/home/ana/|nombre|.",
       "/home/ana/.kml|/home/ana/||.kml", "/home/ana.d/sin_extension|-", "Ruta.gpx|-", "/tmp/sin_punto|-", "|-"});
  EXPECT_EQ(SplitInputPath(R"(C:\Datos\Ruta.gpx)", '\\')->joined(), R"(C:\Datos\Ruta.gpx)");
  EXPECT_EQ(SplitInputPath(R"(C:\Datos\Ruta.gpx)", '\\')->directory, R"(C:\Datos\)");
  Check([](const std::string& path) { return DirectoryOf(path, '/'); }, {"/a/b/c.kml|/a/b/", "c.kml|"});
  Check([](const std::string& path) { return Utf8FromPath(PathFromUtf8(path)); },
        {"/tmp/Año/Łódź.gpx|/tmp/Año/Łódź.gpx"});
  // 0: GPX to KML, 1: KML to GPX, 2: unknown.
  Check(DirectionOf, {".gpx|0", ".GPX|0", ".Kml|1", ".KMZ|1", ".|2", "|2"});
}

TEST(ValueRules, TextPieces) {
  Check(HugePagesAllowed,
        {"always [madvise] never|yes", "[always] madvise never|yes", "always madvise [never]|no", "|no"});
  Check([](const std::string& text) { return "[" + Centred(text, 12) + "]"; },
        {"1.2.3|[   1.2.3    ]", "4.0.21|[   4.0.21   ]", "|[            ]", "10.20.300-beta|[10.20.300-beta]"});
  ConversionCounts counts;
  counts.trackPoints = 3;
  counts.zeroElevation = 1;
  EXPECT_TRUE(HasElevationNotice(counts));
  EXPECT_EQ(ElevationNotice(counts), "Trackpoints de altura nula 33% (1)  de altura negativa 0% (0)");
}

// Values read from a document: attributes and children by their local name.
TEST(ValueRules, XmlValues) {
  const auto attribute = [](const char* name) {
    return [name](const std::string& xml) {
      pugi::xml_document document;
      EXPECT_TRUE(LoadXmlDocumentFromBytes(xml, document).ok()) << xml;
      return ReadAttribute(document.document_element(), name);
    };
  };
  Check(attribute("lat"),
        {R"(<wpt lat="-34.6" g:lon="-58.4" xmlns:g="urn:g"/>|-34.6)", R"(<wpt LAT="1"/>|)",
         R"(<wpt x:lat="1" lat="2" xmlns:x="urn:x"/>|1)", R"(<wpt lat="2" x:lat="1" xmlns:x="urn:x"/>|2)"});
  Check(attribute("lon"), {R"(<wpt lat="-34.6" g:lon="-58.4" xmlns:g="urn:g"/>|-58.4)"});
  Check(
      [](const std::string& xml) {
        pugi::xml_document document;
        EXPECT_TRUE(LoadXmlDocumentFromBytes(xml, document).ok()) << xml;
        return ReadChildText(document.document_element(), "name");
      },
      {"<wpt><name>Cima</name></wpt>|Cima", "<wpt><name/></wpt>|", "<wpt><ele>5</ele></wpt>|",
       "<wpt xmlns:g='urn:g'><g:name>Cima</g:name></wpt>|Cima", "<trk><name>A</name><name>B</name></trk>|A",
       "<trk><extensions><name>X</name></extensions></trk>|", "<wpt><name>Ci<b>m</b><i>a</i></name></wpt>|Cima",
       "<wpt><name><b><i>C</i></b>ima</name></wpt>|Cima", "<wpt><name> <![CDATA[Ci&ma]]> x </name></wpt>|Ci&ma x",
       "<wpt><name>\n\t Cima \r\n</name></wpt>|Cima", "<wpt><name>La  Cima</name></wpt>|La  Cima",
       "<wpt><name>Ci<!-- x -->ma</name></wpt>|Cima", "<wpt><name>A &amp; B &#241;</name></wpt>|A & B ñ",
       "<wpt><Name>Cima</Name></wpt>|"});
  Check(LocalName, {"name|name", "gpx:name|name", "a:b:c|b:c"});

  pugi::xml_document document;
  LoadXmlDocumentFromBytes(
      "<gpx><trk><trkseg><trkpt n='1'/><trkpt n='2'/></trkseg><x/><trkseg><trkpt n='3'/></trkseg>"
      "<g:trkseg xmlns:g='urn:g'><trkpt n='4'/></g:trkseg></trk></gpx>",
      document);
  for (const std::size_t stopAfter : {9, 2}) {
    std::string seen;
    const bool completed = ForEachElementAt(document, "gpx/trk/trkseg/trkpt", [&](pugi::xml_node point) {
      seen += point.attribute("n").value();
      return seen.size() < stopAfter;
    });
    EXPECT_EQ(seen, stopAfter == 9 ? "123" : "12");  // the prefixed segment is not on the path
    EXPECT_EQ(completed, stopAfter == 9);
  }
}

}  // namespace
}  // namespace ruvela
