// The sprite edits: bot sprites at the player starts within the engine's sprite limit, and the
// removal of monsters and their spawners.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "gamedata/sprites.h"
#include "support/gamedata_builders.h"

namespace zk::test {
namespace {

TMap MapOf(const std::vector<SpriteSpec>& sprites) {
  std::string bytes;
  for (const SpriteSpec& s : sprites) bytes += EncodeSprite(s);
  TMap map;
  map.Version = 7;
  map.SpriteCount = static_cast<std::int16_t>(sprites.size());
  for (std::size_t i = 0; i < sprites.size(); ++i) {
    map.Sprites.push_back(
        TSprite::Read(reinterpret_cast<const unsigned char*>(bytes.data()) + 44 * i));
  }
  return map;
}

std::vector<std::int16_t> Picnums(const TMap& map) {
  std::vector<std::int16_t> out;
  for (int i = 0; i < map.SpriteCount; ++i) out.push_back(map.Sprites[i].picnum);
  return out;
}

TEST(SortedTable, FindsEveryMonsterTileAndNothingElse) {
  const std::int32_t* begin = MonsterTiles;
  const std::int32_t* end = MonsterTiles + kMonsterTileCount;
  ASSERT_TRUE(std::is_sorted(begin, end));
  for (std::int32_t v = -40000; v <= 40000; ++v) {
    ASSERT_EQ(IsInSortedTable(MonsterTiles, kMonsterTileCount, v),
              std::binary_search(begin, end, v))
        << v;
  }
  const std::int32_t small[] = {3, 9};
  EXPECT_TRUE(IsInSortedTable(small, 1, 3));
  EXPECT_FALSE(IsInSortedTable(small, 1, 9));
  EXPECT_TRUE(IsInSortedTable(small, 2, 9));
  EXPECT_FALSE(IsInSortedTable(small, 0, 3));
}

TEST(BotSprites, EveryByteOfTheBotRecord) {
  SpriteSpec start = PlayerStart(-100, 200, 1536);
  start.z = -4096, start.sectnum = 12, start.cstat = 7, start.pal = 3, start.extra = 5;
  SpriteSpec expected;
  expected.x = -100, expected.y = 200, expected.z = -4096, expected.cstat = 257;
  expected.picnum = 3586, expected.clipdist = 32, expected.xrepeat = 42, expected.yrepeat = 36;
  expected.sectnum = 12, expected.statnum = 1, expected.ang = 1536, expected.owner = -1;
  expected.extra = -1;
  unsigned char bytes[44];
  MakeBotSprite(MapOf({start}).Sprites[0]).Write(bytes);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), 44), EncodeSprite(expected));
}

struct BotCase {
  const char* what;
  std::vector<SpriteSpec> sprites;
  int botCount;
  std::vector<std::int32_t> botXs;  // the x of each bot, in the order they were appended
};

TEST(BotSprites, TakeTheLastFreeStartsFromTheEnd) {
  std::vector<SpriteSpec> eight;
  for (int i = 1; i <= 8; ++i) eight.push_back(PlayerStart(i, 0));
  const BotCase cases[] = {
      {"eight starts, three bots", eight, 3, {8, 7, 6}},
      {"two starts, five bots", {PlayerStart(1, 0), Tile(1), PlayerStart(2, 0)}, 5, {2, 1}},
      {"starts with lotag 1 are skipped",
       {PlayerStart(1, 0), PlayerStart(2, 0, 0, 1), Tile(1405, 3), PlayerStart(4, 0, 0, 1)},
       7,
       {3, 1}},
      {"only lotag 1 starts", {PlayerStart(1, 0, 0, 1)}, 3, {}},
      {"no bots", eight, 0, {}},
  };
  for (const BotCase& c : cases) {
    SCOPED_TRACE(c.what);
    TMap map = MapOf(c.sprites);
    const int before = map.SpriteCount;
    EXPECT_EQ(AddBotSprites(map, c.botCount), static_cast<int>(c.botXs.size()));
    ASSERT_EQ(map.SpriteCount, before + static_cast<int>(c.botXs.size()));
    for (std::size_t k = 0; k < c.botXs.size(); ++k) {
      const TSprite& bot = map.Sprites[before + k];
      EXPECT_EQ(bot.picnum, kBotTile);
      EXPECT_EQ(bot.x, c.botXs[k]);
    }
    EXPECT_EQ(map.Sprites[0].x, c.sprites[0].x);  // the starts stay
  }
}

