#pragma once
// Bot settings files: where named sets and the last-used set live, how names are checked and
// ordered, and the directory listing used at start-up. Paths and names are UTF-8.

#include <string>
#include <vector>

namespace zk {

// The folder of the named sets, ending in the path delimiter.
std::string SettingsFolder(const std::string& programDir);
// The file of the named set name.
std::string NamedSettingsPath(const std::string& programDir, const std::string& name);
// The file of the set restored at start-up and saved at close.
std::string LastSettingsPath(const std::string& programDir);

// False for a name whose file would lie outside the settings folder: one that holds a path
// delimiter (or, on Windows, a drive's colon). Any other name, "." and ".." included, is a file
// name within the folder. The message shown for such a name lists what it may not hold.
bool IsUsableSettingsName(const std::string& name);
std::string UnusableSettingsNameText();

// Where a new name goes among items: before the first whose upper-cased text is greater,
// compared byte by byte as unsigned values, else at the end.
int SettingsNameInsertIndex(const std::vector<std::string>& items, const std::string& name);

// Names of the regular files of dir that match mask, optionally without their extension,
// optionally sorted by the locale-aware comparison that ignores case.
std::vector<std::string> ListDirectory(const std::string& dir, const std::string& mask,
                                       bool stripExtension, bool sort);

}  // namespace zk
