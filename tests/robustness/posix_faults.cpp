#include "posix_faults.h"

#include <fstream>
#include <system_error>

#ifdef __linux__
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace ruvela::robustness {

namespace fs = std::filesystem;

bool CanCreateFileIn(const fs::path& directory) {
  const fs::path probe = directory / ".ruvela-probe";
  {
    std::ofstream file(probe);
    if (!file) return false;
  }
  std::error_code ignored;
  fs::remove(probe, ignored);
  return true;
}

void FillFileSystem(const fs::path& directory) {
  std::ofstream filler(directory / "relleno", std::ios::binary);
  const std::string block(4096, 'x');
  while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {
  }
  // What is left is less than one block; fill it byte by byte.
  filler.clear();
  while (filler.put('x') && filler.flush()) {
  }
}

#ifdef __linux__

namespace {

std::string Reason(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

std::string MountOptions(int kilobytes) { return "size=" + std::to_string(kilobytes) + "k,mode=0755"; }

}  // namespace

TemporaryMount::TemporaryMount(int kilobytes) : kilobytes_(kilobytes) {
  std::string pattern = (fs::temp_directory_path() / "ruvela-mount-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    whyNot_ = Reason("no temporary directory for a mount");
    return;
  }
  if (mount("tmpfs", pattern.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, MountOptions(kilobytes).c_str()) != 0) {
    whyNot_ = Reason("cannot mount a tmpfs here (needs root)");
    rmdir(pattern.c_str());
    return;
  }
  path_ = pattern;
}

TemporaryMount::~TemporaryMount() {
  if (path_.empty()) return;
  umount2(path_.c_str(), MNT_DETACH);
  rmdir(path_.c_str());
}

bool TemporaryMount::MakeReadOnly() {
  return !path_.empty() && mount("tmpfs", path_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV,
                                 MountOptions(kilobytes_).c_str()) == 0;
}

bool SameFileSystem(const fs::path& a, const fs::path& b) {
  struct stat first {};
  struct stat second {};
  return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev;
}

long PeakMemoryOf(const std::function<bool()>& work, bool& succeeded) {
  succeeded = false;
  const pid_t child = fork();
  if (child == 0) _exit(work() ? 0 : 1);
  if (child < 0) return -1;
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return -1;
  succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return usage.ru_maxrss;
}

KilledRun RunAndKillWhileWriting(const fs::path& program, const std::vector<std::string>& args,
                                 const fs::path& watchedDirectory) {
  KilledRun run;
  const int watch = inotify_init1(IN_CLOEXEC);
  if (watch < 0 || inotify_add_watch(watch, watchedDirectory.c_str(), IN_MODIFY) < 0) {
    run.whyNot = Reason("cannot watch the output directory");
    if (watch >= 0) close(watch);
    return run;
  }
  std::vector<std::string> words{program.string()};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  const pid_t child = fork();
  if (child == 0) {
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDOUT_FILENO);
    dup2(quiet, STDERR_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  if (child < 0) {
    run.whyNot = Reason("cannot start the converter");
    close(watch);
    return run;
  }
  // The first write into the directory: the conversion is under way.
  pollfd event{watch, POLLIN, 0};
  constexpr int kPatienceMs = 120000;  // only a converter that never writes waits this long
  const bool written = poll(&event, 1, kPatienceMs) == 1;
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  close(watch);
  if (!written) run.whyNot = "the converter wrote nothing within two minutes";
  run.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
  return run;
}

TerminatedRun RunStuckWritingAndTerminate(const fs::path& program, const std::vector<std::string>& args,
                                          const fs::path& temporaryDirectory, int patienceMs) {
  TerminatedRun run;
  int output[2];
  if (pipe(output) != 0) return {-1, false, Reason("no pipe")};
  std::vector<std::string> words{program.string()};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  std::string tmpdir = "TMPDIR=" + temporaryDirectory.string();
  char* envp[] = {tmpdir.data(), nullptr};

  const pid_t child = fork();
  if (child == 0) {
    dup2(output[1], STDOUT_FILENO);
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDERR_FILENO);
    execve(argv[0], argv.data(), envp);
    _exit(127);
  }
  close(output[1]);
  if (child < 0) {
    close(output[0]);
    return {-1, false, Reason("cannot start the converter")};
  }
  // The document reaches the pipe only once complete; it is far larger than
  // the pipe's 64 KB, so from its first bytes on the writer is or soon will
  // be stuck.
  int status = 0;
  int waiting = 0;
  pid_t ended = 0;
  for (int tries = 0; tries < 12000 && waiting == 0 && ended == 0; ++tries) {
    poll(nullptr, 0, 10);
    ioctl(output[0], FIONREAD, &waiting);
    ended = waitpid(child, &status, WNOHANG);
  }
  if (ended == 0) {
    if (waiting == 0) run.whyNot = "the converter wrote nothing within two minutes";
    kill(child, SIGTERM);
    for (int waited = 0; ended == 0 && waited <= patienceMs; waited += 10) {
      poll(nullptr, 0, 10);
      ended = waitpid(child, &status, WNOHANG);
    }
    run.endedInTime = ended == child;
    if (!run.endedInTime) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
    }
  } else {
    run.whyNot = "the converter ended before it wrote its document";
  }
  close(output[0]);
  run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

#else

TemporaryMount::TemporaryMount(int kilobytes)
    : whyNot_("mounting a tmpfs is only done on Linux"), kilobytes_(kilobytes) {}
TemporaryMount::~TemporaryMount() = default;
bool TemporaryMount::MakeReadOnly() { return false; }

bool SameFileSystem(const fs::path&, const fs::path&) { return true; }

long PeakMemoryOf(const std::function<bool()>&, bool& succeeded) {
  succeeded = false;
  return -1;
}

KilledRun RunAndKillWhileWriting(const fs::path&, const std::vector<std::string>&, const fs::path&) {
  return {false, "killing a process mid-way is only done on Linux"};
}

TerminatedRun RunStuckWritingAndTerminate(const fs::path&, const std::vector<std::string>&, const fs::path&, int) {
  return {-1, false, "terminating a process mid-way is only done on Linux"};
}

#endif

}  // namespace ruvela::robustness
