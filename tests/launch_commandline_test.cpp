// The game's command line: composed from the launch options alone, the same switches as pieces,
// the options as the window holds them, and which executable it names.

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "launch/commandline.h"
#include "support/game_folder.h"

namespace zk::test {
namespace {

std::string Joined(const std::vector<std::string>& pieces) {
  std::string line;
  for (const std::string& p : pieces) line += " " + p;
  return line;
}

TEST(LaunchCommandLine, ComposedPieceByPiece) {
  struct Case {
    int skill;
    bool demo;
    int ppBots;
    bool respawnMonsters, respawnItems;
    std::string definitions;
    std::string switches;  // everything after the quoted executable
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
  const std::string exe = "/games/Duke Nukem 3D/eDuke32.exe";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.switches);
    TLaunchOptions options;
    options.Skill = c.skill;
    options.RecordDemo = c.demo;
    options.PlayerBots = c.ppBots;
    options.RespawnMonsters = c.respawnMonsters;
    options.RespawnItems = c.respawnItems;
    const TGameCommand command = ComposeGameCommand(options, exe, c.definitions);
    EXPECT_EQ(command.CommandLine, "\"" + exe + "\"" + c.switches);
    EXPECT_EQ(command.Executable, exe);
    // The pieces are the line's switches, one each: nothing is split out of a path.
    EXPECT_EQ(Joined(command.Switches), c.switches);
    for (const std::string& piece : command.Switches)
      EXPECT_EQ(piece.find(' '), std::string::npos) << "a piece holds a blank: " << piece;
  }
}

// The options as the controls hold them at the moment of the launch; a respawn box counts as
// checked even while the window has it disabled.
TEST(LaunchCommandLine, OptionsReadFromTheWindow) {
  TGameFolder folder{TGameFolder::WithGame};
  TFormFixture f(folder);
  TForm1& form = *f.form;
  TLaunchOptions defaults = ReadLaunchOptions(form);
  EXPECT_EQ(defaults.Skill, 0);
  EXPECT_FALSE(defaults.RecordDemo);
  EXPECT_EQ(defaults.PlayerBots, 0);
  EXPECT_FALSE(defaults.RespawnMonsters);
  EXPECT_TRUE(defaults.RespawnItems);

  form.ComboBox2->SetItemIndex(3);
  form.CheckBox11->SetChecked(true);
  form.CSpinEdit2->SetValue(-4);
  form.CheckBox7->SetChecked(true);
  form.CheckBox7->SetEnabled(false);
  form.CheckBox8->SetChecked(false);
  const TLaunchOptions read = ReadLaunchOptions(form);
  EXPECT_EQ(read.Skill, 3);
  EXPECT_TRUE(read.RecordDemo);
  EXPECT_EQ(read.PlayerBots, -4);
  EXPECT_TRUE(read.RespawnMonsters);
  EXPECT_FALSE(read.RespawnItems);
}

// A native eduke32 needs no wine, so it comes first; then eDuke32.exe, then Duke3D.exe.
TEST(LaunchCommandLine, ExecutableChoicePrefersNativeThenEDuke32) {
  struct Case {
    bool native, eduke, duke3d;
    std::string chosen;  // name, or empty for none
  };
  const Case cases[] = {
      {true, true, true, "eduke32"},       {false, true, true, "eDuke32.exe"},
      {false, true, false, "eDuke32.exe"}, {false, false, true, "Duke3D.exe"},
      {true, false, false, "eduke32"},     {false, false, false, ""},
  };
  for (const Case& c : cases) {
#ifdef _WIN32
    if (c.native) continue;  // Windows has no native engine of that name
#endif
    TGameFolder folder;
    if (c.native) folder.WriteGameFile("eduke32");
    if (c.eduke) folder.WriteGameFile("eDuke32.exe");
    if (c.duke3d) folder.WriteGameFile("Duke3D.exe");
    // A folder of a game's name is no game.
    if (!c.duke3d) std::filesystem::create_directories(FsPath(folder.GameDir() + "Duke3D.exe"));
    EXPECT_EQ(ChooseExecutable(folder.GameDir()),
              c.chosen.empty() ? "" : folder.GameDir() + c.chosen)
        << c.native << c.eduke << c.duke3d;
  }
}

}  // namespace
}  // namespace zk::test
