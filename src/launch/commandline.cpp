#include "launch/commandline.h"

#include "platform/files.h"
#include "ui/mainform.h"

namespace zk {

namespace {

QString SkillSwitch(const TForm1& form) {
  const int index = form.ComboBox2->ItemIndex();
  return index <= 0 ? QString(" /s1") : " /s" + QString::number(index);
}

QString DemoSwitch(const TForm1& form) {
  return form.CheckBox11->Checked() ? " /r" : "";
}

// The spin edit has no bounds, so n + 1 is counted in 64 bits to stay defined at the top.
QString PlayersSwitch(const TForm1& form) {
  const qint64 n = form.CSpinEdit2->Value();
  return n <= 0 ? QString(" /q2") : " /q" + QString::number(n + 1) + " /a";
}

// The boxes count as they are checked, enabled or not.
QString RespawnSwitch(const TForm1& form) {
  const int index = 2 * int(form.CheckBox8->Checked()) + int(form.CheckBox7->Checked());
  if (index == 0) return {};
  return " /t" + QString(QLatin1Char(" 12x"[index]));
}

}  // namespace

QString ChooseExecutable(const TForm1& form) {
  for (const char* name : {"eDuke32.exe", "Duke3D.exe"}) {
    const QString path = form.GameDir + name;
    if (FileExists(path)) return path;
  }
  return {};
}

QString ComposeCommandLine(const TForm1& form, const QString& executable,
                           const QString& definitions) {
  return "\"" + executable + "\"" + " -map Zeb-Kin.map" + definitions + SkillSwitch(form) +
         DemoSwitch(form) + " /xzebkin.con" + PlayersSwitch(form) + RespawnSwitch(form) +
         " /gZeb-Kin.grp";
}

}  // namespace zk
