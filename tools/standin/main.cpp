// A stand-in for the game. Asked for a record (tests), it writes down what it was given and
// ends. Otherwise (the demo) it shows the player what the launcher handed it and ends when the
// player leaves it, as the game ends when the player leaves it.

#include <cstdio>
#include <string>
#include <vector>

#include "common/programpath.h"
#include "standin/record.h"
#include "standin/report.h"
#include "standin/window.h"

int main(int argc, char* argv[]) {
  const std::vector<std::string> arguments(argv, argv + argc);
  const std::string folder =
      zk::standin::RecordFolder(zk::tools::ProgramPath(argc > 0 ? argv[0] : nullptr).u8string());
  if (folder.empty()) {
    const std::vector<std::string> lines = zk::standin::DescribeRun(arguments);
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    return zk::standin::ShowRun(argc, argv, lines);
  }
  if (zk::standin::WriteRecord(folder, arguments)) return 0;
  std::fprintf(stderr, "stand-in: cannot write the record in %s\n", folder.c_str());
  return 1;
}
