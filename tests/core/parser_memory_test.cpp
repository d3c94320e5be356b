#include "core/parser_memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "support/parser_memory_fallback.h"

namespace ruvela {
namespace {

using testing::CountingBlocks;

TEST(HugePagesAllowed, ReadsTheChosenSetting) {
  const std::pair<const char*, bool> rows[] = {
      {"always [madvise] never", true},
      {"[always] madvise never", true},
      {"always madvise [never]", false},
      {"", false},  // no such setting on this system
  };
  for (const auto& [setting, allowed] : rows) EXPECT_EQ(HugePagesAllowed(setting), allowed) << setting;
}

// Pieces of the sizes the parser asks for (nothing, odd strings, its 32 KB
// node pages, a whole input file), with large blocks given and refused.
TEST(ParserMemoryPool, PiecesKeepTheirBytesAndEveryBlockGoesBack) {
  for (const bool giveBlocks : {true, false}) {
    CountingBlocks source(giveBlocks);
    std::vector<std::pair<unsigned char*, std::size_t>> pieces;
    {
      ParserMemoryPool pool(source, kHugePageSize);
      const std::size_t sizes[] = {0, 1, 17, 32 * 1024 + 40, 32 * 1024 + 40, 32 * 1024 + 40};
      for (int round = 0; round < 40; ++round) {
        for (const std::size_t size : sizes)
          pieces.emplace_back(static_cast<unsigned char*>(pool.allocate(size)), size);
      }
      pieces.emplace_back(static_cast<unsigned char*>(pool.allocate(kHugePageSize + 1)), kHugePageSize + 1);
      for (std::size_t i = 0; i < pieces.size(); ++i) {
        ASSERT_NE(pieces[i].first, nullptr);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(pieces[i].first) % alignof(std::max_align_t), 0u);
        std::memset(pieces[i].first, static_cast<int>(i % 251), pieces[i].second);
      }
      EXPECT_EQ(pool.blockBytes() > 2 * kHugePageSize, giveBlocks)
          << "more than one block of pages, and its own for the file";
      for (std::size_t i = 0; i < pieces.size(); ++i) {
        const auto& [piece, size] = pieces[i];
        for (std::size_t k = 0; k < size; ++k) ASSERT_EQ(piece[k], i % 251) << "piece " << i << " was overwritten";
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
    CountingBlocks source(true, slow);
    ParserMemoryPool pool(source, 4 * kHugePageSize);
    void* file = pool.allocate(3 * kHugePageSize);  // a block of its own, three huge pages
    std::vector<void*> pages;
    for (int i = 0; i < 100; ++i) pages.push_back(pool.allocate(32 * 1024 + 40));  // into a second huge page
    EXPECT_EQ(source.hugePagesBroughtIn, slow ? 2 : 5);
    for (void* page : pages) pool.deallocate(page);
    pool.deallocate(file);
  }
}

}  // namespace
}  // namespace ruvela
