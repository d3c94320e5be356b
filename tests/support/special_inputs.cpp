#include "support/special_inputs.h"

#include <stdexcept>

#include <sys/stat.h>
#include <zip.h>

namespace ruvela::testing {
namespace {

void Check(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(std::string("cannot build the test archive: ") + what);
}

void PutLittleEndian32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.at(at + i) = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Offsets in the local file header and in the central directory header.
constexpr std::size_t kLocalMethod = 8;
constexpr std::size_t kLocalCompressedSize = 18;
constexpr std::size_t kLocalSize = 22;
constexpr std::size_t kLocalNameLength = 26;
constexpr std::size_t kCentralMethod = 10;
constexpr std::size_t kCentralCompressedSize = 20;
constexpr std::size_t kCentralSize = 24;

std::size_t CentralHeader(const std::string& archive) {
  const std::size_t at = archive.find("PK\x01\x02");
  Check(at != std::string::npos, "no central directory");
  return at;
}

}  // namespace

std::string ZipArchive(const std::vector<ZipEntry>& entries) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
  Check(target != nullptr, "buffer");
  zip_source_keep(target);
  zip_t* archive = zip_open_from_source(target, ZIP_TRUNCATE, &error);
  Check(archive != nullptr, "open");
  for (const ZipEntry& entry : entries) {
    zip_source_t* source = zip_source_buffer(archive, entry.content.data(), entry.content.size(), 0);
    const zip_int64_t index = zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8);
    Check(index >= 0, "add");
    if (entry.encrypted) {
      Check(zip_file_set_encryption(archive, static_cast<zip_uint64_t>(index), ZIP_EM_AES_256, "clave") == 0,
            "encryption");
    }
  }
  Check(zip_close(archive) == 0, "close");

  std::string bytes;
  zip_stat_t stat;
  Check(zip_source_stat(target, &stat) == 0 && zip_source_open(target) == 0, "read back");
  bytes.resize(stat.size);
  Check(zip_source_read(target, bytes.data(), bytes.size()) == static_cast<zip_int64_t>(bytes.size()), "read");
  zip_source_close(target);
  zip_source_free(target);
  return bytes;
}

std::string WithDeclaredSize(std::string archive, std::uint32_t size, std::uint32_t compressedSize) {
  PutLittleEndian32(archive, kLocalSize, size);
  PutLittleEndian32(archive, CentralHeader(archive) + kCentralSize, size);
  if (compressedSize == 0) return archive;
  PutLittleEndian32(archive, kLocalCompressedSize, compressedSize);
  PutLittleEndian32(archive, CentralHeader(archive) + kCentralCompressedSize, compressedSize);
  return archive;
}

std::string WithMethod(std::string archive, std::uint16_t method) {
  for (const std::size_t at : {kLocalMethod, CentralHeader(archive) + kCentralMethod}) {
    archive.at(at) = static_cast<char>(method & 0xFF);
    archive.at(at + 1) = static_cast<char>(method >> 8);
  }
  return archive;
}

std::string WithDamagedData(std::string archive) {
  const std::size_t nameLength =
      static_cast<unsigned char>(archive.at(kLocalNameLength)) | static_cast<unsigned char>(archive.at(27)) << 8;
  const std::size_t extraLength =
      static_cast<unsigned char>(archive.at(28)) | static_cast<unsigned char>(archive.at(29)) << 8;
  const std::size_t data = 30 + nameLength + extraLength;
  const std::size_t end = CentralHeader(archive);
  archive.at(data + (end - data) / 2) ^= 0x5A;
  return archive;
}

bool MakeNamedPipe(const std::filesystem::path& path) { return mkfifo(path.c_str(), 0600) == 0; }

}  // namespace ruvela::testing
