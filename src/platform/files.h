#pragma once
// File functions over the file system: presence, deletion, copy, folders, directory search.

#include <QString>
#include <QStringList>

namespace zk {

// True when a file (not a directory) exists at path.
bool FileExists(const QString& path);

// Deletes a file; false when it could not be deleted (a missing file is a failure too).
bool DeleteFile(const QString& path);

// Copies a file, replacing an existing target. The target is written beside its final name and
// renamed over it once complete, so a failed copy never leaves a truncated file behind. A copy
// of a file onto itself (under any path or link) fails and writes nothing.
bool CopyFile(const QString& from, const QString& to);

// Creates a directory together with its missing parents; true when it exists afterwards.
bool ForceDirectories(const QString& dir);

// Names (not paths) of the plain files in dir that match a wildcard mask such as "*.zks",
// hidden files included, directories never. The order is the file system's.
QStringList FindFiles(const QString& dir, const QString& mask,
                      Qt::CaseSensitivity cs = Qt::CaseSensitive);

}  // namespace zk
