#pragma once
// Shared pieces of the bot settings tests: the lines of a set at the designed defaults.

#include "platform/textfile.h"
#include "support/game_folder.h"

namespace zk::test {

// The set as the designed defaults store it.
inline TLines DefaultSettingsLines() {
  return {"10",  "200", "1",   "1",   "1",   "1",   "1",  "1",  "1",  "1",  "1",  "1",  "1",
          "125", "75",  "110", "150", "100", "130", "48", "1",  "10", "48", "1",  "10", "48",
          "1",   "10",  "48",  "1",   "10",  "48",  "1",  "10", "64", "1",  "48", "1",  "10"};
}

}  // namespace zk::test
