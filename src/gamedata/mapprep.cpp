#include "gamedata/mapprep.h"

#include "ui/mainform.h"

namespace zk {

bool AcquireMap(TForm1&) { return false; }
bool EditMap(TForm1&, const QString&, int) { return false; }

}  // namespace zk
