#include "reading/kmz_archive.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <zip.h>

#include "files/regular_file.h"
#include "values/text_lines.h"

namespace ruvela {
namespace {

constexpr FailureKind kNotAZip = FailureKind::KmzNotAZip;
constexpr FailureKind kDamaged = FailureKind::KmzDamaged;
constexpr FailureKind kEncrypted = FailureKind::KmzEncrypted;
constexpr FailureKind kUnsupportedMethod = FailureKind::KmzUnsupportedMethod;
constexpr FailureKind kNoKml = FailureKind::KmzWithoutKml;
constexpr FailureKind kEmptyDocument = FailureKind::KmzEmptyDocument;
constexpr FailureKind kZipBomb = FailureKind::KmzBomb;
constexpr FailureKind kOutOfMemory = FailureKind::OutOfMemory;

constexpr std::string_view kLocalHeaderSignature = "PK\x03\x04";
// The entry is measured this much at a time; the memory it costs is that
// of what it really holds, never of what it declares.
constexpr std::size_t kInflateStep = 64 * 1024;

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

// The .kml entries in the order they are preferred: the root-level doc.kml,
// the others at the root in archive order, then those in folders.
std::vector<zip_uint64_t> KmlEntries(zip_t* archive) {
  std::vector<zip_uint64_t> docKml, atRoot, inFolders;
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* raw = zip_get_name(archive, static_cast<zip_uint64_t>(i), 0);
    if (raw == nullptr) continue;
    const std::string_view name(raw);
    if (!IsKmlName(name)) continue;
    const auto index = static_cast<zip_uint64_t>(i);
    if (!IsAtRoot(name)) {
      inFolders.push_back(index);
    } else {
      (LowerAscii(name) == "doc.kml" ? docKml : atRoot).push_back(index);
    }
  }
  docKml.insert(docKml.end(), atRoot.begin(), atRoot.end());
  docKml.insert(docKml.end(), inFolders.begin(), inFolders.end());
  return docKml;
}

// The first preferred entry that is not empty: an empty doc.kml left by
// some tool must not hide the document beside it. The first one when all
// are empty, so that the user hears why.
std::optional<zip_uint64_t> ChooseDocument(zip_t* archive) {
  const std::vector<zip_uint64_t> entries = KmlEntries(archive);
  if (entries.empty()) return std::nullopt;
  for (const zip_uint64_t index : entries) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) != 0 && stat.size > 0) {
      return index;
    }
  }
  return entries.front();
}

// A file that starts like a ZIP archive but is not one was cut short or
// damaged; anything else is some other kind of file.
FailureKind WhyNotOpened(int error, bool startsLikeZip) {
  switch (error) {
    case ZIP_ER_NOZIP:
      return startsLikeZip ? kDamaged : kNotAZip;
    case ZIP_ER_MEMORY:
      return kOutOfMemory;
    default:
      return kDamaged;
  }
}

FailureKind WhyNotRead(const zip_error_t* error) {
  switch (zip_error_code_zip(error)) {
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
    case ZIP_ER_ENCRNOTSUPP:
      return kEncrypted;
    case ZIP_ER_COMPNOTSUPP:
      return kUnsupportedMethod;
    case ZIP_ER_MEMORY:
      return kOutOfMemory;
    default:
      return kDamaged;
  }
}

// The declared sizes are checked before a byte is inflated. An entry cannot
// hold more compressed data than the whole archive, and one claiming to
// inflate beyond the bomb ratio is refused.
FailureKind WhyNotReadable(const zip_stat_t& stat, std::uint64_t archiveSize) {
  constexpr zip_uint64_t kNeeded =
      ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_ENCRYPTION_METHOD;
  if ((stat.valid & kNeeded) != kNeeded) return kDamaged;
  if (stat.encryption_method != ZIP_EM_NONE) return kEncrypted;
  if (zip_compression_method_supported(stat.comp_method, 0) == 0) return kUnsupportedMethod;
  if (stat.comp_size > archiveSize) return kDamaged;
  if (stat.size > kAlwaysReadableSize && stat.size / kMaxInflationRatio > stat.comp_size) return kZipBomb;
  if (stat.size >= std::numeric_limits<std::size_t>::max()) return kZipBomb;
  return FailureKind::None;
}

// The most an entry may inflate to: what it declares, and no more than the
// bomb ratio allows for the compressed data it declares.
std::uint64_t MostInflated(const zip_stat_t& stat) {
  const std::uint64_t byRatio = stat.comp_size > kAlwaysReadableSize / kMaxInflationRatio
                                    ? stat.comp_size * kMaxInflationRatio
                                    : kAlwaysReadableSize;
  return std::min<std::uint64_t>(stat.size, byRatio);
}

