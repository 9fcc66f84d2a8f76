// The real game runner: the program started by path with the switches as its arguments in its
// folder, the wait polled, and the failures to start told apart from a game that ran.

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "launch_standin.h"
#include "platform/process.h"
#include "support/game_folder.h"

namespace zk::test {
namespace {

// The switches arrive as they were composed, whatever the folder's path holds: blanks, or an
// odd number of double quotes that would swallow the switches if the line were split again.
TEST(LaunchProcess, SwitchesArriveWhateverThePathHolds) {
  for (const QString subPath : {"Duke 3D/two  blanks", "Duke \"3D", "a\\\" b/\"c"}) {
    SCOPED_TRACE(subPath.toStdString());
    TGameFolder folder(subPath);
    const QString exe = folder.GameDir() + "eDuke32.exe";
    ASSERT_TRUE(InstallStandin(exe));
    folder.WriteGameFile("Zeb-Kin.map", "map");
    folder.WriteGameFile("zebkin.con", "con");
    TStandinRecording recording;
    const QStringList switches = {"-map", "Zeb-Kin.map", "/s1", "/xzebkin.con", "/q2"};

    TQtProcessRunner runner;
    const TProcessOutcome outcome = runner.RunAndWait(
        {exe, "\"" + exe + "\" " + switches.join(' '), switches}, folder.GameDir(), {});

    EXPECT_TRUE(outcome.Started) << outcome.Error.toStdString();
    const TStandinRecord r = recording.Read();
    ASSERT_TRUE(r.complete) << "the stand-in did not run, or did not get the environment";
    EXPECT_EQ(r.program, exe);
    EXPECT_EQ(r.arguments, switches);
    EXPECT_EQ(r.cwd + "/", folder.GameDir());
    EXPECT_EQ(r.files, QStringList({"Zeb-Kin.map", "zebkin.con"}));
  }
}

TEST(LaunchProcess, WaitPollsUntilTheGameEnds) {
  TGameFolder folder;
  const QString exe = folder.GameDir() + "eDuke32.exe";
  folder.WriteGameFile("eDuke32.exe", "#!/bin/sh\nsleep 0.6\n");
  QFile::setPermissions(exe, QFile::permissions(exe) | QFileDevice::ExeOwner);

  TQtProcessRunner runner;
  int polls = 0;
  QElapsedTimer clock;
  clock.start();
  const TProcessOutcome outcome =
      runner.RunAndWait({exe, "\"" + exe + "\"", {}}, folder.GameDir(), [&] { ++polls; });

  EXPECT_TRUE(outcome.Started);
  EXPECT_GE(clock.elapsed(), 600);
  // About one poll per 100 ms: neither a single long wait nor a spin.
  EXPECT_GE(polls, 3);
  EXPECT_LE(polls, 20);
}

TEST(LaunchProcess, FailedStartIsReportedWithItsReason) {
  struct Case {
    const char* what;
    QByteArray content;  // null: no file at all
    bool runBit;
    QString workingDir;  // below the game folder; empty: the game folder
  };
  const Case cases[] = {
      {"no run bit", "#!/bin/sh\n", false, ""},
      {"not a program", "just text\n", true, ""},
      {"missing", QByteArray(), false, ""},
      {"missing working directory", "#!/bin/sh\n", true, "gone/"},
  };
  for (const Case& c : cases) {
    TGameFolder folder;
    const QString exe = folder.GameDir() + "eDuke32.exe";
    if (!c.content.isNull()) folder.WriteGameFile("eDuke32.exe", c.content);
    if (c.runBit) QFile::setPermissions(exe, QFile::permissions(exe) | QFileDevice::ExeOwner);

    TQtProcessRunner runner;
    int polls = 0;
    const TProcessOutcome outcome = runner.RunAndWait(
        {exe, "\"" + exe + "\" /s1", {"/s1"}}, folder.GameDir() + c.workingDir, [&] { ++polls; });
    EXPECT_FALSE(outcome.Started) << c.what;
    EXPECT_FALSE(outcome.Error.isEmpty()) << c.what;
    EXPECT_EQ(polls, 0) << c.what;
  }
}

}  // namespace
}  // namespace zk::test
