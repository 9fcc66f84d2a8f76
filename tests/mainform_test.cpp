// The main window as designed: every control in its place with its caption, range, default, Tag,
// enabled state and font, the hidden lists, and the control behaviour the program relies on.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "support/window_test.h"

namespace zk::test {
namespace {

using MainForm = TWindowTest;

const TControl* FindControl(const TControl& root, const std::string& name) {
  if (root.Name() == name) return &root;
  for (const auto& child : root.Children())
    if (const TControl* found = FindControl(*child, name)) return found;
  return nullptr;
}

std::vector<std::string> ChildNames(const TControl& parent) {
  std::vector<std::string> names;
  for (const auto& child : parent.Children()) names.push_back(child->Name());
  return names;
}

TEST_F(MainForm, WindowProperties) {
  EXPECT_EQ(w.Caption(), "Zeb-Kin Setup");
  EXPECT_EQ(w.Bounds().Width, 409);
  EXPECT_EQ(w.Bounds().Height, 385);
  EXPECT_EQ(w.FontPixelSize, 11);

  EXPECT_EQ(ChildNames(*w.PageControl1),
            (std::vector<std::string>{"TabSheet2", "TabSheet1", "TabSheet5", "TabSheet4"}));
  EXPECT_EQ(w.TabSheet2->Caption(), "game settings");
  EXPECT_EQ(w.TabSheet1->Caption(), "bot options");
  EXPECT_EQ(w.TabSheet5->Caption(), "weapons");
  EXPECT_EQ(w.TabSheet4->Caption(), "don't read me");
  EXPECT_EQ(w.PageControl1->ActivePageIndex(), 0);
  EXPECT_EQ(w.Memo1->Lines().size(), 12u);
  EXPECT_TRUE(w.Memo1->ReadOnly);
  EXPECT_TRUE(w.Memo1->WordWrap);
  EXPECT_TRUE(w.Memo1->Visible());
  EXPECT_FALSE(w.StatusBar1->PanelText().empty());

  EXPECT_EQ(w.OpenDialog1.Filter, "Duke Nukem 3D Level (*.map)|*.map");
  EXPECT_EQ(w.OpenDialog1.DefaultExt, "map");
  EXPECT_TRUE(w.OpenDialog1.FileMustExist);
  EXPECT_TRUE(w.OpenDialog1.PathMustExist);
  EXPECT_TRUE(w.OpenDialog1.HideReadOnly);
  EXPECT_TRUE(w.OpenDialog1.EnableSizing);
  EXPECT_TRUE(w.OpenDialog1.DontAddToRecent);
}

// Every control's parent and place, as the backend will show it.
TEST_F(MainForm, EveryControlInItsPlace) {
  struct Row {
    const char* name;
    const char* parent;
    int left, top, width, height;  // labels size themselves: width and height 0
  } rows[] = {
      {"Button5", "Form1", 216, 328, 193, 38},
      {"Button1", "Form1", 0, 328, 409, 38},
      {"StatusBar1", "Form1", 0, 366, 409, 19},
      {"PageControl1", "Form1", 0, 0, 410, 328},
      // "game settings"
      {"GroupBox2", "TabSheet2", 8, 8, 385, 105},
      {"RadioButton1", "GroupBox2", 8, 16, 113, 17},
      {"Edit1", "GroupBox2", 72, 16, 257, 21},
      {"Button2", "GroupBox2", 328, 16, 49, 21},
      {"RadioButton2", "GroupBox2", 8, 48, 113, 17},
      {"ComboBox3", "GroupBox2", 96, 48, 137, 21},
      {"ComboBox4", "GroupBox2", 240, 48, 137, 21},
      {"CheckBox11", "GroupBox2", 64, 80, 97, 17},
      {"CheckBox12", "GroupBox2", 232, 80, 129, 17},
      {"GroupBox5", "TabSheet2", 8, 120, 385, 73},
      {"Label1", "GroupBox5", 8, 20, 0, 0},
      {"CSpinEdit1", "GroupBox5", 8, 35, 89, 22},
      {"Label3", "GroupBox5", 108, 20, 0, 0},
      {"CSpinEdit2", "GroupBox5", 108, 35, 89, 22},
      {"Label2", "GroupBox5", 208, 20, 0, 0},
      {"ComboBox1", "GroupBox5", 208, 36, 97, 21},
      {"Button3", "GroupBox5", 304, 36, 33, 21},
      {"Button4", "GroupBox5", 336, 36, 41, 21},
      {"GroupBox3", "TabSheet2", 8, 200, 185, 89},
      {"Label6", "GroupBox3", 8, 20, 0, 0},
      {"ComboBox2", "GroupBox3", 32, 36, 145, 21},
      {"CheckBox7", "GroupBox3", 8, 64, 105, 17},
      {"GroupBox6", "TabSheet2", 208, 200, 185, 89},
      {"CheckBox8", "GroupBox6", 24, 16, 97, 17},
      {"CheckBox9", "GroupBox6", 24, 40, 121, 17},
      {"CheckBox10", "GroupBox6", 24, 64, 105, 17},
      // "bot options"
      {"GroupBox4", "TabSheet1", 6, 8, 177, 185},
      {"Label16", "GroupBox4", 8, 16, 0, 0},
      {"Label17", "GroupBox4", 8, 88, 0, 0},
      {"Label20", "GroupBox4", 16, 32, 0, 0},
      {"Label18", "GroupBox4", 16, 48, 0, 0},
      {"Label19", "GroupBox4", 16, 64, 0, 0},
      {"Label21", "GroupBox4", 16, 104, 0, 0},
      {"Label22", "GroupBox4", 16, 120, 0, 0},
      {"Label23", "GroupBox4", 16, 136, 0, 0},
      {"Label30", "GroupBox4", 8, 160, 0, 0},
      {"TrackBar6", "GroupBox4", 88, 32, 86, 16},
      {"TrackBar7", "GroupBox4", 88, 48, 86, 16},
      {"TrackBar8", "GroupBox4", 88, 64, 86, 16},
      {"TrackBar9", "GroupBox4", 88, 104, 86, 16},
      {"TrackBar10", "GroupBox4", 88, 120, 86, 16},
      {"TrackBar11", "GroupBox4", 88, 136, 86, 16},
      {"TrackBar27", "GroupBox4", 88, 160, 86, 16},
      {"GroupBox1", "TabSheet1", 190, 8, 209, 185},
      {"Label8", "GroupBox1", 8, 20, 0, 0},
      {"Label9", "GroupBox1", 8, 44, 0, 0},
      {"Label10", "GroupBox1", 8, 68, 0, 0},
      {"Label11", "GroupBox1", 8, 92, 0, 0},
      {"Label12", "GroupBox1", 8, 112, 0, 0},
      {"Label32", "GroupBox1", 8, 124, 0, 0},
      {"TrackBar1", "GroupBox1", 64, 18, 137, 21},
      {"TrackBar2", "GroupBox1", 64, 42, 137, 21},
      {"TrackBar3", "GroupBox1", 64, 66, 137, 21},
      {"TrackBar4", "GroupBox1", 64, 90, 137, 21},
      {"TrackBar5", "GroupBox1", 64, 114, 137, 21},
      {"CheckBox6", "GroupBox1", 8, 152, 145, 17},
      {"GroupBox7", "TabSheet1", 8, 200, 393, 81},
      {"Label5", "GroupBox7", 16, 28, 0, 0},
      {"CSpinEdit4", "GroupBox7", 40, 43, 73, 22},
      {"Label7", "GroupBox7", 151, 12, 0, 0},
      {"CheckBox5", "GroupBox7", 168, 24, 81, 17},
      {"CheckBox4", "GroupBox7", 168, 40, 57, 17},
      {"CheckBox3", "GroupBox7", 168, 56, 89, 17},
      {"CheckBox1", "GroupBox7", 280, 16, 97, 17},
      {"Label4", "GroupBox7", 296, 32, 0, 0},
      {"CSpinEdit3", "GroupBox7", 280, 51, 97, 22},
      // "weapons"
      {"Label13", "TabSheet5", 104, 32, 0, 0},
      {"Label14", "TabSheet5", 200, 32, 0, 0},
      {"Label15", "TabSheet5", 288, 32, 0, 0},
      {"Label31", "TabSheet5", 8, 56, 0, 0},
      {"TrackBar28", "TabSheet5", 192, 56, 89, 25},
      {"Label24", "TabSheet5", 8, 80, 0, 0},
      {"TrackBar12", "TabSheet5", 88, 80, 89, 25},
      {"TrackBar13", "TabSheet5", 192, 80, 89, 25},
      {"TrackBar14", "TabSheet5", 296, 80, 89, 25},
      {"Label25", "TabSheet5", 8, 104, 0, 0},
      {"TrackBar15", "TabSheet5", 88, 104, 89, 25},
      {"TrackBar16", "TabSheet5", 192, 104, 89, 25},
      {"TrackBar17", "TabSheet5", 296, 104, 89, 25},
      {"Label26", "TabSheet5", 8, 128, 0, 0},
      {"TrackBar18", "TabSheet5", 88, 128, 89, 25},
      {"TrackBar19", "TabSheet5", 192, 128, 89, 25},
      {"TrackBar20", "TabSheet5", 296, 128, 89, 25},
      {"Label28", "TabSheet5", 8, 152, 0, 0},
      {"TrackBar21", "TabSheet5", 88, 152, 89, 25},
      {"TrackBar22", "TabSheet5", 192, 152, 89, 25},
      {"TrackBar23", "TabSheet5", 296, 152, 89, 25},
      {"Label29", "TabSheet5", 8, 176, 0, 0},
      {"TrackBar24", "TabSheet5", 88, 176, 89, 25},
      {"TrackBar25", "TabSheet5", 192, 176, 89, 25},
      {"TrackBar26", "TabSheet5", 296, 176, 89, 25},
      {"CheckBox2", "TabSheet5", 8, 216, 185, 17},
      {"Label33", "TabSheet5", 8, 240, 0, 0},
      {"TrackBar29", "TabSheet5", 88, 240, 89, 25},
      {"TrackBar30", "TabSheet5", 192, 240, 89, 25},
      {"TrackBar31", "TabSheet5", 296, 240, 89, 25},
      // "don't read me"
      {"Memo1", "TabSheet4", 8, 8, 386, 280},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const TControl* c = FindControl(w, r.name);
    ASSERT_NE(c, nullptr);
    ASSERT_NE(c->Parent(), nullptr);
    EXPECT_EQ(c->Parent()->Name(), r.parent);
    const TBounds b = c->Bounds();
    EXPECT_EQ((std::vector<int>{b.Left, b.Top, b.Width, b.Height}),
              (std::vector<int>{r.left, r.top, r.width, r.height}));
  }
}

TEST_F(MainForm, CaptionsOfLabelsGroupsAndButtons) {
  const std::map<const TControl*, std::string> captions = {
      {w.GroupBox2, "  select map  "},
      {w.GroupBox5, "  bots  "},
      {w.GroupBox3, "  monsters  "},
      {w.GroupBox6, "  items  "},
      {w.GroupBox4, "  speed  "},
      {w.GroupBox1, "  weapon preference  "},
      {w.GroupBox7, "  miscellaneous  "},
      {w.Button1, "LAUNCH!"},
      {w.Button5, "generate map"},
      {w.Button2, "Browse"},
      {w.Button3, "save"},
      {w.Button4, "delete"},
      {w.RadioButton1, "usermap"},
      {w.RadioButton2, "Duke3D map"},
      {w.Label1, "number of zeb-kins"},
      {w.Label3, "number of PP bots"},
      {w.Label2, "load bot settings"},
      {w.Label6, "monster difficulty"},
      {w.Label16, "navigating"},
      {w.Label17, "dodging"},
      {w.Label20, "on the ground"},
      {w.Label18, "in the water"},
      {w.Label19, "in the air"},
      {w.Label21, "on the ground"},
      {w.Label22, "in the water"},
      {w.Label23, "in the air"},
      {w.Label30, "steroid usage"},
      {w.Label8, "pistol"},
      {w.Label9, "shotgun"},
      {w.Label10, "chaingun"},
      {w.Label11, "RPG"},
      {w.Label12, "shrinker /"},
      {w.Label32, "expander"},
      {w.Label5, "Bots maximum health"},
      {w.Label7, "Bots can"},
      {w.Label4, "respawn time"},
      {w.Label13, "shooting rate"},
      {w.Label14, "shooting power"},
      {w.Label15, "trigger release chance"},
      {w.Label31, "mighty foot"},
      {w.Label24, "pistol"},
      {w.Label25, "shotgun"},
      {w.Label26, "chaingun"},
      {w.Label28, "RPG"},
      {w.Label29, "shrinker"},
      {w.Label33, "expander"},
  };
  for (const auto& [control, caption] : captions) EXPECT_EQ(control->Caption(), caption);
}

// Group captions bold red, the bottom buttons bold 24 px (LAUNCH! in red), "delete" red; the
// rest keeps the window's font.
TEST_F(MainForm, FontTraits) {
  struct Row {
    const TControl* control;
    bool bold;
    int pixels;
    std::uint32_t color;
  } rows[] = {
      {w.Button1, true, 24, kRed},          {w.Button5, true, 24, kDefaultColor},
      {w.Button4, false, 0, kRed},          {w.GroupBox1, true, 0, kRed},
      {w.GroupBox2, true, 0, kRed},         {w.GroupBox3, true, 0, kRed},
      {w.GroupBox4, true, 0, kRed},         {w.GroupBox5, true, 0, kRed},
      {w.GroupBox6, true, 0, kRed},         {w.GroupBox7, true, 0, kRed},
      {w.Button3, false, 0, kDefaultColor}, {w.CheckBox2, false, 0, kDefaultColor},
      {w.Label1, false, 0, kDefaultColor},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.control->Name());
    EXPECT_EQ(r.control->Font().Bold, r.bold);
    EXPECT_EQ(r.control->Font().PixelSize, r.pixels);
    EXPECT_EQ(r.control->Font().Color, r.color);
  }
}

// Button1 lies over Button5 and covers it, so the mouse always hits LAUNCH!; in the focus order
// generate map comes after LAUNCH! and the pages.
TEST_F(MainForm, BottomStripLaunchCoversGenerateMap) {
  EXPECT_EQ(ChildNames(w),
            (std::vector<std::string>{"Button5", "Button1", "StatusBar1", "PageControl1"}));
  const TBounds launch = w.Button1->Bounds();
  const TBounds generate = w.Button5->Bounds();
  EXPECT_LE(launch.Left, generate.Left);
  EXPECT_LE(launch.Top, generate.Top);
  EXPECT_GE(launch.Left + launch.Width, generate.Left + generate.Width);
  EXPECT_GE(launch.Top + launch.Height, generate.Top + generate.Height);
  EXPECT_LT(w.PageControl1->TabOrder, w.Button1->TabOrder);
  EXPECT_LT(w.Button1->TabOrder, w.Button5->TabOrder);
}

// One row per slider: range, default, Tag, enabled state and tick marks.
TEST_F(MainForm, SlidersAtTheirDesignedDefaults) {
  struct Row {
    TTrackBar* bar;
    int min, max, position, tag;
    bool enabled;
  } rows[] = {
      {w.TrackBar1, 1, 51, 1, 0, true},      {w.TrackBar2, 1, 51, 1, 3, true},
      {w.TrackBar3, 1, 51, 1, 5, true},      {w.TrackBar4, 1, 51, 1, 9, true},
      {w.TrackBar5, 1, 51, 1, 25, true},     {w.TrackBar6, 10, 700, 125, 0, true},
      {w.TrackBar7, 10, 700, 75, 0, true},   {w.TrackBar8, 10, 700, 110, 0, true},
      {w.TrackBar9, 10, 700, 150, 0, true},  {w.TrackBar10, 10, 700, 100, 0, true},
      {w.TrackBar11, 10, 700, 130, 0, true}, {w.TrackBar12, 0, 48, 0, 0, true},
      {w.TrackBar13, 1, 7, 1, 0, true},      {w.TrackBar14, 0, 100, 10, 0, true},
      {w.TrackBar15, 0, 48, 0, 0, true},     {w.TrackBar16, 1, 7, 1, 0, true},
      {w.TrackBar17, 0, 100, 10, 0, true},   {w.TrackBar18, 0, 48, 0, 0, true},
      {w.TrackBar19, 1, 7, 1, 0, true},      {w.TrackBar20, 0, 100, 10, 0, true},
      {w.TrackBar21, 0, 48, 0, 0, true},     {w.TrackBar22, 1, 7, 1, 0, true},
      {w.TrackBar23, 0, 100, 10, 0, true},   {w.TrackBar24, 0, 48, 0, 0, false},
      {w.TrackBar25, 1, 7, 1, 0, false},     {w.TrackBar26, 0, 100, 10, 0, false},
      {w.TrackBar27, 0, 255, 64, 0, true},   {w.TrackBar28, 1, 7, 1, 0, true},
      {w.TrackBar29, 0, 48, 0, 0, true},     {w.TrackBar30, 1, 7, 1, 0, true},
      {w.TrackBar31, 0, 100, 10, 0, true},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Row& r = rows[i];
    SCOPED_TRACE("TrackBar" + std::to_string(i + 1));
    EXPECT_EQ(w.SliderTable[i], r.bar);  // entry i is TrackBar(i + 1)
    EXPECT_EQ(r.bar->Name(), "TrackBar" + std::to_string(i + 1));
    EXPECT_EQ(r.bar->Min(), r.min);
    EXPECT_EQ(r.bar->Max(), r.max);
    EXPECT_EQ(r.bar->Position(), r.position);
    EXPECT_EQ(r.bar->Tag, r.tag);
    EXPECT_EQ(r.bar->Enabled(), r.enabled);
    // Tick marks only on the shooting power sliders.
    const bool power = r.min == 1 && r.max == 7;
    EXPECT_EQ(r.bar->Ticks(), power);
  }
}

TEST_F(MainForm, OtherControlsAtTheirDesignedDefaults) {
  struct Spin {
    TCSpinEdit* edit;
    int min, max, step, value;
  } spins[] = {{w.CSpinEdit1, 0, 7, 1, 3},
               {w.CSpinEdit2, 0, 0, 1, 0},
               {w.CSpinEdit3, 0, 600, 1, 10},
               {w.CSpinEdit4, 10, 4000, 10, 200}};
  for (const Spin& s : spins) {
    SCOPED_TRACE(s.edit->Name());
    EXPECT_EQ(s.edit->MinValue(), s.min);
    EXPECT_EQ(s.edit->MaxValue(), s.max);
    EXPECT_EQ(s.edit->Increment(), s.step);
    EXPECT_EQ(s.edit->Value(), s.value);
  }
  struct Check {
    TCheckBox* box;
    const char* caption;
    bool checked, enabled;
  } checks[] = {
      {w.CheckBox1, "respawn zeb-kin ", true, true},
      {w.CheckBox2, "use expander instead of shrinker", true, true},
      {w.CheckBox3, "Use Jetpack", true, true},
      {w.CheckBox4, "Dodge", true, true},
      {w.CheckBox5, "Use Medikit", true, true},
      {w.CheckBox6, "Use Pipebombs", true, true},
      {w.CheckBox7, "respawn monsters", false, false},
      {w.CheckBox8, "respawn items", true, true},
      {w.CheckBox9, "start with all weapons", false, true},
      {w.CheckBox10, "start with all items", false, true},
      {w.CheckBox11, "record a demo", false, true},
      {w.CheckBox12, "reincarnation", false, true},
  };
  for (const Check& c : checks) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(c.box->Caption(), c.caption);
    EXPECT_EQ(c.box->Checked(), c.checked);
    EXPECT_EQ(c.box->Enabled(), c.enabled);
  }
  EXPECT_EQ(w.CheckBox7->Tag, 0);

