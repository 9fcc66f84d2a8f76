#include "ui/mainform.h"

#include "platform/application.h"
#include "platform/files.h"
#include "platform/gamestart.h"
#include "platform/sysutils.h"

namespace zk {

TForm1::TForm1(const std::string& exeFile, IDialogs& dialogs, IProcessRunner& runner)
    : TForm("Form1", 409, 385, "Zeb-Kin Setup"), dialogs_(dialogs), runner_(runner) {
  BuildDesign();
  BindEvents();
  SliderTable = {TrackBar1,  TrackBar2,  TrackBar3,  TrackBar4,  TrackBar5,  TrackBar6,  TrackBar7,
                 TrackBar8,  TrackBar9,  TrackBar10, TrackBar11, TrackBar12, TrackBar13, TrackBar14,
                 TrackBar15, TrackBar16, TrackBar17, TrackBar18, TrackBar19, TrackBar20, TrackBar21,
                 TrackBar22, TrackBar23, TrackBar24, TrackBar25, TrackBar26, TrackBar27, TrackBar28,
                 TrackBar29, TrackBar30, TrackBar31};
  LocateGame(exeFile);
  if (!GameFound()) {
    dialogs_.MessageBox("sorry, this stuff must be in a\nsubdirectory of your Duke Path",
                        "Duke Nukem 3D not found", TMsgIcon::Stop, TMsgButtons::Ok);
    terminateRequested_ = true;
    return;
  }
  LoadSettingsAtStartUp();
}

TForm1::~TForm1() = default;

// Any of the game's names will do; which one is started is settled at launch.
bool TForm1::GameFound() const {
  for (const std::string& name : GameExecutableNames())
    if (FileExists(GameDir + name)) return true;
  return false;
}

void TForm1::LocateGame(const std::string& exeFile) {
  ProgramDir = ExtractFilePath(exeFile);
  std::string parent = ProgramDir;
  if (!parent.empty() && parent.back() == PathDelim) parent.pop_back();
  GameDir = ExtractFilePath(parent);
}

TNotifyEvent TForm1::Guarded(void (TForm1::*handler)(TControl*)) {
  return [this, handler](TControl* sender) {
    RunGuarded(dialogs_, [&] { (this->*handler)(sender); });
  };
}

void TForm1::BindEvents() {
  Button1->OnClick = Guarded(&TForm1::Button1Click);
  Button5->OnClick = Guarded(&TForm1::Button5Click);
  Button2->OnClick = Guarded(&TForm1::Button2Click);
  Button3->OnClick = Guarded(&TForm1::Button3Click);
  Button4->OnClick = Guarded(&TForm1::Button4Click);
  CheckBox2->OnClick = Guarded(&TForm1::CheckBox2Click);
  ComboBox1->OnChange = Guarded(&TForm1::ComboBox1Change);
  ComboBox2->OnChange = Guarded(&TForm1::ComboBox2Change);
  ComboBox3->OnChange = Guarded(&TForm1::ComboBox3Change);
  ComboBox4->OnChange = Guarded(&TForm1::ComboBox4Change);
}

}  // namespace zk
