#pragma once
// A test fixture with the window built for a game folder that holds the game.

#include <gtest/gtest.h>

#include "support/game_folder.h"

namespace zk::test {

// The game folder gets its game before the window is built, so start-up passes.
struct TFolderWithGame : TGameFolder {
  TFolderWithGame() { WriteGameFile("eDuke32.exe"); }
};

class TWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(w.TerminateRequested()); }
  TFolderWithGame folder;
  TFormFixture f{folder};
  TForm1& w = *f.form;
};

}  // namespace zk::test
