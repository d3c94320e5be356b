// The operating-system tricks the fault tests need: file systems mounted for
// one test (a small one to fill up, a read-only one), the peak memory of a
// piece of work, and a converter process signalled in the middle of its
// work. Everything Linux-specific of the robustness tests is here; where a
// trick is not allowed (a tmpfs needs root), the helper says why and the
// test that needs it skips.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ruvela::robustness {

// A tmpfs of `kilobytes` mounted on a new directory, unmounted at the end.
// When it cannot be mounted (not root, another system), `path()` is empty
// and `whyNot()` says why.
class TemporaryMount {
 public:
  explicit TemporaryMount(int kilobytes);
  ~TemporaryMount();
  TemporaryMount(const TemporaryMount&) = delete;
  TemporaryMount& operator=(const TemporaryMount&) = delete;

  const std::filesystem::path& path() const { return path_; }
  const std::string& whyNot() const { return whyNot_; }
  // Makes the file system read-only (for root too); false when it cannot.
  bool makeReadOnly();

 private:
  std::filesystem::path path_;
  std::string whyNot_;
  int kilobytes_;
};

// Runs `work` in a child process and returns the child's peak resident
// memory in kilobytes, or -1 when that cannot be measured here. `succeeded`
// is false when `work` said false or crashed.
long PeakMemoryOf(const std::function<bool()>& work, bool& succeeded);

struct SignalledRun {
  bool endedBySignal = false;  // it was still running when the signal came, and died of it
  int exitStatus = -1;         // -1 unless it exited within the patience given
  std::string whyNot;          // set when the run could not be arranged
};

// Starts `program` with `args`, standard output on a pipe nobody reads and
// TMPDIR set to `temporaryDirectory`. Once it writes (into
// `watchedDirectory`, or to standard output when that is empty) sends
// `signal`, and waits `patienceMs` for its end before killing it.
SignalledRun RunAndSignal(const std::filesystem::path& program, const std::vector<std::string>& args,
                          const std::filesystem::path& temporaryDirectory,
                          const std::filesystem::path& watchedDirectory, int signal, int patienceMs);

}  // namespace ruvela::robustness
