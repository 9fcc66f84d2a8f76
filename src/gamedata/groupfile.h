#pragma once
// Reading the game's GRP archive: a directory of named entries followed by their data back to
// back. Only reads; every path is UTF-8 and comes in as an argument.

#include <cstdint>
#include <string>
#include <vector>

namespace zk {

struct TEntry {
  std::string Name;         // at most 12 characters, case as stored
  std::int32_t Size = 0;    // bytes
  std::int64_t Offset = 0;  // of the data, from the start of the archive
};

class TGroupFile {
 public:
  // Reads the directory. False when the archive cannot be read or does not hold together: a
  // negative count or size, or a directory or data running past the end of the file.
  bool Open(const std::string& path);

  // Copies the first entry whose name matches (ignoring ASCII case) to outputPath, replacing it
  // only when the whole entry was copied. False when there is no such entry or the copy failed;
  // the output is then left as it was.
  bool Extract(const std::string& entryName, const std::string& outputPath) const;

  // The first entry whose name matches, or null.
  const TEntry* Find(const std::string& entryName) const;

  std::string FileName;
  std::int32_t EntryCount = 0;
  std::vector<TEntry> Entries;
};

// Opens the archive and extracts one entry; false when either step fails.
bool ExtractFromGroupFile(const std::string& archivePath, const std::string& entryName,
                          const std::string& outputPath);

}  // namespace zk
