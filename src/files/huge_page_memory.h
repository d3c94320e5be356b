// Large blocks of memory backed by huge pages where the system offers them.
// A fresh 4 KB page costs the process a fault, its zeroing and a TLB entry;
// the parser touches hundreds of megabytes of them. One 2 MB page costs one
// fault for 512 of them. The only file that asks the system for memory.
#pragma once

#include <cstddef>
#include <string_view>

namespace ruvela {

// The size, and the alignment, of one huge page with 4 KB base pages.
inline constexpr std::size_t kHugePageSize = std::size_t{2} << 20;

class LargeBlockSource {
 public:
  virtual ~LargeBlockSource() = default;
  // A block of `size` bytes (a multiple of kHugePageSize), aligned to
  // kHugePageSize; nullptr when this source has none to give.
  virtual void* map(std::size_t size) = 0;
  // Gives back a block that map returned, with the size asked for then.
  virtual void unmap(void* block, std::size_t size) = 0;
  // Brings in the huge page at `page` (on a huge page boundary in a block,
  // `rest` bytes before the block's end) before its first use. False when
  // that was slow: the system had no huge page ready and fetched a fresh one
  // (a virtual machine whose host took back the memory freed a moment ago).
  // Small pages cost less then, and the rest of the block gets small pages.
  virtual bool bringInHugePage(void* page, std::size_t rest) = 0;
};

// Anonymous mappings advised to use transparent huge pages. Gives nothing
// where the system has no such pages or its setting is "never".
LargeBlockSource& SystemHugePages();

// Whether the transparent huge page setting as the kernel shows it
// ("always [madvise] never", the chosen one in brackets) lets an advised
// mapping have huge pages.
bool HugePagesAllowed(std::string_view setting);

}  // namespace ruvela
