#include "posix_faults.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace ruvela::robustness {

namespace fs = std::filesystem;

namespace {

std::string Reason(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

std::string MountOptions(int kilobytes) { return "size=" + std::to_string(kilobytes) + "k,mode=0755"; }

}  // namespace

TemporaryMount::TemporaryMount(int kilobytes) : kilobytes_(kilobytes) {
  std::string pattern = (fs::temp_directory_path() / "ruvela-mount-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    whyNot_ = Reason("no temporary directory for a mount");
  } else if (mount("tmpfs", pattern.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, MountOptions(kilobytes).c_str()) != 0) {
    whyNot_ = Reason("cannot mount a tmpfs here (needs root)");
    rmdir(pattern.c_str());
  } else {
    path_ = pattern;
  }
}

TemporaryMount::~TemporaryMount() {
  if (path_.empty()) return;
  umount2(path_.c_str(), MNT_DETACH);
  rmdir(path_.c_str());
}

bool TemporaryMount::makeReadOnly() {
  return !path_.empty() && mount("tmpfs", path_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV,
                                 MountOptions(kilobytes_).c_str()) == 0;
}

long PeakMemoryOf(const std::function<bool()>& work, bool& succeeded) {
  succeeded = false;
  const pid_t child = fork();
  if (child == 0) _exit(work() ? 0 : 1);
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child) return -1;
  succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return usage.ru_maxrss;
}

SignalledRun RunAndSignal(const fs::path& program, const std::vector<std::string>& args,
                          const fs::path& temporaryDirectory, const fs::path& watchedDirectory, int signal,
                          int patienceMs) {
  int output[2];
  if (pipe2(output, O_CLOEXEC) != 0) return {false, -1, Reason("no pipe")};
  const int watch = watchedDirectory.empty() ? output[0] : inotify_init1(IN_CLOEXEC);
  if (watch < 0 || (watch != output[0] && inotify_add_watch(watch, watchedDirectory.c_str(), IN_MODIFY) < 0)) {
    return {false, -1, Reason("cannot watch the output directory")};
  }
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

}  // namespace ruvela::robustness
