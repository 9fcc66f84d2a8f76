// Start-up: where the launcher looks for the game, and what it does when the game is missing.

#include <gtest/gtest.h>

#include "support/game_folder.h"

namespace zk::test {
namespace {

TEST(StartUp, FindsTheGameInTheParentFolder) {
  struct Case {
    const char* name;
    bool duke3d, eduke32, native, found;
  } cases[] = {
      {"eDuke32.exe alone", false, true, false, true},
      {"Duke3D.exe alone", true, false, false, true},
      {"both", true, true, false, true},
#ifndef _WIN32  // Windows has no native engine of that name
      {"a native eduke32 alone", false, false, true, true},
#endif
      {"none", false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TGameFolder folder;
    if (c.duke3d) folder.WriteGameFile("Duke3D.exe");
    if (c.eduke32) folder.WriteGameFile("eDuke32.exe");
    if (c.native) folder.WriteGameFile("eduke32");
    TFormFixture f(folder);
    EXPECT_EQ(f.form->TerminateRequested(), !c.found);
    if (c.found) {
      EXPECT_TRUE(f.dialogs.shown.empty());
    } else {
      ASSERT_EQ(f.dialogs.shown.size(), 1u);
      const TShownDialog& d = f.dialogs.shown[0];
      EXPECT_EQ(d.text, "sorry, this stuff must be in a\nsubdirectory of your Duke Path");
      EXPECT_EQ(d.title, "Duke Nukem 3D not found");
      EXPECT_EQ(d.icon, TMsgIcon::Stop);
      EXPECT_EQ(d.buttons, TMsgButtons::Ok);
      // The settings steps did not run: nothing read, nothing listed.
      EXPECT_TRUE(f.form->ComboBox1->Items().empty());
    }
  }
}

TEST(StartUp, ProgramDirAndGameDirFollowTheExecutable) {
  TGameFolder folder(TGameFolder::WithGame, "Games/Duke Nukem 3D");  // blanks in the path
  TFormFixture f(folder);
  EXPECT_FALSE(f.form->TerminateRequested());
  EXPECT_EQ(f.form->ProgramDir, folder.ProgramDir());
  EXPECT_EQ(f.form->GameDir, folder.GameDir());
  const std::string tail = Native("/Games/Duke Nukem 3D/");
  EXPECT_EQ(f.form->GameDir.substr(f.form->GameDir.size() - tail.size()), tail);
}

TEST(StartUp, ParentRuleAtTheTopOfTheTree) {
  struct Case {
    const char* exe;
    const char* programDir;
    const char* gameDir;
  } cases[] = {
#ifdef _WIN32
      {"C:\\games\\duke\\bots\\zebkin-setup.exe", "C:\\games\\duke\\bots\\", "C:\\games\\duke\\"},
      {"C:\\bots\\zebkin-setup.exe", "C:\\bots\\", "C:\\"},
      {"C:\\zebkin-setup.exe", "C:\\", "C:"},  // the drive: names are relative to its folder
#else
      {"/games/duke/bots/zebkin-setup", "/games/duke/bots/", "/games/duke/"},
      {"/bots/zebkin-setup", "/bots/", "/"},
      {"/zebkin-setup", "/", ""},  // the root has no parent: names stay relative
#endif
  };
  for (const Case& c : cases) {
    TScriptedDialogs dialogs;
    TRecordingRunner runner;
    TForm1 form(c.exe, dialogs, runner);
    EXPECT_EQ(form.ProgramDir, c.programDir);
    EXPECT_EQ(form.GameDir, c.gameDir);
  }
}

}  // namespace
}  // namespace zk::test
