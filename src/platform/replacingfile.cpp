#include "platform/replacingfile.h"

#include <system_error>

namespace zk {

TReplacingFile::TReplacingFile(const std::string& target, TFallback fallback)
    : target_(std::filesystem::u8path(target)), temp_(std::filesystem::u8path(target + ".part")) {
  out_.open(temp_, std::ios::binary | std::ios::trunc);
  if (out_.is_open() || fallback != InPlaceFallback) return;
  // The folder takes no new file; the target itself may still be writable.
  out_.clear();
  std::error_code error;
  if (!std::filesystem::is_regular_file(target_, error)) return;
  out_.open(target_, std::ios::binary | std::ios::trunc);
  direct_ = out_.is_open();
}

TReplacingFile::~TReplacingFile() {
  if (committed_ || direct_) return;
  if (out_.is_open()) out_.close();
  std::error_code ignored;
  std::filesystem::remove(temp_, ignored);
}

bool TReplacingFile::Write(const void* data, std::size_t n) {
  out_.write(static_cast<const char*>(data), static_cast<std::streamsize>(n));
  return out_.good();
}

bool TReplacingFile::Commit() {
  out_.close();
  if (out_.fail()) return false;
  if (direct_) return committed_ = true;
  std::error_code error;
  std::filesystem::rename(temp_, target_, error);
  committed_ = !error;
  return committed_;
}

}  // namespace zk
