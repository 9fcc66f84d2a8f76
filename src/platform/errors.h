#pragma once
// File errors raised by the text line files; the window's default report shows their text.

#include <stdexcept>
#include <string>

namespace zk {

class EFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "Cannot open file %s"
class EFOpenError : public EFileError {
 public:
  explicit EFOpenError(const std::string& path) : EFileError("Cannot open file " + path) {}
};

// "Cannot create file %s"
class EFCreateError : public EFileError {
 public:
  explicit EFCreateError(const std::string& path) : EFileError("Cannot create file " + path) {}
};

}  // namespace zk
