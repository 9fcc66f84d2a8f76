#include "ui/mainform.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "platform/application.h"
#include "platform/files.h"
#include "platform/gamestart.h"
#include "platform/sysutils.h"
#include "ui/placeholders.h"

namespace zk {

namespace {

const char* const kCredits = "Zeb-Kin Setup 1.0 - bots for Duke Nukem 3D - by the Zeb-Kin team";

const QStringList kEpisodes = {"L.A. Meltdown", "Lunar Apocalypse", "Shrapnel City", "The Birth"};
const QStringList kEpisode1 = {"Hollywood Holocaust", "Redlight District", "Death Row",
                               "Toxic Dump",          "The Abyss",         "Launch Facility"};
const QStringList kEpisode2 = {"Spaceport",      "Incubator",          "Warp Factor",
                               "Fusion Station", "Occupied Territory", "Tiberius Station",
                               "Lunar Reactor",  "Dark Side",          "Overlord",
                               "Spin Cycle",     "Lunatic Fringe"};
const QStringList kEpisode3 = {"Raw Meat",  "Bank Roll",     "Flood Zone", "L.A. Rumble",
                               "Movie Set", "Rabit Transit", "Fahrenheit", "Hotel Hell",
                               "Stadium",   "Tier Drops",    "Freeway"};
const QStringList kEpisode4 = {"It's impossible", "Duke-Burger",  "Shop-N-Bag", "Babe Land",
                               "Pigsty",          "Going Postal", "XXX-Stacy",  "Critical Mass",
                               "Derelict",        "The Queen",    "Area 51"};
const QStringList kDifficulties = {"No monsters", "Piece of cake", "Let's rock", "Come get some",
                                   "Damn I'm good"};

// Twelve lines that fit the notes page without a scroll bar.
const QStringList kNotes = {
    "Monsters may still turn up although you chose \"no monsters\": some levels make them "
    "while you play.",
    "If you meet one, please write to zebkin-setup@users.example.org and tell us which monster "
    "it was, in which level and where.",
    "Thank you for your support!",
    "----------------------------------------",
    "About this launcher",
    "It copies the level with start places for the bots, fills in their game script from your "
    "choices, starts the game and tidies the game folder up when it ends.",
    "Bot settings can be saved under names of your own; the last ones are remembered.",
    "----------------------------------------",
    "Thanks",
    "To everybody who played against the bots and told us what went wrong,",
    "and to everybody who keeps the game alive with new levels.",
    "Have fun!"};

QFont BottomButtonFont(const QFont& base) {
  QFont f = base;
  f.setBold(true);
  f.setPixelSize(24);
  return f;
}

void SetTextColour(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::ButtonText, colour);
  p.setColor(QPalette::WindowText, colour);
  w->setPalette(p);
}

}  // namespace

TForm1::TForm1(const QString& exeFile, IDialogs& dialogs, IProcessRunner& runner)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs),
      runner_(runner) {
  BuildControls();
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
  for (const QString& name : GameExecutableNames())
    if (FileExists(GameDir + name)) return true;
  return false;
}

void TForm1::LocateGame(const QString& exeFile) {
  ProgramDir = ExtractFilePath(exeFile);
  QString parent = ProgramDir;
  if (parent.endsWith(QLatin1Char(PathDelim))) parent.chop(1);
  GameDir = ExtractFilePath(parent);
}

std::function<void()> TForm1::Guarded(QObject* sender, void (TForm1::*handler)(QObject*)) {
  return [this, sender, handler] { RunGuarded(dialogs_, [&] { (this->*handler)(sender); }); };
}

void TForm1::BindEvents() {
  connect(Button1, &QPushButton::clicked, this, Guarded(Button1, &TForm1::Button1Click));
  connect(Button5, &QPushButton::clicked, this, Guarded(Button5, &TForm1::Button5Click));
  connect(Button2, &QPushButton::clicked, this, Guarded(Button2, &TForm1::Button2Click));
  connect(Button3, &QPushButton::clicked, this, Guarded(Button3, &TForm1::Button3Click));
  connect(Button4, &QPushButton::clicked, this, Guarded(Button4, &TForm1::Button4Click));
  connect(CheckBox2, &QCheckBox::clicked, this, Guarded(CheckBox2, &TForm1::CheckBox2Click));
  connect(ComboBox1, &QComboBox::activated, this, Guarded(ComboBox1, &TForm1::ComboBox1Change));
  connect(ComboBox2, &QComboBox::activated, this, Guarded(ComboBox2, &TForm1::ComboBox2Change));
  connect(ComboBox3, &QComboBox::activated, this, Guarded(ComboBox3, &TForm1::ComboBox3Change));
  connect(ComboBox4, &QComboBox::activated, this, Guarded(ComboBox4, &TForm1::ComboBox4Change));
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (RunInProgress) {
    // The generated files must not outlive the launcher: close once the run has cleaned up.
    CloseAfterRun = true;
    event->ignore();
    return;
  }
  // A failed save of the last-used settings is reported once; the window closes all the same.
  RunGuarded(dialogs_, [this] { FormClose(this); });
  event->accept();
}

