// Bot settings files: paths, names and the order of the list.

#include <string>

#include "platform/sysutils.h"
#include "settings/settingsfiles.h"

namespace zk {

QString SettingsFolder(const QString& programDir) {
  return programDir + "botsettings" + QLatin1Char(PathDelim);
}

QString NamedSettingsPath(const QString& programDir, const QString& name) {
  return SettingsFolder(programDir) + name + ".zks";
}

QString LastSettingsPath(const QString& programDir) {
  return programDir + "lastsettings.zks";
}

bool IsUsableSettingsName(const QString& name) {
  return !name.contains(QLatin1Char(PathDelim));
}

int SettingsNameInsertIndex(const QStringList& items, const QString& name) {
  // std::string compares its chars as unsigned values, and a prefix is the smaller text.
  const std::string key = AnsiUpperCase(name).toStdString();
  for (int i = 0; i < items.size(); ++i)
    if (AnsiUpperCase(items[i]).toStdString() > key) return i;
  return static_cast<int>(items.size());
}

}  // namespace zk
