#pragma once
// The game's executable and its command line: a pure function of the options it carries, read
// from the window by one thin routine.

#include <string>
#include <vector>

#include "platform/gamestart.h"

namespace zk {

class TForm1;

// The options the command line carries, as the window holds them at the moment of the launch.
struct TLaunchOptions {
  int Skill = 0;                 // ComboBox2's index: 0 "No monsters" to 4; -1 nothing picked
  bool RecordDemo = false;       // CheckBox11
  int PlayerBots = 0;            // CSpinEdit2, unbounded: below 1 means none
  bool RespawnMonsters = false;  // CheckBox7, counted as it stands, enabled or not
  bool RespawnItems = true;      // CheckBox8
};

// The options read from the window's controls.
TLaunchOptions ReadLaunchOptions(const TForm1& form);

// The first of the game's executable names that exists in gameDir, as a path; the empty text
// when none does.
std::string ChooseExecutable(const std::string& gameDir);

// The switches, one piece each and without the blanks between them: "-map", "Zeb-Kin.map",
// then "/hzebkin.def" when definitions is " /hzebkin.def", the skill, the demo, the script, the
// players, the respawn choice and the archive.
std::vector<std::string> ComposeSwitches(const TLaunchOptions& options,
                                         const std::string& definitions);

// The whole command line: the quoted executable path, then every switch with its own leading
// blank.
std::string ComposeCommandLine(const std::string& executable,
                               const std::vector<std::string>& switches);

// Executable, command line and switches.
TGameCommand ComposeGameCommand(const TLaunchOptions& options, const std::string& executable,
                                const std::string& definitions);

}  // namespace zk
