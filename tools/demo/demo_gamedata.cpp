#include "demo/demo_parts.h"

namespace zk::demo {

void WriteDemoGameArchive(const QString&) {}

}  // namespace zk::demo
