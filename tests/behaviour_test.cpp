// The window's own reactions: the map source, the episode's levels, the expander switch and the
// monster respawn option.

#include <gtest/gtest.h>

#include "support/window_test.h"

namespace zk::test {
namespace {

using Behaviour = TWindowTest;

TEST_F(Behaviour, BrowseChoosesAUserMapAndCancelChangesNothing) {
  f.dialogs.openFileAnswers.push_back({false, {}});
  w.Button2->Click();
  EXPECT_TRUE(w.Edit1->Text().empty());
  EXPECT_TRUE(w.RadioButton2->Checked());
  EXPECT_FALSE(w.RadioButton1->Checked());
  EXPECT_EQ(f.dialogs.lastOpenSpec.Filter, "Duke Nukem 3D Level (*.map)|*.map");

  f.dialogs.openFileAnswers.push_back({true, "/maps/my level.map"});
  w.Button2->Click();
  EXPECT_EQ(w.Edit1->Text(), "/maps/my level.map");
  EXPECT_TRUE(w.RadioButton1->Checked());
  EXPECT_FALSE(w.RadioButton2->Checked());
  EXPECT_EQ(w.ComboBox3->ItemIndex(), 0);  // the lists keep their picks
  EXPECT_EQ(w.ComboBox4->ItemIndex(), 0);
}

TEST_F(Behaviour, AnEpisodePickAfterAUserMapBringsItsLevelsAndTheGameMap) {
  f.dialogs.openFileAnswers.push_back({true, "/maps/x.map"});
  w.Button2Click(nullptr);
  w.ComboBox3->UserPick(1);  // "Lunar Apocalypse"
  EXPECT_EQ(w.ComboBox4->Items(), w.Memo3->Lines());
  EXPECT_EQ(w.ComboBox4->Text(), "Spaceport");
  EXPECT_TRUE(w.RadioButton2->Checked());
  EXPECT_FALSE(w.RadioButton1->Checked());
  EXPECT_EQ(w.Edit1->Text(), "/maps/x.map");  // kept for a later "usermap"

  w.ComboBox3->SetItemIndex(3);
  w.ComboBox3Change(nullptr);
  EXPECT_EQ(w.ComboBox4->Items().size(), 11u);
  EXPECT_EQ(w.ComboBox4->Text(), "It's impossible");

  w.RadioButton1->UserClick();
  EXPECT_TRUE(w.RadioButton1->Checked());
  EXPECT_FALSE(w.RadioButton2->Checked());
  w.ComboBox4->UserPick(4);
  EXPECT_TRUE(w.RadioButton2->Checked());
  EXPECT_EQ(w.ComboBox4->Text(), "Pigsty");
}

TEST_F(Behaviour, ExpanderSwitchEnablesOneWeaponRowAndKeepsPositions) {
  w.TrackBar29->SetPosition(30);
  w.TrackBar24->SetPosition(12);
  w.CheckBox2->SetChecked(false);
  w.CheckBox2Click(w.CheckBox2);
  ExpectWeaponRowsFor(w, false);
  EXPECT_EQ(w.TrackBar29->Position(), 30);
  EXPECT_EQ(w.TrackBar24->Position(), 12);
  EXPECT_TRUE(w.TrackBar5->Enabled());

  w.CheckBox2->UserClick();  // a user's click runs the same rule
  EXPECT_TRUE(w.CheckBox2->Checked());
  ExpectWeaponRowsFor(w, true);
}

TEST_F(Behaviour, MonsterDifficultyRemembersRespawnWhileThereAreNoMonsters) {
  struct Step {
    int pick;  // -1: the user toggles CheckBox7 instead
    bool enabled, checked;
    int tag;
  } steps[] = {
      {1, true, false, 0},   // "Piece of cake": enabled, unchecked
      {-1, true, true, 0},   // the user checks it
      {0, false, false, 1},  // "No monsters": disabled, unchecked, remembers checked
      {2, true, true, 1},    // "Let's rock": checked again
      {-1, true, false, 1},  // the user unchecks it
      {4, true, true, 1},    // "Damn I'm good": the remembered state wins
  };
  for (const Step& s : steps) {
    if (s.pick < 0)
      w.CheckBox7->UserClick();
    else
      w.ComboBox2->UserPick(s.pick);
    EXPECT_EQ(w.CheckBox7->Enabled(), s.enabled) << "after pick " << s.pick;
    EXPECT_EQ(w.CheckBox7->Checked(), s.checked) << "after pick " << s.pick;
    EXPECT_EQ(w.CheckBox7->Tag, s.tag) << "after pick " << s.pick;
  }
}

TEST_F(Behaviour, ComeGetSomeRightAfterStartLeavesRespawnUnchecked) {
  w.ComboBox2->SetItemIndex(3);
  w.ComboBox2Change(nullptr);
  EXPECT_TRUE(w.CheckBox7->Enabled());
  EXPECT_FALSE(w.CheckBox7->Checked());
  EXPECT_EQ(w.CheckBox7->Tag, 0);
}

}  // namespace
}  // namespace zk::test
