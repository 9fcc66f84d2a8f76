#pragma once
// The seed inputs of the fuzzing targets, made by the fixture writers of the tests.

#include <string>
#include <utility>
#include <vector>

#include "support/gamedata_builders.h"

namespace zk::fuzz {

using TSeeds = std::vector<std::pair<std::string, std::string>>;  // name, bytes

inline std::string SeedMap() {
  using namespace zk::test;
  return MapBuilder()
      .Start(128, 128, 0, 512, 0)
      .Room(0, 0, 1024, 1024)
      .AddSprite(PlayerStart(100, 100))
      .AddSprite(PlayerStart(200, 100, 0, 1))
      .AddSprite(PlayerStart(300, 100, 1024))
      .AddSprite(Monster(1680, 400, 400))
      .AddSprite(Spawner(2000, 500, 500))
      .AddSprite(Tile(40, 600, 600))
      .Bytes();
}

inline TSeeds GroupFileSeeds() {
  using namespace zk::test;
  return {
      {"empty", GrpBuilder().Bytes()},
      {"levels", GrpBuilder().Add("E1L1.MAP", SeedMap()).Add("e1l2.map", "x").Bytes()},
      {"twelve", GrpBuilder().Add("ABCDEFGHIJKL", "12").Add("abcdefghijkl", "dup").Bytes()},
      {"sizes", GrpBuilder().Add("zero", "").Add("block", std::string(65537, 'b')).Bytes()},
      {"past-end", GrpBuilder().AddSized("E1L1.MAP", 100, "short").Bytes()},
      {"last-past-end", GrpBuilder().Add("E1L1.MAP", "intact").AddSized("x", 9, "cut").Bytes()},
      {"negative", GrpBuilder().Add("a", "12").AddSized("b", -20, "").Add("a", "34").Bytes()},
  };
}

inline TSeeds MapSeeds() {
  using namespace zk::test;
  return {
      {"room", SeedMap()},
      {"no-sprites", MapBuilder().Room(0, 0, 64, 64).Bytes()},
      {"version-6", MapBuilder().Version(6).Bytes()},
      {"trailing", MapBuilder().AddSprite(PlayerStart(1, 1)).Trailing("tail").Bytes()},
      {"count-65535", MapBuilder().AddSprite(Tile(1)).SpriteCountField(0xFFFF).Bytes()},
  };
}

}  // namespace zk::fuzz
