// LAUNCH end to end: the window's model on a game folder laid out here, the system's game
// runner, and the stand-in game recording what it was handed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gamedata/mapfile.h"
#include "support/laid_out_game.h"
#include "support/standin.h"

namespace zk::test {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

int CountTile(const TMap& map, int picnum) {
  int n = 0;
  for (int i = 0; i < map.SpriteCount; ++i) n += map.Sprites[i].picnum == picnum;
  return n;
}

// A laid-out game folder with the stand-in installed under name, and the window started there
// with the system's runner.
struct TStandinGame {
  explicit TStandinGame(const std::string& subPath = "Duke3D",
                        const std::string& program = "eDuke32.exe")
      : folder(subPath) {
    LayOutGame(folder);
    EXPECT_TRUE(InstallStandin(folder.GameDir() + program));
  }
  TForm1& Open() {
    form = std::make_unique<TForm1>(folder.ExeFile(), dialogs, runner);
    return *form;
  }
  TGameFolder folder;
  TScriptedDialogs dialogs;
  TSystemProcessRunner runner;
  std::unique_ptr<TForm1> form;
};

// Sets an environment variable for its lifetime.
class TEnvironment {
 public:
  TEnvironment(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~TEnvironment() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(LaunchEndToEnd, FullLaunchHandsTheGameEverythingAndTidiesUp) {
  // Blanks, and an odd number of double quotes: neither may cost the game a switch.
  TStandinGame game("Duke \"3D/My  Games");
  TStandinRecording recording;
  TForm1& form = game.Open();
  const std::string saved = form.StatusBar1->PanelText();

  form.Button1->Click();

  EXPECT_TRUE(game.dialogs.Messages().empty());
  const TStandinRecord r = recording.Read();
  ASSERT_TRUE(r.complete);
  EXPECT_EQ(r.program, game.folder.GameDir() + "eDuke32.exe");
  EXPECT_EQ(r.arguments, (Texts{"-map", "Zeb-Kin.map", "/hzebkin.def", "/s1", "/xzebkin.con", "/q2",
                                "/t2", "/gZeb-Kin.grp"}));
  EXPECT_EQ(r.cwd + "/", game.folder.GameDir());
  Texts all = kGeneratedFiles;
  std::sort(all.begin(), all.end());
  EXPECT_EQ(r.files, all);
  // What the game saw was already prepared: three bots (the window's default) and, under
  // "No monsters", no monster.
  TMap map;
  ASSERT_EQ(map.LoadFromFile(r.folder + "/files/Zeb-Kin.map", 0), 0);
  EXPECT_EQ(CountTile(map, 3586), 3);
  EXPECT_EQ(CountTile(map, 1680), 0);
  EXPECT_EQ(r.File("zebkin.con").rfind("// zeb-kin test script\r\n", 0), 0u);
  EXPECT_EQ(r.File("Zeb-Kin.grp"), kTestAddonArchive);
  EXPECT_FALSE(r.File("zebkin.def").empty());

  EXPECT_TRUE(GeneratedLeft(game.folder).empty());
  EXPECT_EQ(form.StatusBar1->PanelText(), saved);
  EXPECT_FALSE(form.RunInProgress);
}

TEST(LaunchEndToEnd, GameThatCannotStartIsExplained) {
  struct Case {
    const char* what;
    std::string content;
    std::string reason;
  } cases[] = {
      {"no run bit", "#!/bin/sh\n", "eDuke32.exe is not marked as a program"},
      {"not a program", "not a program", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TStandinGame game;
    TStandinRecording recording;
    fs::remove(FsPath(game.folder.GameDir() + "eDuke32.exe"));
    game.folder.WriteGameFile("eDuke32.exe", c.content);
    if (c.reason.empty())
      fs::permissions(FsPath(game.folder.GameDir() + "eDuke32.exe"), fs::perms::owner_exec,
                      fs::perm_options::add);
    TForm1& form = game.Open();
    form.Button1->Click();
    ASSERT_EQ(game.dialogs.shown.size(), 1u);
    const TShownDialog& box = game.dialogs.shown[0];
    EXPECT_EQ(box.title, "game start error");
    EXPECT_TRUE(Contains(box.text, "could not be started")) << box.text;
    EXPECT_TRUE(Contains(box.text, game.folder.GameDir() + "eDuke32.exe")) << box.text;
    EXPECT_TRUE(Contains(box.text, c.reason)) << box.text;
    EXPECT_EQ(box.icon, TMsgIcon::Stop);
    EXPECT_FALSE(recording.Read().complete);
    EXPECT_TRUE(GeneratedLeft(game.folder).empty());
  }
}

// A Linux eduke32 takes its switches with "-" only; it is preferred to the Windows builds.
TEST(LaunchEndToEnd, NativeEngineGetsTheDashForm) {
  TStandinGame game("Duke3D", "eduke32");
  TStandinRecording recording;
  TForm1& form = game.Open();
  ASSERT_FALSE(form.TerminateRequested());

  form.Button1->Click();

  EXPECT_TRUE(game.dialogs.Messages().empty());
  const TStandinRecord r = recording.Read();
  ASSERT_TRUE(r.complete);
  EXPECT_EQ(r.program, game.folder.GameDir() + "eduke32");
  EXPECT_EQ(r.arguments, (Texts{"-map", "Zeb-Kin.map", "-hzebkin.def", "-s1", "-xzebkin.con", "-q2",
                                "-t2", "-gZeb-Kin.grp"}));
  EXPECT_EQ(r.files.size(), 4u);
  EXPECT_TRUE(GeneratedLeft(game.folder).empty());
}

// A Windows game with no wine to run it: the player is told what to do, and the files go.
TEST(LaunchEndToEnd, WindowsGameWithoutWineIsExplained) {
  TStandinGame game;
  std::string pe(0x100, '\0');
  pe.replace(0, 2, "MZ");
  pe[0x3C] = static_cast<char>(0x80);
  pe.replace(0x80, 4, std::string("PE\0\0", 4));
  game.folder.WriteGameFile("eDuke32.exe", pe);
  TEnvironment wine("WINE", game.folder.GameDir() + "no wine here/wine");
  TForm1& form = game.Open();

  form.Button1->Click();

  ASSERT_EQ(game.dialogs.shown.size(), 1u);
  const TShownDialog& box = game.dialogs.shown[0];
  EXPECT_EQ(box.title, "game start error");
  EXPECT_EQ(box.text, "Duke Nukem 3D could not be started:\n" + game.folder.GameDir() +
                          "eDuke32.exe\neDuke32.exe is a Windows program. Install wine to run "
                          "it on Linux, or set WINE to the wine to use.");
  EXPECT_TRUE(GeneratedLeft(game.folder).empty());
}

}  // namespace
}  // namespace zk::test
