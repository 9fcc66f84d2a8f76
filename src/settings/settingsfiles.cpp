// Bot settings files: saving, loading and deleting named sets, and the last-used set restored
// at start-up and saved at close.

#include "settings/settingsfiles.h"

#include "platform/files.h"
#include "settings/settingsformat.h"
#include "ui/mainform.h"

namespace zk {

namespace {

void ShowStop(IDialogs& dialogs, const std::string& text, const std::string& title) {
  dialogs.MessageBox(text, title, TMsgIcon::Stop, TMsgButtons::Ok);
}

// Asks for a name until the user cancels (false) or gives one to write: a new name (isNew), or
// an existing one that the user agrees to overwrite. Each new query shows the last name entered.
bool AskSettingsName(IDialogs& dialogs, const std::string& programDir, std::string& name,
                     bool& isNew) {
  for (;;) {
    if (!dialogs.InputQuery("Save Settings", "Please enter a name for the settings file", name))
      return false;
    if (!IsUsableSettingsName(name)) {
      ShowStop(dialogs, UnusableSettingsNameText(), "invalid name");
      continue;
    }
    isNew = !FileExists(NamedSettingsPath(programDir, name));
    if (isNew) return true;
    if (dialogs.MessageBox("A settings file with this name already exists. overwrite?",
                           "file already exists", TMsgIcon::Stop,
                           TMsgButtons::YesNo) == TModalResult::Yes)
      return true;
  }
}

}  // namespace

void TForm1::Button3Click(TControl* Sender) {
  if (!Sender) {
    SaveLines(LastSettingsPath(ProgramDir), BuildSettingsLines(*this));
    return;
  }
  std::string name;
  bool isNew = false;
  if (!AskSettingsName(Dialogs(), ProgramDir, name, isNew)) return;
  ForceDirectories(SettingsFolder(ProgramDir));  // a failure shows in the write below
  SaveLines(NamedSettingsPath(ProgramDir, name), BuildSettingsLines(*this));
  // Listed only once its file exists, so a failed write leaves no name without a file.
  if (isNew) ComboBox1->InsertItem(SettingsNameInsertIndex(ComboBox1->Items(), name), name);
}

void TForm1::ComboBox1Change(TControl* Sender) {
  if (!Sender) {
    // The last-used set: anything missing or short is simply not restored.
    const std::string path = LastSettingsPath(ProgramDir);
    if (!FileExists(path)) return;
    const TLines lines = LoadLines(path);
    if (lines.size() < static_cast<std::size_t>(kSettingsLineCount)) return;
    ApplySettingsLines(*this, lines);
    return;
  }
  const int index = ComboBox1->ItemIndex();
  if (index < 0) return;
  const std::string path = NamedSettingsPath(ProgramDir, ComboBox1->Text());
  if (!FileExists(path)) {
    ShowStop(Dialogs(),
             "This settings file no longer exists. looks\n"
             "like you're trying to crash this program...",
             "file is gone");
    return;
  }
  const TLines lines = LoadLines(path);
  if (lines.size() < static_cast<std::size_t>(kSettingsLineCount)) {
    ShowStop(Dialogs(), "This file is corrupt. Sorry :-(", "file corrupt");
    return;
  }
  ApplySettingsLines(*this, lines);
}

void TForm1::Button4Click(TControl*) {
  const int index = ComboBox1->ItemIndex();
  if (index < 0) return;
  const std::string path = NamedSettingsPath(ProgramDir, ComboBox1->Text());
  if (FileExists(path) && !DeleteFile(path)) {
    Dialogs().MessageBox(
        "Could not delete the settings file. Are you\nrunning this program from a ROM drive?",
        "couldn't delete file. Sorry :-(", TMsgIcon::None, TMsgButtons::Ok);
    return;
  }
  ComboBox1->DeleteItem(index);
  ComboBox1->SetItemIndex(-1);
}

void TForm1::FormClose(TControl*) {
  Button3Click(nullptr);
}

void TForm1::LoadSettingsAtStartUp() {
  ComboBox1->AddItems(ListDirectory(SettingsFolder(ProgramDir), "*.zks", true, true));
  ComboBox1->SetItemIndex(-1);  // the list starts with nothing picked
  // An existing but unreadable last-used file ends start-up with its error: running on with the
  // defaults would write them over the user's set at close.
  ComboBox1Change(nullptr);
}

}  // namespace zk
