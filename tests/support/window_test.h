#pragma once
// A test fixture with the window built for a game folder that holds the game, and checks of
// the window that several tests share.

#include <gtest/gtest.h>

#include "support/game_folder.h"

namespace zk::test {

// Exactly one of the two alternative weapon rows can be edited: the expander's when expander.
inline void ExpectWeaponRowsFor(const TForm1& w, bool expander) {
  for (const TControl* c :
       {static_cast<const TControl*>(w.TrackBar24), static_cast<const TControl*>(w.TrackBar25),
        static_cast<const TControl*>(w.TrackBar26), static_cast<const TControl*>(w.Label29)})
    EXPECT_EQ(c->Enabled(), !expander) << "shrinker row: " << c->Name();
  for (const TControl* c :
       {static_cast<const TControl*>(w.TrackBar29), static_cast<const TControl*>(w.TrackBar30),
        static_cast<const TControl*>(w.TrackBar31), static_cast<const TControl*>(w.Label33)})
    EXPECT_EQ(c->Enabled(), expander) << "expander row: " << c->Name();
}

class TWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(w.TerminateRequested()); }
  TGameFolder folder{TGameFolder::WithGame};
  TFormFixture f{folder};
  TForm1& w = *f.form;
};

}  // namespace zk::test
