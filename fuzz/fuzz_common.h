#pragma once
// What every fuzzing entry point shares: the check that aborts, and a scratch folder for files.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace zk::fuzz {

inline void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

// A folder of its own for the files of one process, removed at exit.
class TScratch {
 public:
  TScratch() {
    std::error_code error;
    const std::filesystem::path shm("/dev/shm");
    const std::filesystem::path base =
        std::filesystem::is_directory(shm, error) ? shm : std::filesystem::temp_directory_path();
    dir_ = base / ("zk-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_, error);
  }
  ~TScratch() {
    std::error_code error;
    std::filesystem::remove_all(dir_, error);
  }
  std::string Path(const char* name) const { return (dir_ / name).string(); }

  static const TScratch& Get() {
    static const TScratch scratch;
    return scratch;
  }

 private:
  std::filesystem::path dir_;
};

inline void WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  Require(static_cast<bool>(out), "the input file was written");
}

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

inline void Remove(const std::string& path) {
  std::error_code error;
  std::filesystem::remove(path, error);
}

}  // namespace zk::fuzz
