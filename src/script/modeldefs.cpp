#include "script/modeldefs.h"

#include "ui/mainform.h"

namespace zk {

QString WriteModelDefinitions(const TForm1&) { return {}; }

}  // namespace zk
