#include "gamedata/mapfile.h"

#include <cstring>
#include <exception>
#include <fstream>

#include "gamedata/binaryfile.h"

namespace zk {

namespace {

using binary::Get16;
using binary::Get32;
using binary::Put16;
using binary::Put32;

constexpr std::int32_t kMapVersion = 7;
constexpr std::int64_t kHeaderSize = 22;  // version to sector count
constexpr std::int64_t kCountSize = 2;

static_assert(sizeof(TSectorRecord) == 40 && sizeof(TWallRecord) == 32,
              "sector and wall records are read and written as plain bytes");

// Reads a record array whose count is already known to fit in what is left of the file.
template <typename Record>
bool ReadRecords(std::ifstream& in, std::int16_t count, std::vector<Record>& records) {
  records.resize(static_cast<std::size_t>(count));
  return binary::ReadExactly(in, records.data(), sizeof(Record) * records.size());
}

// A count from the file is trusted only when it is not negative and its records (and the
// count field that follows them, if any) end within the file.
bool CountFits(std::int16_t count, std::int64_t recordSize, std::int64_t trailer,
               std::int64_t position, std::int64_t fileSize) {
  return count >= 0 && position + count * recordSize + trailer <= fileSize;
}

std::int16_t ReadCount(std::ifstream& in, bool& ok) {
  unsigned char bytes[kCountSize];
  ok = ok && binary::ReadExactly(in, bytes, kCountSize);
  if (!ok) return 0;
  return static_cast<std::int16_t>(Get16(bytes));
}

}  // namespace

TSprite TSprite::Read(const unsigned char* b) {
  TSprite s;
  s.x = static_cast<std::int32_t>(Get32(b + 0));
  s.y = static_cast<std::int32_t>(Get32(b + 4));
  s.z = static_cast<std::int32_t>(Get32(b + 8));
  s.cstat = Get16(b + 12);
  s.picnum = static_cast<std::int16_t>(Get16(b + 14));
  s.shade = static_cast<std::int8_t>(b[16]);
  s.pal = b[17];
  s.clipdist = b[18];
  s.filler = b[19];
  s.xrepeat = b[20];
  s.yrepeat = b[21];
  s.xoffset = static_cast<std::int8_t>(b[22]);
  s.yoffset = static_cast<std::int8_t>(b[23]);
  s.sectnum = Get16(b + 24);
  s.statnum = Get16(b + 26);
  s.ang = Get16(b + 28);
  s.owner = static_cast<std::int16_t>(Get16(b + 30));
  s.xvel = Get16(b + 32);
  s.yvel = Get16(b + 34);
  s.zvel = Get16(b + 36);
  s.lotag = Get16(b + 38);
  s.hitag = static_cast<std::int16_t>(Get16(b + 40));
  s.extra = static_cast<std::int16_t>(Get16(b + 42));
  return s;
}

void TSprite::Write(unsigned char* b) const {
  Put32(b + 0, static_cast<std::uint32_t>(x));
  Put32(b + 4, static_cast<std::uint32_t>(y));
  Put32(b + 8, static_cast<std::uint32_t>(z));
  Put16(b + 12, cstat);
  Put16(b + 14, static_cast<std::uint16_t>(picnum));
  b[16] = static_cast<unsigned char>(shade);
  b[17] = pal;
  b[18] = clipdist;
  b[19] = filler;
  b[20] = xrepeat;
  b[21] = yrepeat;
  b[22] = static_cast<unsigned char>(xoffset);
  b[23] = static_cast<unsigned char>(yoffset);
  Put16(b + 24, sectnum);
  Put16(b + 26, statnum);
  Put16(b + 28, ang);
  Put16(b + 30, static_cast<std::uint16_t>(owner));
  Put16(b + 32, xvel);
  Put16(b + 34, yvel);
  Put16(b + 36, zvel);
  Put16(b + 38, lotag);
  Put16(b + 40, static_cast<std::uint16_t>(hitag));
  Put16(b + 42, static_cast<std::uint16_t>(extra));
}

std::int16_t TMap::LoadFromFile(const std::string& path, std::int64_t offset) {
  try {
    std::ifstream in(binary::Utf8Path(path), std::ios::binary);
    if (!in) return 2;
    const std::int64_t fileSize = binary::StreamSize(in);
    if (offset < 0 || offset + 4 > fileSize) return 2;
    in.seekg(offset);
    unsigned char header[kHeaderSize];
    if (!binary::ReadExactly(in, header, 4)) return 2;
    Version = static_cast<std::int32_t>(Get32(header));
    if (Version != kMapVersion) return 1;

    if (!binary::ReadExactly(in, header + 4, kHeaderSize - 4)) return 2;
    StartX = static_cast<std::int32_t>(Get32(header + 4));
    StartY = static_cast<std::int32_t>(Get32(header + 8));
    StartZ = static_cast<std::int32_t>(Get32(header + 12));
    StartAngle = Get16(header + 16);
    StartSector = Get16(header + 18);
    SectorCount = static_cast<std::int16_t>(Get16(header + 20));

    std::int64_t position = offset + kHeaderSize;
    if (!CountFits(SectorCount, 40, kCountSize, position, fileSize)) return 2;
    if (!ReadRecords(in, SectorCount, Sectors)) return 2;
    position += std::int64_t{40} * SectorCount;

    bool ok = true;
    WallCount = ReadCount(in, ok);
    position += kCountSize;
    if (!ok || !CountFits(WallCount, 32, kCountSize, position, fileSize)) return 2;
    if (!ReadRecords(in, WallCount, Walls)) return 2;
    position += std::int64_t{32} * WallCount;

    SpriteCount = ReadCount(in, ok);
    position += kCountSize;
    if (!ok || !CountFits(SpriteCount, TSprite::kSize, 0, position, fileSize)) return 2;
    std::vector<unsigned char> bytes(TSprite::kSize * static_cast<std::size_t>(SpriteCount));
    if (!binary::ReadExactly(in, bytes.data(), static_cast<std::int64_t>(bytes.size()))) return 2;
    Sprites.resize(static_cast<std::size_t>(SpriteCount));
    for (std::size_t i = 0; i < Sprites.size(); ++i) {
      Sprites[i] = TSprite::Read(bytes.data() + i * TSprite::kSize);
    }
    return 0;
  } catch (const std::exception&) {
    return 2;
  }
}

std::int16_t TMap::SaveToFile(const std::string& path) const {
  // A map whose counts do not match its arrays cannot be written faithfully.
  if (SectorCount < 0 || WallCount < 0 || SpriteCount < 0 ||
      Sectors.size() < static_cast<std::size_t>(SectorCount) ||
      Walls.size() < static_cast<std::size_t>(WallCount) ||
      Sprites.size() < static_cast<std::size_t>(SpriteCount)) {
    return 2;
  }
  try {
    const std::size_t sectorBytes = sizeof(TSectorRecord) * static_cast<std::size_t>(SectorCount);
    const std::size_t wallBytes = sizeof(TWallRecord) * static_cast<std::size_t>(WallCount);
    const std::size_t spriteBytes = TSprite::kSize * static_cast<std::size_t>(SpriteCount);
    std::vector<unsigned char> bytes(kHeaderSize + sectorBytes + kCountSize + wallBytes +
                                     kCountSize + spriteBytes);
    unsigned char* p = bytes.data();
    Put32(p + 0, static_cast<std::uint32_t>(Version));
    Put32(p + 4, static_cast<std::uint32_t>(StartX));
    Put32(p + 8, static_cast<std::uint32_t>(StartY));
    Put32(p + 12, static_cast<std::uint32_t>(StartZ));
    Put16(p + 16, StartAngle);
    Put16(p + 18, StartSector);
    Put16(p + 20, static_cast<std::uint16_t>(SectorCount));
    p += kHeaderSize;
    if (sectorBytes > 0) std::memcpy(p, Sectors.data(), sectorBytes);
    p += sectorBytes;
    Put16(p, static_cast<std::uint16_t>(WallCount));
    p += kCountSize;
    if (wallBytes > 0) std::memcpy(p, Walls.data(), wallBytes);
    p += wallBytes;
    Put16(p, static_cast<std::uint16_t>(SpriteCount));
    p += kCountSize;
    for (std::int16_t i = 0; i < SpriteCount; ++i, p += TSprite::kSize) Sprites[i].Write(p);

    binary::TReplacingFile out(path);
    if (!out.IsOpen() || !out.Write(bytes.data(), bytes.size())) return 2;
    return out.Commit() ? 0 : 2;
  } catch (const std::exception&) {
    return 2;
  }
}

}  // namespace zk
