#pragma once
// The single main window, as a plain model. Its controls are the whole option model: every
// subsystem reads the controls it needs, by name, when it runs. The handlers of each subsystem
// are members declared here and defined in that subsystem's folder. A backend (platform/qt,
// platform/win32) shows the window and binds its controls; the logic needs none.

#include <array>
#include <string>

#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/process.h"

namespace zk {

class TForm1 : public TForm {
 public:
  // Builds the window's design for a launcher whose executable is exeFile, then runs start-up:
  // the slider table, ProgramDir and GameDir, the game check, and the settings steps. When the
  // game is missing it reports that and TerminateRequested() is true: the window must not be
  // shown. An error of the settings steps leaves the constructor.
  TForm1(const std::string& exeFile, IDialogs& dialogs, IProcessRunner& runner);
  ~TForm1() override;

  IDialogs& Dialogs() const { return dialogs_; }
  IProcessRunner& Runner() const { return runner_; }
  bool TerminateRequested() const { return terminateRequested_; }

  // Set once at start-up; both end in the path delimiter (GameDir only normally).
  std::string ProgramDir;
  std::string GameDir;
  // Entry i is TrackBar(i + 1); its order is part of the settings file format.
  std::array<TTrackBar*, 31> SliderTable{};

  // The run protocol (ui/runprotocol): while LAUNCH waits for the game a second run is refused
  // and a close is held until the run's cleanup is done (then the window closes itself).
  bool RunInProgress = false;
  bool CloseAfterRun = false;
  // The window's close: held during a run, otherwise FormClose (its error reported once) and
  // the window closes.
  bool CloseQuery() override;

  // --- Handlers. With a null Sender each runs its programmatic variant. ---
  // Window behaviour (ui/).
  void CheckBox2Click(TControl* Sender);
  void Button2Click(TControl* Sender);
  void ComboBox3Change(TControl* Sender);
  void ComboBox4Change(TControl* Sender);
  void ComboBox2Change(TControl* Sender);
  // Bot settings files (settings/).
  void Button3Click(TControl* Sender);
  void Button4Click(TControl* Sender);
  void ComboBox1Change(TControl* Sender);
  void FormClose(TControl* Sender);
  void LoadSettingsAtStartUp();
  // Launch (launch/).
  void Button1Click(TControl* Sender);
  void Button5Click(TControl* Sender);

  // --- Controls, by their component names. ---
  TButton* Button5;
  TButton* Button1;
  TStatusBar* StatusBar1;
  TPageControl* PageControl1;
  TTabSheet* TabSheet2;  // "game settings"
  TTabSheet* TabSheet1;  // "bot options"
  TTabSheet* TabSheet5;  // "weapons"
  TTabSheet* TabSheet4;  // "don't read me"
  TOpenDialogSpec OpenDialog1;

  // Page "game settings".
  TGroupBox* GroupBox2;
  TRadioButton* RadioButton1;
  TEdit* Edit1;
  TButton* Button2;
  TRadioButton* RadioButton2;
  TComboBox* ComboBox3;
  TComboBox* ComboBox4;
  TCheckBox* CheckBox11;
  TCheckBox* CheckBox12;
  TGroupBox* GroupBox5;
  TLabel* Label1;
  TCSpinEdit* CSpinEdit1;
  TLabel* Label3;
  TCSpinEdit* CSpinEdit2;
  TLabel* Label2;
  TComboBox* ComboBox1;
  TButton* Button3;
  TButton* Button4;
  TGroupBox* GroupBox3;
  TLabel* Label6;
  TComboBox* ComboBox2;
  TCheckBox* CheckBox7;
  TGroupBox* GroupBox6;
  TCheckBox* CheckBox8;
  TCheckBox* CheckBox9;
  TCheckBox* CheckBox10;
  TMemo* Memo2;
  TMemo* Memo3;
  TMemo* Memo4;
  TMemo* Memo5;
  TMemo* Memo6;

  // Page "bot options".
  TGroupBox* GroupBox4;
  TLabel* Label16;
  TLabel* Label17;
  TLabel* Label20;
  TLabel* Label18;
  TLabel* Label19;
  TLabel* Label21;
  TLabel* Label22;
  TLabel* Label23;
  TLabel* Label30;
  TTrackBar* TrackBar6;
  TTrackBar* TrackBar7;
  TTrackBar* TrackBar8;
  TTrackBar* TrackBar9;
  TTrackBar* TrackBar10;
  TTrackBar* TrackBar11;
  TTrackBar* TrackBar27;
  TGroupBox* GroupBox1;
  TLabel* Label8;
  TLabel* Label9;
  TLabel* Label10;
  TLabel* Label11;
  TLabel* Label12;
  TLabel* Label32;
  TTrackBar* TrackBar1;
  TTrackBar* TrackBar2;
  TTrackBar* TrackBar3;
  TTrackBar* TrackBar4;
  TTrackBar* TrackBar5;
  TCheckBox* CheckBox6;
  TGroupBox* GroupBox7;
  TLabel* Label5;
  TCSpinEdit* CSpinEdit4;
  TLabel* Label7;
  TCheckBox* CheckBox5;
  TCheckBox* CheckBox4;
  TCheckBox* CheckBox3;
  TCheckBox* CheckBox1;
  TLabel* Label4;
  TCSpinEdit* CSpinEdit3;

  // Page "weapons".
  TLabel* Label13;
  TLabel* Label14;
  TLabel* Label15;
  TLabel* Label31;
  TLabel* Label24;
  TLabel* Label25;
  TLabel* Label26;
  TLabel* Label28;
  TLabel* Label29;
  TLabel* Label33;
  TTrackBar* TrackBar28;
  TTrackBar* TrackBar12;
  TTrackBar* TrackBar13;
  TTrackBar* TrackBar14;
  TTrackBar* TrackBar15;
  TTrackBar* TrackBar16;
  TTrackBar* TrackBar17;
  TTrackBar* TrackBar18;
  TTrackBar* TrackBar19;
  TTrackBar* TrackBar20;
  TTrackBar* TrackBar21;
  TTrackBar* TrackBar22;
  TTrackBar* TrackBar23;
  TTrackBar* TrackBar24;
  TTrackBar* TrackBar25;
  TTrackBar* TrackBar26;
  TTrackBar* TrackBar29;
  TTrackBar* TrackBar30;
  TTrackBar* TrackBar31;
  TCheckBox* CheckBox2;

  // Page "don't read me".
  TMemo* Memo1;

 private:
  // The design (ui/design.cpp): every control with its parent, place, caption and default.
  void BuildDesign();
  void BuildGameSettingsPage();
  void BuildBotOptionsPage();
  void BuildWeaponsPage();
  void BuildNotesPage();
  void BindEvents();
  // A handler bound to a control's event, run so that an escaping exception is reported.
  TNotifyEvent Guarded(void (TForm1::*handler)(TControl*));
  void LocateGame(const std::string& exeFile);
  bool GameFound() const;

  IDialogs& dialogs_;
  IProcessRunner& runner_;
  bool terminateRequested_ = false;
};

}  // namespace zk