  EXPECT_FALSE(w.RadioButton1->Checked());
  EXPECT_TRUE(w.RadioButton2->Checked());
  EXPECT_TRUE(w.Edit1->Text().empty());
  EXPECT_FALSE(w.Edit1->Enabled());
  EXPECT_EQ(w.ComboBox3->Items(), (std::vector<std::string>{"L.A. Meltdown", "Lunar Apocalypse",
                                                            "Shrapnel City", "The Birth"}));
  EXPECT_EQ(w.ComboBox3->ItemIndex(), 0);
  EXPECT_EQ(w.ComboBox4->Items(), w.Memo2->Lines());
  EXPECT_EQ(w.ComboBox4->Text(), "Hollywood Holocaust");
  EXPECT_EQ(w.ComboBox4->DropDownCount, 11);
  EXPECT_EQ(w.ComboBox2->Items(),
            (std::vector<std::string>{"No monsters", "Piece of cake", "Let's rock", "Come get some",
                                      "Damn I'm good"}));
  EXPECT_EQ(w.ComboBox2->ItemIndex(), 0);
  EXPECT_TRUE(w.ComboBox1->Items().empty());
  EXPECT_EQ(w.ComboBox1->ItemIndex(), -1);
  EXPECT_FALSE(w.Label29->Enabled());
  EXPECT_TRUE(w.Label33->Enabled());
}

