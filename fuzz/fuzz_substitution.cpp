// libFuzzer target: the template substitution.
#include "fuzz_substitution.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return zk::fuzz::FuzzSubstitution(data, size);
}
