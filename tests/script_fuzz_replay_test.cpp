// Replays the template substitution's fuzzing seeds and kept corpus through its entry point.

#include "../fuzz/fuzz_substitution.h"
#include "../fuzz/replay.h"

namespace zk::test {
namespace {

TEST(FuzzReplay, SubstitutionCorpus) {
  EXPECT_GE(fuzz::Replay(fuzz::FuzzSubstitution, fuzz::SubstitutionSeeds(), "substitution"), 5);
}

}  // namespace
}  // namespace zk::test
