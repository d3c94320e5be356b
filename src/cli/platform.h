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

// Calls `handler` on Ctrl-C, on a request to terminate and when the
// terminal closes (SIGHUP); the run then stops after its current item and
// cleans up. A run still going a second later waits in something no flag
// reaches (a write to a pipe nobody reads, the parse of a huge document): it
// ends there and then with status 130, after removing the file named to
// RemoveOnForcedEnd. A write to a closed pipe or past the file size limit
// fails as an error instead of ending the process (SIGPIPE and SIGXFSZ are
// ignored), so the run reports it and removes its temporary file itself.
void CatchEndingSignals(void (*handler)(int));

// True when standard output is a pipe or socket that nobody reads any more.
bool StandardOutputIsClosed();

// The one file that a forced end must not leave behind; the empty path
// when there is none.
void RemoveOnForcedEnd(const std::filesystem::path& path);

// Creates `path` as a new, empty file, failing with errc::file_exists when
// something by that name is already there. This reserves a temporary name
// without a race with another program picking the same one.
std::error_code CreateNewFile(const std::filesystem::path& path);

// Renames `from` to `to` only if nothing is at `to`, in one step: fails with
// errc::file_exists when something appeared there meanwhile.
std::error_code RenameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

// Writes what the system holds of the file or folder `path` to the disk.
std::error_code FlushToDisk(const std::filesystem::path& path);

// Gives `file` the permission bits of `model` (plus `extra`), and its group
// where the user may set it.
std::error_code CopyPermissions(const std::filesystem::path& model, const std::filesystem::path& file,
                                std::filesystem::perms extra = std::filesystem::perms::none);

}  // namespace ruvela::cli
