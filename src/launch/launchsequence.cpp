// LAUNCH and "generate map": prepare the four files in GameDir, start the game (LAUNCH only),
// wait for it and remove what the game no longer needs.

#include "gamedata/mapprep.h"
#include "launch/commandline.h"
#include "launch/gameprocess.h"
#include "platform/files.h"
#include "script/gamescript.h"
#include "script/modeldefs.h"
#include "ui/mainform.h"

namespace zk {

namespace {

// Marks the window busy for one run, whichever way the run ends, and carries out a close that
// was held while the game ran once the run is over.
class TRunInProgress {
 public:
  explicit TRunInProgress(TForm1& form) : form_(form) { form_.RunInProgress = true; }
  ~TRunInProgress() {
    form_.RunInProgress = false;
    if (form_.CloseAfterRun) {
      form_.CloseAfterRun = false;
      form_.close();
    }
  }
  TRunInProgress(const TRunInProgress&) = delete;
  TRunInProgress& operator=(const TRunInProgress&) = delete;

 private:
  TForm1& form_;
};

class TLaunchSequence {
 public:
  TLaunchSequence(TForm1& form, bool launch)
      : form_(form), launch_(launch), savedText_(form.StatusBar1->PanelText()) {}

  void Run() {
    ShowProgress("copying zeb-kin files");
    CopyFile(form_.ProgramDir + "Zeb-Kin.grp", form_.GameDir + "Zeb-Kin.grp");
    if (!ObtainMap()) {
      RestoreText();
      return;
    }

    ShowProgress("Editing map");
    EditMap(form_, form_.GameDir + "Zeb-Kin.map", form_.CSpinEdit1->Value());

    ShowProgress("Writing con file");
    if (!WriteGameScript(form_)) {
      Fail("could not create the .con files. sorry :-(", "con file error");
      RestoreText();
      return;
    }
    ShowProgress("Writing def file");
    const QString definitions = WriteModelDefinitions(form_);

    // The saved text shows while the game runs, at the first repaint of the wait.
    ShowProgress("Launching Duke Nukem 3D");
    RestoreText();
    const QString executable = ChooseExecutable(form_);
    if (executable.isEmpty()) {
      // This end has no cleanup: the files stay until the next run replaces them.
      Fail(
          "You moron deleted the Duke Nukem 3D main executable after\nyou started this "
          "launcher. trying to crash me, eh? I should\nturn off your PC for this, but I'm to "
          "nice...",
          "Duke Nukem 3D not found anymore");
      return;
    }
    if (launch_) RunGame(form_, ComposeGameCommand(form_, executable, definitions));
    CleanUp();
  }

 private:
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
    DeleteFile(form_.GameDir + "zebkin.con");
    DeleteFile(form_.GameDir + "zebkin.def");
    if (launch_) DeleteFile(form_.GameDir + "Zeb-Kin.map");
    DeleteFile(form_.GameDir + "Zeb-Kin.grp");
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
  const QString savedText_;
};

}  // namespace

// A null Sender (from Button5Click) generates the map without starting the game. While a run
// waits for the game a second one would work over the same files, so it is ignored.
void TForm1::Button1Click(QObject* Sender) {
  if (RunInProgress) return;
  TRunInProgress busy(*this);
  TLaunchSequence(*this, Sender != nullptr).Run();
}

void TForm1::Button5Click(QObject*) {
  Button1Click(nullptr);
}

}  // namespace zk
