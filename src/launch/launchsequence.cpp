// LAUNCH and "generate map": prepare the four files in GameDir, start the game (LAUNCH only),
// wait for it and remove what the game no longer needs.

#include "gamedata/mapprep.h"
#include "launch/commandline.h"
#include "launch/gamefiles.h"
#include "launch/gameprocess.h"
#include "platform/files.h"
#include "script/gamescript.h"
#include "script/modeldefs.h"
#include "ui/mainform.h"
#include "ui/runprotocol.h"

namespace zk {

namespace {

class TLaunchSequence {
 public:
  TLaunchSequence(TForm1& form, bool launch)
      : form_(form), launch_(launch), savedText_(form.StatusBar1->PanelText()) {}

  void Run() {
    ShowProgress("copying zeb-kin files");
    CopyFile(form_.ProgramDir + kAddonArchiveFile, GamePath(kAddonArchiveFile));
    if (!ObtainMap()) {
      RestoreText();
      return;
    }

    ShowProgress("Editing map");
    EditMap(form_, GamePath(kWorkingMapFile), form_.CSpinEdit1->Value());

    ShowProgress("Writing con file");
    if (!WriteGameScript(form_)) {
      Fail("could not create the .con files. sorry :-(", "con file error");
      RestoreText();
      return;
    }
    ShowProgress("Writing def file");
    const std::string definitions = WriteModelDefinitions(form_);

    // The saved text shows while the game runs, at the first repaint of the wait.
    ShowProgress("Launching Duke Nukem 3D");
    RestoreText();
    const std::string executable = ChooseExecutable(form_.GameDir);
    if (executable.empty()) {
      // This end has no cleanup: the files stay until the next run replaces them.
      Fail(
          "You moron deleted the Duke Nukem 3D main executable after\nyou started this "
          "launcher. trying to crash me, eh? I should\nturn off your PC for this, but I'm to "
          "nice...",
          "Duke Nukem 3D not found anymore");
      return;
    }
    if (launch_)
      RunGame(form_, ComposeGameCommand(ReadLaunchOptions(form_), executable, definitions));
    CleanUp();
  }

 private:
  std::string GamePath(const char* name) const { return form_.GameDir + name; }

  // A game level is reported here; a user map's failures are reported by AcquireMap itself.
  bool ObtainMap() {
    if (!form_.RadioButton2->Checked()) return AcquireMap(form_);
    ShowProgress("extracting selected map");
    if (AcquireMap(form_)) return true;
    Fail("extracting of the map failed", "map extraction error");
    return false;
  }

  void CleanUp() {
    ShowProgress("Cleaning up");
    DeleteFile(GamePath(kGameScriptFile));
    DeleteFile(GamePath(kModelDefinitionsFile));
    if (launch_) DeleteFile(GamePath(kWorkingMapFile));
    DeleteFile(GamePath(kAddonArchiveFile));
    RestoreText();
  }

  // Nothing else is painted while the files are prepared, so each step paints at once.
  void ShowProgress(const char* text) {
    form_.StatusBar1->SetPanelText(text);
    form_.StatusBar1->Repaint();
  }

  // Shows at the status bar's next repaint.
  void RestoreText() { form_.StatusBar1->SetPanelText(savedText_); }

  void Fail(const char* text, const char* title) {
    form_.Dialogs().MessageBox(text, title, TMsgIcon::Stop, TMsgButtons::Ok);
  }

  TForm1& form_;
  const bool launch_;
  const std::string savedText_;
};

}  // namespace

// A null Sender (from Button5Click) generates the map without starting the game.
void TForm1::Button1Click(TControl* Sender) {
  RunExclusive(*this, [&] { TLaunchSequence(*this, Sender != nullptr).Run(); });
}

void TForm1::Button5Click(TControl*) {
  Button1Click(nullptr);
}

}  // namespace zk
