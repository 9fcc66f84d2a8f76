// Replays the archive and map fuzzing seeds and the kept corpus through their entry points.

#include "../fuzz/fuzz_entries.h"
#include "../fuzz/replay.h"

namespace zk::test {
namespace {

TEST(FuzzReplay, GroupFileCorpus) {
  EXPECT_GE(fuzz::Replay(fuzz::FuzzGroupFile, fuzz::GroupFileSeeds(), "groupfile"), 5);
}

TEST(FuzzReplay, MapCorpus) {
  EXPECT_GE(fuzz::Replay(fuzz::FuzzMap, fuzz::MapSeeds(), "map"), 5);
}

}  // namespace
}  // namespace zk::test
