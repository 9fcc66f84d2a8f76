// Writes the seed corpus of one fuzzing target into a folder:
//   zk_fuzz_seeds groupfile|map|settings|substitution DIR
#include <cstdio>
#include <string>

#include "seeds.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: zk_fuzz_seeds groupfile|map|settings|substitution DIR\n");
    return 2;
  }
  const std::string target = argv[1];
  zk::fuzz::TSeeds seeds;
  if (target == "groupfile")
    seeds = zk::fuzz::GroupFileSeeds();
  else if (target == "map")
    seeds = zk::fuzz::MapSeeds();
  else if (target == "settings")
    seeds = zk::fuzz::SettingsSeeds();
  else if (target == "substitution")
    seeds = zk::fuzz::SubstitutionSeeds();
  else
    return 2;
  for (const auto& [name, bytes] : seeds) {
    if (!zk::test::WriteBytes(std::string(argv[2]) + "/seed-" + name, bytes)) return 1;
  }
  return 0;
}
