#pragma once
// An output file that replaces its target only once it is complete: written beside the target
// and renamed over it, so a full disk or a crash never leaves a truncated file or loses the one
// that was there. Where no file can be made beside the target (a folder the user may not
// write), a file opened with InPlaceFallback is written in place when the target itself can be
// written; any other such file fails and leaves the target as it was.

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>

namespace zk {

class TReplacingFile {
 public:
  enum TFallback { NoFallback, InPlaceFallback };
  explicit TReplacingFile(const std::string& target,
                          TFallback fallback = NoFallback);  // UTF-8
  ~TReplacingFile();                                         // an uncommitted temporary is removed
  TReplacingFile(const TReplacingFile&) = delete;
  TReplacingFile& operator=(const TReplacingFile&) = delete;

  bool IsOpen() const { return out_.is_open() && out_.good(); }
  bool Write(const void* data, std::size_t n);
  // Closes the file and puts it in place; false when anything failed.
  bool Commit();

 private:
  std::filesystem::path target_;
  std::filesystem::path temp_;
  std::ofstream out_;
  bool direct_ = false;
  bool committed_ = false;
};

}  // namespace zk
