// The operating-system tricks the fault tests need: file systems mounted for
// one test (a small one to fill up, a read-only one), and a converter process
// killed in the middle of its work. Everything POSIX-specific of the
// robustness tests is here; elsewhere each helper reports that it is not
// available, and the test that needs it is skipped with that message.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ruvela::robustness {

// A tmpfs of `kilobytes` mounted on a new directory, unmounted at the end.
// When it cannot be mounted (not root, no mount namespace rights, another
// system), `path()` is empty and `whyNot()` says why.
class TemporaryMount {
 public:
  explicit TemporaryMount(int kilobytes);
  ~TemporaryMount();
  TemporaryMount(const TemporaryMount&) = delete;
  TemporaryMount& operator=(const TemporaryMount&) = delete;

  const std::filesystem::path& path() const { return path_; }
  const std::string& whyNot() const { return whyNot_; }

  // Makes the file system read-only (for root too); false when it cannot.
  bool MakeReadOnly();

 private:
  std::filesystem::path path_;
  std::string whyNot_;
  int kilobytes_;
};

// True when `a` and `b` lie on the same file system.
bool SameFileSystem(const std::filesystem::path& a, const std::filesystem::path& b);

// True when this process can create a file in `directory` (as root can, in a
// directory without write permission).
bool CanCreateFileIn(const std::filesystem::path& directory);

// Fills the file system holding `directory` up to its last byte.
void FillFileSystem(const std::filesystem::path& directory);

// Runs `work` in a child process and returns the child's peak resident
// memory in kilobytes, or -1 when that cannot be measured here. The child
// ends with `work`'s answer: `succeeded` is false when it said false or
// crashed.
long PeakMemoryOf(const std::function<bool()>& work, bool& succeeded);

struct KilledRun {
  bool killed = false;  // the process was still running when it was killed
  std::string whyNot;   // set when the run could not be arranged
};

// Starts `program` with `args`, waits until a file in `watchedDirectory` has
// been written to (the converter's output growing), and kills the process
// with SIGKILL at that moment.
KilledRun RunAndKillWhileWriting(const std::filesystem::path& program, const std::vector<std::string>& args,
                                 const std::filesystem::path& watchedDirectory);

struct TerminatedRun {
  int exitStatus = -1;       // -1 when it ended by a signal
  bool endedInTime = false;  // within the patience given
  std::string whyNot;        // set when the run could not be arranged
};

// Starts `program` with `args`, its standard output on a pipe nobody reads
// and its temporary files in `temporaryDirectory`; once the document comes
// (and the program waits in a write) sends SIGTERM, and waits `patienceMs`
// for the end before killing it.
TerminatedRun RunStuckWritingAndTerminate(const std::filesystem::path& program, const std::vector<std::string>& args,
                                          const std::filesystem::path& temporaryDirectory, int patienceMs);

}  // namespace ruvela::robustness