void TForm1::BuildControls() {
  setWindowTitle("Zeb-Kin Setup");
  QFont base;
  // Sans serifs of the same widths as the design's; a TrueType face loads far faster than the
  // second one's, which matters for start-up.
  base.setFamilies({"Liberation Sans", "Nimbus Sans", "DejaVu Sans"});
  base.setStyleHint(QFont::SansSerif);
  base.setPixelSize(11);
  setFont(base);
  setFixedSize(409, 385);

  PageControl1 = new QTabWidget(this);
  Place(PageControl1, 0, 0, 410, 328);
  TabSheet2 = new QWidget;
  TabSheet1 = new QWidget;
  TabSheet5 = new QWidget;
  TabSheet4 = new QWidget;
  PageControl1->addTab(TabSheet2, "game settings");
  PageControl1->addTab(TabSheet1, "bot options");
  PageControl1->addTab(TabSheet5, "weapons");
  PageControl1->addTab(TabSheet4, "don't read me");
  BuildGameSettingsPage();
  BuildBotOptionsPage();
  BuildWeaponsPage();
  BuildNotesPage();
  PageControl1->setCurrentIndex(0);

  StatusBar1 = new TStatusBar(this);
  Place(StatusBar1, 0, 366, 409, 19);
  StatusBar1->SetPanelText(kCredits);
  WidenCheckBoxCaptions();

  // Button1 lies over Button5 and covers it: the mouse always hits Button1, Button5 is reached
  // with the keyboard only, after Button1 in the focus order.
  Button1 = new TButton(this, "LAUNCH!");
  Place(Button1, 0, 328, 409, 38);
  Button1->setFont(BottomButtonFont(base));
  SetTextColour(Button1, Qt::red);
  Button5 = new TButton(this, "generate map");
  Place(Button5, 216, 328, 193, 38);
  Button5->setFont(BottomButtonFont(base));
  Button1->raise();

  OpenDialog1.Filter = "Duke Nukem 3D Level (*.map)|*.map";
  OpenDialog1.DefaultExt = "map";
  OpenDialog1.FileMustExist = true;
  OpenDialog1.PathMustExist = true;

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}

// The design's widths were made for a narrower font: a check box whose caption would be cut
// grows to show it, as far as its group leaves room.
void TForm1::WidenCheckBoxCaptions() {
  for (QCheckBox* box : findChildren<QCheckBox*>()) {
    const int room = box->parentWidget()->width() - box->x() - 4;
    const int need = box->sizeHint().width();
    if (need > box->width()) box->resize(std::min(need, room), box->height());
  }
}

