#include "cli/pending_output.h"

#include <fstream>
#include <ostream>
#include <random>
#include <vector>

#include "cli/platform.h"
#include "values/path_parts.h"

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

std::error_code PendingOutput::takePermissionsOf(const std::filesystem::path& model) const {
  return CopyPermissions(model, path_, std::filesystem::perms::owner_write);
}

std::error_code PendingOutput::commitAs(const std::filesystem::path& target, Commit commit) {
  std::error_code error;
  if (commit == Commit::Replace && std::filesystem::exists(target, error)) error = CopyPermissions(target, path_);
  if (!error) error = FlushToDisk(path_);
  if (error) return error;
  if (commit == Commit::Replace) {
    std::filesystem::rename(path_, target, error);
  } else {
    error = RenameWithoutReplacing(path_, target);
  }
  if (error) return error;
  RemoveOnForcedEnd({});
  path_.clear();
  // The document is in place; a folder that cannot be flushed changes nothing of that.
  FlushToDisk(target.parent_path());
  return {};
}

std::error_code PendingOutput::copyTo(std::ostream& out) const {
  std::ifstream in(path_, std::ios::binary);
  if (!in) return std::make_error_code(std::errc::io_error);
  // A piece at a time, each write checked: `out << in.rdbuf()` stops quietly
  // at a write that fails once some bytes went, and the document would be
  // cut short without a word.
  std::vector<char> piece(1 << 16);
  while (in.read(piece.data(), static_cast<std::streamsize>(piece.size())) || in.gcount() > 0) {
    if (!out.write(piece.data(), in.gcount())) return std::make_error_code(std::errc::io_error);
  }
  if (in.bad() || !out.flush()) return std::make_error_code(std::errc::io_error);
  return {};
}

}  // namespace ruvela::cli
