// Large blocks from the heap, or none at all, for testing the parser's
// memory pool; and the parser run, for a while, the way it runs where the
// system has no huge pages.
#pragma once

#include <cstdlib>

#include <pugixml.hpp>

#include "files/parser_memory.h"

namespace ruvela::testing {

// Hands out aligned heap memory as blocks (or refuses every block) and
// counts the blocks not given back and the huge pages brought in, which
// come quickly or, with `slowHugePages`, slowly.
class CountingBlocks final : public LargeBlockSource {
 public:
  explicit CountingBlocks(bool giveBlocks, bool slowHugePages = false)
      : giveBlocks_(giveBlocks), slowHugePages_(slowHugePages) {}
  void* map(std::size_t size) override {
    ++requests;
    if (!giveBlocks_) return nullptr;
    ++outstanding;
    return std::aligned_alloc(kHugePageSize, size);
  }
  void unmap(void* block, std::size_t) override {
    --outstanding;
    std::free(block);
  }
  bool bringInHugePage(void*, std::size_t) override {
    ++hugePagesBroughtIn;
    return !slowHugePages_;
  }

  int requests = 0;
  int outstanding = 0;
  int hugePagesBroughtIn = 0;

 private:
  bool giveBlocks_;
  bool slowHugePages_;
};

// While it lives, the parser takes its memory from a pool that is refused
// every large block. Documents must be loaded and freed within its life.
class WithoutHugePages {
 public:
  WithoutHugePages() {
    allocate_ = pugi::get_memory_allocation_function();
    deallocate_ = pugi::get_memory_deallocation_function();
    active_ = &pool_;
    pugi::set_memory_management_functions(&Allocate, &Deallocate);
  }
  ~WithoutHugePages() {
    pugi::set_memory_management_functions(allocate_, deallocate_);
    active_ = nullptr;
  }
  WithoutHugePages(const WithoutHugePages&) = delete;
  WithoutHugePages& operator=(const WithoutHugePages&) = delete;

  // The pool asked for blocks, was refused and still served the parser.
  bool FellBack() const { return refusing_.requests > 0 && pool_.blockBytes() == 0; }

 private:
  static void* Allocate(std::size_t size) { return active_->allocate(size); }
  static void Deallocate(void* memory) { active_->deallocate(memory); }

  static inline ParserMemoryPool* active_ = nullptr;
  CountingBlocks refusing_{false};
  ParserMemoryPool pool_{refusing_};
  pugi::allocation_function allocate_ = nullptr;
  pugi::deallocation_function deallocate_ = nullptr;
};

}  // namespace ruvela::testing
