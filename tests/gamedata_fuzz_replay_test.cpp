// Replays the fuzzing seeds and the kept corpus through the fuzzing entry points, so that every
// build checks what the fuzzers found.

#include <gtest/gtest.h>

#include <filesystem>

#include "../fuzz/fuzz_entries.h"
#include "../fuzz/seeds.h"

namespace zk::test {
namespace {

using TEntryPoint = int (*)(const std::uint8_t*, std::size_t);

int Run(TEntryPoint entry, const std::string& bytes) {
  return entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// Returns the number of inputs replayed.
int Replay(TEntryPoint entry, const fuzz::TSeeds& seeds, const char* corpus) {
  int count = 0;
  for (const auto& [name, bytes] : seeds) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Run(entry, bytes), 0);
    ++count;
  }
  const std::filesystem::path kept = std::filesystem::path(ZK_SOURCE_DIR) / "fuzz/corpus" / corpus;
  if (std::filesystem::is_directory(kept)) {
    for (const auto& file : std::filesystem::directory_iterator(kept)) {
      SCOPED_TRACE(file.path().string());
      EXPECT_EQ(Run(entry, ReadBytes(file.path().string())), 0);
      ++count;
    }
  }
  return count;
}

TEST(FuzzReplay, GroupFileCorpus) {
  EXPECT_GE(Replay(fuzz::FuzzGroupFile, fuzz::GroupFileSeeds(), "groupfile"), 5);
}

TEST(FuzzReplay, MapCorpus) {
  EXPECT_GE(Replay(fuzz::FuzzMap, fuzz::MapSeeds(), "map"), 5);
}

}  // namespace
}  // namespace zk::test
