#include "core/block_writer.h"

namespace ruvela {

bool CreateEmptyFile(const std::filesystem::path& path) {
  BlockWriter writer;
  return writer.Open(path) && writer.Close();
}

BlockWriter::~BlockWriter() {
  if (file_.is_open()) Close();
}

bool BlockWriter::Open(const std::filesystem::path& path) {
  if (file_.is_open()) Close();
  failed_ = false;
  buffer_.clear();
  buffer_.reserve(kBufferSize);
  file_.open(path, std::ios::binary | std::ios::trunc);
  failed_ = !file_.is_open();
  return !failed_;
}

void BlockWriter::Write(std::string_view block) {
  if (failed_) return;
  if (buffer_.size() + block.size() > kBufferSize) Flush();
  if (block.size() >= kBufferSize) {
    file_.write(block.data(), static_cast<std::streamsize>(block.size()));
    failed_ = !file_;
    return;
  }
  buffer_ += block;
}

void BlockWriter::Flush() {
  if (!failed_ && !buffer_.empty()) {
    file_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    failed_ = !file_;
  }
  buffer_.clear();
}

bool BlockWriter::Close() {
  if (!file_.is_open()) return !failed_;
  Flush();
  file_.close();
  if (file_.fail()) failed_ = true;
  return !failed_;
}

}  // namespace ruvela
