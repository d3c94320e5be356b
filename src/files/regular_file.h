// Opening an input file for reading. A path that names a named pipe, a
// device, a socket or a folder is refused at once: reading one could wait
// forever (a pipe without a writer) or never end (/dev/zero). Everything
// system-specific of reading an input lives behind this class.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "files/failure.h"

namespace ruvela {

// What tells one state of a file from another: which file it is, its size
// and when it was last written, to the nanosecond where the system keeps it.
struct FileState {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t size = 0;
  std::int64_t modifiedSeconds = 0;
  std::int64_t modifiedNanoseconds = 0;
  bool operator==(const FileState&) const = default;
};

class RegularFile {
 public:
  // Opens `path` without ever waiting for it; when that fails, or the path is
  // not a regular file, isOpen() is false and whyNot() says why.
  explicit RegularFile(const std::filesystem::path& path);
  ~RegularFile();
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;

  bool isOpen() const { return descriptor_ >= 0; }
  const Failure& whyNot() const { return whyNot_; }
  // A read that failed: the system's errno, 0 when the file became shorter.
  Failure readFailure() const;
  std::uint64_t size() const { return size_; }

  // Reads exactly `size` bytes from the current position into `data`.
  bool readExactly(char* data, std::size_t size);
  // Reads exactly `size` bytes from `offset` into `data`, wherever the
  // current position is.
  bool readAt(std::uint64_t offset, char* data, std::size_t size);

  // True while the file is the one opened and as it was then: a document
  // read in pieces is only whole when this holds after its last byte. A
  // rewrite within the same tick of the system's clock as the write before
  // it cannot be told apart.
  bool unchangedSinceOpened() const;

  // Hands the open descriptor over to a reader that closes it itself; one
  // the reader refused is closed with closeReleased.
  int releaseDescriptor();
  static void closeReleased(int descriptor);

 private:
  std::filesystem::path path_;  // looked at again once the descriptor is handed over
  int descriptor_ = -1;
  std::uint64_t size_ = 0;
  FileState opened_;
  Failure whyNot_;
};

}  // namespace ruvela
