// Map preparation from the window: which map becomes GameDir + "Zeb-Kin.map", the messages of a
// user map, and the edit under each monster choice.

#include <gtest/gtest.h>

#include "gamedata/mapfile.h"
#include "gamedata/mapprep.h"
#include "support/game_folder.h"
#include "support/gamedata_builders.h"

namespace zk::test {
namespace {

class MapPrepTest : public ::testing::Test {
 protected:
  MapPrepTest() : fixture_(std::make_unique<TFormFixture>(folder_)) {}
  TForm1& Form() { return *fixture_->form; }
  std::string GamePath(const std::string& name) { return folder_.GameDir() + name; }
  std::string WorkingMap() { return ReadBytes(GamePath("Zeb-Kin.map")); }
  void ChooseLevel(int episodeIndex, int levelIndex) {
    Form().ComboBox3->SetItemIndex(episodeIndex);
    Form().ComboBox3Change(Form().ComboBox3);  // fills the level list of the episode
    Form().ComboBox4->SetItemIndex(levelIndex);
    Form().RadioButton2->SetChecked(true);
  }
  void ChooseUserMap(const std::string& path) {
    Form().Edit1->SetText(path);
    Form().RadioButton1->SetChecked(true);
  }
  std::vector<std::string> Messages() const { return fixture_->dialogs.Messages(); }

  TGameFolder folder_{TGameFolder::WithGame};
  std::unique_ptr<TFormFixture> fixture_;
};

TEST_F(MapPrepTest, GameLevelIsExtractedByItsEpisodeAndLevelNumbers) {
  folder_.WriteGameFile("Duke3D.grp", (GrpBuilder()
                                           .Add("E1L1.MAP", "level 1 of episode 1")
                                           .Add("E3L1.MAP", "level 1 of episode 3")
                                           .Add("e2l10.map", "level 10 of episode 2")
                                           .Bytes()));
  const struct {
    int episode, level;
    const char* expected;
  } cases[] = {{2, 0, "level 1 of episode 3"}, {1, 9, "level 10 of episode 2"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    ChooseLevel(c.episode, c.level);
    ASSERT_TRUE(AcquireMap(Form()));
    EXPECT_EQ(WorkingMap(), c.expected);
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MapPrepTest, GameLevelThatCannotBeExtractedFailsSilentlyAndKeepsTheOldMap) {
  folder_.WriteGameFile("Zeb-Kin.map", "from an earlier run");
  ChooseLevel(3, 10);
  EXPECT_FALSE(AcquireMap(Form()));  // no archive
  folder_.WriteGameFile("Duke3D.grp", (GrpBuilder().Add("e1l1.map", "x").Bytes()));
  EXPECT_FALSE(AcquireMap(Form()));  // no such entry
  EXPECT_EQ(WorkingMap(), "from an earlier run");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MapPrepTest, UserMapIsCopiedUnchangedOrItsFailureIsShown) {
  folder_.WriteGameFile("Zeb-Kin.map", "untouched");
  ChooseUserMap("");
  EXPECT_FALSE(AcquireMap(Form()));
  EXPECT_EQ(WorkingMap(), "untouched");

  ChooseUserMap(folder_.GameDir() + "missing.map");
  EXPECT_FALSE(AcquireMap(Form()));
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "|No map selected",
                            "map modifying failed. Sorry :-(|couldn't create the modified map "
                            "file. Are\nyou running this program from a ROM drive?"}));
  for (const TShownDialog& shown : fixture_->dialogs.shown) {
    EXPECT_EQ(shown.icon, TMsgIcon::None);
    EXPECT_EQ(shown.buttons, TMsgButtons::Ok);
  }

  // A map of version 6 is copied as it is; only the edit finds out, and leaves it alone.
  const std::string version6 = MapBuilder().Version(6).AddSprite(PlayerStart(1, 1)).Bytes();
  folder_.WriteGameFile("maps/old one.map", version6);
  ChooseUserMap(folder_.GameDir() + "maps/old one.map");
  ASSERT_TRUE(AcquireMap(Form()));
  EXPECT_EQ(WorkingMap(), version6);
  EXPECT_FALSE(EditMap(Form(), folder_.GameDir() + "Zeb-Kin.map", 3));
  EXPECT_EQ(WorkingMap(), version6);
  EXPECT_EQ(Messages().size(), 2u);
}

TEST_F(MapPrepTest, EditRemovesMonstersOnlyUnderNoMonsters) {
  const std::string map = MapBuilder()
                              .Room(0, 0, 256, 256)
                              .AddSprite(PlayerStart(10, 10))
                              .AddSprite(PlayerStart(20, 20))
                              .AddSprite(Monster(2000))
                              .AddSprite(Spawner(1680))
                              .Bytes();
  const struct {
    int difficulty;
    int sprites;
  } cases[] = {{0, 2 + 1}, {-1, 2 + 1}, {1, 4 + 1}, {4, 4 + 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.difficulty);
    folder_.WriteGameFile("Zeb-Kin.map", map);
    Form().ComboBox2->SetItemIndex(c.difficulty);
    ASSERT_TRUE(EditMap(Form(), folder_.GameDir() + "Zeb-Kin.map", 1));
    TMap edited;
    ASSERT_EQ(edited.LoadFromFile(GamePath("Zeb-Kin.map"), 0), 0);
    EXPECT_EQ(edited.SpriteCount, c.sprites);
    EXPECT_EQ(edited.Sectors.size(), 1u);
  }
}

}  // namespace
}  // namespace zk::test
