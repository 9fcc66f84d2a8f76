#pragma once
// The sprite edits of map preparation: bot sprites at the player starts, and the removal of
// monsters and of the spawners that make them.

#include <cstdint>
#include <string>

#include "gamedata/mapfile.h"

namespace zk {

inline constexpr std::int16_t kPlayerStartTile = 1405;
inline constexpr std::int16_t kBotTile = 3586;
inline constexpr std::int16_t kSpawnerTile = 9;
// The engine refuses a version 7 map with more sprites than this.
inline constexpr int kMaxSprites = 4096;

// The monsters' tile numbers, ascending and without repeats (IsInSortedTable relies on it).
inline constexpr int kMonsterTileCount = 33;
extern const std::int32_t MonsterTiles[kMonsterTileCount];

// Whether value is one of the first count entries of an ascending table without repeats.
bool IsInSortedTable(const std::int32_t* table, int count, std::int32_t value);

// Removes every sprite whose picnum is in the table. Each removal moves the last sprite into
// the freed slot, so the order of the others changes.
void RemoveSpritesByPicnum(TMap& map, int count, const std::int32_t* table);

// Removes every sprite of tile picnum whose hitag (what it spawns) is in the table.
void RemoveSpawnersByHitag(TMap& map, int count, std::int32_t picnum, const std::int32_t* table);

// A bot sprite standing where the player start stands, facing the same way.
TSprite MakeBotSprite(const TSprite& start);

// Appends one bot sprite for each player start with lotag 0, from the last start backwards,
// until botCount bots are placed or the map, less the leaving sprites that a later step removes,
// holds kMaxSprites sprites. Returns the number added.
int AddBotSprites(TMap& map, int botCount, int leaving = 0);

// The number of monsters and monster spawners in the map: what RemoveMonsters takes out.
int CountMonsters(const TMap& map);

// Removes the monsters and their spawners.
void RemoveMonsters(TMap& map);

// Loads the map at path, adds the bots, removes the monsters when asked and saves it back.
// False when the map cannot be read (also when its version is not 7; the file is then left
// as it was) or cannot be written.
bool EditMapFile(const std::string& path, int botCount, bool removeMonsters);

}  // namespace zk
