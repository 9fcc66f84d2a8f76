#include "standin/record.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace zk::standin {

namespace fs = std::filesystem;

namespace {

bool WriteText(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  return static_cast<bool>(out);
}

// The first line without its line end and surrounding blanks.
std::string FirstLine(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  std::getline(in, line);
  const auto first = line.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return line.substr(first, line.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

std::string RecordFolder(const std::string& programPath) {
  const char* fromEnvironment = std::getenv(RecordVariable);
  if (fromEnvironment && *fromEnvironment) return fromEnvironment;
  return FirstLine(fs::u8path(programPath).parent_path() / RecordPointerFile);
}

bool WriteRecord(const std::string& folder, const std::vector<std::string>& arguments) {
  const fs::path dir = fs::u8path(folder);
  std::error_code error;
  // An earlier run's record must not pass for this one's.
  fs::remove(dir / "complete", error);
  fs::remove_all(dir / "files", error);
  if (!fs::create_directories(dir / "files", error) && error) return false;

  bool ok = WriteText(dir / "program.txt", (arguments.empty() ? "" : arguments[0]) + "\n");
  std::string lines;
  for (std::size_t i = 1; i < arguments.size(); ++i) lines += arguments[i] + "\n";
  ok = WriteText(dir / "arguments.txt", lines) && ok;
  const fs::path cwd = fs::current_path(error);
  ok = !error && WriteText(dir / "cwd.txt", cwd.u8string() + "\n") && ok;
  for (const char* name : LauncherFiles) {
    if (!fs::exists(name, error)) continue;
    ok = fs::copy_file(name, dir / "files" / name, error) && ok;
  }
  return WriteText(dir / "complete", {}) && ok;
}

}  // namespace zk::standin
