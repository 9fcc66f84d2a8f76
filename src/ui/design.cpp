// The window's design: every control with its parent, place, caption, default, Tag, enabled
// state and font traits. A backend shows it as it stands here.

#include <string>
#include <vector>

#include "ui/mainform.h"
#include "ui/placeholders.h"

namespace zk {

namespace {

const char* const kCredits = "Zeb-Kin Setup 1.0 - bots for Duke Nukem 3D - by the Zeb-Kin team";

const std::vector<std::string> kEpisodes = {"L.A. Meltdown", "Lunar Apocalypse", "Shrapnel City",
                                            "The Birth"};
const std::vector<std::string> kEpisode1 = {"Hollywood Holocaust", "Redlight District",
                                            "Death Row",           "Toxic Dump",
                                            "The Abyss",           "Launch Facility"};
const std::vector<std::string> kEpisode2 = {
    "Spaceport",          "Incubator",        "Warp Factor",   "Fusion Station",
    "Occupied Territory", "Tiberius Station", "Lunar Reactor", "Dark Side",
    "Overlord",           "Spin Cycle",       "Lunatic Fringe"};
const std::vector<std::string> kEpisode3 = {
    "Raw Meat",   "Bank Roll",  "Flood Zone", "L.A. Rumble", "Movie Set", "Rabit Transit",
    "Fahrenheit", "Hotel Hell", "Stadium",    "Tier Drops",  "Freeway"};
const std::vector<std::string> kEpisode4 = {
    "It's impossible", "Duke-Burger",   "Shop-N-Bag", "Babe Land", "Pigsty", "Going Postal",
    "XXX-Stacy",       "Critical Mass", "Derelict",   "The Queen", "Area 51"};
const std::vector<std::string> kDifficulties = {"No monsters", "Piece of cake", "Let's rock",
                                                "Come get some", "Damn I'm good"};

const std::vector<std::string> kNotes = {
    "Monsters may still turn up although you chose \"no monsters\": some levels make them "
    "while you play.",
    "If you meet one, please write to zebkin-setup@users.example.org and tell us which monster "
    "it was, in which level and where.",
    "Thank you for your support!",
    "----------------------------------------",
    "About this launcher",
    "Zeb-Kin Setup prepares everything the Zeb-Kin bots need: a copy of the level with the bots' "
    "start places, the bots' game script filled in from your choices, and the add-on's files. "
    "Then it starts the game, and when the game ends it tidies the game folder up again.",
    "Your bot settings can be saved under names of your own; the last ones are remembered.",
    "----------------------------------------",
    "Thanks",
    "Thanks to everybody who played against the bots, reported what went wrong and sent in "
    "ideas,",
    "and to everybody who keeps the game alive with new levels.",
    "Have fun!"};

constexpr TFontTraits kGroupCaption{true, 0, kRed};
constexpr TFontTraits kBottomButton{true, 24, kDefaultColor};
constexpr TFontTraits kRedText{false, 0, kRed};

TGroupBox* AddGroup(TControl* parent, const char* name, TBounds bounds, const char* caption) {
  auto* group = parent->Add<TGroupBox>(name, bounds, caption);
  group->SetFont(kGroupCaption);
  return group;
}

// A fixed list: invisible, its lines are data.
TMemo* AddList(TControl* parent, const char* name, const std::vector<std::string>& lines) {
  auto* memo = parent->Add<TMemo>(name, TBounds{}, lines);
  memo->SetVisible(false);
  return memo;
}

}  // namespace

void TForm1::BuildDesign() {
  // Button1 lies over Button5 and covers it: the mouse always hits Button1, Button5 is reached
  // with the keyboard only, after Button1 and the pages in the focus order.
  Button5 = Add<TButton>("Button5", TBounds{216, 328, 193, 38}, "generate map");
  Button5->SetFont(kBottomButton);
  Button5->TabOrder = 2;
  Button1 = Add<TButton>("Button1", TBounds{0, 328, 409, 38}, "LAUNCH!");
  Button1->SetFont({true, 24, kRed});
  Button1->TabOrder = 1;
  StatusBar1 = Add<TStatusBar>("StatusBar1", TBounds{0, 366, 409, 19});
  StatusBar1->SetPanelText(kCredits);
  StatusBar1->TabOrder = 3;
  PageControl1 = Add<TPageControl>("PageControl1", TBounds{0, 0, 410, 328});
  PageControl1->TabOrder = 0;
  TabSheet2 = PageControl1->Add<TTabSheet>("TabSheet2", "game settings");
  TabSheet1 = PageControl1->Add<TTabSheet>("TabSheet1", "bot options");
  TabSheet5 = PageControl1->Add<TTabSheet>("TabSheet5", "weapons");
  TabSheet4 = PageControl1->Add<TTabSheet>("TabSheet4", "don't read me");
  BuildGameSettingsPage();
  BuildBotOptionsPage();
  BuildWeaponsPage();
  BuildNotesPage();
  PageControl1->SetActivePageIndex(0);

  OpenDialog1.Filter = "Duke Nukem 3D Level (*.map)|*.map";
  OpenDialog1.DefaultExt = "map";
  OpenDialog1.FileMustExist = true;
  OpenDialog1.PathMustExist = true;
  OpenDialog1.HideReadOnly = true;
  OpenDialog1.EnableSizing = true;
  OpenDialog1.DontAddToRecent = true;
}

void TForm1::BuildGameSettingsPage() {
  TControl* page = TabSheet2;

  GroupBox2 = AddGroup(page, "GroupBox2", {8, 8, 385, 105}, "  select map  ");
  RadioButton1 =
      GroupBox2->Add<TRadioButton>("RadioButton1", TBounds{8, 16, 113, 17}, "usermap", false);
  Edit1 = GroupBox2->Add<TEdit>("Edit1", TBounds{72, 16, 257, 21});
  Edit1->SetEnabled(false);  // shows a path; only Browse sets it
  Button2 = GroupBox2->Add<TButton>("Button2", TBounds{328, 16, 49, 21}, "Browse");
  RadioButton2 =
      GroupBox2->Add<TRadioButton>("RadioButton2", TBounds{8, 48, 113, 17}, "Duke3D map", true);
  ComboBox3 = GroupBox2->Add<TComboBox>("ComboBox3", TBounds{96, 48, 137, 21}, kEpisodes, 0);
  ComboBox4 = GroupBox2->Add<TComboBox>("ComboBox4", TBounds{240, 48, 137, 21}, kEpisode1, 0);
  ComboBox4->DropDownCount = 11;
  CheckBox11 =
      GroupBox2->Add<TCheckBox>("CheckBox11", TBounds{64, 80, 97, 17}, "record a demo", false);
  CheckBox12 =
      GroupBox2->Add<TCheckBox>("CheckBox12", TBounds{232, 80, 129, 17}, "reincarnation", false);

  GroupBox5 = AddGroup(page, "GroupBox5", {8, 120, 385, 73}, "  bots  ");
  Label1 = GroupBox5->Add<TLabel>("Label1", 8, 20, "number of zeb-kins");
  CSpinEdit1 = GroupBox5->Add<TCSpinEdit>("CSpinEdit1", TBounds{8, 35, 89, 22}, 0, 7, 1, 3);
  Label3 = GroupBox5->Add<TLabel>("Label3", 108, 20, "number of PP bots");
  // Equal bounds: no bounds at all.
  CSpinEdit2 = GroupBox5->Add<TCSpinEdit>("CSpinEdit2", TBounds{108, 35, 89, 22}, 0, 0, 1, 0);
  Label2 = GroupBox5->Add<TLabel>("Label2", 208, 20, "load bot settings");
  ComboBox1 = GroupBox5->Add<TComboBox>("ComboBox1", TBounds{208, 36, 97, 21},
                                        std::vector<std::string>{}, -1);
  Button3 = GroupBox5->Add<TButton>("Button3", TBounds{304, 36, 33, 21}, "save");
  Button4 = GroupBox5->Add<TButton>("Button4", TBounds{336, 36, 41, 21}, "delete");
  Button4->SetFont(kRedText);

  GroupBox3 = AddGroup(page, "GroupBox3", {8, 200, 185, 89}, "  monsters  ");
  Label6 = GroupBox3->Add<TLabel>("Label6", 8, 20, "monster difficulty");
  ComboBox2 = GroupBox3->Add<TComboBox>("ComboBox2", TBounds{32, 36, 145, 21}, kDifficulties, 0);
  CheckBox7 =
      GroupBox3->Add<TCheckBox>("CheckBox7", TBounds{8, 64, 105, 17}, "respawn monsters", false);
  CheckBox7->SetEnabled(false);  // "No monsters" is picked
  CheckBox7->Tag = 0;

  GroupBox6 = AddGroup(page, "GroupBox6", {208, 200, 185, 89}, "  items  ");
  CheckBox8 =
      GroupBox6->Add<TCheckBox>("CheckBox8", TBounds{24, 16, 97, 17}, "respawn items", true);
  CheckBox9 = GroupBox6->Add<TCheckBox>("CheckBox9", TBounds{24, 40, 121, 17},
                                        "start with all weapons", false);
  CheckBox10 = GroupBox6->Add<TCheckBox>("CheckBox10", TBounds{24, 64, 105, 17},
                                         "start with all items", false);

  Memo2 = AddList(page, "Memo2", kEpisode1);
  Memo3 = AddList(page, "Memo3", kEpisode2);
  Memo4 = AddList(page, "Memo4", kEpisode3);
  Memo5 = AddList(page, "Memo5", kEpisode4);
  Memo6 = AddList(page, "Memo6", ScriptPlaceholders());
}

void TForm1::BuildBotOptionsPage() {
  TControl* page = TabSheet1;

  GroupBox4 = AddGroup(page, "GroupBox4", {6, 8, 177, 185}, "  speed  ");
  Label16 = GroupBox4->Add<TLabel>("Label16", 8, 16, "navigating");
  Label17 = GroupBox4->Add<TLabel>("Label17", 8, 88, "dodging");
  Label20 = GroupBox4->Add<TLabel>("Label20", 16, 32, "on the ground");
  Label18 = GroupBox4->Add<TLabel>("Label18", 16, 48, "in the water");
  Label19 = GroupBox4->Add<TLabel>("Label19", 16, 64, "in the air");
  Label21 = GroupBox4->Add<TLabel>("Label21", 16, 104, "on the ground");
  Label22 = GroupBox4->Add<TLabel>("Label22", 16, 120, "in the water");
  Label23 = GroupBox4->Add<TLabel>("Label23", 16, 136, "in the air");
  Label30 = GroupBox4->Add<TLabel>("Label30", 8, 160, "steroid usage");
  const auto speed = [&](const char* name, int top, int min, int max, int position) {
    return GroupBox4->Add<TTrackBar>(name, TBounds{88, top, 86, 16}, min, max, position, false);
  };
  TrackBar6 = speed("TrackBar6", 32, 10, 700, 125);
  TrackBar7 = speed("TrackBar7", 48, 10, 700, 75);
  TrackBar8 = speed("TrackBar8", 64, 10, 700, 110);
  TrackBar9 = speed("TrackBar9", 104, 10, 700, 150);
  TrackBar10 = speed("TrackBar10", 120, 10, 700, 100);
  TrackBar11 = speed("TrackBar11", 136, 10, 700, 130);
  TrackBar27 = speed("TrackBar27", 160, 0, 255, 64);

  GroupBox1 = AddGroup(page, "GroupBox1", {190, 8, 209, 185}, "  weapon preference  ");
  Label8 = GroupBox1->Add<TLabel>("Label8", 8, 20, "pistol");
  Label9 = GroupBox1->Add<TLabel>("Label9", 8, 44, "shotgun");
  Label10 = GroupBox1->Add<TLabel>("Label10", 8, 68, "chaingun");
  Label11 = GroupBox1->Add<TLabel>("Label11", 8, 92, "RPG");
  Label12 = GroupBox1->Add<TLabel>("Label12", 8, 112, "shrinker /");
  Label32 = GroupBox1->Add<TLabel>("Label32", 8, 124, "expander");
  // The Tag is the weapon's number in the game script.
  const auto preference = [&](const char* name, int top, int tag) {
    auto* slider = GroupBox1->Add<TTrackBar>(name, TBounds{64, top, 137, 21}, 1, 51, 1, false);
    slider->Tag = tag;
    return slider;
  };
  TrackBar1 = preference("TrackBar1", 18, 0);
  TrackBar2 = preference("TrackBar2", 42, 3);
  TrackBar3 = preference("TrackBar3", 66, 5);
  TrackBar4 = preference("TrackBar4", 90, 9);
  TrackBar5 = preference("TrackBar5", 114, 25);
  CheckBox6 =
      GroupBox1->Add<TCheckBox>("CheckBox6", TBounds{8, 152, 145, 17}, "Use Pipebombs", true);

  GroupBox7 = AddGroup(page, "GroupBox7", {8, 200, 393, 81}, "  miscellaneous  ");
  Label5 = GroupBox7->Add<TLabel>("Label5", 16, 28, "Bots maximum health");
  CSpinEdit4 = GroupBox7->Add<TCSpinEdit>("CSpinEdit4", TBounds{40, 43, 73, 22}, 10, 4000, 10, 200);
  Label7 = GroupBox7->Add<TLabel>("Label7", 151, 12, "Bots can");
  CheckBox5 = GroupBox7->Add<TCheckBox>("CheckBox5", TBounds{168, 24, 81, 17}, "Use Medikit", true);
  CheckBox4 = GroupBox7->Add<TCheckBox>("CheckBox4", TBounds{168, 40, 57, 17}, "Dodge", true);
  CheckBox3 = GroupBox7->Add<TCheckBox>("CheckBox3", TBounds{168, 56, 89, 17}, "Use Jetpack", true);
  CheckBox1 =
      GroupBox7->Add<TCheckBox>("CheckBox1", TBounds{280, 16, 97, 17}, "respawn zeb-kin ", true);
  Label4 = GroupBox7->Add<TLabel>("Label4", 296, 32, "respawn time");
  CSpinEdit3 = GroupBox7->Add<TCSpinEdit>("CSpinEdit3", TBounds{280, 51, 97, 22}, 0, 600, 1, 10);
}

void TForm1::BuildWeaponsPage() {
  TControl* page = TabSheet5;
  Label13 = page->Add<TLabel>("Label13", 104, 32, "shooting rate");
  Label14 = page->Add<TLabel>("Label14", 200, 32, "shooting power");
  Label15 = page->Add<TLabel>("Label15", 288, 32, "trigger release chance");

  const auto rate = [&](const char* name, int top) {
    return page->Add<TTrackBar>(name, TBounds{88, top, 89, 25}, 0, 48, 0, false);
  };
  const auto power = [&](const char* name, int top) {
    return page->Add<TTrackBar>(name, TBounds{192, top, 89, 25}, 1, 7, 1, true);
  };
  const auto release = [&](const char* name, int top) {
    return page->Add<TTrackBar>(name, TBounds{296, top, 89, 25}, 0, 100, 10, false);
  };

  Label31 = page->Add<TLabel>("Label31", 8, 56, "mighty foot");
  TrackBar28 = power("TrackBar28", 56);
  Label24 = page->Add<TLabel>("Label24", 8, 80, "pistol");
  TrackBar12 = rate("TrackBar12", 80);
  TrackBar13 = power("TrackBar13", 80);
  TrackBar14 = release("TrackBar14", 80);
  Label25 = page->Add<TLabel>("Label25", 8, 104, "shotgun");
  TrackBar15 = rate("TrackBar15", 104);
  TrackBar16 = power("TrackBar16", 104);
  TrackBar17 = release("TrackBar17", 104);
  Label26 = page->Add<TLabel>("Label26", 8, 128, "chaingun");
  TrackBar18 = rate("TrackBar18", 128);
  TrackBar19 = power("TrackBar19", 128);
  TrackBar20 = release("TrackBar20", 128);
  Label28 = page->Add<TLabel>("Label28", 8, 152, "RPG");
  TrackBar21 = rate("TrackBar21", 152);
  TrackBar22 = power("TrackBar22", 152);
  TrackBar23 = release("TrackBar23", 152);
  Label29 = page->Add<TLabel>("Label29", 8, 176, "shrinker");
  TrackBar24 = rate("TrackBar24", 176);
  TrackBar25 = power("TrackBar25", 176);
  TrackBar26 = release("TrackBar26", 176);
  CheckBox2 = page->Add<TCheckBox>("CheckBox2", TBounds{8, 216, 185, 17},
                                   "use expander instead of shrinker", true);
  Label33 = page->Add<TLabel>("Label33", 8, 240, "expander");
  TrackBar29 = rate("TrackBar29", 240);
  TrackBar30 = power("TrackBar30", 240);
  TrackBar31 = release("TrackBar31", 240);
  // The states at start are those of the checked box.
  for (TControl* shrinker : {static_cast<TControl*>(TrackBar24), static_cast<TControl*>(TrackBar25),
                             static_cast<TControl*>(TrackBar26), static_cast<TControl*>(Label29)})
    shrinker->SetEnabled(false);
}

void TForm1::BuildNotesPage() {
  Memo1 = TabSheet4->Add<TMemo>("Memo1", TBounds{8, 8, 386, 280}, kNotes);
  Memo1->ReadOnly = true;
  Memo1->WordWrap = true;
}

}  // namespace zk
