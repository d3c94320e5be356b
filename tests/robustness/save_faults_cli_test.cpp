// ruvela-convert meeting faults where its document goes: the save-fault
// table, and being killed or terminated mid-way.
#include <gtest/gtest.h>

#include <csignal>
#include <set>
#include <sstream>

#include "cli/run_convert.h"
#include "fuzz/conversion_check.h"
#include "save_faults.h"
#include "support/test_files.h"

namespace ruvela::robustness {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::ScratchDirectory;

class SaveFaultTest : public ::testing::TestWithParam<SaveFaultRow> {};

TEST_P(SaveFaultTest, UsersFileIsIntactOrReplacedWhole) {
  ScratchDirectory scratch;
  const fs::path input = scratch.Write("ruta.gpx", RouteGpx(200));
  const ArrangedSaveFault arranged(GetParam().fault, scratch.path());
  if (!arranged.skipReason.empty()) GTEST_SKIP() << arranged.skipReason;
  auto expected = arranged.contents();

  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::RunConvert({input.string(), "-o", arranged.target.string(), "-f"}, out, err, {});

  EXPECT_EQ(status, GetParam().saved ? 0 : 2) << err.str();
  EXPECT_NE(err.str().find(GetParam().cliMessage), std::string::npos) << err.str();
  if (GetParam().saved) {
    expected[arranged.target.string()] = ReadFile(arranged.target);
    EXPECT_EQ(WhyNotWellFormed(ReadFile(arranged.target)), "");
  }
  EXPECT_EQ(arranged.contents(), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, SaveFaultTest, ::testing::ValuesIn(kSaveFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// Killed while it writes, nothing can clean up; yet the user's file is
// untouched, since only a complete document is renamed over it. Terminated
// while stuck writing to a pipe nobody reads, it ends at once and leaves
// nothing behind.
TEST(SignalledConversion, LeavesTheUsersFileIntact) {
  for (const int signal : {SIGKILL, SIGTERM}) {
    ScratchDirectory scratch;
    const std::string input = scratch.Write("ruta.gpx", RouteGpx(20000)).string();
    const std::string target = scratch.Write("ruta.kml", ArrangedSaveFault::kUsersFile).string();
    const SignalledRun run = signal == SIGKILL ? RunAndSignal(RUVELA_CONVERT_PATH, {input, "-o", target, "-f", "-q"},
                                                              scratch.path(), scratch.path(), signal, 10000)
                                               : RunAndSignal(RUVELA_CONVERT_PATH, {"-q", "-o", "-", input},
                                                              scratch.path(), {}, signal, 10000);
    if (!run.whyNot.empty()) GTEST_SKIP() << run.whyNot;
    EXPECT_EQ(run.endedBySignal, signal == SIGKILL) << "a larger input is needed when it ended before the signal";
    EXPECT_EQ(run.exitStatus, signal == SIGKILL ? -1 : 130);
    EXPECT_EQ(ReadFile(target), ArrangedSaveFault::kUsersFile);
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(scratch.path())) {
      const std::string name = entry.path().filename();
      if (signal == SIGTERM || !name.starts_with(".ruta.kml.ruvela-")) left.insert(name);
    }
    EXPECT_EQ(left, (std::set<std::string>{"ruta.gpx", "ruta.kml"}));
  }
}

}  // namespace
}  // namespace ruvela::robustness
