// A file written in large blocks, with the few number formats the generated
// documents use. Numbers are formatted with std::to_chars, so the bytes do
// not depend on the locale or the standard library.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace ruvela::bench {

class DocumentSink {
 public:
  explicit DocumentSink(const std::filesystem::path& path);
  ~DocumentSink();
  DocumentSink(const DocumentSink&) = delete;
  DocumentSink& operator=(const DocumentSink&) = delete;

  DocumentSink& operator<<(std::string_view text);
  DocumentSink& operator<<(std::int64_t number);
  // `value` with exactly `decimals` digits after the point.
  DocumentSink& Fixed(double value, int decimals);
  // "2021-06-12T08:14:05Z" for `seconds` after 2021-06-01T00:00:00Z.
  DocumentSink& Timestamp(std::int64_t seconds);

  // Writes what is left; false when any write failed.
  bool Close();
  std::uint64_t bytesWritten() const { return written_ + buffer_.size(); }

 private:
  void Flush();

  std::FILE* file_;
  std::string buffer_;
  std::uint64_t written_ = 0;
  bool failed_ = false;
};

}  // namespace ruvela::bench
