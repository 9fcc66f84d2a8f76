#include "script/modeldefs.h"

#include "launch/gamefiles.h"
#include "platform/files.h"
#include "platform/textfile.h"
#include "ui/mainform.h"

namespace zk {

namespace {

// The player model for the bots' tile 3586 and the tiles of its animations, then the game's own
// definitions.
TLines ModelDefinitionLines() {
  return {
      "model \"highres/sprites/characters/duke/1405_duke.md3\" {",
      "   scale 1.6 shade 0 zadd 3",
      "   skin { pal 0 surface 0 file \"highres/sprites/pickups/0057_jetpack.png\" }",
      "   skin { pal 0 surface 1 file \"highres/sprites/characters/duke/1405_duke.jpg\" }",
      "   skin { pal 0 surface 2 file \"highres/sprites/pickups/0023_rpg.png\" }",
      "   // Idle",
      "   anim { frame0 \"idle0\" frame1 \"idle1\" fps 6 flag 0 }",
      "   frame { name \"idle0\" tile 3586 }",
      "   // Jetpack",
      "   anim { frame0 \"jetpack0\" frame1 \"jetpack1\" fps 8 flag 0 }",
      "   frame { name \"jetpack0\" tile 3585 }",
      "   // Run",
      "   anim { frame0 \"run0\" frame1 \"run1\" fps 36 flag 0 }",
      "   frame { name \"run0\" tile0 1425 tile1 1444 }",
      "   // Jump",
      "   anim { frame0 \"jump0\" frame1 \"land\" fps 7 flag 1 }",
      "   frame { name \"jump0\" tile0 1455 tile1 1464 }",
      "   frame { name \"land\" tile0 1465 tile1 1469 }",
      "   // Swim",
      "   anim { frame0 \"swim0\" frame1 \"swim1\" fps 20 flag 0 }",
      "   frame { name \"swim0\" tile0 1780 tile1 1799 }",
      "}",
      "model \"highres/sprites/characters/duke/1405_duke.md3\" {",
      "   scale 1.55 shade 0 zadd 41",
      "   skin { pal 0 surface 0 file \"highres/sprites/pickups/0057_jetpack.png\" }",
      "   skin { pal 0 surface 1 file \"highres/sprites/characters/duke/1405_duke.jpg\" }",
      "   skin { pal 0 surface 2 file \"highres/sprites/pickups/0023_rpg.png\" }",
      "   // Death",
      "   anim { frame0 \"die0\" frame1 \"die1\" fps 25 flag 1 }",
      "   frame { name \"die0\" tile0 3588 tile1 3592 }",
      "   frame { name \"dead\" tile 3593 }",
      "}",
      "#include duke3d.def",
  };
}

}  // namespace

std::string WriteModelDefinitions(const TForm1& form) {
  const std::string model = form.GameDir + kPlayerModelFiles;
  if (!FileExists(model + ".md3")) return {};
  if (!FileExists(model + ".jpg")) return {};
  SaveLines(form.GameDir + kModelDefinitionsFile, ModelDefinitionLines());
  return std::string(" /h") + kModelDefinitionsFile;
}

}  // namespace zk
