// The memory the XML parser works in: the input buffer it parses in place
// and its node pages. They come from large huge-page blocks, handed out in
// order and given back to the system a whole block at a time when the last
// piece in it is freed (a document frees all its pages together); only a
// block that small documents used, up to 16 MB, is kept for the next. Where no
// large block can be had, the C library's allocator serves, as it always
// did.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <mutex>

#include "files/huge_page_memory.h"

namespace ruvela {

class ParserMemoryPool {
 public:
  // Pieces are carved from blocks of `blockSize` bytes (a multiple of
  // kHugePageSize); a piece of a quarter of that or more gets a block of
  // its own.
  explicit ParserMemoryPool(LargeBlockSource& source, std::size_t blockSize = 64 * kHugePageSize);
  ParserMemoryPool(const ParserMemoryPool&) = delete;
  ParserMemoryPool& operator=(const ParserMemoryPool&) = delete;
  ~ParserMemoryPool();  // gives every block back; its pieces must be freed by then

  // Memory for `size` bytes aligned for any type, or nullptr.
  void* allocate(std::size_t size);
  // Frees a piece of this pool, or memory of the C library's allocator
  // (taken before the pool was put in place); nullptr does nothing.
  void deallocate(void* memory);
  // Bytes of large blocks held now.
  std::size_t blockBytes() const;

 private:
  struct Block {
    std::size_t size = 0;
    std::size_t used = 0;       // bytes handed out from the start
    std::size_t pieces = 0;     // pieces not freed yet
    std::size_t broughtIn = 0;  // bytes from the start whose huge pages are in
    bool smallPages = false;    // huge pages were slow to come: the rest has small ones
  };
  using Blocks = std::map<std::uintptr_t, Block>;  // by start address

  void* allocateLocked(std::size_t size);
  Blocks::iterator mapBlock(std::size_t size);
  void unmapBlock(Blocks::iterator block);
  void bringIn(Blocks::iterator block, std::size_t end);
  Blocks::iterator blockHolding(const void* memory);

  LargeBlockSource& source_;
  const std::size_t blockSize_;
  mutable std::mutex mutex_;
  Blocks blocks_;
  Blocks::iterator current_;  // the block small pieces come from, or blocks_.end()
};

// Makes pugixml take all its memory from one pool over SystemHugePages().
// The first call does it; later calls do nothing. Each program's main calls
// it before any document is loaded, so that every parse, whole document or
// run, uses the same allocator whatever was read before.
void UseParserMemoryPool();

// `size` bytes from pugixml's allocation function, so that the parser can
// own them.
void* AllocateForParser(std::size_t size);

}  // namespace ruvela
