#pragma once
// Replays the seeds and the kept corpus of one fuzzing target through its entry point inside a
// normal test, so that every build checks what the fuzzers found.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "seeds.h"

namespace zk::fuzz {

using TEntryPoint = int (*)(const std::uint8_t*, std::size_t);

inline int RunInput(TEntryPoint entry, const std::string& bytes) {
  return entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// Returns the number of inputs replayed; corpus names the folder below fuzz/corpus.
inline int Replay(TEntryPoint entry, const TSeeds& seeds, const char* corpus) {
  int count = 0;
  for (const auto& [name, bytes] : seeds) {
    SCOPED_TRACE(name);
    EXPECT_EQ(RunInput(entry, bytes), 0);
    ++count;
  }
  const std::filesystem::path kept = std::filesystem::path(ZK_SOURCE_DIR) / "fuzz/corpus" / corpus;
  if (std::filesystem::is_directory(kept)) {
    for (const auto& file : std::filesystem::directory_iterator(kept)) {
      SCOPED_TRACE(file.path().string());
      EXPECT_EQ(RunInput(entry, zk::test::ReadBytes(file.path().string())), 0);
      ++count;
    }
  }
  return count;
}

}  // namespace zk::fuzz
