// Why an input could not be read or an output not written, as facts: what
// went wrong and where. The front ends choose the words (src/words).
#pragma once

#include <cstdint>
#include <filesystem>

#include <pugixml.hpp>

namespace ruvela {

enum class FailureKind {
  None,
  // The document
  MalformedXml,      // parseStatus, offset
  ElementAfterRoot,  // offset: where the second top-level element starts
  EmptyFile,
  NoElement,
  OutOfMemory,
  // The input file
  FileOperationFailed,  // operation, path, error
  NotARegularFile,
  ChangedWhileRead,
  // A KMZ archive
  KmzNotAZip,
  KmzDamaged,
  KmzEncrypted,
  KmzUnsupportedMethod,
  KmzWithoutKml,
  KmzEmptyDocument,
  KmzBomb,
  // The output file
  OutputNotWritten,  // operation, path, error when known
};

// What was being done to a file when the system refused.
enum class FileOperation { Open, Read, Write, Rename, Flush, SetPermissions };

struct Failure {
  FailureKind kind = FailureKind::None;
  pugi::xml_parse_status parseStatus = pugi::status_ok;
  std::int64_t offset = -1;  // a byte of the document; -1 when it is not known
  FileOperation operation = FileOperation::Open;
  std::filesystem::path path{};
  int error = 0;  // the system's errno; 0 when it is not known

  bool ok() const { return kind == FailureKind::None; }
};

inline Failure FailureOf(FailureKind kind) { return Failure{.kind = kind}; }

// The system's refusal, with its errno, to do `operation` to the file at `path`.
inline Failure FileFailure(FileOperation operation, const std::filesystem::path& path, int error) {
  Failure failure;
  failure.kind = FailureKind::FileOperationFailed;
  failure.operation = operation;
  failure.path = path;
  failure.error = error;
  return failure;
}

}  // namespace ruvela
