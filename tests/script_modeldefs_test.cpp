// The model definition file, written when the high-resolution player model is installed.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/errors.h"
#include "script/modeldefs.h"
#include "support/game_folder.h"

namespace zk::test {
namespace {

const char kMd3[] = "highres/sprites/characters/duke/1405_duke.md3";
const char kJpg[] = "highres/sprites/characters/duke/1405_duke.jpg";

// The 33 lines the game is given, as they must stand in the file.
const char kDefinitions[] = R"(model "highres/sprites/characters/duke/1405_duke.md3" {
   scale 1.6 shade 0 zadd 3
   skin { pal 0 surface 0 file "highres/sprites/pickups/0057_jetpack.png" }
   skin { pal 0 surface 1 file "highres/sprites/characters/duke/1405_duke.jpg" }
   skin { pal 0 surface 2 file "highres/sprites/pickups/0023_rpg.png" }
   // Idle
   anim { frame0 "idle0" frame1 "idle1" fps 6 flag 0 }
   frame { name "idle0" tile 3586 }
   // Jetpack
   anim { frame0 "jetpack0" frame1 "jetpack1" fps 8 flag 0 }
   frame { name "jetpack0" tile 3585 }
   // Run
   anim { frame0 "run0" frame1 "run1" fps 36 flag 0 }
   frame { name "run0" tile0 1425 tile1 1444 }
   // Jump
   anim { frame0 "jump0" frame1 "land" fps 7 flag 1 }
   frame { name "jump0" tile0 1455 tile1 1464 }
   frame { name "land" tile0 1465 tile1 1469 }
   // Swim
   anim { frame0 "swim0" frame1 "swim1" fps 20 flag 0 }
   frame { name "swim0" tile0 1780 tile1 1799 }
}
model "highres/sprites/characters/duke/1405_duke.md3" {
   scale 1.55 shade 0 zadd 41
   skin { pal 0 surface 0 file "highres/sprites/pickups/0057_jetpack.png" }
   skin { pal 0 surface 1 file "highres/sprites/characters/duke/1405_duke.jpg" }
   skin { pal 0 surface 2 file "highres/sprites/pickups/0023_rpg.png" }
   // Death
   anim { frame0 "die0" frame1 "die1" fps 25 flag 1 }
   frame { name "die0" tile0 3588 tile1 3592 }
   frame { name "dead" tile 3593 }
}
#include duke3d.def
)";

std::string ExpectedFile() {
  std::string text;
  for (const char* c = kDefinitions; *c; ++c)
    text += *c == '\n' ? std::string("\r\n") : std::string(1, *c);
  return text;
}

TEST(WriteModelDefinitions, WrittenOnlyWithModelAndSkin) {
  struct Case {
    bool md3, jpg;
    const char* result;
  } cases[] = {
      {false, false, ""},
      {true, false, ""},
      {false, true, ""},
      {true, true, " /hzebkin.def"},
  };
  for (const Case& c : cases) {
    TGameFolder folder{TGameFolder::WithGame};
    if (c.md3) folder.WriteGameFile(kMd3);
    if (c.jpg) folder.WriteGameFile(kJpg);
    TFormFixture f(folder);
    EXPECT_EQ(WriteModelDefinitions(*f.form), c.result) << c.md3 << c.jpg;
    EXPECT_EQ(folder.GameFileExists("zebkin.def"), c.md3 && c.jpg) << c.md3 << c.jpg;
  }
}

TEST(WriteModelDefinitions, ReplacesTheFileByteForByte) {
  TGameFolder folder;
  folder.WriteGameFile("Duke3D.exe");  // either game will be given the file
  folder.WriteGameFile(kMd3);
  folder.WriteGameFile(kJpg);
  folder.WriteGameFile("zebkin.def", std::string(5000, 'x'));
  TFormFixture f(folder);
  EXPECT_EQ(WriteModelDefinitions(*f.form), " /hzebkin.def");
  const std::string written = folder.ReadGameFile("zebkin.def");
  EXPECT_EQ(written, ExpectedFile());
  size_t lineEnds = 0;
  for (size_t at = written.find("\r\n"); at != std::string::npos; at = written.find("\r\n", at + 2))
    ++lineEnds;
  EXPECT_EQ(lineEnds, 33u);
}

TEST(WriteModelDefinitions, UncreatableFileRaisesItsError) {
  TGameFolder folder{TGameFolder::WithGame};
  folder.WriteGameFile(kMd3);
  folder.WriteGameFile(kJpg);
  const std::string def = folder.GameDir() + "zebkin.def";
  ASSERT_TRUE(std::filesystem::create_directories(FsPath(def)));  // a folder in its place
  TFormFixture f(folder);
  try {
    WriteModelDefinitions(*f.form);
    ADD_FAILURE() << "no error";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file " + def);
  }
}

}  // namespace
}  // namespace zk::test
