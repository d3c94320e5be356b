#include "document_sink.h"

#include <charconv>
#include <cmath>

namespace ruvela::bench {
namespace {

constexpr std::size_t kBlockSize = 1 << 20;

}  // namespace

DocumentSink::DocumentSink(const std::filesystem::path& path) : file_(std::fopen(path.string().c_str(), "wb")) {
  failed_ = file_ == nullptr;
  buffer_.reserve(kBlockSize + 4096);
}

DocumentSink::~DocumentSink() { Close(); }

DocumentSink& DocumentSink::operator<<(std::string_view text) {
  buffer_ += text;
  if (buffer_.size() >= kBlockSize) Flush();
  return *this;
}

DocumentSink& DocumentSink::operator<<(std::int64_t number) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  return *this << std::string_view(digits, static_cast<std::size_t>(end - digits));
}

DocumentSink& DocumentSink::Fixed(double value, int decimals) {
  char digits[64];
  const auto end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals).ptr;
  return *this << std::string_view(digits, static_cast<std::size_t>(end - digits));
}

DocumentSink& DocumentSink::Timestamp(std::int64_t seconds) {
  // June 2021 has 30 days; the generated walks stay well inside a year,
  // counted in 30-day months to keep the arithmetic plain.
  const std::int64_t day = seconds / 86400;
  const std::int64_t month = 6 + day / 30;
  const std::int64_t year = 2021 + (month - 1) / 12;
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", static_cast<int>(year),
                static_cast<int>((month - 1) % 12 + 1), static_cast<int>(day % 30 + 1),
                static_cast<int>(seconds / 3600 % 24), static_cast<int>(seconds / 60 % 60),
                static_cast<int>(seconds % 60));
  return *this << std::string_view(text);
}

bool DocumentSink::Close() {
  if (file_ == nullptr) return !failed_;
  Flush();
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}

void DocumentSink::Flush() {
  if (file_ != nullptr && !buffer_.empty()) {
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) failed_ = true;
  }
  written_ += buffer_.size();
  buffer_.clear();
}

}  // namespace ruvela::bench
