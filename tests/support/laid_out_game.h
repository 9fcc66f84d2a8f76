#pragma once
// What a full LAUNCH needs in a game folder: Duke3D.grp holding level e1l1, the high-resolution
// player model, and the add-on's template and archive beside the launcher.

#include <string>
#include <vector>

#include "support/game_folder.h"
#include "support/gamedata_builders.h"

namespace zk::test {

inline const std::vector<std::string> kGeneratedFiles = {"Zeb-Kin.grp", "Zeb-Kin.map", "zebkin.con",
                                                         "zebkin.def"};
inline const std::string kTestTemplate =
    "// zeb-kin test script\r\ndefine BOTSTRENGTH %ZEBKINSTRENGTH%\r\n";
inline const std::string kTestAddonArchive = "add-on archive bytes";

// Level e1l1: a room with four free player starts and one monster.
inline std::string FirstLevel() {
  MapBuilder map;
  map.Room(0, 0, 4096, 4096);
  for (int i = 0; i < 4; ++i)
    map.AddSprite(PlayerStart(512 + 512 * i, 512, static_cast<std::uint16_t>(512 * i)));
  map.AddSprite(Monster(1680, 2048, 2048));
  return map.Bytes();
}

inline void LayOutGame(const TGameFolder& folder) {
  folder.WriteGameFile("Duke3D.grp", GrpBuilder().Add("E1L1.MAP", FirstLevel()).Bytes());
  folder.WriteGameFile("highres/sprites/characters/duke/1405_duke.md3", "md3");
  folder.WriteGameFile("highres/sprites/characters/duke/1405_duke.jpg", "jpg");
  folder.WriteProgramFile("zeb-kin.ctp", kTestTemplate);
  folder.WriteProgramFile("Zeb-Kin.grp", kTestAddonArchive);
}

// Which of the four generated files are in the game folder, in the order of kGeneratedFiles.
inline std::vector<std::string> GeneratedLeft(const TGameFolder& folder) {
  std::vector<std::string> left;
  for (const std::string& name : kGeneratedFiles)
    if (folder.GameFileExists(name)) left.push_back(name);
  return left;
}

}  // namespace zk::test
