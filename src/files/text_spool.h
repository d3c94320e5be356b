// Text held in memory to be written later (a GPX's routes, which follow
// all its waypoints), in blocks that are filled once and never copied:
// a text growing by doubling touches about twice its size in fresh memory,
// and copies itself at every step.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "files/block_writer.h"

namespace ruvela {

class TextSpool {
 public:
  void append(std::string_view text);
  std::size_t size() const { return size_; }
  // Drops everything after the first `size` characters.
  void truncate(std::size_t size);
  // Writes the text held, in order.
  void writeTo(BlockWriter& output) const;

 private:
  static constexpr std::size_t kBlockSize = std::size_t{1} << 20;
  std::vector<std::string> blocks_;
  std::size_t size_ = 0;
};

}  // namespace ruvela
