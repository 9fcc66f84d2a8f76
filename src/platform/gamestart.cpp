#include "platform/gamestart.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace zk {

namespace {

// The Linux build of the engine, which takes its switches with "-" only.
const char* const kNativeEngine = "eduke32";

constexpr std::int64_t kPeOffsetField = 0x3C;

std::uint32_t Get32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool ReadAt(std::ifstream& in, std::int64_t offset, unsigned char* buffer, std::int64_t n) {
  in.seekg(offset);
  if (!in) return false;
  in.read(reinterpret_cast<char*>(buffer), static_cast<std::streamsize>(n));
  return in && in.gcount() == n;
}

// "/s1" becomes "-s1"; "-map" and the map's name stay as they are.
std::vector<std::string> DashSwitches(std::vector<std::string> switches) {
  for (std::string& s : switches)
    if (!s.empty() && s[0] == '/') s[0] = '-';
  return switches;
}

std::string FileName(const std::string& path) {
  return std::filesystem::u8path(path).filename().u8string();
}

bool IsExecutableFile(const std::string& path) {
#ifdef _WIN32
  (void)path;
  return true;
#else
  std::error_code error;
  return std::filesystem::is_regular_file(std::filesystem::u8path(path), error) &&
         ::access(path.c_str(), X_OK) == 0;
#endif
}

// A name is looked up in PATH; a text with a delimiter is a path of its own.
std::string FindProgram(const std::string& name) {
  if (name.find('/') != std::string::npos) return IsExecutableFile(name) ? name : std::string();
  const char* path = std::getenv("PATH");
  std::istringstream folders(path ? path : "");
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + name;
    if (IsExecutableFile(candidate)) return candidate;
  }
  return {};
}

}  // namespace

const std::vector<std::string>& GameExecutableNames() {
#ifdef _WIN32
  static const std::vector<std::string> names = {"eDuke32.exe", "Duke3D.exe"};
#else
  static const std::vector<std::string> names = {kNativeEngine, "eDuke32.exe", "Duke3D.exe"};
#endif
  return names;
}

TProgramKind InspectProgramFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(std::filesystem::u8path(path), error))
    return TProgramKind::Unreadable;
  std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
  if (!in) return TProgramKind::Unreadable;
  unsigned char magic[2] = {};
  if (!ReadAt(in, 0, magic, 2) || magic[0] != 'M' || magic[1] != 'Z') return TProgramKind::Other;
  unsigned char field[4] = {};
  if (!ReadAt(in, kPeOffsetField, field, 4)) return TProgramKind::Dos;
  // An offset past the end is simply a read that fails: a DOS program.
  unsigned char signature[4] = {};
  if (!ReadAt(in, static_cast<std::int64_t>(Get32(field)), signature, 4)) return TProgramKind::Dos;
  const bool pe =
      signature[0] == 'P' && signature[1] == 'E' && signature[2] == 0 && signature[3] == 0;
  return pe ? TProgramKind::Windows : TProgramKind::Dos;
}

TStartPlan PlanGameStart(const TGameCommand& command, const std::string& wine) {
  TStartPlan plan;
  const std::string name = FileName(command.Executable);
  const std::vector<std::string> switches =
      name == kNativeEngine ? DashSwitches(command.Switches) : command.Switches;
  switch (InspectProgramFile(command.Executable)) {
    case TProgramKind::Unreadable:
      plan.Reason = name + " cannot be read.";
      return plan;
    case TProgramKind::Dos:
      plan.Reason = name + " is a DOS program: it needs DOSBox and cannot be started from here.";
      return plan;
    case TProgramKind::Windows:
      if (wine.empty()) {
        plan.Reason = name +
                      " is a Windows program. Install wine to run it on Linux, or set WINE to the "
                      "wine to use.";
        return plan;
      }
      plan.CanStart = true;
      plan.Program = wine;
      plan.Arguments = {command.Executable};
      plan.Arguments.insert(plan.Arguments.end(), switches.begin(), switches.end());
      return plan;
    case TProgramKind::Other:
      if (!IsExecutableFile(command.Executable)) {
        plan.Reason = name + " is not marked as a program: allow it to run (chmod +x).";
        return plan;
      }
      plan.CanStart = true;
      plan.Program = command.Executable;
      plan.Arguments = switches;
      return plan;
  }
  return plan;
}

std::string FindWine() {
  const char* chosen = std::getenv("WINE");
  return FindProgram(chosen && *chosen ? chosen : "wine");
}

}  // namespace zk
