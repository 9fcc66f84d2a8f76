#pragma once
// What the stand-in game shows the player: what the launcher handed it.

#include <QStringList>

namespace zk::standin {

// Lines describing this run: the command line, the working directory, the map's sprite counts,
// the first lines of the game script and the other files named. arguments include argv[0].
QStringList DescribeRun(const QStringList& arguments);

}  // namespace zk::standin
