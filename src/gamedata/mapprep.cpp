#include "gamedata/mapprep.h"

#include "gamedata/groupfile.h"
#include "gamedata/sprites.h"
#include "platform/files.h"
#include "ui/mainform.h"

namespace zk {

namespace {

const char* const kWorkingMap = "Zeb-Kin.map";

// "e{episode}l{level}.map" from the pickers, numbered from 1.
QString LevelEntryName(const TForm1& form) {
  return QString("e%1l%2.map")
      .arg(form.ComboBox3->ItemIndex() + 1)
      .arg(form.ComboBox4->ItemIndex() + 1);
}

bool CopyUserMap(TForm1& form, const QString& target) {
  const QString source = form.Edit1->Text();
  if (source.isEmpty()) {
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
  const QString target = form.GameDir + kWorkingMap;
  if (!form.RadioButton2->Checked()) return CopyUserMap(form, target);
  return ExtractFromGroupFile((form.GameDir + "Duke3D.grp").toStdString(),
                              LevelEntryName(form).toStdString(), target.toStdString());
}

bool EditMap(TForm1& form, const QString& path, int botCount) {
  // Item 0 is "No monsters"; no selection counts the same.
  const bool removeMonsters = form.ComboBox2->ItemIndex() <= 0;
  return EditMapFile(path.toStdString(), botCount, removeMonsters);
}

}  // namespace zk
