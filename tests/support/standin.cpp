#include "support/standin.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace zk::test {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> ReadRecordLines(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string FirstLine(const fs::path& path) {
  const std::vector<std::string> lines = ReadRecordLines(path);
  return lines.empty() ? std::string() : lines.front();
}

}  // namespace

bool InstallStandin(const std::string& path) {
  std::error_code error;
  fs::remove(fs::u8path(path), error);
  if (!fs::copy_file(ZK_STANDIN_BINARY, fs::u8path(path), error) || error) return false;
  fs::permissions(fs::u8path(path),
                  fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add, error);
  return !error;
}

std::string TStandinRecord::File(const std::string& name) const {
  std::ifstream in(fs::u8path(folder) / "files" / fs::u8path(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TStandinRecording::TStandinRecording() {
  std::string pattern = (fs::temp_directory_path() / "zk-standin-XXXXXX").string();
  if (::mkdtemp(pattern.data())) dir_ = pattern;
  ::setenv("ZK_STANDIN_RECORD", dir_.c_str(), 1);
}

TStandinRecording::~TStandinRecording() {
  ::unsetenv("ZK_STANDIN_RECORD");
  std::error_code ignored;
  fs::remove_all(fs::u8path(dir_), ignored);
}

TStandinRecord TStandinRecording::Read() const {
  TStandinRecord r;
  r.folder = dir_;
  const fs::path folder = fs::u8path(dir_);
  std::error_code error;
  r.complete = fs::exists(folder / "complete", error);
  r.program = FirstLine(folder / "program.txt");
  r.arguments = ReadRecordLines(folder / "arguments.txt");
  r.cwd = FirstLine(folder / "cwd.txt");
  for (fs::directory_iterator it(folder / "files", error), end; !error && it != end;
       it.increment(error))
    r.files.push_back(it->path().filename().u8string());
  std::sort(r.files.begin(), r.files.end());
  return r;
}

}  // namespace zk::test
