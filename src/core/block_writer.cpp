#include "core/block_writer.h"

#include <cerrno>

namespace ruvela {

bool CreateEmptyFile(const std::filesystem::path& path) {
  BlockWriter writer;
  return writer.open(path) && writer.close();
}

BlockWriter::~BlockWriter() {
  if (file_.is_open()) close();
}

bool BlockWriter::open(const std::filesystem::path& path) {
  if (file_.is_open()) close();
  path_ = path;
  failed_ = false;
  error_ = 0;
  buffer_.clear();
  buffer_.reserve(kBufferSize);
  // An empty file is written as it is: ext4 writes a file that was emptied
  // to disk as soon as it is closed, and emptying an empty one counts too.
  file_.open(path, std::ios::binary | std::ios::in | std::ios::out);
  if (file_.is_open() && !file_.seekp(0, std::ios::end).fail() && file_.tellp() == 0) return true;
  file_.close();
  file_.clear();
  errno = 0;
  file_.open(path, std::ios::binary | std::ios::trunc);
  failed_ = !file_.is_open();
  if (failed_) error_ = errno;
  return !failed_;
}

void BlockWriter::write(std::string_view block) {
  while (!failed_ && buffer_.size() + block.size() >= kBufferSize) {
    const std::size_t taken = kBufferSize - buffer_.size();
    buffer_.append(block.substr(0, taken));
    block.remove_prefix(taken);
    flush();
  }
  if (!failed_) buffer_ += block;
}

void BlockWriter::flush() {
  if (!failed_ && !buffer_.empty()) {
    errno = 0;
    file_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    failed_ = !file_;
    if (failed_) error_ = errno;
  }
  buffer_.clear();
}

bool BlockWriter::close() {
  if (!file_.is_open()) return !failed_;
  flush();
  errno = 0;
  file_.close();
  if (file_.fail() && !failed_) {
    failed_ = true;
    error_ = errno;
  }
  return !failed_;
}

void BlockWriter::abandon() {
  buffer_.clear();
  if (file_.is_open()) file_.close();
}

}  // namespace ruvela
