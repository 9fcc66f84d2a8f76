#pragma once
// The fuzzing entry points: the archive reader with an extraction, and the map reader with an
// edit and a save. libFuzzer calls them with generated inputs; the test program replays the
// seed corpus through them. Each checks what must hold for any input and aborts when it fails.

#include <cstdint>
#include <string>

#include "fuzz_common.h"
#include "gamedata/groupfile.h"
#include "gamedata/mapfile.h"
#include "gamedata/sprites.h"

namespace zk::fuzz {

// Extracts one entry over an earlier output: the first entry of that name is taken, an intact
// one gives exactly its bytes, and a broken one leaves the output as it was.
inline void CheckExtraction(const TGroupFile& archive, const TEntry& entry,
                            const std::string& input, const std::string& out) {
  const std::string earlier = "the output of an earlier run";
  WriteInput(out, reinterpret_cast<const std::uint8_t*>(earlier.data()), earlier.size());
  const TEntry* first = archive.Find(entry.Name);
  Require(first != nullptr && first <= &entry, "the first match is taken");
  const bool extracted = archive.Extract(entry.Name, out);
  Require(extracted == (first->Fault == TGroupFault::None), "exactly the intact entries extract");
  const std::string expected = extracted ? input.substr(static_cast<std::size_t>(first->Offset),
                                                        static_cast<std::size_t>(first->Size))
                                         : earlier;
  Require(ReadAll(out) == expected, "the output holds the entry's bytes, or what it held");
}

inline int FuzzGroupFile(const std::uint8_t* data, std::size_t size) {
  const TScratch& scratch = TScratch::Get();
  const std::string archivePath = scratch.Path("input.grp");
  const std::string out = scratch.Path("out.map");
  WriteInput(archivePath, data, size);
  const std::string input(reinterpret_cast<const char*>(data), size);

  TGroupFile archive;
  if (!archive.Open(archivePath)) {
    Require(archive.Fault != TGroupFault::None, "a refused archive names its fault");
    Remove(out);
    Require(!ExtractFromGroupFile(archivePath, "E1L1.MAP", out),
            "a broken archive extracts nothing");
    Require(!Exists(out), "a failed extraction leaves no output");
    return 0;
  }
  Require(archive.EntryCount >= 0 &&
              archive.Entries.size() == static_cast<std::size_t>(archive.EntryCount),
          "the table holds EntryCount entries");
  Require(
      16 * (static_cast<std::int64_t>(archive.EntryCount) + 1) <= static_cast<std::int64_t>(size),
      "the directory lies within the file");
  std::int64_t offset = 16 * (static_cast<std::int64_t>(archive.EntryCount) + 1);
  bool afterNegativeSize = false;
  for (const TEntry& entry : archive.Entries) {
    Require(entry.Name.size() <= 12, "names have at most 12 characters");
    Require(entry.Offset == offset, "offsets follow the sizes");
    const bool fits = !afterNegativeSize && entry.Size >= 0 &&
                      entry.Offset + entry.Size <= static_cast<std::int64_t>(size);
    Require((entry.Fault == TGroupFault::None) == fits,
            "an entry is intact exactly when its data lies within the file");
    afterNegativeSize = afterNegativeSize || entry.Size < 0;
    offset += entry.Size;
  }
  if (!archive.Entries.empty()) {
    CheckExtraction(archive, archive.Entries.front(), input, out);
    CheckExtraction(archive, archive.Entries.back(), input, out);
  }
  Remove(out);
  Require(!archive.Extract("no such entry", out), "an absent entry does not extract");
  Require(!Exists(out), "an absent entry leaves no output");
  Require(!Exists(out + ".part"), "no temporary is left beside the output");
  return 0;
}

inline int FuzzMap(const std::uint8_t* data, std::size_t size) {
  const TScratch& scratch = TScratch::Get();
  const std::string path = scratch.Path("input.map");
  const std::string saved = scratch.Path("saved.map");
  WriteInput(path, data, size);
  const std::string input(reinterpret_cast<const char*>(data), size);
  const int botCount = static_cast<int>(size % 8);
  const bool removeMonsters = (size / 8) % 2 == 0;

  TMap map;
  const std::int16_t loaded = map.LoadFromFile(path, 0);
  Require(loaded >= 0 && loaded <= 2, "the load result is 0, 1 or 2");
  if (loaded != 0) {
    Require(!EditMapFile(path, botCount, removeMonsters), "an unreadable map is not edited");
    Require(ReadAll(path) == input, "an unreadable map is left as it was");
    return 0;
  }
  // A saved map is the input up to its last sprite record.
  Require(map.SaveToFile(saved) == 0, "a loaded map saves");
  const std::string written = ReadAll(saved);
  Require(input.compare(0, written.size(), written) == 0, "the round trip keeps every byte");

  const int before = map.SpriteCount;
  Require(EditMapFile(saved, botCount, removeMonsters), "a loaded map is edited");
  TMap edited;
  Require(edited.LoadFromFile(saved, 0) == 0, "an edited map loads");
  Require(edited.SectorCount == map.SectorCount && edited.WallCount == map.WallCount,
          "sectors and walls are kept");
  Require(edited.SpriteCount <= before + botCount, "no more bots than asked for");
  const int remaining = before - (removeMonsters ? CountMonsters(map) : 0);
  Require(remaining > kMaxSprites || edited.SpriteCount <= kMaxSprites, "the sprite limit holds");
  Require(!Exists(saved + ".part"), "no temporary is left beside the map");
  return 0;
}

}  // namespace zk::fuzz
