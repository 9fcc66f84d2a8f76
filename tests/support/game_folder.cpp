#include "support/game_folder.h"

namespace zk::test {

TGameFolder::TGameFolder(TGame game, const std::string& subPath) {
  gameDir_ = temp_.Path(subPath) + kDelim;
  programDir_ = gameDir_ + "zebkin" + kDelim;
  std::filesystem::create_directories(FsPath(programDir_));
  if (game == WithGame) WriteGameFile("eDuke32.exe");
}

void TGameFolder::WriteGameFile(const std::string& name, const std::string& content) const {
  temp_.Write(gameDir_.substr(temp_.Dir().size() + 1) + name, content);
}

void TGameFolder::WriteProgramFile(const std::string& name, const std::string& content) const {
  temp_.Write(programDir_.substr(temp_.Dir().size() + 1) + name, content);
}

TFormFixture::TFormFixture(const TGameFolder& folder)
    : form(std::make_unique<TForm1>(folder.ExeFile(), dialogs, runner)) {}

}  // namespace zk::test
