// ruvela-convert meeting faults where its document goes: a read-only
// directory, a directory in place of the file, another file system, a full
// disk, and being killed mid-way. The user's existing file is byte for byte
// what it was unless a complete document replaced it on request.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "cli/run_convert.h"
#include "fuzz/conversion_check.h"
#include "hostile_documents.h"
#include "posix_faults.h"
#include "support/test_files.h"

namespace ruvela::robustness {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::ScratchDirectory;

const std::string kUsersFile = "Contenido anterior del usuario.\r\n";

// What a row arranges: where the document goes, and what may keep the row
// from running here.
struct Arrangement {
  fs::path target;
  std::string skipReason;
};

struct SaveFault {
  const char* name;
  std::function<Arrangement(const ScratchDirectory&, std::unique_ptr<TemporaryMount>&)> arrange;
  cli::ExitStatus exitStatus;
  const char* message;  // a part of what ruvela-convert says
};

std::ostream& operator<<(std::ostream& out, const SaveFault& row) { return out << row.name; }

std::set<std::string> Entries(const fs::path& directory) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory)) names.insert(entry.path().filename().string());
  return names;
}

fs::path WriteUsersFile(const fs::path& directory) {
  const fs::path target = directory / "ruta.kml";
  std::ofstream(target, std::ios::binary) << kUsersFile;
  return target;
}

Arrangement ReadOnlyDirectory(const ScratchDirectory& scratch, std::unique_ptr<TemporaryMount>& mount) {
  mount = std::make_unique<TemporaryMount>(1024);
  if (!mount->path().empty()) {
    const fs::path target = WriteUsersFile(mount->path());
    if (mount->MakeReadOnly()) return {target, ""};
  }
  // Without a read-only file system, a directory without write permission.
  const fs::path directory = scratch.path() / "cerrado";
  fs::create_directory(directory);
  const fs::path target = WriteUsersFile(directory);
  fs::permissions(directory, fs::perms::owner_read | fs::perms::owner_exec);
  if (CanCreateFileIn(directory)) {
    return {target, "this user writes into read-only directories and no read-only file system could be mounted (" +
                        mount->whyNot() + ")"};
  }
  return {target, ""};
}

Arrangement DirectoryInTheWay(const ScratchDirectory& scratch, std::unique_ptr<TemporaryMount>&) {
  const fs::path target = scratch.path() / "salidas" / "ruta.kml";
  fs::create_directories(target);
  std::ofstream(target / "dentro.txt") << kUsersFile;
  return {target, ""};
}

// A tmpfs of our own, or else /dev/shm when it is another file system.
Arrangement AnotherFileSystem(const ScratchDirectory& scratch, std::unique_ptr<TemporaryMount>& mount) {
  mount = std::make_unique<TemporaryMount>(16 * 1024);
  fs::path directory = mount->path();
  if (directory.empty()) {
    directory = "/dev/shm/ruvela-robustness-" + scratch.path().filename().string();
    std::error_code error;
    fs::create_directory(directory, error);
    if (error || SameFileSystem(directory, scratch.path())) {
      return {{}, "no other file system: " + mount->whyNot() + ", and /dev/shm is not one"};
    }
  }
  return {WriteUsersFile(directory), ""};
}

Arrangement FullDisk(const ScratchDirectory&, std::unique_ptr<TemporaryMount>& mount) {
  mount = std::make_unique<TemporaryMount>(64);
  if (mount->path().empty()) return {{}, mount->whyNot()};
  return {WriteUsersFile(mount->path()), ""};
}

std::vector<SaveFault> Rows() {
  using Exit = cli::ExitStatus;
  return {
      {"target directory read-only", ReadOnlyDirectory, Exit::Failed, "no se puede escribir"},
      {"target is a directory", DirectoryInTheWay, Exit::Failed, "es un directorio"},
      {"target on another file system", AnotherFileSystem, Exit::Converted, "->"},
      {"disk full", FullDisk, Exit::Failed, "no se puede escribir"},
  };
}

// A document whose KML is about 2 MB: more than a small disk holds.
std::string RouteOf2000Points() { return LongRouteGpx(2000); }

