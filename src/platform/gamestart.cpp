#include "platform/gamestart.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <cstdint>
#include <filesystem>
#include <fstream>

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
QStringList DashSwitches(QStringList switches) {
  for (QString& s : switches)
    if (s.startsWith(QLatin1Char('/'))) s[0] = QLatin1Char('-');
  return switches;
}

QString FileName(const QString& path) {
  return QFileInfo(path).fileName();
}

}  // namespace

const QStringList& GameExecutableNames() {
#ifdef _WIN32
  static const QStringList names = {"eDuke32.exe", "Duke3D.exe"};
#else
  static const QStringList names = {kNativeEngine, "eDuke32.exe", "Duke3D.exe"};
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

TStartPlan PlanGameStart(const TGameCommand& command, const QString& wine) {
  TStartPlan plan;
  const QString name = FileName(command.Executable);
  const QStringList switches =
      name == QLatin1String(kNativeEngine) ? DashSwitches(command.Switches) : command.Switches;
  switch (InspectProgramFile(QFile::encodeName(command.Executable).toStdString())) {
    case TProgramKind::Unreadable:
      plan.Reason = name + " cannot be read.";
      return plan;
    case TProgramKind::Dos:
      plan.Reason = name + " is a DOS program: it needs DOSBox and cannot be started from here.";
      return plan;
    case TProgramKind::Windows:
      if (wine.isEmpty()) {
        plan.Reason = name +
                      " is a Windows program. Install wine to run it on Linux, or set WINE to the "
                      "wine to use.";
        return plan;
      }
      plan.CanStart = true;
      plan.Program = wine;
      plan.Arguments = QStringList{command.Executable} + switches;
      return plan;
    case TProgramKind::Other:
      if (!QFileInfo(command.Executable).isExecutable()) {
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

QString FindWine() {
  const QString chosen = qEnvironmentVariable("WINE");
  if (chosen.isEmpty()) return QStandardPaths::findExecutable("wine");
  if (!chosen.contains(QLatin1Char('/'))) return QStandardPaths::findExecutable(chosen);
  const QFileInfo info(chosen);
  return info.isFile() && info.isExecutable() ? chosen : QString();
}

}  // namespace zk
