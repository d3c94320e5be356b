#include "files/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace ruvela {
namespace {

#ifdef _WIN32
using FileStatus = struct _stat64;
int OpenForReading(const std::filesystem::path& path) { return _wopen(path.c_str(), _O_RDONLY | _O_BINARY); }
int StatusOf(int descriptor, FileStatus& status) { return _fstat64(descriptor, &status); }
bool IsRegular(const FileStatus& status) { return (status.st_mode & _S_IFMT) == _S_IFREG; }
long long ReadSome(int descriptor, char* data, std::size_t size) {
  return _read(descriptor, data, static_cast<unsigned>(std::min<std::size_t>(size, 1u << 30)));
}
long long ReadSomeAt(int descriptor, std::uint64_t offset, char* data, std::size_t size) {
  if (_lseeki64(descriptor, static_cast<long long>(offset), SEEK_SET) < 0) return -1;
  return ReadSome(descriptor, data, size);
}
void CloseDescriptor(int descriptor) { _close(descriptor); }
int StatusOfPath(const std::filesystem::path& path, FileStatus& status) { return _wstat64(path.c_str(), &status); }
FileState StateOf(const FileStatus& status) {
  return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
          static_cast<std::uint64_t>(status.st_size), static_cast<std::int64_t>(status.st_mtime), 0};
}
#else
using FileStatus = struct stat;
// O_NONBLOCK: opening a named pipe waits for a writer without it.
int OpenForReading(const std::filesystem::path& path) { return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); }
int StatusOf(int descriptor, FileStatus& status) { return fstat(descriptor, &status); }
bool IsRegular(const FileStatus& status) { return S_ISREG(status.st_mode); }
long long ReadSome(int descriptor, char* data, std::size_t size) { return read(descriptor, data, size); }
long long ReadSomeAt(int descriptor, std::uint64_t offset, char* data, std::size_t size) {
  return pread(descriptor, data, size, static_cast<off_t>(offset));
}
void CloseDescriptor(int descriptor) { close(descriptor); }
int StatusOfPath(const std::filesystem::path& path, FileStatus& status) { return stat(path.c_str(), &status); }
FileState StateOf(const FileStatus& status) {
  return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
          static_cast<std::uint64_t>(status.st_size), static_cast<std::int64_t>(status.st_mtim.tv_sec),
          static_cast<std::int64_t>(status.st_mtim.tv_nsec)};
}
#endif

// Reads exactly `size` bytes, `readSome(into, wanted, done)` at a time;
// false on an error, or when the file became shorter.
template <class ReadSomeBytes>
bool ReadAll(char* data, std::size_t size, ReadSomeBytes readSome) {
  std::uint64_t done = 0;
  while (size > 0) {
    const long long got = readSome(data, size, done);
    if (got < 0 && errno == EINTR) continue;
    if (got == 0) errno = 0;  // shorter than it was: no error of the system's
    if (got <= 0) return false;
    done += static_cast<std::uint64_t>(got);
    data += got;
    size -= static_cast<std::size_t>(got);
  }
  return true;
}

}  // namespace

RegularFile::RegularFile(const std::filesystem::path& path) : path_(path) {
  const int descriptor = OpenForReading(path);
  if (descriptor < 0) {
    whyNot_ = Failure{.kind = FailureKind::FileOperationFailed};
    whyNot_.operation = FileOperation::Open;
    whyNot_.path = path;
    whyNot_.error = errno;
    return;
  }
  FileStatus status{};
  if (StatusOf(descriptor, status) != 0 || !IsRegular(status)) {
    whyNot_ = FailureOf(FailureKind::NotARegularFile);
    CloseDescriptor(descriptor);
    return;
  }
  descriptor_ = descriptor;
  size_ = static_cast<std::uint64_t>(status.st_size);
  opened_ = StateOf(status);
}

RegularFile::~RegularFile() {
  if (descriptor_ >= 0) CloseDescriptor(descriptor_);
}

bool RegularFile::readExactly(char* data, std::size_t size) {
  return ReadAll(data, size,
                 [this](char* into, std::size_t wanted, std::uint64_t) { return ReadSome(descriptor_, into, wanted); });
}

bool RegularFile::readAt(std::uint64_t offset, char* data, std::size_t size) {
  return ReadAll(data, size, [this, offset](char* into, std::size_t wanted, std::uint64_t done) {
    return ReadSomeAt(descriptor_, offset + done, into, wanted);
  });
}

Failure RegularFile::readFailure() const {
  Failure failure{.kind = FailureKind::FileOperationFailed};
  failure.operation = FileOperation::Read;
  failure.path = path_;
  failure.error = errno;
  return failure;
}

bool RegularFile::unchangedSinceOpened() const {
  FileStatus status{};
  const int result = descriptor_ >= 0 ? StatusOf(descriptor_, status) : StatusOfPath(path_, status);
  return result == 0 && StateOf(status) == opened_;
}

int RegularFile::releaseDescriptor() { return std::exchange(descriptor_, -1); }

void RegularFile::closeReleased(int descriptor) {
  if (descriptor >= 0) CloseDescriptor(descriptor);
}

}  // namespace ruvela
