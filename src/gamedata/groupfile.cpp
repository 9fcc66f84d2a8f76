#include "gamedata/groupfile.h"

#include <cctype>
#include <cstring>
#include <exception>
#include <fstream>
#include <memory>

#include "gamedata/binaryfile.h"

namespace zk {

namespace {

constexpr std::int64_t kHeaderSize = 16;
constexpr std::int64_t kRecordSize = 16;
constexpr std::int32_t kBlockSize = 65536;

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// The name is the text up to the first zero of the 12 bytes; a 13th zero ends a full name.
std::string DecodeName(const unsigned char* bytes) {
  char name[13] = {};
  std::memcpy(name, bytes, 12);
  return std::string(name);
}

// Why an entry's data cannot be read, judged from the file size and the sizes before it.
TGroupFault EntryFault(const TEntry& entry, bool afterNegativeSize, std::int64_t fileSize) {
  if (afterNegativeSize) return TGroupFault::AfterNegativeSize;
  if (entry.Size < 0) return TGroupFault::NegativeSize;
  if (entry.Offset + entry.Size > fileSize) return TGroupFault::DataPastEnd;
  return TGroupFault::None;
}

TGroupFault ReadDirectory(std::ifstream& in, std::int64_t fileSize, TGroupFile& archive) {
  unsigned char header[kHeaderSize];
  if (fileSize < kHeaderSize || !binary::ReadExactly(in, header, kHeaderSize))
    return TGroupFault::NoHeader;
  const auto count = static_cast<std::int32_t>(binary::Get32(header + 12));
  if (count < 0) return TGroupFault::NegativeCount;
  // Checked against the file before anything is allocated: a count from the file is untrusted.
  const std::int64_t dataStart = kHeaderSize + kRecordSize * static_cast<std::int64_t>(count);
  if (dataStart > fileSize) return TGroupFault::DirectoryPastEnd;

  archive.Entries.assign(static_cast<std::size_t>(count), TEntry{});
  archive.EntryCount = count;
  // 64 bits: 2^31 sizes of up to 2^31 - 1 bytes cannot wrap the running offset.
  std::int64_t offset = dataStart;
  bool afterNegativeSize = false;
  for (TEntry& entry : archive.Entries) {
    unsigned char record[kRecordSize];
    if (!binary::ReadExactly(in, record, kRecordSize)) return TGroupFault::CannotOpen;
    entry.Name = DecodeName(record);
    entry.Size = static_cast<std::int32_t>(binary::Get32(record + 12));
    entry.Offset = offset;
    // A broken entry is refused on its own; past a negative size no later offset is known.
    entry.Fault = EntryFault(entry, afterNegativeSize, fileSize);
    afterNegativeSize = afterNegativeSize || entry.Size < 0;
    offset += entry.Size;
  }
  return TGroupFault::None;
}

}  // namespace

bool TGroupFile::Open(const std::string& path) {
  FileName = path;
  Fault = TGroupFault::CannotOpen;
  try {
    std::ifstream in(binary::Utf8Path(path), std::ios::binary);
    if (!in) return false;
    const std::int64_t size = binary::StreamSize(in);
    if (size < 0) return false;
    Fault = ReadDirectory(in, size, *this);
  } catch (const std::exception&) {
    Fault = TGroupFault::CannotOpen;
  }
  return Fault == TGroupFault::None;
}

const TEntry* TGroupFile::Find(const std::string& entryName) const {
  const std::string wanted = UpperCase(entryName);
  for (const TEntry& entry : Entries) {
    if (UpperCase(entry.Name) == wanted) return &entry;
  }
  return nullptr;
}

bool TGroupFile::Extract(const std::string& entryName, const std::string& outputPath) const {
  const TEntry* entry = Find(entryName);
  if (entry == nullptr || entry->Fault != TGroupFault::None) return false;
  try {
    std::ifstream in(binary::Utf8Path(FileName), std::ios::binary);
    if (!in) return false;
    // The archive may have changed since Open: the entry must still lie inside it.
    if (entry->Offset + entry->Size > binary::StreamSize(in)) return false;
    binary::TReplacingFile out(outputPath);
    if (!out.IsOpen()) return false;
    in.seekg(entry->Offset);
    if (!in) return false;

    // One buffer for the whole copy: the entry is never held in memory whole. The first read
    // ends at a block boundary of the archive, so that the others read whole aligned blocks
    // (reads that straddle pages cost about a third more).
    const auto buffer = std::make_unique<char[]>(kBlockSize);
    auto block = static_cast<std::int32_t>(kBlockSize - entry->Offset % kBlockSize);
    for (std::int32_t left = entry->Size; left > 0; block = kBlockSize) {
      if (block > left) block = left;
      if (!binary::ReadExactly(in, buffer.get(), block)) return false;
      if (!out.Write(buffer.get(), static_cast<std::size_t>(block))) return false;
      left -= block;
    }
    return out.Commit();
  } catch (const std::exception&) {
    return false;
  }
}

bool ExtractFromGroupFile(const std::string& archivePath, const std::string& entryName,
                          const std::string& outputPath) {
  TGroupFile archive;
  return archive.Open(archivePath) && archive.Extract(entryName, outputPath);
}

}  // namespace zk
