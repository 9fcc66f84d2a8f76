// libFuzzer target: the bot settings file reader, applied to the window and written back.
#include "fuzz_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return zk::fuzz::FuzzSettingsFile(data, size);
}
