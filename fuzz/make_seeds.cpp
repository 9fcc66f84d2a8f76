// Writes the seed corpus of one fuzzing target into a folder:  zk_fuzz_seeds groupfile|map DIR
#include <cstdio>
#include <string>

#include "seeds.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: zk_fuzz_seeds groupfile|map DIR\n");
    return 2;
  }
  const std::string target = argv[1];
  const zk::fuzz::TSeeds seeds =
      target == "map" ? zk::fuzz::MapSeeds() : zk::fuzz::GroupFileSeeds();
  for (const auto& [name, bytes] : seeds) {
    if (!zk::test::WriteBytes(std::string(argv[2]) + "/seed-" + name, bytes)) return 1;
  }
  return 0;
}
