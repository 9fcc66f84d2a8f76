#pragma once
// Reading the game's GRP archive: a directory of named entries followed by their data back to
// back. Only reads; every path is UTF-8 and comes in as an argument.

#include <cstdint>
#include <string>
#include <vector>

namespace zk {

// Why an archive could not be opened, or why one of its entries cannot be extracted.
enum class TGroupFault {
  None,
  CannotOpen,         // the file cannot be opened or read
  NoHeader,           // shorter than the 16-byte header
  NegativeCount,      // the entry count is negative
  DirectoryPastEnd,   // the directory runs past the end of the file
  NegativeSize,       // this entry's size is negative
  AfterNegativeSize,  // an earlier negative size leaves where this entry's data lies unknown
  DataPastEnd,        // this entry's data runs past the end of the file
};

struct TEntry {
  std::string Name;                       // at most 12 characters, case as stored
  std::int32_t Size = 0;                  // bytes
  std::int64_t Offset = 0;                // of the data, from the start of the archive
  TGroupFault Fault = TGroupFault::None;  // why the entry cannot be extracted
};

class TGroupFile {
 public:
  // Reads the directory. False when the archive cannot be read, its count is negative or its
  // directory runs past the end of the file (Fault says which). A broken entry does not fail
  // the archive: it stays in the table, marked with its fault, and the others can be extracted.
  bool Open(const std::string& path);

  // Copies the first entry whose name matches (ignoring ASCII case) to outputPath, replacing it
  // only when the whole entry was copied. False when there is no such entry, that entry is
  // broken, or the copy failed; the output is then left as it was.
  bool Extract(const std::string& entryName, const std::string& outputPath) const;

  // The first entry whose name matches, or null.
  const TEntry* Find(const std::string& entryName) const;

  std::string FileName;
  std::int32_t EntryCount = 0;
  std::vector<TEntry> Entries;
  TGroupFault Fault = TGroupFault::None;  // why Open failed
};

// Opens the archive and extracts one entry; false when either step fails.
bool ExtractFromGroupFile(const std::string& archivePath, const std::string& entryName,
                          const std::string& outputPath);

}  // namespace zk
