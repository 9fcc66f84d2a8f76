#pragma once
// Files in tests: reading and writing whole files as bytes, and a temporary folder that is
// removed with everything in it. Standard C++ only (the demo tool and the benchmarks use it
// too). Paths are UTF-8.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace zk::test {

// This system's path delimiter, and a path written with "/" given in it: the launcher takes
// paths as the system writes them ("\" on Windows).
inline constexpr char kDelim = static_cast<char>(std::filesystem::path::preferred_separator);
inline std::string Native(std::string path) {
  std::replace(path.begin(), path.end(), '/', kDelim);
  return path;
}

inline std::filesystem::path FsPath(const std::string& path) {
  return std::filesystem::u8path(path);
}

// Writes bytes to a file, replacing it; false when it cannot be written.
inline bool WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(FsPath(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

// The whole content of a file ("" when it cannot be read).
inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(FsPath(path), std::ios::binary);
  try {
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::exception&) {
    return {};  // the stream library reports some failed reads by throwing
  }
}

// True when a file or folder exists at path.
inline bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(FsPath(path), error);
}

// The names of everything in a folder, hidden entries included, sorted; empty when it cannot
// be read.
inline std::vector<std::string> FolderEntries(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(FsPath(dir), error), end; !error && it != end;
       it.increment(error))
    names.push_back(it->path().filename().u8string());
  std::sort(names.begin(), names.end());
  return names;
}

// A new, empty folder below the system's temporary folder; removed with its content at the end.
class TTempFolder {
 public:
  TTempFolder() {
    namespace fs = std::filesystem;
    static std::atomic<unsigned> serial{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
      const fs::path candidate =
          fs::temp_directory_path() / ("zk-test-" + std::to_string(stamp) + "-" +
                                       std::to_string(serial++) + "-" + std::to_string(attempt));
      std::error_code error;
      if (fs::create_directory(candidate, error)) {
        dir_ = candidate.u8string();
        return;
      }
    }
    throw std::runtime_error("no temporary folder could be made");
  }
  ~TTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(FsPath(dir_), ignored);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  // The folder, without a trailing delimiter.
  const std::string& Dir() const { return dir_; }
  // A path below the folder; name may hold "/" for subfolders.
  std::string Path(const std::string& name) const { return dir_ + kDelim + Native(name); }
  // Writes the bytes to a file of the folder (its folders made as needed) and gives its path.
  // Throws when the file cannot be written: the test has no fixture then.
  std::string Write(const std::string& name, const std::string& bytes = {}) const {
    const std::string path = Path(name);
    std::error_code ignored;
    std::filesystem::create_directories(FsPath(path).parent_path(), ignored);
    if (!WriteBytes(path, bytes)) throw std::runtime_error("cannot write the fixture " + path);
    return path;
  }

 private:
  std::string dir_;
};

}  // namespace zk::test
