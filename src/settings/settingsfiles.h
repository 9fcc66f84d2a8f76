#pragma once
// Bot settings files: where named sets and the last-used set live, how names are checked and
// ordered, and the directory listing used at start-up.

#include <QString>
#include <QStringList>

namespace zk {

// The folder of the named sets, ending in the path delimiter.
QString SettingsFolder(const QString& programDir);
// The file of the named set name.
QString NamedSettingsPath(const QString& programDir, const QString& name);
// The file of the set restored at start-up and saved at close.
QString LastSettingsPath(const QString& programDir);

// False for a name whose file would lie outside the settings folder: one that holds the path
// delimiter. Any other name, "." and ".." included, is a file name within the folder.
bool IsUsableSettingsName(const QString& name);

// Where a new name goes among items: before the first whose upper-cased text is greater,
// compared byte by byte as unsigned values, else at the end.
int SettingsNameInsertIndex(const QStringList& items, const QString& name);

// Names of the entries of dir that match mask, optionally without their extension, optionally
// sorted by the locale-aware comparison that ignores case.
QStringList ListDirectory(const QString& dir, const QString& mask, bool stripExtension, bool sort);

}  // namespace zk
