// The few services of the operating system that the standard library does
// not offer. Everything system-specific of ruvela-convert lives behind these.
#pragma once

#include <filesystem>
#include <system_error>

namespace ruvela::cli {

// True when standard error is shown on a terminal (a progress line makes
// sense there, not in a log file).
bool StandardErrorIsTerminal();

// Documents are written with CR LF line ends as they are: standard output
// must not translate them again.
void UseBinaryStandardOutput();

// Calls `handler` on Ctrl-C and on a request to terminate. A read or write
// waiting when the signal comes is cut short (it fails) instead of resumed,
// so the program ends promptly whatever it was waiting in.
void CatchInterrupts(void (*handler)(int));

// Creates `path` as a new, empty file, failing with errc::file_exists when
// something by that name is already there. This reserves a temporary name
// without a race with another program picking the same one.
std::error_code CreateNewFile(const std::filesystem::path& path);

}  // namespace ruvela::cli