void TForm1::BuildGameSettingsPage() {
  QWidget* page = TabSheet2;

  GroupBox2 = new TGroupBox(page, "  select map  ");
  Place(GroupBox2, 8, 8, 385, 105);
  RadioButton1 = new TRadioButton(GroupBox2, "usermap", false);
  Place(RadioButton1, 8, 16, 113, 17);
  Edit1 = new TEdit(GroupBox2, false);
  Place(Edit1, 72, 16, 257, 21);
  Button2 = new TButton(GroupBox2, "Browse");
  Place(Button2, 328, 16, 49, 21);
  RadioButton2 = new TRadioButton(GroupBox2, "Duke3D map", true);
  Place(RadioButton2, 8, 48, 113, 17);
  ComboBox3 = new TComboBox(GroupBox2, kEpisodes, 0);
  Place(ComboBox3, 96, 48, 137, 21);
  ComboBox4 = new TComboBox(GroupBox2, kEpisode1, 0);
  Place(ComboBox4, 240, 48, 137, 21);
  ComboBox4->setMaxVisibleItems(11);
  CheckBox11 = new TCheckBox(GroupBox2, "record a demo", false);
  Place(CheckBox11, 64, 80, 97, 17);
  CheckBox12 = new TCheckBox(GroupBox2, "reincarnation", false);
  Place(CheckBox12, 232, 80, 129, 17);

  GroupBox5 = new TGroupBox(page, "  bots  ");
  Place(GroupBox5, 8, 120, 385, 73);
  Label1 = new TLabel(GroupBox5, "number of zeb-kins", 8, 20);
  CSpinEdit1 = new TCSpinEdit(GroupBox5, 0, 7, 1, 3);
  Place(CSpinEdit1, 8, 35, 89, 22);
  Label3 = new TLabel(GroupBox5, "number of PP bots", 108, 20);
  CSpinEdit2 = new TCSpinEdit(GroupBox5, 0, 0, 1, 0);
  Place(CSpinEdit2, 108, 35, 89, 22);
  Label2 = new TLabel(GroupBox5, "load bot settings", 208, 20);
  ComboBox1 = new TComboBox(GroupBox5, {}, -1);
  Place(ComboBox1, 208, 36, 97, 21);
  Button3 = new TButton(GroupBox5, "save");
  Place(Button3, 304, 36, 33, 21);
  Button4 = new TButton(GroupBox5, "delete");
  Place(Button4, 336, 36, 41, 21);
  SetTextColour(Button4, Qt::red);

  GroupBox3 = new TGroupBox(page, "  monsters  ");
  Place(GroupBox3, 8, 200, 185, 89);
  Label6 = new TLabel(GroupBox3, "monster difficulty", 8, 20);
  ComboBox2 = new TComboBox(GroupBox3, kDifficulties, 0);
  Place(ComboBox2, 32, 36, 145, 21);
  CheckBox7 = new TCheckBox(GroupBox3, "respawn monsters", false);
  Place(CheckBox7, 8, 64, 105, 17);
  CheckBox7->setEnabled(false);
  CheckBox7->Tag = 0;

  GroupBox6 = new TGroupBox(page, "  items  ");
  Place(GroupBox6, 208, 200, 185, 89);
  CheckBox8 = new TCheckBox(GroupBox6, "respawn items", true);
  Place(CheckBox8, 24, 16, 97, 17);
  CheckBox9 = new TCheckBox(GroupBox6, "start with all weapons", false);
  Place(CheckBox9, 24, 40, 121, 17);
  CheckBox10 = new TCheckBox(GroupBox6, "start with all items", false);
  Place(CheckBox10, 24, 64, 105, 17);

  Memo2 = new TMemo(page, kEpisode1, false);
  Memo3 = new TMemo(page, kEpisode2, false);
  Memo4 = new TMemo(page, kEpisode3, false);
  Memo5 = new TMemo(page, kEpisode4, false);
  Memo6 = new TMemo(page, ScriptPlaceholders(), false);
}

void TForm1::BuildBotOptionsPage() {
  QWidget* page = TabSheet1;

  GroupBox4 = new TGroupBox(page, "  speed  ");
  Place(GroupBox4, 6, 8, 177, 185);
  Label16 = new TLabel(GroupBox4, "navigating", 8, 16);
  Label17 = new TLabel(GroupBox4, "dodging", 8, 88);
  Label20 = new TLabel(GroupBox4, "on the ground", 16, 32);
  Label18 = new TLabel(GroupBox4, "in the water", 16, 48);
  Label19 = new TLabel(GroupBox4, "in the air", 16, 64);
  Label21 = new TLabel(GroupBox4, "on the ground", 16, 104);
  Label22 = new TLabel(GroupBox4, "in the water", 16, 120);
  Label23 = new TLabel(GroupBox4, "in the air", 16, 136);
  Label30 = new TLabel(GroupBox4, "steroid usage", 8, 160);
  auto speed = [&](int top, int min, int max, int position) {
    auto* t = new TTrackBar(GroupBox4, min, max, position, false);
    Place(t, 88, top, 86, 16);
    return t;
  };
  TrackBar6 = speed(32, 10, 700, 125);
  TrackBar7 = speed(48, 10, 700, 75);
  TrackBar8 = speed(64, 10, 700, 110);
  TrackBar9 = speed(104, 10, 700, 150);
  TrackBar10 = speed(120, 10, 700, 100);
  TrackBar11 = speed(136, 10, 700, 130);
  TrackBar27 = speed(160, 0, 255, 64);

  GroupBox1 = new TGroupBox(page, "  weapon preference  ");
  Place(GroupBox1, 190, 8, 209, 185);
  Label8 = new TLabel(GroupBox1, "pistol", 8, 20);
  Label9 = new TLabel(GroupBox1, "shotgun", 8, 44);
  Label10 = new TLabel(GroupBox1, "chaingun", 8, 68);
  Label11 = new TLabel(GroupBox1, "RPG", 8, 92);
  Label12 = new TLabel(GroupBox1, "shrinker /", 8, 112);
  Label32 = new TLabel(GroupBox1, "expander", 8, 124);
  auto preference = [&](int top, int tag) {
    auto* t = new TTrackBar(GroupBox1, 1, 51, 1, false);
    Place(t, 64, top, 137, 21);
    t->Tag = tag;
    return t;
  };
  TrackBar1 = preference(18, 0);
  TrackBar2 = preference(42, 3);
  TrackBar3 = preference(66, 5);
  TrackBar4 = preference(90, 9);
  TrackBar5 = preference(114, 25);
  CheckBox6 = new TCheckBox(GroupBox1, "Use Pipebombs", true);
  Place(CheckBox6, 8, 152, 145, 17);

  GroupBox7 = new TGroupBox(page, "  miscellaneous  ");
  Place(GroupBox7, 8, 200, 393, 81);
  Label5 = new TLabel(GroupBox7, "Bots maximum health", 16, 28);
  CSpinEdit4 = new TCSpinEdit(GroupBox7, 10, 4000, 10, 200);
  Place(CSpinEdit4, 40, 43, 73, 22);
  Label7 = new TLabel(GroupBox7, "Bots can", 151, 12);
  CheckBox5 = new TCheckBox(GroupBox7, "Use Medikit", true);
  Place(CheckBox5, 168, 24, 81, 17);
  CheckBox4 = new TCheckBox(GroupBox7, "Dodge", true);
  Place(CheckBox4, 168, 40, 57, 17);
  CheckBox3 = new TCheckBox(GroupBox7, "Use Jetpack", true);
  Place(CheckBox3, 168, 56, 89, 17);
  CheckBox1 = new TCheckBox(GroupBox7, "respawn zeb-kin ", true);
  Place(CheckBox1, 280, 16, 97, 17);
  Label4 = new TLabel(GroupBox7, "respawn time", 296, 32);
  CSpinEdit3 = new TCSpinEdit(GroupBox7, 0, 600, 1, 10);
  Place(CSpinEdit3, 280, 51, 97, 22);
}