TEST(BotSprites, NeverPassTheEnginesSpriteLimit) {
  const struct {
    int sprites;
    int added;
  } cases[] = {{4094, 2}, {4095, 1}, {4096, 0}, {5000, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sprites);
    TMap map = MapOf(std::vector<SpriteSpec>(c.sprites, PlayerStart(1, 1)));
    EXPECT_EQ(AddBotSprites(map, 7), c.added);
    EXPECT_EQ(map.SpriteCount, c.sprites + c.added);
  }
}

TEST(MonsterRemoval, RemovesMonstersAndTheirSpawnersOnly) {
  TMap map = MapOf({Monster(675), PlayerStart(1, 1), Monster(4740), Spawner(1680), Spawner(1405),
                    Tile(1681), Tile(3586), Monster(2000), Monster(1920)});
  RemoveMonsters(map);
  // Each removal moves the last sprite into the freed slot.
  EXPECT_EQ(Picnums(map), (std::vector<std::int16_t>{3586, 1405, 1681, 9}));
  EXPECT_EQ(map.Sprites[3].hitag, 1405);

  TMap onlyMonsters = MapOf({Monster(1680), Monster(1680)});
  RemoveSpritesByPicnum(onlyMonsters, kMonsterTileCount, MonsterTiles);
  EXPECT_EQ(onlyMonsters.SpriteCount, 0);
}

class EditMapFileTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& bytes) { return temp_.Write("Zeb-Kin.map", bytes); }
  TTempFolder temp_;
};

TEST_F(EditMapFileTest, AddsBotsAndRemovesMonstersOnlyWhenAsked) {
  const std::string map =
      MapBuilder().Room(0, 0, 64, 64).AddSprite(PlayerStart(1, 1)).AddSprite(Monster(1680)).Bytes();
  for (const bool removeMonsters : {true, false}) {
    SCOPED_TRACE(removeMonsters);
    const std::string path = Write(map);
    ASSERT_TRUE(EditMapFile(path, 2, removeMonsters));
    TMap edited;
    ASSERT_EQ(edited.LoadFromFile(path, 0), 0);
    const std::vector<std::int16_t> withMonsters{1405, 1680, 3586};
    const std::vector<std::int16_t> without{1405, 3586};
    EXPECT_EQ(Picnums(edited), removeMonsters ? without : withMonsters);
  }
}

// The engine's limit holds for the map as saved: the monsters that go make room for bots.
TEST_F(EditMapFileTest, SpriteLimitCountsTheSpritesThatRemain) {
  MapBuilder full;
  full.Room(0, 0, 64, 64);
  for (int i = 0; i < 3; ++i) full.AddSprite(PlayerStart(i, i));
  for (int i = 0; i < 7; ++i) full.AddSprite(Monster(2000));
  for (int i = 0; i < 3; ++i) full.AddSprite(Spawner(1680));
  for (int i = 13; i < 4095; ++i) full.AddSprite(Tile(1));
  const std::string map = full.Bytes();
  const struct {
    bool removeMonsters;
    int bots, saved;
  } cases[] = {{true, 3, 4095 + 3 - 10}, {false, 1, 4096}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.removeMonsters);
    const std::string path = Write(map);
    ASSERT_TRUE(EditMapFile(path, 3, c.removeMonsters));
    TMap edited;
    ASSERT_EQ(edited.LoadFromFile(path, 0), 0);
    EXPECT_EQ(edited.SpriteCount, c.saved);
    const std::vector<std::int16_t> picnums = Picnums(edited);
    EXPECT_EQ(std::count(picnums.begin(), picnums.end(), kBotTile), c.bots);
  }
}

TEST_F(EditMapFileTest, LeavesAMapItCannotReadAsItWas) {
  for (const std::string& bytes :
       {MapBuilder().Version(6).AddSprite(PlayerStart(1, 1)).Bytes(), std::string("junk")}) {
    const std::string path = Write(bytes);
    EXPECT_FALSE(EditMapFile(path, 3, true));
    EXPECT_EQ(ReadBytes(path), bytes);
  }
}

}  // namespace
}  // namespace zk::test
