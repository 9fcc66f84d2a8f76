// Replays the settings file reader's fuzzing seeds and kept corpus through its entry point.

#include "../fuzz/fuzz_settings.h"
#include "../fuzz/replay.h"

namespace zk::test {
namespace {

TEST(FuzzReplay, SettingsCorpus) {
  EXPECT_GE(fuzz::Replay(fuzz::FuzzSettingsFile, fuzz::SettingsSeeds(), "settings"), 5);
}

}  // namespace
}  // namespace zk::test
