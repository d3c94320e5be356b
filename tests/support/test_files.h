// Scratch files for tests: a fresh directory per test, files written into
// it, and documents read back.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ruvela::testing {

class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes `bytes` to `name` inside the directory and returns its path.
  std::filesystem::path Write(const std::string& name, std::string_view bytes) const;

 private:
  std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);

// True when `bytes` parse as a well-formed XML document (used on outputs).
bool IsWellFormedXml(const std::string& bytes, std::string* why = nullptr);

// With RUVELA_UPDATE_REFERENCES=1 in the environment, writes `bytes` as the
// new reference document; review the difference before committing it.
void UpdateReferenceIfAsked(const std::filesystem::path& reference, const std::string& bytes);

// Validates `documents` against `schema` with xmllint (offline); returns
// its complaints, or the empty text when every document is valid.
std::string SchemaProblems(const std::filesystem::path& schema, const std::vector<std::filesystem::path>& documents);

}  // namespace ruvela::testing
