#pragma once
// Bot settings files: the directory listing used at start-up.

#include <QString>
#include <QStringList>

namespace zk {

// Names of the entries of dir that match mask, optionally without their extension, optionally
// sorted by the locale-aware comparison that ignores case.
QStringList ListDirectory(const QString& dir, const QString& mask, bool stripExtension, bool sort);

}  // namespace zk