// Inflates the entry once without keeping it, a step at a time, to learn
// how much it really holds; gives up as soon as it passes `most`.
std::optional<std::uint64_t> InflatedSize(zip_t* archive, zip_uint64_t index, std::uint64_t most, FailureKind& why) {
  const Entry entry(zip_fopen_index(archive, index, 0));
  if (entry == nullptr) {
    why = WhyNotRead(zip_get_error(archive));
    return std::nullopt;
  }
  std::vector<char> step(kInflateStep);
  std::uint64_t produced = 0;
  for (;;) {
    const zip_int64_t got = zip_fread(entry.get(), step.data(), step.size());
    if (got < 0) {
      why = WhyNotRead(zip_file_get_error(entry.get()));
      return std::nullopt;
    }
    if (got == 0) return produced;
    produced += static_cast<std::uint64_t>(got);
    if (produced > most) {
      why = kZipBomb;
      return std::nullopt;
    }
  }
}

// Inflates exactly `size` bytes into `data`; an entry that gives more or
// less than it gave when it was measured is damaged.
bool InflateEntry(zip_file_t* entry, char* data, std::size_t size, Failure& failure) {
  std::size_t done = 0;
  while (done < size) {
    const zip_int64_t got = zip_fread(entry, data + done, size - done);
    if (got < 0) {
      failure = FailureOf(WhyNotRead(zip_file_get_error(entry)));
      return false;
    }
    if (got == 0) {
      failure = FailureOf(kDamaged);
      return false;
    }
    done += static_cast<std::size_t>(got);
  }
  char extra = 0;
  const zip_int64_t more = zip_fread(entry, &extra, 1);
  if (more != 0) {
    failure = FailureOf(more > 0 ? kDamaged : WhyNotRead(zip_file_get_error(entry)));
    return false;
  }
  return true;
}

Archive OpenArchive(RegularFile& file, Failure& failure) {
  if (!file.isOpen()) {
    failure = file.whyNot();
    return nullptr;
  }
  if (file.size() == 0) {
    failure = FailureOf(FailureKind::EmptyFile);
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
    failure = FailureOf(WhyNotOpened(error, startsLikeZip));
  }
  return archive;
}

Failure LoadEntry(zip_t* archive, std::uint64_t archiveSize, pugi::xml_document& document) {
  const std::optional<zip_uint64_t> index = ChooseDocument(archive);
  if (!index) return FailureOf(kNoKml);
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive, *index, 0, &stat) != 0) return FailureOf(kDamaged);
  if (const FailureKind refused = WhyNotReadable(stat, archiveSize); refused != FailureKind::None) {
    return FailureOf(refused);
  }

  FailureKind why = FailureKind::None;
  const std::optional<std::uint64_t> size = InflatedSize(archive, *index, MostInflated(stat), why);
  if (!size) return FailureOf(why);
  if (*size == 0) return FailureOf(kEmptyDocument);
  if (*size < stat.size) return FailureOf(kDamaged);  // shorter than it declares
  const Entry entry(zip_fopen_index(archive, *index, 0));
  if (entry == nullptr) return FailureOf(WhyNotRead(zip_get_error(archive)));
  return LoadXmlDocumentFilledBy(
      static_cast<std::size_t>(*size),
      [&entry](char* data, std::size_t wanted, Failure& failure) {
        return InflateEntry(entry.get(), data, wanted, failure);
      },
      document);
}

}  // namespace

bool IsKmzFile(const std::filesystem::path& path) {
  if (LowerAscii(path.extension().string()) == ".kmz") return true;
  RegularFile file(path);
  char signature[4] = {};
  return file.isOpen() && file.size() >= sizeof signature && file.readExactly(signature, sizeof signature) &&
         std::string_view(signature, sizeof signature) == kLocalHeaderSignature;
}

Failure LoadKmzDocument(const std::filesystem::path& path, pugi::xml_document& document) {
  document.reset();
  RegularFile file(path);
  const std::uint64_t archiveSize = file.size();
  Failure failure;
  const Archive archive = OpenArchive(file, failure);
  if (archive == nullptr) return failure;
  Failure loaded = LoadEntry(archive.get(), archiveSize, document);
  // libzip reads the archive as it inflates: the same file, as it was.
  if (loaded.ok() && !file.unchangedSinceOpened()) {
    document.reset();
    return FailureOf(FailureKind::ChangedWhileRead);
  }
  return loaded;
}

}  // namespace ruvela
