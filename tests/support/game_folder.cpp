#include "support/game_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zk::test {

namespace {
void WriteFile(const QString& path, const QByteArray& content) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(content);
}
}  // namespace

TGameFolder::TGameFolder(const QString& subPath) {
  gameDir_ = temp_.path() + "/" + subPath + "/";
  programDir_ = gameDir_ + "zebkin/";
  QDir().mkpath(programDir_);
}

void TGameFolder::WriteGameFile(const QString& name, const QByteArray& content) const {
  WriteFile(gameDir_ + name, content);
}

void TGameFolder::WriteProgramFile(const QString& name, const QByteArray& content) const {
  WriteFile(programDir_ + name, content);
}

bool TGameFolder::GameFileExists(const QString& name) const {
  return QFileInfo::exists(gameDir_ + name);
}

TFormFixture::TFormFixture(const TGameFolder& folder)
    : form(std::make_unique<TForm1>(folder.ExeFile(), dialogs, runner)) {}

}  // namespace zk::test
