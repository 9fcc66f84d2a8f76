// libFuzzer target: the map reader with an edit and a save.
#include "fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return zk::fuzz::FuzzMap(data, size);
}
