#pragma once
// Map preparation: the chosen level becomes GameDir + "Zeb-Kin.map", ready for a game with bots.

#include <string>

namespace zk {

class TForm1;

// Puts the chosen map (a level of Duke3D.grp, or the user's map file) at GameDir + "Zeb-Kin.map".
bool AcquireMap(TForm1& form);

// Adds bot sprites at the player starts and, under "No monsters", removes the monsters.
bool EditMap(TForm1& form, const std::string& path, int botCount);

}  // namespace zk
