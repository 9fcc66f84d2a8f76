// How a game file is started on Linux: what its first bytes make it, and the program, the
// arguments and the switch form each kind and name gets, or why it cannot be started.

#include <gtest/gtest.h>

#include <QFile>

#include "platform/gamestart.h"
#include "support/game_folder.h"

namespace zk::test {
namespace {

const QStringList kDefaults = {"-map",         "Zeb-Kin.map", "/hzebkin.def", "/s1",
                               "/xzebkin.con", "/q2",         "/t2",          "/gZeb-Kin.grp"};
const QStringList kEverySwitch = {"-map", "Zeb-Kin.map",  "/hzebkin.def", "/s4",
                                  "/r",   "/xzebkin.con", "/q4",          "/a",
                                  "/tx",  "/gZeb-Kin.grp"};
const QStringList kEverySwitchDashed = {"-map", "Zeb-Kin.map",  "-hzebkin.def", "-s4",
                                        "-r",   "-xzebkin.con", "-q4",          "-a",
                                        "-tx",  "-gZeb-Kin.grp"};

// "MZ", the offset of the PE header at 0x3C, and the header itself (or not) at that offset.
QByteArray MzFile(quint32 peOffset, bool peHeader, int size) {
  QByteArray bytes(size, '\0');
  bytes[0] = 'M';
  bytes[1] = 'Z';
  for (int i = 0; i < 4; ++i) bytes[0x3C + i] = static_cast<char>(peOffset >> (8 * i));
  if (peHeader) bytes.replace(static_cast<int>(peOffset), 4, QByteArray("PE\0\0", 4));
  return bytes;
}

void MakeRunnable(const QString& path) {
  QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
}

TEST(GameStart, ProgramKindFromTheFirstBytes) {
  struct Case {
    const char* what;
    QByteArray bytes;  // null: copy the file named in from
    QString from;
    TProgramKind kind;
  };
  QFile elf(ZK_STANDIN_BINARY);
  ASSERT_TRUE(elf.open(QIODevice::ReadOnly));
  const Case cases[] = {
      {"ELF program", elf.read(64), {}, TProgramKind::Other},
      {"script", "#!/bin/sh\nexit 0\n", {}, TProgramKind::Other},
#ifdef ZK_STANDIN_WIN_BINARY
      {"PE32+ made by mingw-w64", QByteArray(), ZK_STANDIN_WIN_BINARY, TProgramKind::Windows},
#endif
      {"PE header at 0x80", MzFile(0x80, true, 0x100), {}, TProgramKind::Windows},
      {"MZ without a PE header", MzFile(0x40, false, 0x100), {}, TProgramKind::Dos},
      {"MZ whose offset points past the end",
       MzFile(0x7FFFFFF0, false, 0x100),
       {},
       TProgramKind::Dos},
      {"PE header cut short by the end",
       MzFile(0xFE, true, 0x100).left(0x100),
       {},
       TProgramKind::Dos},
      {"MZ alone (two bytes)", "MZ", {}, TProgramKind::Dos},
      {"two other bytes", "#!", {}, TProgramKind::Other},
      {"empty file", "", {}, TProgramKind::Other},
  };
  TGameFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QString path = folder.GameDir() + "game";
    QFile::remove(path);
    if (c.bytes.isNull())
      ASSERT_TRUE(QFile::copy(c.from, path));
    else
      folder.WriteGameFile("game", c.bytes);
    EXPECT_EQ(InspectProgramFile(path.toStdString()), c.kind);
  }
  EXPECT_EQ(InspectProgramFile((folder.GameDir() + "missing").toStdString()),
            TProgramKind::Unreadable);
  EXPECT_EQ(InspectProgramFile(folder.GameDir().toStdString()), TProgramKind::Unreadable);
}

TEST(GameStart, EachKindIsStartedItsOwnWayOrRefusedWithAReason) {
  const QByteArray pe = MzFile(0x80, true, 0x100);
  struct Case {
    const char* what;
    QString name;
    QByteArray bytes;
    bool runBit;
    QString wine;
    QStringList switches;
    bool canStart;
    bool throughWine;
    QStringList expectedSwitches;  // as the program receives them after its own path
    QString reasonPart;
  };
  const Case cases[] = {
      {"Windows eDuke32.exe through wine", "eDuke32.exe", pe, false, "/usr/bin/wine", kDefaults,
       true, true, kDefaults, ""},
      {"every switch through wine", "Duke3D.exe", pe, false, "/usr/bin/wine", kEverySwitch, true,
       true, kEverySwitch, ""},
      {"Windows program without wine",
       "eDuke32.exe",
       pe,
       true,
       "",
       kDefaults,
       false,
       false,
       {},
       "eDuke32.exe is a Windows program. Install wine"},
      {"DOS program",
       "Duke3D.exe",
       MzFile(0x40, false, 0x100),
       true,
       "/usr/bin/wine",
       kDefaults,
       false,
       false,
       {},
       "Duke3D.exe is a DOS program"},
      {"native eduke32 takes dashes", "eduke32", "#!/bin/sh\n", true, "", kEverySwitch, true, false,
       kEverySwitchDashed, ""},
      {"native eduke32 with the defaults",
       "eduke32",
       "#!/bin/sh\n",
       true,
       "",
       kDefaults,
       true,
       false,
       {"-map", "Zeb-Kin.map", "-hzebkin.def", "-s1", "-xzebkin.con", "-q2", "-t2",
        "-gZeb-Kin.grp"},
       ""},
      {"a Linux program under a Windows name keeps the switches", "eDuke32.exe", "#!/bin/sh\n",
       true, "", kDefaults, true, false, kDefaults, ""},
      {"no run bit",
       "eduke32",
       "#!/bin/sh\n",
       false,
       "",
       kDefaults,
       false,
       false,
       {},
       "eduke32 is not marked as a program"},
      {"missing",
       "eDuke32.exe",
       QByteArray(),
       false,
       "",
       kDefaults,
       false,
       false,
       {},
       "eDuke32.exe cannot be read"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TGameFolder folder("Duke \"3D");
    const QString exe = folder.GameDir() + c.name;
    if (!c.bytes.isNull()) folder.WriteGameFile(c.name, c.bytes);
    if (c.runBit) MakeRunnable(exe);

    const TStartPlan plan = PlanGameStart({exe, "ignored here", c.switches}, c.wine);

    ASSERT_EQ(plan.CanStart, c.canStart) << plan.Reason.toStdString();
    if (!c.canStart) {
      EXPECT_TRUE(plan.Reason.startsWith(c.reasonPart)) << plan.Reason.toStdString();
      continue;
    }
    EXPECT_EQ(plan.Program, c.throughWine ? c.wine : exe);
    EXPECT_EQ(plan.Arguments,
              c.throughWine ? QStringList{exe} + c.expectedSwitches : c.expectedSwitches);
  }
}

TEST(GameStart, WineFromTheEnvironmentOrThePath) {
  TGameFolder folder;
  const QString fakeWine = folder.GameDir() + "my-wine";
  folder.WriteGameFile("my-wine", "#!/bin/sh\n");
  MakeRunnable(fakeWine);
  const QByteArray saved = qgetenv("WINE");
  const bool had = qEnvironmentVariableIsSet("WINE");

  qputenv("WINE", fakeWine.toUtf8());
  EXPECT_EQ(FindWine(), fakeWine);
  qputenv("WINE", (folder.GameDir() + "nowhere/wine").toUtf8());
  EXPECT_EQ(FindWine(), "");
  qputenv("WINE", "sh");  // a bare name is looked up in PATH
  EXPECT_TRUE(FindWine().endsWith("/sh"));

  if (had)
    qputenv("WINE", saved);
  else
    qunsetenv("WINE");
}

}  // namespace
}  // namespace zk::test