TEST_F(MainForm, HiddenListsHoldTheLevelsAndThePlaceholders) {
  EXPECT_EQ(w.Memo2->Lines().size(), 6u);
  EXPECT_EQ(w.Memo3->Lines().size(), 11u);
  EXPECT_EQ(w.Memo4->Lines().size(), 11u);
  EXPECT_EQ(w.Memo5->Lines().size(), 11u);
  EXPECT_EQ(w.Memo3->Lines().front(), "Spaceport");
  EXPECT_EQ(w.Memo4->Lines()[5], "Rabit Transit");
  EXPECT_EQ(w.Memo5->Lines().back(), "Area 51");
  const std::vector<std::string>& placeholders = w.Memo6->Lines();
  ASSERT_EQ(placeholders.size(), 52u);
  EXPECT_EQ(placeholders.front(), "%ZEBKINSTRENGTH%");
  EXPECT_EQ(placeholders[42], "%SHOOTPOWERSHRINKFREEZ%");
  EXPECT_EQ(placeholders.back(), "%SHOOTPIPES%");
  for (const std::string& p : placeholders) {
    EXPECT_TRUE(p.size() > 2 && p.front() == '%' && p.back() == '%' &&
                std::count(p.begin(), p.end(), '%') == 2)
        << p;
  }
  for (TMemo* m : {w.Memo2, w.Memo3, w.Memo4, w.Memo5, w.Memo6}) EXPECT_FALSE(m->Visible());
}

