#pragma once
// How the game is started on this system: which files in the game folder count as the game and
// in which order one is chosen, how a program file is started (directly, through wine, or not
// at all, with the reason) and in which form it takes its switches.

#include <string>
#include <vector>

namespace zk {

// The names a game executable has in the game folder, in the order the launch prefers them.
// On Linux a native "eduke32" comes first: it needs no wine.
const std::vector<std::string>& GameExecutableNames();

// What launch hands over: the executable's path, the whole command line as a Windows program
// receives it (the quoted path, then the switches), and the same switches as separate pieces.
// The pieces are the truth on systems whose processes take an argument list: a path is never
// split back out of the line.
struct TGameCommand {
  std::string Executable;
  std::string CommandLine;
  std::vector<std::string> Switches;  // "-map", "Zeb-Kin.map", "/hzebkin.def", "/s1", ...
};

// What a program file is, by its first bytes.
enum class TProgramKind {
  Unreadable,  // missing, or cannot be read
  Windows,     // "MZ" with "PE\0\0" where the 32-bit value at 0x3C points
  Dos,         // "MZ" without that header
  Other,       // anything else: an ELF program, a script...
};
TProgramKind InspectProgramFile(const std::string& path);

// How to start one game: the program to run and its arguments, or why it cannot be started.
struct TStartPlan {
  bool CanStart = false;
  std::string Program;
  std::vector<std::string> Arguments;
  std::string Reason;  // when it cannot start, in words for the player
};

// wine is the wine program to use for a Windows program, empty when there is none.
TStartPlan PlanGameStart(const TGameCommand& command, const std::string& wine);

// The wine to use: the WINE environment variable when set (a path, or a name looked up in
// PATH), else "wine" from PATH; empty when that does not lead to a program.
std::string FindWine();

}  // namespace zk
