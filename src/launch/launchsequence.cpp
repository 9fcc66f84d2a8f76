// LAUNCH and "generate map".

#include "ui/mainform.h"

namespace zk {

void TForm1::Button1Click(QObject*) {}
void TForm1::Button5Click(QObject*) { Button1Click(nullptr); }

}  // namespace zk