TEST_F(MainForm, SlidersAndSpinEditsClampValuesSetFromCode) {
  w.TrackBar1->SetPosition(0);
  EXPECT_EQ(w.TrackBar1->Position(), 1);
  w.TrackBar6->SetPosition(800);
  EXPECT_EQ(w.TrackBar6->Position(), 700);
  w.TrackBar6->UserSetPosition(5);
  EXPECT_EQ(w.TrackBar6->Position(), 10);
  w.CSpinEdit4->SetValue(4005);
  EXPECT_EQ(w.CSpinEdit4->Value(), 4000);
  w.CSpinEdit3->SetValue(-1);
  EXPECT_EQ(w.CSpinEdit3->Value(), 0);
  // Equal bounds mean none at all.
  for (int v : {-2, INT_MIN, 1000000, INT_MAX}) {
    w.CSpinEdit2->SetValue(v);
    EXPECT_EQ(w.CSpinEdit2->Value(), v);
  }
}

TEST_F(MainForm, SpinEditsStepByIncrement) {
  w.CSpinEdit4->UserStep(+1);
  EXPECT_EQ(w.CSpinEdit4->Value(), 210);
  w.CSpinEdit4->UserStep(-1);
  w.CSpinEdit4->UserStep(-1);
  EXPECT_EQ(w.CSpinEdit4->Value(), 190);
  w.CSpinEdit4->SetValue(4000);
  w.CSpinEdit4->UserStep(+1);
  EXPECT_EQ(w.CSpinEdit4->Value(), 4000);
  // The unbounded spin edit goes below 0 with its arrows, and stops at the ends of int.
  w.CSpinEdit2->UserStep(-1);
  EXPECT_EQ(w.CSpinEdit2->Value(), -1);
  w.CSpinEdit2->SetValue(INT_MAX);
  w.CSpinEdit2->UserStep(+1);
  EXPECT_EQ(w.CSpinEdit2->Value(), INT_MAX);
}

