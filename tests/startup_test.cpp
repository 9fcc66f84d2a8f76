// Start-up: where the launcher looks for the game, and what it does when the game is missing.

#include <gtest/gtest.h>

#include "support/game_folder.h"

namespace zk::test {
namespace {

TEST(StartUp, GameFoundBesideParentFolder) {
  TGameFolder folder;
  folder.WriteGameFile("eDuke32.exe");
  TFormFixture f(folder);
  EXPECT_FALSE(f.form->TerminateRequested());
  EXPECT_EQ(f.form->ProgramDir, folder.ProgramDir());
  EXPECT_EQ(f.form->GameDir, folder.GameDir());
  EXPECT_TRUE(f.dialogs.shown.empty());
}

}  // namespace
}  // namespace zk::test
