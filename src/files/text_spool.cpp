#include "files/text_spool.h"

#include <algorithm>

namespace ruvela {

void TextSpool::append(std::string_view text) {
  size_ += text.size();
  while (!text.empty()) {
    if (blocks_.empty() || blocks_.back().size() == kBlockSize) blocks_.emplace_back().reserve(kBlockSize);
    std::string& block = blocks_.back();
    const std::size_t taken = std::min(text.size(), kBlockSize - block.size());
    block.append(text.substr(0, taken));
    text.remove_prefix(taken);
  }
}

void TextSpool::truncate(std::size_t size) {
  while (size_ > size) {
    std::string& block = blocks_.back();
    const std::size_t dropped = std::min(block.size(), size_ - size);
    block.resize(block.size() - dropped);
    size_ -= dropped;
    if (block.empty()) blocks_.pop_back();
  }
}

void TextSpool::writeTo(BlockWriter& output) const {
  for (const std::string& block : blocks_) output.write(block);
}

}  // namespace ruvela
