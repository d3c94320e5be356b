#include "support/test_files.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <pugixml.hpp>

namespace ruvela::testing {

ScratchDirectory::ScratchDirectory() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = std::filesystem::temp_directory_path() /
          ("ruvela-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  // A test may have taken permissions away; give them back so it all goes.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
  }
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path ScratchDirectory::Write(const std::string& name, std::string_view bytes) const {
  const auto file = path_ / name;
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

namespace {

// The parser is lenient about encodings and characters; a reader like
// libxml2 is not. Checks that every byte sequence is UTF-8 and every
// character one that XML 1.0 allows.
bool HasOnlyXmlCharacters(const std::string& bytes, std::size_t& badOffset) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    std::uint32_t code = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
    bool ok = length > 0 && i + length <= bytes.size();
    for (std::size_t k = 1; ok && k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      ok = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    ok = ok && code >= smallest[length] && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF) && code != 0xFFFE &&
         code != 0xFFFF && (code >= 0x20 || code == 0x9 || code == 0xA || code == 0xD);
    if (!ok) {
      badOffset = i;
      return false;
    }
    i += length;
  }
  return true;
}

std::string ShellQuoted(const std::filesystem::path& path) {
  std::string quoted = "'";
  for (const char c : path.string()) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

bool IsWellFormedXml(const std::string& bytes, std::string* why) {
  std::size_t badOffset = 0;
  if (!HasOnlyXmlCharacters(bytes, badOffset)) {
    if (why != nullptr) *why = "bad character at " + std::to_string(badOffset);
    return false;
  }
  pugi::xml_document document;
  const pugi::xml_parse_result result =
      document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf8);
  if (!result && why != nullptr) *why = std::string(result.description()) + " at " + std::to_string(result.offset);
  return static_cast<bool>(result) && document.document_element();
}

void UpdateReferenceIfAsked(const std::filesystem::path& reference, const std::string& bytes) {
  const char* update = std::getenv("RUVELA_UPDATE_REFERENCES");
  if (update == nullptr || std::string(update) != "1") return;
  std::ofstream out(reference, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string SchemaProblems(const std::filesystem::path& schema, const std::vector<std::filesystem::path>& documents) {
  const ScratchDirectory scratch;
  const auto report = scratch.path() / "xmllint.txt";
  std::string command = "xmllint --noout --nonet --schema " + ShellQuoted(schema);
  for (const auto& document : documents) command += " " + ShellQuoted(document);
  command += " >" + ShellQuoted(report) + " 2>&1";
  const int status = std::system(command.c_str());
  if (status == 0) return {};
  const std::string complaints = ReadFile(report);
  return complaints.empty() ? "xmllint failed to run (status " + std::to_string(status) + ")" : complaints;
}

}  // namespace ruvela::testing
