#include "files/huge_page_memory.h"

#include <atomic>
#include <chrono>
#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>

#include <fstream>
#include <string>
#endif

namespace ruvela {
namespace {

#if defined(__linux__) && defined(MADV_HUGEPAGE)

std::string ReadHugePageSetting() {
  std::ifstream file("/sys/kernel/mm/transparent_hugepage/enabled");
  std::string setting;
  std::getline(file, setting);
  return setting;
}

class AdvisedMappings final : public LargeBlockSource {
 public:
  AdvisedMappings() : allowed_(HugePagesAllowed(ReadHugePageSetting())) {}

  void* map(std::size_t size) override {
    if (!allowed_.load(std::memory_order_relaxed)) return nullptr;
    // One huge page more than asked, so the block can start on a huge page
    // boundary; the kernel only backs whole aligned 2 MB ranges.
    const std::size_t mapped = size + kHugePageSize;
    void* raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t block = (start + kHugePageSize - 1) & ~(std::uintptr_t{kHugePageSize} - 1);
    if (block > start) munmap(raw, block - start);
    const std::uintptr_t tail = block + size;
    if (start + mapped > tail) munmap(reinterpret_cast<void*>(tail), start + mapped - tail);
    if (madvise(reinterpret_cast<void*>(block), size, MADV_HUGEPAGE) != 0) {
      // A kernel without transparent huge pages: say so once, not per block.
      allowed_.store(false, std::memory_order_relaxed);
      munmap(reinterpret_cast<void*>(block), size);
      return nullptr;
    }
    return reinterpret_cast<void*>(block);
  }

  void unmap(void* block, std::size_t size) override { munmap(block, size); }

  bool bringInHugePage(void* page, std::size_t rest) override {
    const auto start = std::chrono::steady_clock::now();
    *static_cast<volatile char*>(page) = 0;  // the fault zeroes the whole huge page
    if (std::chrono::steady_clock::now() - start < kSlowHugePage) return true;
    if (rest > kHugePageSize) madvise(static_cast<char*>(page) + kHugePageSize, rest - kHugePageSize, MADV_NOHUGEPAGE);
    return false;
  }

 private:
  // A ready huge page faults in within about 0.1 ms; 512 small pages take
  // about 0.7 ms; a huge page the host must supply first takes 2 to 5 ms.
  static constexpr std::chrono::microseconds kSlowHugePage{1000};

  std::atomic<bool> allowed_;
};

#else

class AdvisedMappings final : public LargeBlockSource {
 public:
  void* map(std::size_t) override { return nullptr; }
  void unmap(void*, std::size_t) override {}
  bool bringInHugePage(void*, std::size_t) override { return false; }
};

#endif

}  // namespace

LargeBlockSource& SystemHugePages() {
  // Never destroyed: documents freed during the program's exit still give
  // their blocks back through it.
  static auto* const mappings = new AdvisedMappings;
  return *mappings;
}

bool HugePagesAllowed(std::string_view setting) {
  return setting.find("[always]") != std::string_view::npos || setting.find("[madvise]") != std::string_view::npos;
}

}  // namespace ruvela
