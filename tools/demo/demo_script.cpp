#include "demo/demo_parts.h"

namespace zk::demo {

void WriteDemoAddonFiles(const QString&) {}
void WriteDemoHighresModel(const QString&) {}

}  // namespace zk::demo
