#pragma once
// The demo's face of the stand-in: a window showing the report where a toolkit is built in,
// the report on standard output alone where none is.

#include <string>
#include <vector>

namespace zk::standin {

// Shows the lines until the player leaves the game; the program's exit code.
int ShowRun(int argc, char* argv[], const std::vector<std::string>& lines);

}  // namespace zk::standin
