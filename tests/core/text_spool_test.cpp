// The spool that holds a GPX's routes until its waypoints are written:
// what it writes is what was appended and not dropped, across its blocks.
#include "files/text_spool.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace ruvela {
namespace {

TEST(TextSpool, WritesWhatWasKeptAcrossBlocks) {
  TextSpool spool;
  std::string kept;
  // Pieces up to 1.5 MB, some dropped again, over blocks of 1 MB.
  for (int i = 0; i < 40; ++i) {
    const std::string piece(static_cast<std::size_t>(i * 37'000 + 1), static_cast<char>('a' + i % 26));
    spool.append(piece);
    kept += piece;
    if (i % 3 == 2) {
      const std::size_t size = kept.size() - kept.size() / (i + 2) - piece.size();
      spool.truncate(size);
      kept.resize(size);
    }
    ASSERT_EQ(spool.size(), kept.size());
  }
  const testing::ScratchDirectory scratch;
  const auto path = scratch.path() / "routes.gpx";
  BlockWriter writer;
  ASSERT_TRUE(writer.open(path));
  spool.writeTo(writer);
  ASSERT_TRUE(writer.close());
  EXPECT_TRUE(testing::ReadFile(path) == kept);
}

}  // namespace
}  // namespace ruvela
