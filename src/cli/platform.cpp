#include "cli/platform.h"

#include <cerrno>
#include <csignal>
#include <cstdio>

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

std::error_code CreateNewFile(const std::filesystem::path& path) {
  const int handle = _wopen(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (handle < 0) return std::error_code(errno, std::generic_category());
  _close(handle);
  return {};
}

#else

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) != 0; }

void UseBinaryStandardOutput() {}

void CatchInterrupts(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a waiting call returns EINTR
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

std::error_code CreateNewFile(const std::filesystem::path& path) {
  const int handle = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
  if (handle < 0) return std::error_code(errno, std::generic_category());
  close(handle);
  return {};
}

#endif

}  // namespace ruvela::cli
