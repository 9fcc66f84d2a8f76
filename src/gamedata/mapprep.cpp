#include "gamedata/mapprep.h"

#include "gamedata/groupfile.h"
#include "gamedata/sprites.h"
#include "launch/gamefiles.h"
#include "platform/files.h"
#include "ui/mainform.h"

namespace zk {

namespace {

// "e{episode}l{level}.map" from the pickers, numbered from 1.
std::string LevelEntryName(const TForm1& form) {
  return "e" + std::to_string(form.ComboBox3->ItemIndex() + 1) + "l" +
         std::to_string(form.ComboBox4->ItemIndex() + 1) + ".map";
}

bool CopyUserMap(TForm1& form, const std::string& target) {
  const std::string& source = form.Edit1->Text();
  if (source.empty()) {
    form.Dialogs().MessageBox("No map selected", "", TMsgIcon::None, TMsgButtons::Ok);
    return false;
  }
  if (!CopyFile(source, target)) {
    form.Dialogs().MessageBox(
        "couldn't create the modified map file. Are\nyou running this program from a ROM drive?",
        "map modifying failed. Sorry :-(", TMsgIcon::None, TMsgButtons::Ok);
    return false;
  }
  return true;
}

}  // namespace

bool AcquireMap(TForm1& form) {
  const std::string target = form.GameDir + kWorkingMapFile;
  if (!form.RadioButton2->Checked()) return CopyUserMap(form, target);
  return ExtractFromGroupFile(form.GameDir + kGameArchiveFile, LevelEntryName(form), target);
}

bool EditMap(TForm1& form, const std::string& path, int botCount) {
  // Item 0 is "No monsters"; no selection counts the same.
  const bool removeMonsters = form.ComboBox2->ItemIndex() <= 0;
  return EditMapFile(path, botCount, removeMonsters);
}

}  // namespace zk
