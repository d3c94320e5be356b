// Loading an input document: its encodings, the files that are not
// documents, the KML inside a KMZ, and the memory the parser works in.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "reading/document_source.h"
#include "reading/kmz_archive.h"
#include "reading/xml_document.h"
#include "reading/xml_values.h"
#include "support/parser_memory_fallback.h"
#include "support/special_inputs.h"
#include "support/test_files.h"

namespace ruvela {
namespace {

using testing::ScratchDirectory;

std::string Utf16(const std::u16string& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

// The name in a document loaded from a file, and why a load failed.
struct Loaded {
  std::string name;
  Failure failure;
};

Loaded LoadName(const std::filesystem::path& file) {
  pugi::xml_document document;
  Loaded loaded{{}, LoadWholeDocument(file, document)};
  const pugi::xml_node root = document.document_element();
  if (loaded.failure.ok())
    loaded.name = ReadChildText(root.child("Placemark") ? root.child("Placemark") : root, "name");
  return loaded;
}

TEST(LoadXmlDocument, ReadsTheUsualEncodingsAndSaysWhatIsWrong) {
  using enum FailureKind;
  const struct {
    std::string bytes;
    const char* name;  // the name read
    FailureKind failure = None;
    std::int64_t offset = -1;  // where the document is broken, when it is checked
  } rows[] = {
      {"<wpt><name>Año</name></wpt>", "Año"},
      {"\xEF\xBB\xBF<wpt><name>Año</name></wpt>", "Año"},
      {Utf16(u"<wpt><name>Año €</name></wpt>", false), "Año €"},
      {Utf16(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><wpt><name>Año</name></wpt>", true), "Año"},
      {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><wpt><name>A\xF1o</name></wpt>", "Año"},
      {"<?xml version=\"1.0\" encoding=\"ISO8859-1\"?><wpt><name>A\xF1o</name></wpt>", "Año"},
      {"<wpt><name>encoding 'latin1' Año</name></wpt>", "encoding 'latin1' Año"},  // no declaration
      {"<?xml version='1.0' encoding='windows-1252'?><wpt><name>\x80 \x8A\xF1 \x93x\x94</name></wpt>", "€ Šñ “x”"},
      {"hello, world", "", NoElement},
      {"\xEF\xBB\xBF", "", NoElement},
      {"<gpx></kml>", "", MalformedXml, 7},
      // The encoding is read from the whole declaration, however long.
      {"<?xml version='1.0'" + std::string(600, ' ') + "encoding='ISO-8859-1'?><wpt><name>Caf\xE9</name></wpt>",
       "Café"},
      {"<?xml version='1.0'" + std::string(600, ' ') + "encoding='windows-1252'?><wpt><name>\x80</name></wpt>", "€"},
      {"<?xml version='1.0' encoding='ISO-8859-1' <wpt><name>Caf\xE9</name></wpt>", "", MalformedXml},
      // Nothing may follow the root element but comments, instructions and blanks.
      {"<wpt><name>a</name></wpt> <!-- c --><?pi x?>\n", "a"},
      {"<wpt><name>a</name></wpt>\n<wpt><name>b</name></wpt>", "", ElementAfterRoot, 26},
      {"<wpt/><!-- c --><x/>", "", ElementAfterRoot, 16},
  };
  // Every load closes its file, read or refused: the window loads many in one session.
  const auto openFiles = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}); };
  const auto openBefore = openFiles();
  for (const auto& row : rows) {
    const ScratchDirectory scratch;
    const Loaded loaded = LoadName(scratch.Write("in.gpx", row.bytes));
    EXPECT_EQ(loaded.name, row.name);
    EXPECT_EQ(loaded.failure.kind, row.failure) << row.bytes;
    if (row.offset >= 0) EXPECT_EQ(loaded.failure.offset, row.offset) << row.bytes;
  }
  EXPECT_EQ(openFiles(), openBefore);
}

// Memory that runs out is reported, never taken for an empty document.
TEST(LoadXmlDocument, SaysWhenMemoryRunsOut) {
  const ScratchDirectory scratch;
  const std::filesystem::path file = scratch.Write("a.gpx", "<a/>");
  const auto allocate = pugi::get_memory_allocation_function();
  const auto deallocate = pugi::get_memory_deallocation_function();
  pugi::set_memory_management_functions([](std::size_t) -> void* { return nullptr; }, deallocate);
  pugi::xml_document document;
  for (const Failure& loaded : {LoadXmlDocumentFromBytes("<a/>", document), LoadXmlDocument(file, document)}) {
    EXPECT_EQ(loaded.kind, FailureKind::OutOfMemory);
  }
  pugi::set_memory_management_functions(allocate, deallocate);
}

std::string KmlNamed(const std::string& name) {
  return "<kml><Placemark><name>" + name + "</name><Point><coordinates>1,2</coordinates></Point></Placemark></kml>";
}

TEST(LoadKmzDocument, ReadsDocKmlElseTheFirstKmlAtTheRootElseAnywhere) {
  const struct {
    std::vector<testing::ZipEntry> entries;
    const char* chosen;
  } rows[] = {
      {{{"a.kml", KmlNamed("A")}, {"doc.kml", KmlNamed("Doc")}}, "Doc"},
      {{{"files/f.kml", KmlNamed("F")}, {"files/doc.kml", KmlNamed("D")}, {"b.KML", KmlNamed("B")}, {"c.kml", "C"}},
       "B"},
      {{{"files/icon.png", "PNG"}, {"files/x.kml", KmlNamed("X")}, {"y/z.kml", ""}}, "X"},
      {{{"doc.kmz", KmlNamed("Z")}}, ""},
  };
  for (const auto& row : rows) {
    const ScratchDirectory scratch;
    const Loaded loaded = LoadName(scratch.Write("a.kmz", testing::ZipArchive(row.entries)));
    EXPECT_EQ(loaded.name, row.chosen);
    EXPECT_EQ(loaded.failure.kind, *row.chosen ? FailureKind::None : FailureKind::KmzWithoutKml);
  }
}

// Pieces of the sizes the parser asks for (nothing, odd strings, its 32 KB
// node pages, a whole input file), with large blocks given and refused.
TEST(ParserMemoryPool, PiecesKeepTheirBytesAndEveryBlockGoesBack) {
  for (const bool giveBlocks : {true, false}) {
    testing::CountingBlocks source(giveBlocks);
    {
      ParserMemoryPool pool(source, kHugePageSize);
      std::vector<std::pair<unsigned char*, std::size_t>> pieces;
      for (int round = 0; round < 40; ++round) {
        for (const std::size_t size : {0, 1, 17, 32808, 32808, 32808}) {
          pieces.emplace_back(static_cast<unsigned char*>(pool.allocate(size)), size);
        }
      }
      pieces.emplace_back(static_cast<unsigned char*>(pool.allocate(kHugePageSize + 1)), kHugePageSize + 1);
      for (std::size_t i = 0; i < pieces.size(); ++i) {
        ASSERT_NE(pieces[i].first, nullptr);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(pieces[i].first) % alignof(std::max_align_t), 0u);
        std::memset(pieces[i].first, static_cast<int>(i % 251), pieces[i].second);
      }
      EXPECT_EQ(pool.blockBytes() > 2 * kHugePageSize, giveBlocks) << "several blocks, and one of its own for the file";
      for (std::size_t i = 0; i < pieces.size(); ++i) {
        for (std::size_t k = 0; k < pieces[i].second; ++k) ASSERT_EQ(pieces[i].first[k], i % 251) << "piece " << i;
      }
      for (std::size_t i = 1; i < pieces.size(); i += 2) pool.deallocate(pieces[i].first);
      for (std::size_t i = 0; i < pieces.size(); i += 2) pool.deallocate(pieces[i].first);
      pool.deallocate(std::malloc(40));  // memory the parser took before the pool was in place
      EXPECT_LE(pool.blockBytes(), kHugePageSize) << "blocks are given back with their last piece";
      EXPECT_LE(source.outstanding, 1) << "but for one huge page kept for small documents";
    }
    EXPECT_EQ(source.outstanding, 0);
    EXPECT_GT(source.requests, 0);
  }
}

// Where huge pages come slowly, a block stops asking for them after the
// first: each slow one costs as much as several hundred small pages.
TEST(ParserMemoryPool, BringsInHugePagesOnlyWhileTheyComeQuickly) {
  for (const bool slow : {false, true}) {
    testing::CountingBlocks source(true, slow);
    ParserMemoryPool pool(source, 4 * kHugePageSize);
    void* file = pool.allocate(3 * kHugePageSize);  // a block of its own, three huge pages
    std::vector<void*> pages;
    for (int i = 0; i < 100; ++i) pages.push_back(pool.allocate(32808));  // into a second huge page
    EXPECT_EQ(source.hugePagesBroughtIn, slow ? 2 : 5);
    for (void* page : pages) pool.deallocate(page);
    pool.deallocate(file);
  }
}

}  // namespace
}  // namespace ruvela