TEST_F(MainForm, DropDownsRunTheirChangeOnlyOnAUserPick) {
  w.ComboBox3->SetItemIndex(3);  // from code: no change event
  EXPECT_EQ(w.ComboBox4->Items().size(), 6u);
  w.ComboBox3->UserPick(2);  // a user's pick
  EXPECT_EQ(w.ComboBox3->ItemIndex(), 2);
  EXPECT_EQ(w.ComboBox4->Items().size(), 11u);
  EXPECT_EQ(w.ComboBox4->Text(), "Raw Meat");
}

TEST_F(MainForm, RadioButtonsOfTheMapSourceExcludeEachOther) {
  w.RadioButton1->UserClick();
  EXPECT_TRUE(w.RadioButton1->Checked());
  EXPECT_FALSE(w.RadioButton2->Checked());
  w.RadioButton2->SetChecked(true);
  EXPECT_FALSE(w.RadioButton1->Checked());
  EXPECT_TRUE(w.RadioButton2->Checked());
}

void CollectBoundEvents(const TControl& control, std::vector<std::string>& bound) {
  bool hasEvent = false;
  if (auto* button = dynamic_cast<const TButton*>(&control)) hasEvent = bool(button->OnClick);
  if (auto* box = dynamic_cast<const TCheckBox*>(&control)) hasEvent = bool(box->OnClick);
  if (auto* list = dynamic_cast<const TComboBox*>(&control)) hasEvent = bool(list->OnChange);
  if (hasEvent) bound.push_back(control.Name());
  for (const auto& child : control.Children()) CollectBoundEvents(*child, bound);
}

// The design binds these events and no others.
TEST_F(MainForm, EventsBoundAsDesigned) {
  std::vector<std::string> bound;
  CollectBoundEvents(w, bound);
  std::sort(bound.begin(), bound.end());
  EXPECT_EQ(bound, (std::vector<std::string>{"Button1", "Button2", "Button3", "Button4", "Button5",
                                             "CheckBox2", "ComboBox1", "ComboBox2", "ComboBox3",
                                             "ComboBox4"}));
}

// A handler's escaping exception is reported titled "Zeb-Kin" and the window runs on.
TEST_F(MainForm, EventsRunGuarded) {
  // A save whose folder is taken by a file fails with a file error.
  f.dialogs.inputAnswers.push_back({true, "x"});
  folder.WriteProgramFile("botsettings", "a file where the folder should be");
  w.Button3->Click();
  ASSERT_EQ(f.dialogs.Messages().size(), 1u);
  EXPECT_EQ(f.dialogs.Messages()[0].rfind("Zeb-Kin|Cannot create file ", 0), 0u);
  // The window still reacts.
  w.ComboBox2->UserPick(1);
  EXPECT_TRUE(w.CheckBox7->Enabled());
}

}  // namespace
}  // namespace zk::test
