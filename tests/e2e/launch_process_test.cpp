// The real game runner: the program started by path with the switches as its arguments in its
// folder, the wait polled, and the failures to start told apart from a game that ran.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "platform/process.h"
#include "support/game_folder.h"
#include "support/gamedata_builders.h"
#include "support/standin.h"

namespace zk::test {
namespace {

namespace fs = std::filesystem;

std::string Joined(const std::vector<std::string>& pieces) {
  std::string line;
  for (const std::string& piece : pieces) line += (line.empty() ? "" : " ") + piece;
  return line;
}

void MakeRunnable(const std::string& path) {
  fs::permissions(fs::u8path(path), fs::perms::owner_exec, fs::perm_options::add);
}

// The switches arrive as they were composed, whatever the folder's path holds: blanks, or an
// odd number of double quotes that would swallow the switches if the line were split again.
TEST(LaunchProcess, SwitchesArriveWhateverThePathHolds) {
  for (const char* subPath : {"Duke 3D/two  blanks", "Duke \"3D", "a\\\" b/\"c"}) {
    SCOPED_TRACE(subPath);
    TGameFolder folder(subPath);
    const std::string exe = folder.GameDir() + "eDuke32.exe";
    ASSERT_TRUE(InstallStandin(exe));
    folder.WriteGameFile("Zeb-Kin.map", "map");
    folder.WriteGameFile("zebkin.con", "con");
    TStandinRecording recording;
    const std::vector<std::string> switches = {"-map", "Zeb-Kin.map", "/s1", "/xzebkin.con", "/q2"};

    TSystemProcessRunner runner;
    const TProcessOutcome outcome = runner.RunAndWait(
        {exe, "\"" + exe + "\" " + Joined(switches), switches}, folder.GameDir(), {});

    EXPECT_TRUE(outcome.Started) << outcome.Error;
    const TStandinRecord r = recording.Read();
    ASSERT_TRUE(r.complete) << "the stand-in did not run, or did not get the environment";
    EXPECT_EQ(r.program, exe);
    EXPECT_EQ(r.arguments, switches);
    EXPECT_EQ(r.cwd + "/", folder.GameDir());
    EXPECT_EQ(r.files, std::vector<std::string>({"Zeb-Kin.map", "zebkin.con"}));
  }
}

TEST(LaunchProcess, WaitPollsUntilTheGameEnds) {
  TGameFolder folder;
  const std::string exe = folder.GameDir() + "eDuke32.exe";
  folder.WriteGameFile("eDuke32.exe", "#!/bin/sh\nsleep 0.6\n");
  MakeRunnable(exe);

  TSystemProcessRunner runner;
  int polls = 0;
  const auto start = std::chrono::steady_clock::now();
  const TProcessOutcome outcome =
      runner.RunAndWait({exe, "\"" + exe + "\"", {}}, folder.GameDir(), [&] { ++polls; });
  const auto elapsed = std::chrono::steady_clock::now() - start;

  EXPECT_TRUE(outcome.Started) << outcome.Error;
  EXPECT_GE(elapsed, std::chrono::milliseconds(600));
  // About one poll per 100 ms: neither a single long wait nor a spin.
  EXPECT_GE(polls, 3);
  EXPECT_LE(polls, 20);
}

// The game gets none of the launcher's open files: a file kept open there (a settings file, the
// window's connection) must not stay open, or locked, for as long as the game runs.
TEST(LaunchProcess, TheGameInheritsNoOpenFiles) {
  TGameFolder folder;
  const std::string exe = folder.GameDir() + "eDuke32.exe";
  folder.WriteGameFile(
      "eDuke32.exe",
      "#!/bin/sh\n"
      "if [ -e /proc/$$/fd/57 ]; then echo inherited; else echo closed; fi >fd.txt\n");
  MakeRunnable(exe);
  const int open = ::open((folder.GameDir() + "eDuke32.exe").c_str(), O_RDONLY);
  ASSERT_GE(open, 0);
  ASSERT_EQ(::dup2(open, 57), 57);  // a number the shell does not take for itself
  ::close(open);

  TSystemProcessRunner runner;
  const TProcessOutcome outcome =
      runner.RunAndWait({exe, "\"" + exe + "\"", {}}, folder.GameDir(), {});
  ::close(57);

  EXPECT_TRUE(outcome.Started) << outcome.Error;
  EXPECT_EQ(ReadBytes(folder.GameDir() + "fd.txt"), "closed\n");
}

TEST(LaunchProcess, FailedStartIsReportedWithItsReason) {
  struct Case {
    const char* what;
    std::optional<std::string> content;  // none: no file at all
    bool runBit;
    std::string workingDir;   // below the game folder; empty: the game folder
    std::string reasonNames;  // what the reason must name: the program or the folder
  };
  const Case cases[] = {
      {"no run bit", "#!/bin/sh\n", false, "", "eDuke32.exe"},
      {"not a program", "just text\n", true, "", "eDuke32.exe"},
      {"missing", std::nullopt, false, "", "eDuke32.exe"},
      {"missing working directory", "#!/bin/sh\n", true, "gone/", "gone"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TGameFolder folder;
    const std::string exe = folder.GameDir() + "eDuke32.exe";
    if (c.content) folder.WriteGameFile("eDuke32.exe", *c.content);
    if (c.runBit) MakeRunnable(exe);

    TSystemProcessRunner runner;
    int polls = 0;
    const TProcessOutcome outcome = runner.RunAndWait(
        {exe, "\"" + exe + "\" /s1", {"/s1"}}, folder.GameDir() + c.workingDir, [&] { ++polls; });
    EXPECT_FALSE(outcome.Started);
    EXPECT_NE(outcome.Error.find(c.reasonNames), std::string::npos) << outcome.Error;
    EXPECT_EQ(polls, 0);
  }
}

}  // namespace
}  // namespace zk::test
