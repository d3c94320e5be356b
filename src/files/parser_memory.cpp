#include "files/parser_memory.h"

#include <cstdlib>
#include <iterator>
#include <mutex>

#include <pugixml.hpp>

// Under AddressSanitizer the parts of a block that are not handed out are
// poisoned, so reading past a piece is caught as it would be with malloc.
#if defined(__has_include)
#if __has_include(<sanitizer/asan_interface.h>)
#include <sanitizer/asan_interface.h>
#endif
#endif
#ifndef ASAN_POISON_MEMORY_REGION
#define ASAN_POISON_MEMORY_REGION(address, size) ((void)(address), (void)(size))
#define ASAN_UNPOISON_MEMORY_REGION(address, size) ((void)(address), (void)(size))
#endif

namespace ruvela {
namespace {

constexpr std::size_t kPieceAlignment = alignof(std::max_align_t);
// A block that held no more than this is kept for the next document.
constexpr std::size_t kReusedBytes = 8 * kHugePageSize;

std::size_t RoundUp(std::size_t size, std::size_t unit) { return (size + unit - 1) / unit * unit; }

}  // namespace

ParserMemoryPool::ParserMemoryPool(LargeBlockSource& source, std::size_t blockSize)
    : source_(source), blockSize_(RoundUp(blockSize, kHugePageSize)), current_(blocks_.end()) {}

ParserMemoryPool::~ParserMemoryPool() {
  while (!blocks_.empty()) unmapBlock(blocks_.begin());
}

void* ParserMemoryPool::allocate(std::size_t size) {
  std::lock_guard lock(mutex_);
  if (void* piece = allocateLocked(size > 0 ? size : 1)) return piece;
  return std::malloc(size > 0 ? size : 1);
}

void* ParserMemoryPool::allocateLocked(std::size_t size) {
  if (size > SIZE_MAX - kHugePageSize) return nullptr;  // no block can be that large
  if (size >= blockSize_ / 4) {
    const auto own = mapBlock(RoundUp(size, kHugePageSize));
    if (own == blocks_.end()) return nullptr;
    own->second.used = size;
    own->second.pieces = 1;
    ASAN_UNPOISON_MEMORY_REGION(reinterpret_cast<void*>(own->first), size);
    bringIn(own, size);
    return reinterpret_cast<void*>(own->first);
  }
  const std::size_t rounded = RoundUp(size, kPieceAlignment);
  if (current_ == blocks_.end() || current_->second.size - current_->second.used < rounded) {
    // The rest of a full block stays untouched, so it costs no memory.
    current_ = mapBlock(blockSize_);
    if (current_ == blocks_.end()) return nullptr;
  }
  Block& block = current_->second;
  void* piece = reinterpret_cast<void*>(current_->first + block.used);
  block.used += rounded;
  ++block.pieces;
  ASAN_UNPOISON_MEMORY_REGION(piece, size);
  bringIn(current_, block.used);
  return piece;
}

// Each huge page is brought in before the first piece in it is used, while
// they come quickly; the first slow one turns the rest of the block to
// small pages.
void ParserMemoryPool::bringIn(Blocks::iterator block, std::size_t end) {
  Block& state = block->second;
  while (!state.smallPages && state.broughtIn < end) {
    void* page = reinterpret_cast<void*>(block->first + state.broughtIn);
    if (!source_.bringInHugePage(page, state.size - state.broughtIn)) state.smallPages = true;
    state.broughtIn += kHugePageSize;
  }
}

ParserMemoryPool::Blocks::iterator ParserMemoryPool::mapBlock(std::size_t size) {
  void* start = source_.map(size);
  if (start == nullptr) return blocks_.end();
  ASAN_POISON_MEMORY_REGION(start, size);
  return blocks_.emplace(reinterpret_cast<std::uintptr_t>(start), Block{size, 0, 0}).first;
}

ParserMemoryPool::Blocks::iterator ParserMemoryPool::blockHolding(const void* memory) {
  const auto address = reinterpret_cast<std::uintptr_t>(memory);
  auto after = blocks_.upper_bound(address);
  if (after == blocks_.begin()) return blocks_.end();
  const auto holder = std::prev(after);
  return address < holder->first + holder->second.size ? holder : blocks_.end();
}

void ParserMemoryPool::deallocate(void* memory) {
  if (memory == nullptr) return;
  std::lock_guard lock(mutex_);
  const auto holder = blockHolding(memory);
  if (holder == blocks_.end()) {
    std::free(memory);
    return;
  }
  // A freed piece is not reused: the block goes back whole with its last piece.
  Block& block = holder->second;
  if (--block.pieces > 0) return;
  if (holder == current_ && block.used <= kReusedBytes) {
    // Small documents, one after the other (the runs of a large one, once
    // the program's main has put the pool in place): they keep the pages
    // they touched instead of asking the system for fresh ones each time.
    block.used = 0;
    ASAN_POISON_MEMORY_REGION(reinterpret_cast<void*>(holder->first), block.size);
    return;
  }
  if (holder == current_) current_ = blocks_.end();
  unmapBlock(holder);
}

void ParserMemoryPool::unmapBlock(Blocks::iterator block) {
  void* start = reinterpret_cast<void*>(block->first);
  ASAN_UNPOISON_MEMORY_REGION(start, block->second.size);  // whatever is mapped there next starts clean
  source_.unmap(start, block->second.size);
  blocks_.erase(block);
}

std::size_t ParserMemoryPool::blockBytes() const {
  std::lock_guard lock(mutex_);
  std::size_t bytes = 0;
  for (const auto& entry : blocks_) bytes += entry.second.size;
  return bytes;
}

namespace {

ParserMemoryPool& SharedParserPool() {
  // Never destroyed: documents may be freed during the program's exit.
  static auto* const pool = new ParserMemoryPool(SystemHugePages());
  return *pool;
}

void* AllocateFromSharedPool(std::size_t size) { return SharedParserPool().allocate(size); }
void DeallocateToSharedPool(void* memory) { SharedParserPool().deallocate(memory); }

}  // namespace

void UseParserMemoryPool() {
  static std::once_flag installed;
  std::call_once(installed,
                 [] { pugi::set_memory_management_functions(&AllocateFromSharedPool, &DeallocateToSharedPool); });
}

void* AllocateForParser(std::size_t size) { return pugi::get_memory_allocation_function()(size); }

}  // namespace ruvela
