#include "cli/platform.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/run_convert.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ruvela::cli {

#ifdef _WIN32

bool StandardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

void UseBinaryStandardOutput() { _setmode(_fileno(stdout), _O_BINARY); }

void CatchEndingSignals(void (*handler)(int)) {
  std::signal(SIGINT, handler);
  std::signal(SIGTERM, handler);
}

bool StandardOutputIsClosed() { return false; }

void RemoveOnForcedEnd(const std::filesystem::path&) {}

// The system's rename never replaces an existing file here.
std::error_code RenameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (_wrename(from.c_str(), to.c_str()) == 0) return {};
  return std::error_code(errno, std::generic_category());
}

std::error_code FlushToDisk(const std::filesystem::path& path) {
  if (std::filesystem::is_directory(path)) return {};  // folders are not flushed here
  const int handle = _wopen(path.c_str(), _O_RDWR | _O_BINARY);
  if (handle < 0) return std::error_code(errno, std::generic_category());
  const int result = _commit(handle);
  _close(handle);
  return result == 0 ? std::error_code() : std::error_code(errno, std::generic_category());
}

std::error_code CopyPermissions(const std::filesystem::path& model, const std::filesystem::path& file,
                                std::filesystem::perms extra) {
  std::error_code error;
  const auto perms = std::filesystem::status(model, error).permissions();
  if (!error) std::filesystem::permissions(file, perms | extra, error);
  return error;
}

std::error_code CreateNewFile(const std::filesystem::path& path) {
  const int handle = _wopen(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (handle < 0) return std::error_code(errno, std::generic_category());
  _close(handle);
  return {};
}

#else

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) != 0; }

void UseBinaryStandardOutput() {}

namespace {

// What the signal handlers share; only async-signal-safe work reads it.
constexpr unsigned kGraceSeconds = 1;
void (*interruptHandler)(int) = nullptr;
char forcedEndFile[4096];
volatile std::sig_atomic_t forcedEndFileSet = 0;

void OnInterrupt(int signal) {
  interruptHandler(signal);
  alarm(kGraceSeconds);
}

void OnGraceOver(int) {
  if (forcedEndFileSet) unlink(forcedEndFile);
  _exit(static_cast<int>(ExitStatus::Interrupted));
}

void Handle(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);
}

}  // namespace

void CatchEndingSignals(void (*handler)(int)) {
  interruptHandler = handler;
  Handle(SIGALRM, OnGraceOver);
  Handle(SIGINT, OnInterrupt);
  Handle(SIGTERM, OnInterrupt);
  Handle(SIGHUP, OnInterrupt);
  Handle(SIGPIPE, SIG_IGN);
  Handle(SIGXFSZ, SIG_IGN);
}

// A pipe whose reader has gone reports an error condition to poll.
bool StandardOutputIsClosed() {
  pollfd output{STDOUT_FILENO, POLLOUT, 0};
  return poll(&output, 1, 0) == 1 && (output.revents & POLLERR) != 0;
}

void RemoveOnForcedEnd(const std::filesystem::path& path) {
  forcedEndFileSet = 0;
  const std::string& text = path.native();
  if (text.empty() || text.size() >= sizeof forcedEndFile) return;
  std::memcpy(forcedEndFile, text.c_str(), text.size() + 1);
  forcedEndFileSet = 1;
}

std::error_code CreateNewFile(const std::filesystem::path& path) {
  const int handle = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
  if (handle < 0) return std::error_code(errno, std::generic_category());
  close(handle);
  return {};
}

std::error_code RenameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return {};
  if (errno != EINVAL && errno != ENOSYS) return std::error_code(errno, std::generic_category());
  // A file system without the flag: link() never replaces either.
  if (link(from.c_str(), to.c_str()) != 0) return std::error_code(errno, std::generic_category());
  unlink(from.c_str());
  return {};
}

std::error_code FlushToDisk(const std::filesystem::path& path) {
  const int handle = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (handle < 0) return std::error_code(errno, std::generic_category());
  const int result = fsync(handle);
  const int error = errno;
  close(handle);
  // Some file systems cannot flush a folder; that is no reason to fail.
  if (result != 0 && error != EINVAL && error != EROFS) return std::error_code(error, std::generic_category());
  return {};
}

std::error_code CopyPermissions(const std::filesystem::path& model, const std::filesystem::path& file,
                                std::filesystem::perms extra) {
  struct stat status {};
  if (stat(model.c_str(), &status) != 0) return std::error_code(errno, std::generic_category());
  const auto bits = (status.st_mode & 0777) | static_cast<mode_t>(extra);
  if (chmod(file.c_str(), bits) != 0) return std::error_code(errno, std::generic_category());
  // Only a member of the group (or root) may hand the file to it; otherwise
  // it stays in the user's own group.
  [[maybe_unused]] const int ignored = chown(file.c_str(), static_cast<uid_t>(-1), status.st_gid);
  return {};
}

#endif

}  // namespace ruvela::cli
