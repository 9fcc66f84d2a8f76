#include "script/gamescript.h"

#include "ui/mainform.h"

namespace zk {

TLines BuildScriptValues(const TForm1&) { return {}; }
bool WriteGameScript(TForm1&) { return false; }

}  // namespace zk
