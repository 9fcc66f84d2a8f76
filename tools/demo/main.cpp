// Lays out a demo game folder: the stand-in game as eDuke32.exe, the game's archive, the
// add-on's files and, on request, the launcher itself one folder below the game.
//
//   zk-demo [--highres] [--standin FILE] [--launcher FILE] GAMEDIR

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "demo/demo_parts.h"

namespace {

bool CopyExecutable(const QString& from, const QString& to) {
  QFile::remove(to);
  if (!QFile::copy(from, to)) return false;
  return QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::ExeOwner |
                                       QFileDevice::ExeGroup | QFileDevice::ExeOther);
}

int Usage() {
  std::fprintf(stderr, "usage: zk-demo [--highres] [--standin FILE] [--launcher FILE] GAMEDIR\n");
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  bool highres = false;
  QString standin, launcher, gameDir;
  while (!args.isEmpty()) {
    const QString a = args.takeFirst();
    if (a == "--highres") {
      highres = true;
    } else if (a == "--standin" && !args.isEmpty()) {
      standin = args.takeFirst();
    } else if (a == "--launcher" && !args.isEmpty()) {
      launcher = args.takeFirst();
    } else if (!a.startsWith("--") && gameDir.isEmpty()) {
      gameDir = a;
    } else {
      return Usage();
    }
  }
  if (gameDir.isEmpty()) return Usage();
  if (standin.isEmpty()) standin = QCoreApplication::applicationDirPath() + "/zk-standin";

  gameDir = QDir(gameDir).absolutePath() + "/";
  const QString programDir = gameDir + "zebkin/";
  if (!QDir().mkpath(programDir)) {
    std::fprintf(stderr, "zk-demo: cannot create %s\n", qPrintable(programDir));
    return 1;
  }
  if (!CopyExecutable(standin, gameDir + "eDuke32.exe")) {
    std::fprintf(stderr, "zk-demo: cannot copy the stand-in game from %s\n", qPrintable(standin));
    return 1;
  }
  if (!launcher.isEmpty() && !CopyExecutable(launcher, programDir + "zebkin-setup")) {
    std::fprintf(stderr, "zk-demo: cannot copy the launcher from %s\n", qPrintable(launcher));
    return 1;
  }
  zk::demo::WriteDemoGameArchive(gameDir);
  zk::demo::WriteDemoAddonFiles(programDir);
  if (highres) zk::demo::WriteDemoHighresModel(gameDir);
  std::printf("demo game folder: %s\n", qPrintable(gameDir));
  return 0;
}
