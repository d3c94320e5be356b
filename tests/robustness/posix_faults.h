// The operating-system tricks the fault tests need: file systems mounted for
// one test (a small one to fill up, a read-only one), the peak memory of a
// piece of work, and a converter process signalled in the middle of its
// work, or run with its output closed early or its files limited in size.
// Everything Linux-specific of the robustness tests is here; where a
// trick is not allowed (a tmpfs needs root), the helper says why and the
// test that needs it skips.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ruvela::robustness {

inline std::string Reason(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

// A tmpfs of `kilobytes` mounted on a new directory, unmounted at the end.
// When it cannot be mounted (not root), `path` is empty and `whyNot` says
// why.
class TemporaryMount {
 public:
  explicit TemporaryMount(int kilobytes) : options_("size=" + std::to_string(kilobytes) + "k,mode=0755") {
    std::string pattern = (std::filesystem::temp_directory_path() / "ruvela-mount-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      whyNot = Reason("no temporary directory for a mount");
    } else if (mount("tmpfs", pattern.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options_.c_str()) != 0) {
      whyNot = Reason("cannot mount a tmpfs here (needs root)");
      rmdir(pattern.c_str());
    } else {
      path = pattern;
    }
  }
  ~TemporaryMount() {
    if (!path.empty()) umount2(path.c_str(), MNT_DETACH);
    if (!path.empty()) rmdir(path.c_str());
  }

  // Makes the file system read-only (for root too); false when it cannot.
  bool makeReadOnly() {
    const auto flags = MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV;
    return !path.empty() && mount("tmpfs", path.c_str(), "tmpfs", flags, options_.c_str()) == 0;
  }

  std::filesystem::path path;
  std::string whyNot;

 private:
  std::string options_;
};

// Runs `work` in a child process and returns the child's peak resident
// memory in kilobytes, or -1 when that cannot be measured. `succeeded` is
// false when `work` said false or crashed.
inline long PeakMemoryOf(const std::function<bool()>& work, bool& succeeded) {
  const pid_t child = fork();
  if (child == 0) _exit(work() ? 0 : 1);
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child) return -1;
  succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return usage.ru_maxrss;
}

// What execve takes to start `program` with `args` and only TMPDIR, set to
// `temporaryDirectory`, in its environment.
class ConverterCommand {
 public:
  ConverterCommand(const std::filesystem::path& program, const std::vector<std::string>& args,
                   const std::filesystem::path& temporaryDirectory)
      : tmpdir_("TMPDIR=" + temporaryDirectory.string()) {
    argv_.push_back(const_cast<char*>(program.c_str()));  // execve changes none of them
    for (const std::string& arg : args) argv_.push_back(const_cast<char*>(arg.c_str()));
    argv_.push_back(nullptr);
  }
  void exec() {
    char* envp[] = {tmpdir_.data(), nullptr};
    execve(argv_[0], argv_.data(), envp);
  }

 private:
  std::vector<char*> argv_;
  std::string tmpdir_;
};

struct SignalledRun {
  bool endedBySignal = false;  // it was still running when the signal came, and died of it
  int exitStatus = -1;         // -1 unless it exited within the patience given
  std::string whyNot;          // set when the run could not be arranged
};

// Starts `program` with `args`, standard output on a pipe nobody reads and
// TMPDIR set to `temporaryDirectory`. Once it writes (into
// `watchedDirectory`, or to standard output when that is empty) sends
// `signal`, and waits `patienceMs` for its end before killing it.
inline SignalledRun RunAndSignal(const std::filesystem::path& program, const std::vector<std::string>& args,
                                 const std::filesystem::path& temporaryDirectory,
                                 const std::filesystem::path& watchedDirectory, int signal, int patienceMs) {
  int output[2];
  if (pipe2(output, O_CLOEXEC) != 0) return {false, -1, Reason("no pipe")};
  const int watch = watchedDirectory.empty() ? output[0] : inotify_init1(IN_CLOEXEC);
  if (watch < 0 || (watch != output[0] && inotify_add_watch(watch, watchedDirectory.c_str(), IN_MODIFY) < 0)) {
    return {false, -1, Reason("cannot watch the output directory")};
  }
  ConverterCommand command(program, args, temporaryDirectory);

  const pid_t child = fork();
  if (child == 0) {
    dup2(output[1], STDOUT_FILENO);
    dup2(open("/dev/null", O_WRONLY), STDERR_FILENO);
    command.exec();
    _exit(127);
  }
  close(output[1]);
  SignalledRun run;
  pollfd event{watch, POLLIN, 0};
  // Only a converter that never writes makes this wait its two minutes.
  if (child < 0 || poll(&event, 1, 120000) != 1) run.whyNot = "the converter did not start writing";
  int status = 0;
  pid_t ended = waitpid(child, &status, WNOHANG);
  if (ended == 0) kill(child, signal);
  for (int waited = 0; ended == 0 && waited <= patienceMs; waited += 10) {
    poll(nullptr, 0, 10);
    ended = waitpid(child, &status, WNOHANG);
  }
  if (ended == 0) kill(child, SIGKILL);
  if (ended == 0) waitpid(child, nullptr, 0);
  if (watch != output[0]) close(watch);
  close(output[0]);
  run.endedBySignal = ended == child && WIFSIGNALED(status) && WTERMSIG(status) == signal;
  run.exitStatus = ended == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

struct ChildRun {
  int exitStatus = -1;  // -1 when it died of a signal
  std::string err;      // what it said on standard error
};

// Runs `program` with `args` and TMPDIR set to `temporaryDirectory`, its files
// limited to `fileSizeLimit` bytes (0: no limit). Of its standard output,
// `readBytes` bytes are read and the pipe is then closed, as `head -c` does.
inline ChildRun RunConverter(const std::filesystem::path& program, const std::vector<std::string>& args,
                             const std::filesystem::path& temporaryDirectory, rlim_t fileSizeLimit, int readBytes) {
  int output[2];
  int error[2];
  if (pipe2(output, O_CLOEXEC) != 0 || pipe2(error, O_CLOEXEC) != 0) return {};
  ConverterCommand command(program, args, temporaryDirectory);
  const pid_t child = fork();
  if (child == 0) {
    const rlimit limit{fileSizeLimit, fileSizeLimit};
    if (fileSizeLimit > 0) setrlimit(RLIMIT_FSIZE, &limit);
    dup2(output[1], STDOUT_FILENO);
    dup2(error[1], STDERR_FILENO);
    command.exec();
    _exit(127);
  }
  close(output[1]);
  close(error[1]);
  std::vector<char> read(static_cast<std::size_t>(readBytes) + 1);
  for (int got = 0; got < readBytes;) {
    const ssize_t more = ::read(output[0], read.data() + got, static_cast<std::size_t>(readBytes - got));
    if (more <= 0) break;
    got += static_cast<int>(more);
  }
  close(output[0]);
  ChildRun run;
  char buffer[4096];
  for (ssize_t got; (got = ::read(error[0], buffer, sizeof buffer)) > 0;) run.err.append(buffer, got);
  close(error[0]);
  int status = 0;
  waitpid(child, &status, 0);
  run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace ruvela::robustness
