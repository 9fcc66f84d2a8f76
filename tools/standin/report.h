#pragma once
// What the stand-in game shows the player: what the launcher handed it. Shared by the window
// and the text-only build.

#include <string>
#include <vector>

namespace zk::standin {

// Lines (UTF-8) describing this run: the command line, the working directory, the map's sprite
// counts, the first lines of the game script and the other files named. arguments include
// argv[0].
std::vector<std::string> DescribeRun(const std::vector<std::string>& arguments);

}  // namespace zk::standin
