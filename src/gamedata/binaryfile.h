#pragma once
// What the archive and map code share: little-endian fields, UTF-8 paths, exact reads, and an
// output that is written beside its target and renamed over it only once it is complete.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "platform/replacingfile.h"

namespace zk::binary {

inline std::uint16_t Get16(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t Get32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline void Put16(unsigned char* p, std::uint16_t v) {
  p[0] = static_cast<unsigned char>(v);
  p[1] = static_cast<unsigned char>(v >> 8);
}

inline void Put32(unsigned char* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

inline std::filesystem::path Utf8Path(const std::string& path) {
  return std::filesystem::u8path(path);
}

// The size of an opened input in bytes (-1 when unknown); the position is back at the start.
inline std::int64_t StreamSize(std::ifstream& in) {
  in.seekg(0, std::ios::end);
  const std::int64_t size = static_cast<std::int64_t>(in.tellg());
  in.seekg(0, std::ios::beg);
  return in ? size : -1;
}

// Reads exactly n bytes; a short read is a failure.
inline bool ReadExactly(std::istream& in, void* buffer, std::int64_t n) {
  if (n == 0) return true;
  in.read(static_cast<char*>(buffer), static_cast<std::streamsize>(n));
  return in && in.gcount() == n;
}

// Outputs replace their target only once complete.
using TReplacingFile = zk::TReplacingFile;

}  // namespace zk::binary
