// libFuzzer target: the archive reader with an extraction.
#include "fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return zk::fuzz::FuzzGroupFile(data, size);
}
