#pragma once
// File functions over the file system: presence, deletion, copy, folders, directory search.
// Paths are UTF-8.

#include <string>
#include <vector>

namespace zk {

// True when a file (not a directory) exists at path.
bool FileExists(const std::string& path);

// True when path is a regular file (not a pipe, a device or a directory).
bool IsRegularFile(const std::string& path);

// Deletes a file; false when it could not be deleted (a missing file is a failure too).
bool DeleteFile(const std::string& path);

// Copies a file, replacing an existing target. The target is written beside its final name and
// renamed over it once complete, so a failed copy never leaves a truncated file behind. A copy
// of a file onto itself (under any path or link) fails and writes nothing.
bool CopyFile(const std::string& from, const std::string& to);

// Creates a directory together with its missing parents; true when it exists afterwards.
bool ForceDirectories(const std::string& dir);

// Names (not paths) of the files in dir that match a wildcard mask such as "*.zks" ("*" and
// "?"), hidden files included, directories never. The order is the file system's.
std::vector<std::string> FindFiles(const std::string& dir, const std::string& mask,
                                   bool caseSensitive = true);

}  // namespace zk
