// The game's command line: how it is composed from the window, the same switches as pieces, and
// which executable it names.

#include <gtest/gtest.h>

#include <climits>

#include "launch/commandline.h"
#include "support/game_folder.h"

namespace zk::test {
namespace {

TEST(LaunchCommandLine, ComposedFromTheWindowPieceByPiece) {
  struct Case {
    int skill;
    bool demo;
    int ppBots;
    bool respawnMonsters, respawnItems;
    QString definitions;
    QString switches;  // everything after the quoted executable
  };
  const Case cases[] = {
      // The window's defaults with the model definitions written.
      {0, false, 0, false, true, " /hzebkin.def",
       " -map Zeb-Kin.map /hzebkin.def /s1 /xzebkin.con /q2 /t2 /gZeb-Kin.grp"},
      // No definitions: the map is followed directly by the skill.
      {1, false, 0, false, true, "", " -map Zeb-Kin.map /s1 /xzebkin.con /q2 /t2 /gZeb-Kin.grp"},
      {2, true, 1, true, true, "",
       " -map Zeb-Kin.map /s2 /r /xzebkin.con /q2 /a /tx /gZeb-Kin.grp"},
      {3, false, 3, true, false, " /hzebkin.def",
       " -map Zeb-Kin.map /hzebkin.def /s3 /xzebkin.con /q4 /a /t1 /gZeb-Kin.grp"},
      // Neither respawn box: no /t at all; a negative player count is /q2 alone.
      {4, true, -2, false, false, "", " -map Zeb-Kin.map /s4 /r /xzebkin.con /q2 /gZeb-Kin.grp"},
      // No selection counts as the first item.
      {-1, false, 0, false, false, "", " -map Zeb-Kin.map /s1 /xzebkin.con /q2 /gZeb-Kin.grp"},
      // The spin edit has no upper bound either: n + 1 must not wrap.
      {2, false, INT_MAX, false, true, "",
       " -map Zeb-Kin.map /s2 /xzebkin.con /q2147483648 /a /t2 /gZeb-Kin.grp"},
  };
  TGameFolder folder;
  folder.WriteGameFile("eDuke32.exe");
  TFormFixture f(folder);
  TForm1& form = *f.form;
  const QString exe = folder.GameDir() + "eDuke32.exe";
  for (const Case& c : cases) {
    form.ComboBox2->SetItemIndex(c.skill);
    form.CheckBox11->SetChecked(c.demo);
    form.CSpinEdit2->SetValue(c.ppBots);
    form.CheckBox7->SetChecked(c.respawnMonsters);
    form.CheckBox8->SetChecked(c.respawnItems);
    // A respawn box counts as checked even while the window has it disabled.
    form.CheckBox7->setEnabled(!c.respawnMonsters);
    const TGameCommand command = ComposeGameCommand(form, exe, c.definitions);
    EXPECT_EQ(command.CommandLine, "\"" + exe + "\"" + c.switches)
        << "skill " << c.skill << ", players " << c.ppBots;
    EXPECT_EQ(command.Executable, exe);
    // The pieces are the line's switches, one each: nothing is split out of a path.
    EXPECT_EQ(" " + command.Switches.join(' '), c.switches);
    EXPECT_TRUE(command.Switches.filter(" ").isEmpty()) << "a piece holds a blank";
  }
}

// A native eduke32 needs no wine, so it comes first; then eDuke32.exe, then Duke3D.exe.
TEST(LaunchCommandLine, ExecutableChoicePrefersNativeThenEDuke32) {
  struct Case {
    bool native, eduke, duke3d;
    QString chosen;  // name, or empty for none
  };
  const Case cases[] = {
      {true, true, true, "eduke32"},       {false, true, true, "eDuke32.exe"},
      {false, true, false, "eDuke32.exe"}, {false, false, true, "Duke3D.exe"},
      {true, false, false, "eduke32"},     {false, false, false, ""},
  };
  for (const Case& c : cases) {
    TGameFolder folder;
    // All present at start-up; what the choice sees is what is left at launch.
    for (const char* name : {"eduke32", "eDuke32.exe", "Duke3D.exe"}) folder.WriteGameFile(name);
    TFormFixture f(folder);
    if (!c.native) QFile::remove(folder.GameDir() + "eduke32");
    if (!c.eduke) QFile::remove(folder.GameDir() + "eDuke32.exe");
    if (!c.duke3d) QFile::remove(folder.GameDir() + "Duke3D.exe");
    EXPECT_EQ(ChooseExecutable(*f.form), c.chosen.isEmpty() ? "" : folder.GameDir() + c.chosen)
        << c.native << c.eduke << c.duke3d;
  }
}

}  // namespace
}  // namespace zk::test
