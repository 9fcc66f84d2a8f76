#pragma once
// A test fixture with the window built for a game folder that holds the game.

#include <gtest/gtest.h>

#include "support/game_folder.h"

namespace zk::test {

// The game folder gets its game before the window is built, so start-up passes.
struct TFolderWithGame : TGameFolder {
  TFolderWithGame() { WriteGameFile("eDuke32.exe"); }
};

// Exactly one of the two alternative weapon rows can be edited: the expander's when expander.
inline void ExpectWeaponRowsFor(const TForm1& w, bool expander) {
  for (const QWidget* c :
       {static_cast<const QWidget*>(w.TrackBar24), static_cast<const QWidget*>(w.TrackBar25),
        static_cast<const QWidget*>(w.TrackBar26), static_cast<const QWidget*>(w.Label29)})
    EXPECT_EQ(c->isEnabled(), !expander) << "shrinker row";
  for (const QWidget* c :
       {static_cast<const QWidget*>(w.TrackBar29), static_cast<const QWidget*>(w.TrackBar30),
        static_cast<const QWidget*>(w.TrackBar31), static_cast<const QWidget*>(w.Label33)})
    EXPECT_EQ(c->isEnabled(), expander) << "expander row";
}

class TWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(w.TerminateRequested()); }
  TFolderWithGame folder;
  TFormFixture f{folder};
  TForm1& w = *f.form;
};

}  // namespace zk::test
