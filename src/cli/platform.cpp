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
#include <unistd.h>
#endif

namespace ruvela::cli {

#ifdef _WIN32

bool StandardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

void UseBinaryStandardOutput() { _setmode(_fileno(stdout), _O_BINARY); }

void CatchInterrupts(void (*handler)(int)) {
  std::signal(SIGINT, handler);
  std::signal(SIGTERM, handler);
}

void RemoveOnForcedEnd(const std::filesystem::path&) {}

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

void CatchInterrupts(void (*handler)(int)) {
  interruptHandler = handler;
  Handle(SIGALRM, OnGraceOver);
  Handle(SIGINT, OnInterrupt);
  Handle(SIGTERM, OnInterrupt);
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

#endif

}  // namespace ruvela::cli
