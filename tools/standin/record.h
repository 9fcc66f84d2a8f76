#pragma once
// The stand-in game's record of one run, for tests: what it was started with and copies of the
// launcher's files as they were while it ran.
//
// Layout of the record folder:
//   program.txt    the program as started (argv[0])
//   arguments.txt  the arguments after it, one a line
//   cwd.txt        the working directory
//   files/NAME     a copy of each of Zeb-Kin.map, zebkin.con, zebkin.def, Zeb-Kin.grp present
//   complete       written last: the record is whole

#include <array>
#include <string>
#include <vector>

namespace zk::standin {

// The environment variable that names the record folder.
inline constexpr const char* RecordVariable = "ZK_STANDIN_RECORD";
// Or a file of this name beside the program, whose first line names it.
inline constexpr const char* RecordPointerFile = "standin-record.txt";

// The four files that the launcher hands to the game, in the working directory.
inline constexpr std::array<const char*, 4> LauncherFiles = {"Zeb-Kin.map", "zebkin.con",
                                                             "zebkin.def", "Zeb-Kin.grp"};

// The record folder asked for, or empty when none is (the demo). programPath is the stand-in's
// own program file.
std::string RecordFolder(const std::string& programPath);

// Writes the record of this run; false when a part of it cannot be written. arguments include
// argv[0].
bool WriteRecord(const std::string& folder, const std::vector<std::string>& arguments);

}  // namespace zk::standin