class SaveFaultTest : public ::testing::TestWithParam<SaveFault> {};

TEST_P(SaveFaultTest, UsersFileIsIntactOrReplacedWhole) {
  const SaveFault& row = GetParam();
  ScratchDirectory scratch;
  const fs::path input = scratch.Write("ruta.gpx", RouteOf2000Points());
  std::unique_ptr<TemporaryMount> mount;
  const Arrangement arranged = row.arrange(scratch, mount);
  if (!arranged.skipReason.empty()) GTEST_SKIP() << arranged.skipReason;
  const fs::path directory = arranged.target.parent_path();
  const std::set<std::string> before = Entries(directory);
  const bool targetIsFile = fs::is_regular_file(arranged.target);

  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::RunConvert({input.string(), "-o", arranged.target.string(), "-f"}, out, err, {});

  EXPECT_EQ(status, static_cast<int>(row.exitStatus)) << err.str();
  EXPECT_NE(err.str().find(row.message), std::string::npos) << err.str();
  EXPECT_EQ(Entries(directory), before) << "no temporary file is left behind";
  if (row.exitStatus == cli::ExitStatus::Converted) {
    EXPECT_EQ(WhyNotWellFormed(ReadFile(arranged.target)), "");
  } else if (targetIsFile) {
    EXPECT_EQ(ReadFile(arranged.target), kUsersFile);
  } else {
    EXPECT_EQ(Entries(arranged.target), std::set<std::string>{"dentro.txt"});
  }
  // The scratch directory and /dev/shm are cleaned up with what was put there.
  std::error_code ignored;
  fs::permissions(directory, fs::perms::owner_all, fs::perm_options::add, ignored);
  if (directory.string().starts_with("/dev/shm/")) fs::remove_all(directory, ignored);
}

INSTANTIATE_TEST_SUITE_P(Table, SaveFaultTest, ::testing::ValuesIn(Rows()),
                         [](const ::testing::TestParamInfo<SaveFault>& info) {
                           std::string name = info.param.name;
                           for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

// Killed with SIGKILL while it writes: nothing can clean up, yet the user's
// file is untouched, because the document grows under a hidden temporary
// name and only a complete one is renamed over the target.
TEST(KilledConversion, LeavesTheUsersFileIntact) {
  ScratchDirectory scratch;
  const fs::path input = scratch.Write("ruta.gpx", LongTrackGpx(1000000));
  const fs::path outputs = scratch.path() / "salidas";
  fs::create_directory(outputs);
  const fs::path target = WriteUsersFile(outputs);

  const KilledRun run =
      RunAndKillWhileWriting(RUVELA_CONVERT_PATH, {input.string(), "-o", target.string(), "-f", "-q"}, outputs);
  if (!run.whyNot.empty()) GTEST_SKIP() << run.whyNot;

  ASSERT_TRUE(run.killed) << "the conversion ended before it could be killed: use a larger input";
  EXPECT_EQ(ReadFile(target), kUsersFile);
  for (const std::string& name : Entries(outputs)) {
    EXPECT_TRUE(name == "ruta.kml" || name.starts_with(".ruta.kml.ruvela-")) << name;
  }
}

// Ctrl-C or `timeout` must end ruvela-convert whatever it waits in, here a
// write to a pipe nobody reads, and leave no temporary file behind.
TEST(Terminate, EndsARunStuckInAWrite) {
  ScratchDirectory scratch;
  const fs::path input = scratch.Write("ruta.gpx", LongTrackGpx(20000));
  const TerminatedRun run =
      RunStuckWritingAndTerminate(RUVELA_CONVERT_PATH, {"-q", "-o", "-", input.string()}, scratch.path(), 10000);
  if (!run.whyNot.empty()) GTEST_SKIP() << run.whyNot;
  EXPECT_TRUE(run.endedInTime);
  EXPECT_EQ(run.exitStatus, static_cast<int>(cli::ExitStatus::Interrupted));
  EXPECT_EQ(Entries(scratch.path()), std::set<std::string>{"ruta.gpx"});
}

}  // namespace
}  // namespace ruvela::robustness
