#pragma once
// Small writers of the game's data files, for fixtures that show what their bytes are. They are
// written independently of the readers under test, field by field, little-endian.
//
//   std::string grp = GrpBuilder().Add("E1L1.MAP", mapBytes).Add("readme.txt", "hi").Bytes();
//   std::string map = MapBuilder().Room(0, 0, 1024, 1024)
//                         .AddSprite(PlayerStart(100, 100))
//                         .AddSprite(Monster(1680, 200, 200)).Bytes();
//   WriteBytes(path, map);
//
// Bytes are held in a std::string; the malformed cases of the tests cut or patch them.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "support/files.h"

namespace zk::test {

inline void PutLE(std::string& out, std::uint64_t value, int width) {
  for (int i = 0; i < width; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A GRP archive: signature, entry count, 16-byte directory records, then the data back to back.
class GrpBuilder {
 public:
  // Any 12 bytes; shorter texts are padded with zeros.
  GrpBuilder& Signature(const std::string& signature) {
    signature_ = signature;
    return *this;
  }
  // An entry whose recorded size is its data's size. Names over 12 characters are cut to 12.
  GrpBuilder& Add(const std::string& name, const std::string& data) {
    return AddSized(name, static_cast<std::int32_t>(data.size()), data);
  }
  // An entry whose recorded size may differ from the data stored (for broken archives).
  GrpBuilder& AddSized(const std::string& name, std::int32_t recordedSize,
                       const std::string& data) {
    entries_.push_back({name, recordedSize, data});
    return *this;
  }
  // Records this entry count instead of the real one (for broken archives).
  GrpBuilder& Count(std::int32_t count) {
    count_ = count;
    hasCount_ = true;
    return *this;
  }

  // The data offset of entry i in the built archive: 16 × (N + 1) plus the sizes before it.
  std::int64_t OffsetOf(std::size_t i) const {
    std::int64_t offset = 16 * (static_cast<std::int64_t>(entries_.size()) + 1);
    for (std::size_t k = 0; k < i; ++k)
      offset += static_cast<std::int64_t>(entries_[k].data.size());
    return offset;
  }

  std::string Bytes() const {
    std::string out = signature_.substr(0, 12);
    out.resize(12, '\0');
    PutLE(out, static_cast<std::uint32_t>(hasCount_ ? count_ : std::int32_t(entries_.size())), 4);
    for (const Entry& e : entries_) {
      std::string name = e.name.substr(0, 12);
      name.resize(12, '\0');
      out += name;
      PutLE(out, static_cast<std::uint32_t>(e.recordedSize), 4);
    }
    for (const Entry& e : entries_) out += e.data;
    return out;
  }

 private:
  struct Entry {
    std::string name;
    std::int32_t recordedSize;
    std::string data;
  };
  std::string signature_ = "GRP-ARCHIVE ";
  std::vector<Entry> entries_;
  std::int32_t count_ = 0;
  bool hasCount_ = false;
};

// One sprite of a map, every field of the 44-byte record, in file order.
struct SpriteSpec {
  std::int32_t x = 0, y = 0, z = 0;
  std::uint16_t cstat = 0;
  std::int16_t picnum = 0;
  std::int8_t shade = 0;
  std::uint8_t pal = 0, clipdist = 32, filler = 0, xrepeat = 64, yrepeat = 64;
  std::int8_t xoffset = 0, yoffset = 0;
  std::uint16_t sectnum = 0, statnum = 0, ang = 0;
  std::int16_t owner = -1;
  std::uint16_t xvel = 0, yvel = 0, zvel = 0, lotag = 0;
  std::int16_t hitag = 0, extra = -1;
};

inline SpriteSpec Tile(std::int16_t picnum, std::int32_t x = 0, std::int32_t y = 0) {
  SpriteSpec s;
  s.picnum = picnum;
  s.x = x;
  s.y = y;
  return s;
}

// A player start (tile 1405); lotag 1 marks a start the bots must not take.
inline SpriteSpec PlayerStart(std::int32_t x, std::int32_t y, std::uint16_t ang = 0,
                              std::uint16_t lotag = 0) {
  SpriteSpec s = Tile(1405, x, y);
  s.ang = ang;
  s.lotag = lotag;
  return s;
}

inline SpriteSpec Monster(std::int16_t picnum, std::int32_t x = 0, std::int32_t y = 0) {
  return Tile(picnum, x, y);
}

// A spawner (tile 9) of the tile in hitag.
inline SpriteSpec Spawner(std::int16_t spawns, std::int32_t x = 0, std::int32_t y = 0) {
  SpriteSpec s = Tile(9, x, y);
  s.hitag = spawns;
  return s;
}

inline std::string EncodeSprite(const SpriteSpec& s) {
  std::string out;
  PutLE(out, static_cast<std::uint32_t>(s.x), 4);
  PutLE(out, static_cast<std::uint32_t>(s.y), 4);
  PutLE(out, static_cast<std::uint32_t>(s.z), 4);
  PutLE(out, s.cstat, 2);
  PutLE(out, static_cast<std::uint16_t>(s.picnum), 2);
  for (std::uint8_t b :
       {static_cast<std::uint8_t>(s.shade), s.pal, s.clipdist, s.filler, s.xrepeat, s.yrepeat,
        static_cast<std::uint8_t>(s.xoffset), static_cast<std::uint8_t>(s.yoffset)}) {
    out.push_back(static_cast<char>(b));
  }
  for (std::uint16_t v :
       {s.sectnum, s.statnum, s.ang, static_cast<std::uint16_t>(s.owner), s.xvel, s.yvel, s.zvel,
        s.lotag, static_cast<std::uint16_t>(s.hitag), static_cast<std::uint16_t>(s.extra)}) {
    PutLE(out, v, 2);
  }
  return out;
}

// A Build map: header, sector records (40 bytes), wall records (32), sprite records (44).
class MapBuilder {
 public:
  MapBuilder& Version(std::int32_t version) {
    version_ = version;
    return *this;
  }
  MapBuilder& Start(std::int32_t x, std::int32_t y, std::int32_t z, std::uint16_t ang,
                    std::uint16_t sector) {
    startX_ = x, startY_ = y, startZ_ = z, startAngle_ = ang, startSector_ = sector;
    return *this;
  }
  // A rectangular room: one sector with four walls (floor at z 0, ceiling 16384 above).
  MapBuilder& Room(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
    const auto first = static_cast<std::uint16_t>(walls_.size());
    std::string sector;
    PutLE(sector, first, 2);                               // wallptr
    PutLE(sector, 4, 2);                                   // wallnum
    PutLE(sector, static_cast<std::uint32_t>(-16384), 4);  // ceilingz
    PutLE(sector, 0, 4);                                   // floorz
    PutLE(sector, 0, 2 + 2);                               // ceilingstat, floorstat
    PutLE(sector, 0, 2 + 2 + 4);  // ceiling picnum, heinum, shade, pal, panning
    PutLE(sector, 0, 2 + 2 + 4);  // floor picnum, heinum, shade, pal, panning
    PutLE(sector, 0, 2);          // visibility, filler
    PutLE(sector, 0, 2 + 2);      // lotag, hitag
    PutLE(sector, 0xFFFF, 2);     // extra
    sectors_.push_back(sector);
    const std::int32_t xs[4] = {x0, x1, x1, x0};
    const std::int32_t ys[4] = {y0, y0, y1, y1};
    for (int i = 0; i < 4; ++i) {
      std::string wall;
      PutLE(wall, static_cast<std::uint32_t>(xs[i]), 4);
      PutLE(wall, static_cast<std::uint32_t>(ys[i]), 4);
      PutLE(wall, first + (i + 1) % 4, 2);  // point2
      PutLE(wall, 0xFFFF, 2);               // nextwall
      PutLE(wall, 0xFFFF, 2);               // nextsector
      PutLE(wall, 0, 2 + 2 + 2);            // cstat, picnum, overpicnum
      PutLE(wall, 0, 1 + 1);                // shade, pal
      PutLE(wall, 8, 1);                    // xrepeat
      PutLE(wall, 8, 1);                    // yrepeat
      PutLE(wall, 0, 1 + 1);                // panning
      PutLE(wall, 0, 2 + 2);                // lotag, hitag
      PutLE(wall, 0xFFFF, 2);               // extra
      walls_.push_back(wall);
    }
    return *this;
  }
  // Opaque records, e.g. with a byte pattern that a round trip must keep.
  MapBuilder& AddSector(const std::string& bytes40) {
    sectors_.push_back(Sized(bytes40, 40));
    return *this;
  }
  MapBuilder& AddWall(const std::string& bytes32) {
    walls_.push_back(Sized(bytes32, 32));
    return *this;
  }
  MapBuilder& AddSprite(const SpriteSpec& sprite) {
    sprites_.push_back(sprite);
    return *this;
  }
  // Records this sprite count instead of the real one (for broken maps).
  MapBuilder& SpriteCountField(std::uint16_t count) {
    spriteCount_ = count;
    hasSpriteCount_ = true;
    return *this;
  }
  // Bytes after the last sprite record.
  MapBuilder& Trailing(const std::string& bytes) {
    trailing_ = bytes;
    return *this;
  }

  std::string Bytes() const {
    std::string out;
    PutLE(out, static_cast<std::uint32_t>(version_), 4);
    PutLE(out, static_cast<std::uint32_t>(startX_), 4);
    PutLE(out, static_cast<std::uint32_t>(startY_), 4);
    PutLE(out, static_cast<std::uint32_t>(startZ_), 4);
    PutLE(out, startAngle_, 2);
    PutLE(out, startSector_, 2);
    PutLE(out, sectors_.size(), 2);
    for (const std::string& s : sectors_) out += s;
    PutLE(out, walls_.size(), 2);
    for (const std::string& w : walls_) out += w;
    PutLE(out, hasSpriteCount_ ? spriteCount_ : sprites_.size(), 2);
    for (const SpriteSpec& s : sprites_) out += EncodeSprite(s);
    return out + trailing_;
  }

 private:
  static std::string Sized(std::string bytes, std::size_t size) {
    bytes.resize(size, '\0');
    return bytes;
  }
  std::int32_t version_ = 7;
  std::int32_t startX_ = 0, startY_ = 0, startZ_ = 0;
  std::uint16_t startAngle_ = 0, startSector_ = 0;
  std::vector<std::string> sectors_;
  std::vector<std::string> walls_;
  std::vector<SpriteSpec> sprites_;
  std::uint16_t spriteCount_ = 0;
  bool hasSpriteCount_ = false;
  std::string trailing_;
};

}  // namespace zk::test
