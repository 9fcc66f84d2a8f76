#pragma once
// Build engine maps of version 7, held whole in memory. Sector and wall records are carried
// through unchanged; only the header and the sprite records are interpreted.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zk {

// One sprite record, in the field order and widths of the file (44 bytes, no padding).
struct TSprite {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t z = 0;
  std::uint16_t cstat = 0;
  std::int16_t picnum = 0;
  std::int8_t shade = 0;
  std::uint8_t pal = 0;
  std::uint8_t clipdist = 0;
  std::uint8_t filler = 0;
  std::uint8_t xrepeat = 0;
  std::uint8_t yrepeat = 0;
  std::int8_t xoffset = 0;
  std::int8_t yoffset = 0;
  std::uint16_t sectnum = 0;
  std::uint16_t statnum = 0;
  std::uint16_t ang = 0;
  std::int16_t owner = 0;
  std::uint16_t xvel = 0;
  std::uint16_t yvel = 0;
  std::uint16_t zvel = 0;
  std::uint16_t lotag = 0;
  std::int16_t hitag = 0;
  std::int16_t extra = 0;

  static constexpr std::size_t kSize = 44;
  // Little-endian, whatever the machine's byte order.
  static TSprite Read(const unsigned char* bytes);
  void Write(unsigned char* bytes) const;
};
static_assert(sizeof(TSprite) == TSprite::kSize, "a sprite record is moved as one block");

using TSectorRecord = std::array<unsigned char, 40>;
using TWallRecord = std::array<unsigned char, 32>;

class TMap {
 public:
  // 0 read; 1 the version is not 7 (only Version was read); 2 the file cannot be read, a
  // count is negative, or the file ends before the counted records.
  std::int16_t LoadFromFile(const std::string& path, std::int64_t offset);

  // 0 written; 2 on failure. The new map replaces the file at path only once it has been
  // written whole, so a failure leaves the old file as it was.
  std::int16_t SaveToFile(const std::string& path) const;

  std::int32_t Version = 0;
  std::int32_t StartX = 0;
  std::int32_t StartY = 0;
  std::int32_t StartZ = 0;
  std::uint16_t StartAngle = 0;
  std::uint16_t StartSector = 0;
  std::int16_t SectorCount = 0;
  std::int16_t WallCount = 0;
  std::int16_t SpriteCount = 0;
  std::vector<TSectorRecord> Sectors;
  std::vector<TWallRecord> Walls;
  // Holds at least SpriteCount records; only the first SpriteCount belong to the map.
  std::vector<TSprite> Sprites;
};

}  // namespace zk
