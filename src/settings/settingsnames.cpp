// Bot settings files: paths, names and the order of the list.

#include <string>

#include "platform/sysutils.h"
#include "settings/settingsfiles.h"

namespace zk {

std::string SettingsFolder(const std::string& programDir) {
  return programDir + "botsettings" + PathDelim;
}

std::string NamedSettingsPath(const std::string& programDir, const std::string& name) {
  return SettingsFolder(programDir) + name + ".zks";
}

std::string LastSettingsPath(const std::string& programDir) {
  return programDir + "lastsettings.zks";
}

bool IsUsableSettingsName(const std::string& name) {
  return name.find_first_of(FolderEscapes) == std::string::npos;
}

std::string UnusableSettingsNameText() {
  std::string list;
  const std::string escapes = FolderEscapes;
  for (std::size_t i = 0; i < escapes.size(); ++i) {
    if (i > 0) list += i + 1 == escapes.size() ? " or " : ", ";
    list += '"' + escapes.substr(i, 1) + '"';
  }
  return "A settings name cannot contain " + list + ".\nPlease choose another name.";
}

int SettingsNameInsertIndex(const std::vector<std::string>& items, const std::string& name) {
  // std::string compares its chars as unsigned values, and a prefix is the smaller text.
  const std::string key = AnsiUpperCase(name);
  for (std::size_t i = 0; i < items.size(); ++i)
    if (AnsiUpperCase(items[i]) > key) return static_cast<int>(i);
  return static_cast<int>(items.size());
}

}  // namespace zk
