// Bot settings files: named sets and the last-used set.

#include "ui/mainform.h"

namespace zk {

void TForm1::Button3Click(QObject*) {}
void TForm1::Button4Click(QObject*) {}
void TForm1::ComboBox1Change(QObject*) {}
void TForm1::FormClose(QObject*) {}
void TForm1::LoadSettingsAtStartUp() {}

}  // namespace zk
