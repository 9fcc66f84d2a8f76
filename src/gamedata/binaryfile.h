#pragma once
// What the archive and map code share: little-endian fields, UTF-8 paths, exact reads, and an
// output that is written beside its target and renamed over it only once it is complete.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

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

// An output file that replaces its target only when Commit succeeds; otherwise the target is
// left as it was and the temporary beside it is removed.
class TReplacingFile {
 public:
  explicit TReplacingFile(const std::string& target)
      : target_(Utf8Path(target)), temp_(Utf8Path(target + ".part")) {
    out_.open(temp_, std::ios::binary | std::ios::trunc);
  }
  ~TReplacingFile() {
    if (committed_) return;
    if (out_.is_open()) out_.close();
    std::error_code ignored;
    std::filesystem::remove(temp_, ignored);
  }
  TReplacingFile(const TReplacingFile&) = delete;
  TReplacingFile& operator=(const TReplacingFile&) = delete;

  bool IsOpen() const { return out_.is_open() && out_.good(); }

  bool Write(const void* data, std::size_t n) {
    out_.write(static_cast<const char*>(data), static_cast<std::streamsize>(n));
    return out_.good();
  }

  bool Commit() {
    out_.close();
    if (out_.fail()) return false;
    std::error_code error;
    std::filesystem::rename(temp_, target_, error);
    committed_ = !error;
    return committed_;
  }

 private:
  std::filesystem::path target_;
  std::filesystem::path temp_;
  std::ofstream out_;
  bool committed_ = false;
};

}  // namespace zk::binary
