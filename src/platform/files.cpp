#include "platform/files.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/replacingfile.h"

namespace zk {

namespace fs = std::filesystem;

namespace {

fs::path PathOf(const std::string& utf8) {
  return fs::u8path(utf8);
}

// Whether both paths name one file (device and inode, so links and ".." count too). A target
// that does not exist yet is never the same.
bool IsSameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return fs::equivalent(PathOf(a), PathOf(b), error) && !error;
}

char Folded(char c, bool caseSensitive) {
  if (caseSensitive || c < 'A' || c > 'Z') return c;
  return static_cast<char>(c - 'A' + 'a');
}

// "*" matches any run of characters, "?" any one; iterative, with one step back to the last star.
bool MatchesMask(const std::string& name, const std::string& mask, bool caseSensitive) {
  std::size_t n = 0, m = 0, star = std::string::npos, mark = 0;
  while (n < name.size()) {
    if (m < mask.size() &&
        (mask[m] == '?' || Folded(mask[m], caseSensitive) == Folded(name[n], caseSensitive))) {
      ++n, ++m;
    } else if (m < mask.size() && mask[m] == '*') {
      star = m++;
      mark = n;
    } else if (star != std::string::npos) {
      m = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

}  // namespace

bool FileExists(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(PathOf(path), error);
  return !error && fs::exists(status) && !fs::is_directory(status);
}

bool IsRegularFile(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(PathOf(path), error);
}

bool DeleteFile(const std::string& path) {
  if (!FileExists(path)) return false;
  std::error_code error;
  return fs::remove(PathOf(path), error) && !error;
}

bool CopyFile(const std::string& from, const std::string& to) {
  // A copy onto its own source would rewrite the file it reads, and callers that go on to edit
  // or delete the target would then edit or delete the source.
  if (IsSameFile(from, to)) return false;
  std::ifstream in(PathOf(from), std::ios::binary);
  if (!in) return false;
  TReplacingFile out(to);
  if (!out.IsOpen()) return false;
  char buffer[65536];
  while (in) {
    in.read(buffer, sizeof buffer);
    const std::streamsize got = in.gcount();
    if (got > 0 && !out.Write(buffer, static_cast<std::size_t>(got))) return false;
  }
  if (in.bad()) return false;
  return out.Commit();
}

bool ForceDirectories(const std::string& dir) {
  if (dir.empty()) return false;
  std::error_code error;
  fs::create_directories(PathOf(dir), error);
  return fs::is_directory(PathOf(dir), error);
}

std::vector<std::string> FindFiles(const std::string& dir, const std::string& mask,
                                   bool caseSensitive) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator it(dir.empty() ? fs::path(".") : PathOf(dir), error);
  if (error) return names;
  for (const fs::directory_iterator end; it != end; it.increment(error)) {
    if (error) break;
    std::error_code statusError;
    if (it->is_directory(statusError)) continue;
    const std::string name = it->path().filename().u8string();
    if (MatchesMask(name, mask, caseSensitive)) names.push_back(name);
  }
  return names;
}

}  // namespace zk
