#pragma once
// Where a tool's own program file lies, for the files kept beside it.

#include <filesystem>
#include <string>
#include <system_error>

namespace zk::tools {

// The running program's path: the system's own record of it where there is one (a program
// found through PATH has no folder in argv[0]), else argv[0] made absolute.
inline std::filesystem::path ProgramPath(const char* argv0) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && !self.empty()) return self;
  return std::filesystem::absolute(std::filesystem::u8path(argv0 ? argv0 : ""), error);
}

}  // namespace zk::tools
