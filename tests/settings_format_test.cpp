// The settings file's 39 lines: what the window writes, and what hand-edited lines load as.

#include <gtest/gtest.h>

#include <functional>

#include "settings_helpers.h"
#include "support/window_test.h"

namespace zk::test {
namespace {

TEST(SettingsFormat, DefaultsWriteTheDocumentedLinesWithCrLf) {
  TGameFolder folder{TGameFolder::WithGame};
  TFormFixture f(folder);
  ASSERT_TRUE(f.form->CloseQuery());
  EXPECT_EQ(ReadBytes(folder.Last()), JoinLines(DefaultSettingsLines()));
  // Writing reads the mirrored sliders without moving them.
  EXPECT_EQ(f.form->TrackBar12->Position(), 0);
}

TEST(SettingsFormat, EveryValueTravelsThroughTheFile) {
  TGameFolder folder{TGameFolder::WithGame};
  {
    TFormFixture f(folder);
    TForm1& w = *f.form;
    w.CSpinEdit3->SetValue(600);
    w.CSpinEdit4->SetValue(15);
    w.CheckBox1->SetChecked(false);
    w.CheckBox4->SetChecked(false);
    w.CheckBox6->SetChecked(false);
    // Distinct in-range positions, so a swapped or shifted line shows.
    for (int i = 0; i < 31; ++i)
      w.SliderTable[i]->SetPosition(w.SliderTable[i]->Min() + (i % 5) + 1);
    ASSERT_TRUE(w.CloseQuery());
  }
  TFormFixture g(folder);
  TForm1& w = *g.form;
  EXPECT_EQ(w.CSpinEdit3->Value(), 600);
  EXPECT_EQ(w.CSpinEdit4->Value(), 15);
  EXPECT_FALSE(w.CheckBox1->Checked());
  EXPECT_TRUE(w.CheckBox2->Checked());
  EXPECT_TRUE(w.CheckBox3->Checked());
  EXPECT_FALSE(w.CheckBox4->Checked());
  EXPECT_TRUE(w.CheckBox5->Checked());
  EXPECT_FALSE(w.CheckBox6->Checked());
  for (int i = 0; i < 31; ++i)
    EXPECT_EQ(w.SliderTable[i]->Position(), w.SliderTable[i]->Min() + (i % 5) + 1) << "entry " << i;
  // The mirrored sliders are stored as 48 - position: TrackBar12 at 2, TrackBar29 at 4.
  const TLines stored = LoadLines(folder.Last());
  EXPECT_EQ(stored[19], "46");
  EXPECT_EQ(stored[36], "44");
}

struct THandEdit {
  const char* what;
  int line;  // counted from 1, as a person editing the file counts
  const char* text;
  std::function<int(const TForm1&)> read;
  int expected;
};

int Checked(const TCheckBox* b) {
  return b->Checked() ? 1 : 0;
}

TEST(SettingsFormat, HandEditedLines) {
  const THandEdit cases[] = {
      {"a word is not 1", 3, "true", [](const TForm1& w) { return Checked(w.CheckBox1); }, 0},
      {"a blank before 1", 3, " 1", [](const TForm1& w) { return Checked(w.CheckBox1); }, 0},
      {"0 unchecks", 8, "0", [](const TForm1& w) { return Checked(w.CheckBox6); }, 0},
      {"clamped, then mirrored", 20, "60", [](const TForm1& w) { return w.TrackBar12->Position(); },
       0},
      {"letters give 0, mirrored", 20, "abc",
       [](const TForm1& w) { return w.TrackBar12->Position(); }, 48},
      {"hexadecimal with $", 20, "$10", [](const TForm1& w) { return w.TrackBar12->Position(); },
       32},
      {"hexadecimal with 0x", 14, "0x64", [](const TForm1& w) { return w.TrackBar6->Position(); },
       100},
      {"mirrored expander rate", 37, "12", [](const TForm1& w) { return w.TrackBar29->Position(); },
       36},
      {"leading blanks", 1, "  25", [](const TForm1& w) { return w.CSpinEdit3->Value(); }, 25},
      {"above the spin edit's range", 2, "4005",
       [](const TForm1& w) { return w.CSpinEdit4->Value(); }, 4000},
      {"negative", 2, "-5", [](const TForm1& w) { return w.CSpinEdit4->Value(); }, 10},
      {"just past 32 bits gives the default", 2, "2147483648",
       [](const TForm1& w) { return w.CSpinEdit4->Value(); }, 200},
      {"far past 32 bits gives 0, clamped", 9, "99999999999",
       [](const TForm1& w) { return w.TrackBar1->Position(); }, 1},
      {"empty gives 0, clamped", 14, "", [](const TForm1& w) { return w.TrackBar6->Position(); },
       10},
      {"empty respawn time gives 10", 1, "", [](const TForm1& w) { return w.CSpinEdit3->Value(); },
       10},
  };
  for (const THandEdit& c : cases) {
    SCOPED_TRACE(c.what);
    TGameFolder folder{TGameFolder::WithGame};
    TLines lines = DefaultSettingsLines();
    // Move the spin edits off their defaults, so a default shows as a change.
    lines[0] = "300";
    lines[1] = "900";
    lines[c.line - 1] = c.text;
    folder.WriteLast(lines);
    TFormFixture f(folder);
    EXPECT_EQ(c.read(*f.form), c.expected);
    EXPECT_TRUE(f.dialogs.shown.empty());
  }
}

TEST(SettingsFormat, LineEndsOfAnyKindAndExtraLines) {
  TGameFolder folder{TGameFolder::WithGame};
  TLines lines = DefaultSettingsLines();
  lines[0] = "77";
  lines[38] = "55";
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i)
    text += lines[i] + (i % 3 == 0 ? "\n" : i % 3 == 1 ? "\r" : "\r\n");
  text += "not a number\r\n123\r\n";  // lines 40 and 41 are ignored
  folder.WriteProgramFile("lastsettings.zks", text);
  TFormFixture f(folder);
  EXPECT_EQ(f.form->CSpinEdit3->Value(), 77);
  EXPECT_EQ(f.form->TrackBar31->Position(), 55);
  EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(SettingsFormat, ExpanderSwitchRestoredWithItsRows) {
  TGameFolder folder{TGameFolder::WithGame};
  TLines shrinker = DefaultSettingsLines();
  shrinker[3] = "0";
  folder.WriteLast(shrinker);
  folder.WriteNamed("exp", DefaultSettingsLines());
  TFormFixture f(folder);
  TForm1& w = *f.form;
  EXPECT_FALSE(w.CheckBox2->Checked());
  ExpectWeaponRowsFor(w, false);

  // And back: a named set with the switch on enables the expander row again.
  w.ComboBox1->UserPick(0);
  EXPECT_TRUE(w.CheckBox2->Checked());
  ExpectWeaponRowsFor(w, true);
}

}  // namespace
}  // namespace zk::test
