// The demo Duke3D.grp: a small version 7 map for every level the window offers, each with
// player starts for the bots, monsters and spawners for "No monsters", and other sprites.

#include <cctype>
#include <cstdio>
#include <string>

#include "demo/demo_parts.h"
#include "gamedata/sprites.h"
#include "support/gamedata_builders.h"

namespace zk::demo {

namespace {

using namespace zk::test;

constexpr int kLevels[] = {6, 11, 11, 11};  // per episode, as the level pickers list them

std::string DemoLevel(int episode, int level) {
  const int size = 2048 + 512 * level;
  MapBuilder map;
  map.Start(256, 256, 0, 512, 0).Room(0, 0, size, size);
  // Eight starts the bots may take, two that they must leave (lotag 1).
  for (int i = 0; i < 10; ++i) {
    map.AddSprite(PlayerStart(256 + 160 * i, 256 + 96 * (i % 3),
                              static_cast<std::uint16_t>(256 * i), i % 5 == 4 ? 1 : 0));
  }
  for (int i = 0; i < 4; ++i) {
    const auto monster =
        static_cast<std::int16_t>(MonsterTiles[(episode * 7 + level * 3 + i) % kMonsterTileCount]);
    map.AddSprite(Monster(monster, size - 300 - 200 * i, size - 400));
  }
  map.AddSprite(
      Spawner(static_cast<std::int16_t>(MonsterTiles[level % kMonsterTileCount]), 600, size - 600));
  map.AddSprite(Spawner(static_cast<std::int16_t>(MonsterTiles[(level + 11) % kMonsterTileCount]),
                        900, size - 600));
  map.AddSprite(Spawner(kPlayerStartTile, 1200, size - 600));  // spawns no monster: it stays
  for (const std::int16_t item : {21, 22, 23, 40, 51, 52}) {
    map.AddSprite(Tile(item, 400 + 3 * item * level, 1024));
  }
  return map.Bytes();
}

// Levels of episodes 1 and 3 are stored in upper case, as older archives have them.
std::string EntryName(int episode, int level) {
  std::string name = "e" + std::to_string(episode) + "l" + std::to_string(level) + ".map";
  if (episode % 2 == 1) {
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return name;
}

}  // namespace

void WriteDemoGameArchive(const std::string& gameDir) {
  GrpBuilder archive;
  archive.Signature("ZEBKINDEMO01")
      .Add("DEMO.TXT", "Demo levels for trying the Zeb-Kin launcher.\n");
  for (int episode = 1; episode <= 4; ++episode) {
    for (int level = 1; level <= kLevels[episode - 1]; ++level) {
      archive.Add(EntryName(episode, level), DemoLevel(episode, level));
    }
  }
  const std::string path = gameDir + "Duke3D.grp";
  if (!WriteBytes(path, archive.Bytes())) {
    std::fprintf(stderr, "zk-demo: cannot write %s\n", path.c_str());
  }
}

}  // namespace zk::demo