void TForm1::BuildWeaponsPage() {
  QWidget* page = TabSheet5;
  Label13 = new TLabel(page, "shooting rate", 104, 32);
  Label14 = new TLabel(page, "shooting power", 200, 32);
  Label15 = new TLabel(page, "trigger release chance", 288, 32);

  auto rate = [&](int top) {
    auto* t = new TTrackBar(page, 0, 48, 0, false);
    Place(t, 88, top, 89, 25);
    return t;
  };
  auto power = [&](int top) {
    auto* t = new TTrackBar(page, 1, 7, 1, true);
    Place(t, 192, top, 89, 25);
    return t;
  };
  auto release = [&](int top) {
    auto* t = new TTrackBar(page, 0, 100, 10, false);
    Place(t, 296, top, 89, 25);
    return t;
  };

  Label31 = new TLabel(page, "mighty foot", 8, 56);
  TrackBar28 = power(56);
  Label24 = new TLabel(page, "pistol", 8, 80);
  TrackBar12 = rate(80);
  TrackBar13 = power(80);
  TrackBar14 = release(80);
  Label25 = new TLabel(page, "shotgun", 8, 104);
  TrackBar15 = rate(104);
  TrackBar16 = power(104);
  TrackBar17 = release(104);
  Label26 = new TLabel(page, "chaingun", 8, 128);
  TrackBar18 = rate(128);
  TrackBar19 = power(128);
  TrackBar20 = release(128);
  Label28 = new TLabel(page, "RPG", 8, 152);
  TrackBar21 = rate(152);
  TrackBar22 = power(152);
  TrackBar23 = release(152);
  Label29 = new TLabel(page, "shrinker", 8, 176);
  TrackBar24 = rate(176);
  TrackBar25 = power(176);
  TrackBar26 = release(176);
  CheckBox2 = new TCheckBox(page, "use expander instead of shrinker", true);
  Place(CheckBox2, 8, 216, 185, 17);
  Label33 = new TLabel(page, "expander", 8, 240);
  TrackBar29 = rate(240);
  TrackBar30 = power(240);
  TrackBar31 = release(240);
  // The states at start are those of the checked box.
  for (QWidget* w : {static_cast<QWidget*>(TrackBar24), static_cast<QWidget*>(TrackBar25),
                     static_cast<QWidget*>(TrackBar26), static_cast<QWidget*>(Label29)})
    w->setEnabled(false);
}

void TForm1::BuildNotesPage() {
  Memo1 = new TMemo(TabSheet4, kNotes, true);
  Place(Memo1, 8, 8, 386, 280);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

}  // namespace zk
