// The map file of version 7: a byte-for-byte round trip, the sprite fields where the file has
// them, other versions, and files that end before their counted records.

#include <gtest/gtest.h>

#include <filesystem>

#include "gamedata/mapfile.h"
#include "support/files.h"
#include "support/gamedata_builders.h"

namespace zk::test {
namespace {

std::string Bytes(std::size_t size, unsigned seed) {
  std::string b(size, '\0');
  for (std::size_t i = 0; i < size; ++i) b[i] = static_cast<char>(i * 37 + seed);
  return b;
}

// A sprite whose every field differs from its neighbours and uses its high byte or sign.
SpriteSpec Distinct() {
  SpriteSpec s;
  s.x = -123456, s.y = 0x01020304, s.z = -7;
  s.cstat = 0x8101, s.picnum = -2, s.shade = -3, s.pal = 0x81, s.clipdist = 0x82;
  s.filler = 0x83, s.xrepeat = 0x84, s.yrepeat = 0x85, s.xoffset = -6, s.yoffset = 0x7F;
  s.sectnum = 0xA001, s.statnum = 0xA002, s.ang = 0xA003, s.owner = -4, s.xvel = 0xA005;
  s.yvel = 0xA006, s.zvel = 0xA007, s.lotag = 0xA008, s.hitag = -9, s.extra = -10;
  return s;
}

class MapFileTest : public ::testing::Test, protected TTempFolder {};

TEST_F(MapFileTest, RoundTripKeepsEveryByteUpToTheLastSprite) {
  MapBuilder builder = MapBuilder()
                           .Start(-1, 2, -3, 0xFFFE, 0x8001)
                           .Room(0, 0, 512, 512)
                           .AddSector(Bytes(40, 200))
                           .AddWall(Bytes(32, 100))
                           .AddSprite(Distinct())
                           .AddSprite(PlayerStart(5, 6, 512));
  const std::string map = builder.Bytes();
  const std::string path = Write("round.map", builder.Trailing("bytes after the sprites").Bytes());
  TMap loaded;
  ASSERT_EQ(loaded.LoadFromFile(path, 0), 0);
  ASSERT_EQ(loaded.SaveToFile(Path("saved.map")), 0);
  EXPECT_EQ(ReadBytes(Path("saved.map")), map);
  EXPECT_EQ(loaded.SectorCount, 2);
  EXPECT_EQ(loaded.WallCount, 5);
  EXPECT_EQ(loaded.StartAngle, 0xFFFE);
}

TEST_F(MapFileTest, SpriteFieldsComeFromTheirOffsets) {
  const SpriteSpec e = Distinct();
  TMap map;
  ASSERT_EQ(map.LoadFromFile(Write("one.map", MapBuilder().AddSprite(e).Bytes()), 0), 0);
  ASSERT_EQ(map.SpriteCount, 1);
  const TSprite& s = map.Sprites[0];
  EXPECT_EQ(s.x, e.x);
  EXPECT_EQ(s.y, e.y);
  EXPECT_EQ(s.z, e.z);
  EXPECT_EQ(s.cstat, e.cstat);
  EXPECT_EQ(s.picnum, e.picnum);
  EXPECT_EQ(s.shade, e.shade);
  EXPECT_EQ(s.pal, e.pal);
  EXPECT_EQ(s.clipdist, e.clipdist);
  EXPECT_EQ(s.filler, e.filler);
  EXPECT_EQ(s.xrepeat, e.xrepeat);
  EXPECT_EQ(s.yrepeat, e.yrepeat);
  EXPECT_EQ(s.xoffset, e.xoffset);
  EXPECT_EQ(s.yoffset, e.yoffset);
  EXPECT_EQ(s.sectnum, e.sectnum);
  EXPECT_EQ(s.statnum, e.statnum);
  EXPECT_EQ(s.ang, e.ang);
  EXPECT_EQ(s.owner, e.owner);
  EXPECT_EQ(s.xvel, e.xvel);
  EXPECT_EQ(s.yvel, e.yvel);
  EXPECT_EQ(s.zvel, e.zvel);
  EXPECT_EQ(s.lotag, e.lotag);
  EXPECT_EQ(s.hitag, e.hitag);
  EXPECT_EQ(s.extra, e.extra);
}

TEST_F(MapFileTest, MapWithoutSpritesLoadsFromAnOffsetAndSaves) {
  const std::string map = MapBuilder().Room(0, 0, 64, 64).Bytes();
  TMap loaded;
  ASSERT_EQ(loaded.LoadFromFile(Write("inside.bin", Bytes(100, 1) + map), 100), 0);
  EXPECT_EQ(loaded.SpriteCount, 0);
  ASSERT_EQ(loaded.SaveToFile(Path("saved.map")), 0);
  EXPECT_EQ(ReadBytes(Path("saved.map")), map);
}

TEST_F(MapFileTest, OtherVersionsAreRefusedAfterTheVersionField) {
  for (const std::int32_t version : {6, 8}) {
    SCOPED_TRACE(version);
    TMap map;
    const std::string path =
        Write("other.map",
              MapBuilder().Version(version).Room(0, 0, 8, 8).AddSprite(PlayerStart(1, 1)).Bytes());
    EXPECT_EQ(map.LoadFromFile(path, 0), 1);
    EXPECT_EQ(map.Version, version);
    EXPECT_TRUE(map.Sectors.empty() && map.Walls.empty() && map.Sprites.empty());
  }
}

TEST_F(MapFileTest, SavingReplacesALongerFileOrLeavesItWhenItFails) {
  TMap map;
  ASSERT_EQ(map.LoadFromFile(Write("small.map", MapBuilder().AddSprite(Tile(1)).Bytes()), 0), 0);
  const std::string target = Write("target.map", Bytes(100000, 5));
  ASSERT_EQ(map.SaveToFile(target), 0);
  EXPECT_EQ(ReadBytes(target), MapBuilder().AddSprite(Tile(1)).Bytes());
  EXPECT_FALSE(std::filesystem::exists(target + ".part"));

  // The new file cannot be made beside the old one: the old one must survive whole.
  const std::string kept = Write("kept.map", Bytes(5000, 6));
  std::filesystem::create_directory(kept + ".part");
  EXPECT_EQ(map.SaveToFile(kept), 2);
  EXPECT_EQ(ReadBytes(kept), Bytes(5000, 6));
  EXPECT_EQ(map.SaveToFile(Path("no such folder/x.map")), 2);
}

struct BrokenMap {
  const char* what;
  std::string bytes;
};

TEST_F(MapFileTest, FilesEndingBeforeTheirRecordsOrWithNegativeCountsFail) {
  const MapBuilder three =
      MapBuilder().Room(0, 0, 8, 8).AddSprite(Tile(1)).AddSprite(Tile(2)).AddSprite(Tile(3));
  const std::string good = three.Bytes();
  const std::size_t wallCountAt = 22 + 40;
  const std::size_t spriteCountAt = wallCountAt + 2 + 4 * 32;
  auto patched = [&](std::size_t at, std::uint16_t value) {
    std::string b = good;
    b[at] = static_cast<char>(value & 0xFF), b[at + 1] = static_cast<char>(value >> 8);
    return b;
  };
  const BrokenMap cases[] = {
      {"empty file", ""},
      {"version cut short", good.substr(0, 3)},
      {"version only", good.substr(0, 4)},
      {"header cut short", good.substr(0, 21)},
      {"sector count 0x8000", patched(20, 0x8000)},
      {"sector records cut short", good.substr(0, 22 + 39)},
      {"wall count missing", good.substr(0, wallCountAt + 1)},
      {"wall count 65535", patched(wallCountAt, 0xFFFF)},
      {"wall records cut short", good.substr(0, spriteCountAt - 1)},
      {"sprite count missing", good.substr(0, spriteCountAt + 1)},
      {"sprite count 65535", patched(spriteCountAt, 0xFFFF)},
      {"sprite count beyond the records", patched(spriteCountAt, 4)},
      {"last sprite cut in half", good.substr(0, good.size() - 22)},
  };
  for (const BrokenMap& c : cases) {
    SCOPED_TRACE(c.what);
    TMap map;
    EXPECT_EQ(map.LoadFromFile(Write("broken.map", c.bytes), 0), 2);
  }
  TMap map;
  EXPECT_EQ(map.LoadFromFile(Path("no such.map"), 0), 2);
  EXPECT_EQ(map.LoadFromFile(Write("good.map", good), static_cast<std::int64_t>(good.size())), 2);
  EXPECT_EQ(map.LoadFromFile(Write("good.map", good), -1), 2);
}

}  // namespace
}  // namespace zk::test
