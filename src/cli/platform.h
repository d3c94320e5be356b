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

// Calls `handler` on Ctrl-C and on a request to terminate; the run then
// stops after its current item and cleans up. A run still going a second
// later waits in something no flag reaches (a write to a pipe nobody reads,
// the parse of a huge document): it ends there and then with status 130,
// after removing the file named to RemoveOnForcedEnd.
void CatchInterrupts(void (*handler)(int));

// The one file that a forced end must not leave behind; the empty path
// when there is none.
void RemoveOnForcedEnd(const std::filesystem::path& path);

// Creates `path` as a new, empty file, failing with errc::file_exists when
// something by that name is already there. This reserves a temporary name
// without a race with another program picking the same one.
std::error_code CreateNewFile(const std::filesystem::path& path);

}  // namespace ruvela::cli
