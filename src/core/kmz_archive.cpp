#include "core/kmz_archive.h"

#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <zip.h>

#include "core/regular_file.h"
#include "core/text_lines.h"

namespace ruvela {
namespace {

constexpr const char* kNotAZip = "el archivo KMZ no es un archivo ZIP";
constexpr const char* kDamaged = "el archivo KMZ está dañado";
constexpr const char* kEncrypted = "el archivo KMZ está cifrado";
constexpr const char* kNoKml = "el archivo KMZ no contiene ningún documento KML";
constexpr const char* kZipBomb = "el documento del archivo KMZ se descomprime a un tamaño desmedido (bomba ZIP)";

constexpr std::string_view kLocalHeaderSignature = "PK\x03\x04";

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
  void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using Entry = std::unique_ptr<zip_file_t, EntryCloser>;

bool IsKmlName(std::string_view name) { return LowerAscii(name).ends_with(".kml"); }
bool IsAtRoot(std::string_view name) { return name.find('/') == std::string_view::npos; }

std::optional<zip_uint64_t> ChooseDocument(zip_t* archive) {
  std::optional<zip_uint64_t> firstAtRoot;
  std::optional<zip_uint64_t> firstAnywhere;
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* raw = zip_get_name(archive, static_cast<zip_uint64_t>(i), 0);
    if (raw == nullptr) continue;
    const std::string_view name(raw);
    if (!IsKmlName(name)) continue;
    const auto index = static_cast<zip_uint64_t>(i);
    if (IsAtRoot(name) && LowerAscii(name) == "doc.kml") return index;
    if (IsAtRoot(name) && !firstAtRoot) firstAtRoot = index;
    if (!firstAnywhere) firstAnywhere = index;
  }
  return firstAtRoot ? firstAtRoot : firstAnywhere;
}

// A file that starts like a ZIP archive but is not one was cut short or
// damaged; anything else is some other kind of file.
const char* WhyNotOpened(int error, bool startsLikeZip) {
  switch (error) {
    case ZIP_ER_NOZIP:
      return startsLikeZip ? kDamaged : kNotAZip;
    case ZIP_ER_MEMORY:
      return "no hay memoria suficiente para leer el archivo";
    default:
      return kDamaged;
  }
}

const char* WhyNotRead(const zip_error_t* error) {
  switch (zip_error_code_zip(error)) {
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
    case ZIP_ER_ENCRNOTSUPP:
      return kEncrypted;
    case ZIP_ER_MEMORY:
      return "no hay memoria suficiente para leer el archivo";
    default:
      return kDamaged;
  }
}

// The declared sizes are checked before a byte is inflated: what they
// promise decides the buffer, and an entry claiming too much is refused.
const char* WhyNotReadable(const zip_stat_t& stat) {
  constexpr zip_uint64_t kNeeded = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_ENCRYPTION_METHOD;
  if ((stat.valid & kNeeded) != kNeeded) return kDamaged;
  if (stat.encryption_method != ZIP_EM_NONE) return kEncrypted;
  if (stat.size > kAlwaysReadableSize && stat.size / kMaxInflationRatio > stat.comp_size) return kZipBomb;
  if (stat.size >= std::numeric_limits<std::size_t>::max()) return kZipBomb;
  return nullptr;
}

// Inflates exactly the declared size into `data`; an entry that has more to
// give than it declared is a bomb, refused before it is read any further.
bool InflateEntry(zip_file_t* entry, char* data, std::size_t size, std::string& message) {
  std::size_t done = 0;
  while (done < size) {
    const zip_int64_t got = zip_fread(entry, data + done, size - done);
    if (got < 0) {
      message = WhyNotRead(zip_file_get_error(entry));
      return false;
    }
    if (got == 0) {
      message = kDamaged;  // shorter than declared
      return false;
    }
    done += static_cast<std::size_t>(got);
  }
  char extra = 0;
  const zip_int64_t more = zip_fread(entry, &extra, 1);
  if (more > 0) {
    message = kZipBomb;
    return false;
  }
  if (more < 0) {
    message = WhyNotRead(zip_file_get_error(entry));
    return false;
  }
  return true;
}

Archive OpenArchive(const std::filesystem::path& path, std::string& message) {
  RegularFile file(path);
  if (!file.isOpen()) {
    message = file.whyNot();
    return nullptr;
  }
  if (file.size() == 0) {
    message = "el archivo está vacío";
    return nullptr;
  }
  char signature[4] = {};
  const bool startsLikeZip = file.size() >= sizeof signature && file.readExactly(signature, sizeof signature) &&
                             std::string_view(signature, sizeof signature) == kLocalHeaderSignature;
  const int descriptor = file.releaseDescriptor();
  int error = ZIP_ER_OK;
  Archive archive(zip_fdopen(descriptor, 0, &error));
  if (archive == nullptr) {
    RegularFile::closeReleased(descriptor);
    message = WhyNotOpened(error, startsLikeZip);
  }
  return archive;
}

}  // namespace

bool IsKmzPath(const std::filesystem::path& path) { return LowerAscii(path.extension().string()) == ".kmz"; }

XmlLoadResult LoadKmzDocument(const std::filesystem::path& path, pugi::xml_document& document) {
  document.reset();
  std::string message;
  const Archive archive = OpenArchive(path, message);
  if (archive == nullptr) return {false, message};
  const std::optional<zip_uint64_t> index = ChooseDocument(archive.get());
  if (!index) return {false, kNoKml};

  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive.get(), *index, 0, &stat) != 0) return {false, kDamaged};
  if (const char* refused = WhyNotReadable(stat)) return {false, refused};
  const Entry entry(zip_fopen_index(archive.get(), *index, 0));
  if (entry == nullptr) return {false, WhyNotRead(zip_get_error(archive.get()))};

  return LoadXmlDocumentFilledBy(
      static_cast<std::size_t>(stat.size),
      [&entry](char* data, std::size_t size, std::string& why) { return InflateEntry(entry.get(), data, size, why); },
      document);
}

}  // namespace ruvela
