#include "cli/pending_output.h"

#include <fstream>
#include <ostream>
#include <random>

#include "cli/platform.h"
#include "core/path_parts.h"

namespace ruvela::cli {
namespace {

// Keeps the temporary name within the file system's name length even when
// the target's own name is close to it; cuts between UTF-8 characters.
std::string ShortenedName(const std::string& name) {
  constexpr std::size_t kMaxBytes = 64;
  if (name.size() <= kMaxBytes) return name;
  std::size_t cut = kMaxBytes;
  while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
  return name.substr(0, cut);
}

std::string RandomSuffix(std::mt19937& engine) {
  constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  std::string suffix;
  for (int i = 0; i < 6; ++i) suffix += kLetters[pick(engine)];
  return suffix;
}

}  // namespace

std::optional<PendingOutput> PendingOutput::create(const std::filesystem::path& directory, const std::string& finalName,
                                                   std::error_code& error) {
  std::mt19937 engine{std::random_device{}()};
  std::string stem = ".";
  stem += ShortenedName(finalName);
  stem += ".ruvela-";
  constexpr int kAttempts = 100;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::filesystem::path candidate = directory / PathFromUtf8(stem + RandomSuffix(engine));
    error = CreateNewFile(candidate);
    if (!error) {
      RemoveOnForcedEnd(candidate);
      return PendingOutput(std::move(candidate));
    }
    if (error != std::errc::file_exists) return std::nullopt;
  }
  return std::nullopt;
}

PendingOutput::PendingOutput(PendingOutput&& other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }

PendingOutput::~PendingOutput() {
  if (path_.empty()) return;
  RemoveOnForcedEnd({});
  std::error_code ignored;  // nothing more can be done about a file that will not go
  std::filesystem::remove(path_, ignored);
}

std::error_code PendingOutput::commitAs(const std::filesystem::path& target) {
  std::error_code error;
  std::filesystem::rename(path_, target, error);
  if (error) return error;
  RemoveOnForcedEnd({});
  path_.clear();
  return error;
}

std::error_code PendingOutput::copyTo(std::ostream& out) const {
  std::ifstream in(path_, std::ios::binary);
  if (!in) return std::make_error_code(std::errc::io_error);
  out << in.rdbuf();
  out.flush();
  if (!out) return std::make_error_code(std::errc::io_error);
  return {};
}

}  // namespace ruvela::cli
