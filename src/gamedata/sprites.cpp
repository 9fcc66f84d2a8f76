#include "gamedata/sprites.h"

#include <algorithm>

namespace zk {

const std::int32_t MonsterTiles[kMonsterTileCount] = {
    675,  1550, 1680, 1682, 1715, 1725, 1741, 1744, 1820, 1821, 1880,
    1915, 1920, 1921, 1960, 1975, 2000, 2001, 2045, 2120, 2121, 2150,
    2165, 2190, 2350, 2360, 2370, 2630, 2631, 2710, 2760, 4610, 4740};

namespace {

bool IsMonster(const TSprite& s) {
  return IsInSortedTable(MonsterTiles, kMonsterTileCount, s.picnum);
}

bool IsMonsterSpawner(const TSprite& s) {
  return s.picnum == kSpawnerTile && IsInSortedTable(MonsterTiles, kMonsterTileCount, s.hitag);
}

// Removes in place every sprite for which the test holds, filling each gap with the last one.
template <typename Test>
void RemoveSprites(TMap& map, Test removes) {
  std::int16_t i = 0;
  while (i < map.SpriteCount) {
    if (removes(map.Sprites[i])) {
      --map.SpriteCount;
      map.Sprites[i] = map.Sprites[map.SpriteCount];
    } else {
      ++i;
    }
  }
}

}  // namespace

bool IsInSortedTable(const std::int32_t* table, int count, std::int32_t value) {
  if (count <= 0) return false;
  int lo = 0;
  int hi = count - 1;
  int step = count / 2;
  while (step > 0) {
    const std::int32_t entry = table[lo + step];
    if (entry == value) return true;
    if (entry < value) {
      lo += step;
    } else {
      hi = lo + step;
    }
    step = (hi - lo) / 2;
  }
  return value == table[hi] || value == table[0];
}

void RemoveSpritesByPicnum(TMap& map, int count, const std::int32_t* table) {
  RemoveSprites(map, [&](const TSprite& s) { return IsInSortedTable(table, count, s.picnum); });
}

void RemoveSpawnersByHitag(TMap& map, int count, std::int32_t picnum, const std::int32_t* table) {
  RemoveSprites(map, [&](const TSprite& s) {
    return s.picnum == picnum && IsInSortedTable(table, count, s.hitag);
  });
}

TSprite MakeBotSprite(const TSprite& start) {
  TSprite bot;
  bot.x = start.x;
  bot.y = start.y;
  bot.z = start.z;
  bot.cstat = 257;
  bot.picnum = kBotTile;
  bot.clipdist = 32;
  bot.xrepeat = 42;
  bot.yrepeat = 36;
  bot.sectnum = start.sectnum;
  bot.statnum = 1;
  bot.ang = start.ang;
  bot.owner = -1;
  bot.extra = -1;
  return bot;
}

int AddBotSprites(TMap& map, int botCount, int leaving) {
  const int room = std::max(0, kMaxSprites - (map.SpriteCount - leaving));
  const int wanted = std::min(std::max(botCount, 0), room);
  const auto original = static_cast<std::size_t>(map.SpriteCount);
  map.Sprites.resize(original);
  map.Sprites.reserve(original + static_cast<std::size_t>(wanted));
  int added = 0;
  for (std::size_t i = original; i-- > 0 && added < wanted;) {
    const TSprite start = map.Sprites[i];
    if (start.picnum == kPlayerStartTile && start.lotag == 0) {
      map.Sprites.push_back(MakeBotSprite(start));
      ++added;
    }
  }
  map.SpriteCount = static_cast<std::int16_t>(map.SpriteCount + added);
  return added;
}

int CountMonsters(const TMap& map) {
  const auto begin = map.Sprites.begin();
  const auto end = begin + map.SpriteCount;
  return static_cast<int>(std::count_if(
      begin, end, [](const TSprite& s) { return IsMonster(s) || IsMonsterSpawner(s); }));
}

void RemoveMonsters(TMap& map) {
  RemoveSpritesByPicnum(map, kMonsterTileCount, MonsterTiles);
  RemoveSpawnersByHitag(map, kMonsterTileCount, kSpawnerTile, MonsterTiles);
}

bool EditMapFile(const std::string& path, int botCount, bool removeMonsters) {
  TMap map;
  if (map.LoadFromFile(path, 0) != 0) return false;
  // The bots go in first and the monsters come out after (the order decides the saved sprite
  // order), but the sprite limit is for the map as saved.
  AddBotSprites(map, botCount, removeMonsters ? CountMonsters(map) : 0);
  if (removeMonsters) RemoveMonsters(map);
  return map.SaveToFile(path) == 0;
}

}  // namespace zk
