#include "core/xml_document.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <optional>
#include <thread>

#include "core/xml_values.h"
#include "support/special_inputs.h"
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

// Loads `path` on a thread of its own, so that a load that blocks fails the
// test instead of hanging it; empty when it has not ended within a second.
std::optional<XmlLoadResult> LoadWithinASecond(const std::filesystem::path& path) {
  auto load = std::make_shared<std::packaged_task<XmlLoadResult()>>([path] {
    pugi::xml_document document;
    return LoadXmlDocument(path, document);
  });
  std::future<XmlLoadResult> result = load->get_future();
  std::thread([load] { (*load)(); }).detach();
  if (result.wait_for(std::chrono::seconds(1)) != std::future_status::ready) return std::nullopt;
  return result.get();
}

// Reading a pipe without a writer, or a device, would wait or go on forever.
TEST(LoadXmlDocument, RefusesWhatIsNotARegularFileAtOnce) {
  ScratchDirectory scratch;
  ASSERT_TRUE(testing::MakeNamedPipe(scratch.path() / "tuberia.gpx"));
  ASSERT_TRUE(testing::MakeNamedPipe(scratch.path() / "tuberia.kmz"));
  std::filesystem::create_symlink("/dev/zero", scratch.path() / "cero.kml");
  const struct {
    std::filesystem::path path;
    const char* message;
  } rows[] = {
      {scratch.path() / "tuberia.gpx", "no es un archivo normal"},
      {scratch.path() / "cero.kml", "no es un archivo normal"},
      {scratch.path(), "no es un archivo normal"},
      {scratch.path() / "nada.gpx", "el archivo no existe"},
      {scratch.path() / "tuberia.kmz", "no es un archivo normal"},
  };
  for (const auto& row : rows) {
    const std::optional<XmlLoadResult> loaded = LoadWithinASecond(row.path);
    ASSERT_TRUE(loaded.has_value()) << row.path << " blocked the load";
    EXPECT_FALSE(loaded->ok);
    EXPECT_EQ(loaded->message, row.message) << row.path;
  }
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
