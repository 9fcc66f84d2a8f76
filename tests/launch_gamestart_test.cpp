// How a game file is started on Linux: what its first bytes make it, and the program, the
// arguments and the switch form each kind and name gets, or why it cannot be started.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/gamestart.h"
#include "support/game_folder.h"
#include "support/gamedata_builders.h"

namespace zk::test {
namespace {

namespace fs = std::filesystem;
using TSwitches = std::vector<std::string>;

const TSwitches kDefaults = {"-map",         "Zeb-Kin.map", "/hzebkin.def", "/s1",
                             "/xzebkin.con", "/q2",         "/t2",          "/gZeb-Kin.grp"};
const TSwitches kEverySwitch = {"-map", "Zeb-Kin.map",  "/hzebkin.def", "/s4",
                                "/r",   "/xzebkin.con", "/q4",          "/a",
                                "/tx",  "/gZeb-Kin.grp"};
const TSwitches kEverySwitchDashed = {"-map", "Zeb-Kin.map",  "-hzebkin.def", "-s4",
                                      "-r",   "-xzebkin.con", "-q4",          "-a",
                                      "-tx",  "-gZeb-Kin.grp"};

// "MZ", the offset of the PE header at 0x3C, and the header itself (or not) at that offset.
std::string MzFile(std::uint32_t peOffset, bool peHeader, std::size_t size) {
  std::string bytes(size, '\0');
  bytes[0] = 'M';
  bytes[1] = 'Z';
  for (int i = 0; i < 4; ++i) bytes[0x3C + i] = static_cast<char>(peOffset >> (8 * i));
  if (peHeader) bytes.replace(peOffset, 4, std::string("PE\0\0", 4));
  return bytes;
}

void MakeRunnable(const std::string& path) {
  fs::permissions(fs::u8path(path), fs::perms::owner_exec, fs::perm_options::add);
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

TEST(GameStart, ProgramKindFromTheFirstBytes) {
  struct Case {
    const char* what;
    std::optional<std::string> bytes;  // none: copy the file named in from
    std::string from;
    TProgramKind kind;
  };
  const Case cases[] = {
      {"ELF program", ReadBytes(ZK_STANDIN_BINARY).substr(0, 64), {}, TProgramKind::Other},
      {"script", "#!/bin/sh\nexit 0\n", {}, TProgramKind::Other},
#ifdef ZK_STANDIN_WIN_BINARY
      {"PE32+ made by mingw-w64", std::nullopt, ZK_STANDIN_WIN_BINARY, TProgramKind::Windows},
#endif
      {"PE header at 0x80", MzFile(0x80, true, 0x100), {}, TProgramKind::Windows},
      {"MZ without a PE header", MzFile(0x40, false, 0x100), {}, TProgramKind::Dos},
      {"MZ whose offset points past the end",
       MzFile(0x7FFFFFF0, false, 0x100),
       {},
       TProgramKind::Dos},
      {"PE header cut short by the end",
       MzFile(0xFE, true, 0x102).substr(0, 0x100),
       {},
       TProgramKind::Dos},
      {"MZ alone (two bytes)", "MZ", {}, TProgramKind::Dos},
      {"two other bytes", "#!", {}, TProgramKind::Other},
      {"empty file", "", {}, TProgramKind::Other},
  };
  TGameFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = folder.GameDir() + "game";
    fs::remove(fs::u8path(path));
    if (c.bytes)
      folder.WriteGameFile("game", *c.bytes);
    else
      ASSERT_TRUE(fs::copy_file(c.from, fs::u8path(path)));
    EXPECT_EQ(InspectProgramFile(path), c.kind);
  }
  EXPECT_EQ(InspectProgramFile(folder.GameDir() + "missing"), TProgramKind::Unreadable);
  EXPECT_EQ(InspectProgramFile(folder.GameDir()), TProgramKind::Unreadable);
}

TEST(GameStart, EachKindIsStartedItsOwnWayOrRefusedWithAReason) {
  const std::string pe = MzFile(0x80, true, 0x100);
  struct Case {
    const char* what;
    std::string name;
    std::optional<std::string> bytes;  // none: no file
    bool runBit;
    std::string wine;
    TSwitches switches;
    bool canStart;
    bool throughWine;
    TSwitches expectedSwitches;  // as the program receives them after its own path
    std::string reasonPart;
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
       std::nullopt,
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
    const std::string exe = folder.GameDir() + c.name;
    if (c.bytes) folder.WriteGameFile(c.name, *c.bytes);
    if (c.runBit) MakeRunnable(exe);

    const TStartPlan plan = PlanGameStart({exe, "ignored here", c.switches}, c.wine);

    ASSERT_EQ(plan.CanStart, c.canStart) << plan.Reason;
    if (!c.canStart) {
      EXPECT_TRUE(StartsWith(plan.Reason, c.reasonPart)) << plan.Reason;
      continue;
    }
    TSwitches expected = c.expectedSwitches;
    if (c.throughWine) expected.insert(expected.begin(), exe);
    EXPECT_EQ(plan.Program, c.throughWine ? c.wine : exe);
    EXPECT_EQ(plan.Arguments, expected);
  }
}

// Sets an environment variable for the life of the object, then puts back what was there.
class TScopedEnv {
 public:
  explicit TScopedEnv(const char* name) : name_(name) {
    const char* value = std::getenv(name);
    if (value) saved_ = value;
  }
  ~TScopedEnv() {
    if (saved_)
      ::setenv(name_, saved_->c_str(), 1);
    else
      ::unsetenv(name_);
  }
  void Set(const std::string& value) const { ::setenv(name_, value.c_str(), 1); }

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

TEST(GameStart, WineFromTheEnvironmentOrThePath) {
  TGameFolder folder;
  const std::string fakeWine = folder.GameDir() + "my-wine";
  folder.WriteGameFile("my-wine", "#!/bin/sh\n");
  MakeRunnable(fakeWine);
  const TScopedEnv wine("WINE");

  wine.Set(fakeWine);
  EXPECT_EQ(FindWine(), fakeWine);
  wine.Set(folder.GameDir() + "nowhere/wine");
  EXPECT_EQ(FindWine(), "");
  wine.Set("sh");  // a bare name is looked up in PATH
  const std::string sh = FindWine();
  EXPECT_TRUE(sh.size() > 3 && sh.compare(sh.size() - 3, 3, "/sh") == 0) << sh;
}

}  // namespace
}  // namespace zk::test
