// Lays out a demo game folder: the stand-in game as eDuke32.exe, the game's archive, the
// add-on's files and, on request, the launcher itself one folder below the game.
//
//   zk-demo [--highres] [--standin FILE] [--launcher FILE] GAMEDIR

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "common/programpath.h"
#include "demo/demo_parts.h"

namespace {

namespace fs = std::filesystem;

bool CopyExecutable(const std::string& from, const std::string& to) {
  std::error_code error;
  fs::remove(fs::u8path(to), error);
  if (!fs::copy_file(fs::u8path(from), fs::u8path(to), error)) return false;
  fs::permissions(fs::u8path(to),
                  fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add, error);
  return !error;
}

// The folder made absolute and tidied ("a/./b/../c/" is "a/c"), ending in "/".
std::string FolderPath(const std::string& path) {
  std::error_code error;
  std::string folder = fs::absolute(fs::u8path(path), error).lexically_normal().u8string();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder == "/" ? folder : folder + "/";
}

int Usage() {
  std::fprintf(stderr, "usage: zk-demo [--highres] [--standin FILE] [--launcher FILE] GAMEDIR\n");
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  bool highres = false;
  std::string standin, launcher, gameDir;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--highres") {
      highres = true;
    } else if (a == "--standin" && hasValue) {
      standin = args[++i];
    } else if (a == "--launcher" && hasValue) {
      launcher = args[++i];
    } else if (a.compare(0, 2, "--") != 0 && gameDir.empty()) {
      gameDir = a;
    } else {
      return Usage();
    }
  }
  if (gameDir.empty()) return Usage();
  if (standin.empty())
    standin = (zk::tools::ProgramPath(argv[0]).parent_path() / "zk-standin").u8string();

  gameDir = FolderPath(gameDir);
  const std::string programDir = gameDir + "zebkin/";
  std::error_code error;
  fs::create_directories(fs::u8path(programDir), error);
  if (error) {
    std::fprintf(stderr, "zk-demo: cannot create %s\n", programDir.c_str());
    return 1;
  }
  if (!CopyExecutable(standin, gameDir + "eDuke32.exe")) {
    std::fprintf(stderr, "zk-demo: cannot copy the stand-in game from %s\n", standin.c_str());
    return 1;
  }
  if (!launcher.empty() && !CopyExecutable(launcher, programDir + "zebkin-setup")) {
    std::fprintf(stderr, "zk-demo: cannot copy the launcher from %s\n", launcher.c_str());
    return 1;
  }
  zk::demo::WriteDemoGameArchive(gameDir);
  zk::demo::WriteDemoAddonFiles(programDir);
  if (highres) zk::demo::WriteDemoHighresModel(gameDir);
  std::printf("demo game folder: %s\n", gameDir.c_str());
  return 0;
}
