#include "launch/commandline.h"

#include "platform/files.h"
#include "ui/mainform.h"

namespace zk {

namespace {

QString SkillSwitch(const TForm1& form) {
  const int index = form.ComboBox2->ItemIndex();
  return index <= 0 ? QString("/s1") : "/s" + QString::number(index);
}

// The spin edit has no bounds, so n + 1 is counted in 64 bits to stay defined at the top.
QStringList PlayersSwitches(const TForm1& form) {
  const qint64 n = form.CSpinEdit2->Value();
  if (n <= 0) return {"/q2"};
  return {"/q" + QString::number(n + 1), "/a"};
}

// The boxes count as they are checked, enabled or not.
QStringList RespawnSwitches(const TForm1& form) {
  const int index = 2 * int(form.CheckBox8->Checked()) + int(form.CheckBox7->Checked());
  if (index == 0) return {};
  return {"/t" + QString(QLatin1Char(" 12x"[index]))};
}

}  // namespace

QString ChooseExecutable(const TForm1& form) {
  for (const QString& name : GameExecutableNames()) {
    const QString path = form.GameDir + name;
    if (FileExists(path)) return path;
  }
  return {};
}

QStringList ComposeSwitches(const TForm1& form, const QString& definitions) {
  QStringList switches = {"-map", "Zeb-Kin.map"};
  if (!definitions.trimmed().isEmpty()) switches << definitions.trimmed();
  switches << SkillSwitch(form);
  if (form.CheckBox11->Checked()) switches << "/r";
  switches << "/xzebkin.con";
  switches << PlayersSwitches(form) << RespawnSwitches(form);
  switches << "/gZeb-Kin.grp";
  return switches;
}

QString ComposeCommandLine(const QString& executable, const QStringList& switches) {
  QString line = "\"" + executable + "\"";
  for (const QString& s : switches) line += " " + s;
  return line;
}

TGameCommand ComposeGameCommand(const TForm1& form, const QString& executable,
                                const QString& definitions) {
  const QStringList switches = ComposeSwitches(form, definitions);
  return {executable, ComposeCommandLine(executable, switches), switches};
}

}  // namespace zk
