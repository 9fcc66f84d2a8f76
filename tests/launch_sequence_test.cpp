// LAUNCH and "generate map" through the window's model, with a runner that records what it was
// asked to start: the progress shown, what the game is handed, which files each end leaves, and
// the run protocol (one run at a time, a close held until the cleanup).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gamedata/mapfile.h"
#include "support/laid_out_game.h"

namespace zk::test {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

const char* const kNotFoundAnymore =
    "Duke Nukem 3D not found anymore|You moron deleted the Duke Nukem 3D main executable after\n"
    "you started this launcher. trying to crash me, eh? I should\nturn off your PC for this, but "
    "I'm to nice...";

bool StartsWith(const std::string& text, const std::string& start) {
  return text.rfind(start, 0) == 0;
}

int CountTile(const TMap& map, int picnum) {
  int n = 0;
  for (int i = 0; i < map.SpriteCount; ++i) n += map.Sprites[i].picnum == picnum;
  return n;
}

// What a backend would have painted: the status text at each repaint of the panel, and the text
// showing whenever the window processed its events while the game ran.
struct TPaintedTexts : IControlPeer {
  explicit TPaintedTexts(TStatusBar* bar) : bar_(bar) { bar->SetPeer(this); }
  ~TPaintedTexts() override { bar_->SetPeer(nullptr); }
  void Sync() override {}
  void Repaint() override { texts.push_back(bar_->PanelText()); }
  Texts texts;

 private:
  TStatusBar* bar_;
};

// The window's backend: events processed during the wait paint the status bar; a close asks the
// form first, as a real window's close box does.
struct TFormBackend : IFormPeer {
  TFormBackend(TForm1& form, TPaintedTexts& painted) : form_(form), painted_(painted) {
    form.SetFormPeer(this);
  }
  ~TFormBackend() override { form_.SetFormPeer(nullptr); }
  void Sync() override {}
  void Close() override { closed = closed || form_.CloseQuery(); }
  void ProcessMessages() override { painted_.Repaint(); }
  bool closed = false;

 private:
  TForm1& form_;
  TPaintedTexts& painted_;
};

class LaunchSequence : public ::testing::Test {
 protected:
  LaunchSequence() { LayOutGame(folder); }
  TForm1& Open() {
    f = std::make_unique<TFormFixture>(folder);
    return *f->form;
  }
  // Blanks and letters beyond ASCII in the game's path ("Spiele/Düke Nukem 3D/ゲーム" in UTF-8):
  // each step's file goes through it.
  TGameFolder folder{TGameFolder::WithGame,
                     "Spiele/D\xC3\xBCke Nukem 3D/\xE3\x82\xB2\xE3\x83\xBC\xE3\x83\xA0"};
  std::unique_ptr<TFormFixture> f;
};

TEST_F(LaunchSequence, LaunchShowsEachStepAndHandsTheGameItsFiles) {
  TForm1& form = Open();
  TPaintedTexts painted(form.StatusBar1);
  TFormBackend backend(form, painted);
  const std::string saved = form.StatusBar1->PanelText();
  Texts presentDuringRun;
  std::string mapDuringRun;
  f->runner.whileRunning = [&] {
    presentDuringRun = GeneratedLeft(folder);
    mapDuringRun = folder.ReadGameFile("Zeb-Kin.map");
  };

  form.Button1->Click();

  const Texts expected = {"copying zeb-kin files",
                          "extracting selected map",
                          "Editing map",
                          "Writing con file",
                          "Writing def file",
                          "Launching Duke Nukem 3D",
                          saved,  // shown while the game runs
                          "Cleaning up"};
  EXPECT_EQ(painted.texts, expected);
  EXPECT_EQ(form.StatusBar1->PanelText(), saved);
  EXPECT_TRUE(f->dialogs.Messages().empty());

  ASSERT_EQ(f->runner.calls, 1);
  EXPECT_EQ(f->runner.command.Executable, folder.GameDir() + "eDuke32.exe");
  EXPECT_EQ(f->runner.command.Switches, (Texts{"-map", "Zeb-Kin.map", "/hzebkin.def", "/s1",
                                               "/xzebkin.con", "/q2", "/t2", "/gZeb-Kin.grp"}));
  EXPECT_EQ(f->runner.currentDirectory, folder.GameDir());
  EXPECT_EQ(presentDuringRun, kGeneratedFiles);
  // Prepared before the start: three bots (the window's default) and, under "No monsters", no
  // monster.
  const std::string mapPath = folder.GameDir() + "seen.map";
  ASSERT_TRUE(WriteBytes(mapPath, mapDuringRun));
  TMap map;
  ASSERT_EQ(map.LoadFromFile(mapPath, 0), 0);
  EXPECT_EQ(CountTile(map, 3586), 3);
  EXPECT_EQ(CountTile(map, 1680), 0);

  EXPECT_TRUE(GeneratedLeft(folder).empty());
  EXPECT_FALSE(form.RunInProgress);
  EXPECT_FALSE(backend.closed);
}

TEST_F(LaunchSequence, UserMapShowsNoExtractingTextAndTakesTheBotsOfTheMoment) {
  const std::string userMap = folder.GameDir() + "my maps/arena.map";
  folder.WriteGameFile("my maps/arena.map", FirstLevel());
  TForm1& form = Open();
  TPaintedTexts painted(form.StatusBar1);
  form.RadioButton1->SetChecked(true);
  form.Edit1->SetText(userMap);
  form.CSpinEdit1->SetValue(2);
  std::string mapDuringRun;
  f->runner.whileRunning = [&] { mapDuringRun = folder.ReadGameFile("Zeb-Kin.map"); };

  form.Button1->Click();

  ASSERT_GE(painted.texts.size(), 2u);
  EXPECT_EQ(std::count(painted.texts.begin(), painted.texts.end(), "extracting selected map"), 0);
  EXPECT_EQ(painted.texts[0], "copying zeb-kin files");
  EXPECT_EQ(painted.texts[1], "Editing map");
  const std::string mapPath = folder.GameDir() + "seen.map";
  ASSERT_TRUE(WriteBytes(mapPath, mapDuringRun));
  TMap map;
  ASSERT_EQ(map.LoadFromFile(mapPath, 0), 0);
  EXPECT_EQ(CountTile(map, 3586), 2);
  EXPECT_EQ(ReadBytes(userMap), FirstLevel());  // the user's map is never edited
  EXPECT_TRUE(GeneratedLeft(folder).empty());
}

// The map that "generate map" left, picked as the user map: copying it onto itself would have
// it edited twice and then deleted by the cleanup.
TEST_F(LaunchSequence, UserMapThatIsTheWorkingMapIsRefusedAndKept) {
  const std::string generated = FirstLevel();
  folder.WriteGameFile("Zeb-Kin.map", generated);
  TForm1& form = Open();
  form.RadioButton1->SetChecked(true);
  form.Edit1->SetText(folder.GameDir() + "Zeb-Kin.map");

  form.Button1->Click();

  EXPECT_EQ(f->dialogs.Messages(),
            (Texts{"map modifying failed. Sorry :-(|couldn't create the modified map file. Are\n"
                   "you running this program from a ROM drive?"}));
  EXPECT_EQ(folder.ReadGameFile("Zeb-Kin.map"), generated);
  EXPECT_EQ(f->runner.calls, 0);
}

// Each way a run can end: the messages shown, which of the four files stay, and which program
// (if any) was started.
TEST_F(LaunchSequence, EachEndLeavesItsFiles) {
  struct Case {
    const char* what;
    std::function<void(TGameFolder&)> beforeStartUp;
    std::function<void(TGameFolder&, TFormFixture&)> afterStartUp;
    bool launch;
    Texts messages;  // their starts
    Texts left;
    std::string started;  // the program handed to the runner, empty when none
  };
  const auto removeGameFile = [](const char* name) {
    return [name](TGameFolder& g, TFormFixture&) { fs::remove(FsPath(g.GameDir() + name)); };
  };
  const auto nothing = [](TGameFolder&) {};
  const auto nothingAfter = [](TGameFolder&, TFormFixture&) {};
  const Case cases[] = {
      {"LAUNCH, both executables",
       [](TGameFolder& g) { g.WriteGameFile("Duke3D.exe"); },
       nothingAfter,
       true,
       {},
       {},
       "eDuke32.exe"},
      {"LAUNCH, Duke3D.exe alone",
       [](TGameFolder& g) { g.WriteGameFile("Duke3D.exe"); },
       removeGameFile("eDuke32.exe"),
       true,
       {},
       {},
       "Duke3D.exe"},
      {"generate map", nothing, nothingAfter, false, {}, {"Zeb-Kin.map"}, ""},
      {"LAUNCH, the game cannot be started",
       nothing,
       [](TGameFolder&, TFormFixture& f) {
         f.runner.outcome = {false, "no such program"};
       },
       true,
       {"game start error|Duke Nukem 3D could not be started:\n"},
       {},
       "eDuke32.exe"},
      {"LAUNCH, add-on archive missing",
       nothing,
       [](TGameFolder& g, TFormFixture&) { fs::remove(FsPath(g.ProgramDir() + "Zeb-Kin.grp")); },
       true,
       {},
       {},
       "eDuke32.exe"},
      {"level not in the archive",
       nothing,
       [](TGameFolder&, TFormFixture& f) { f.form->ComboBox4->SetItemIndex(1); },
       true,
       {"map extraction error|extracting of the map failed"},
       {"Zeb-Kin.grp"},
       ""},
      {"user map with an empty path",
       nothing,
       [](TGameFolder&, TFormFixture& f) { f.form->RadioButton1->SetChecked(true); },
       true,
       {"|No map selected"},
       {"Zeb-Kin.grp"},
       ""},
      {"generate map, template missing",
       nothing,
       [](TGameFolder& g, TFormFixture&) { fs::remove(FsPath(g.ProgramDir() + "zeb-kin.ctp")); },
       false,
       {"con file error|could not create the .con files. sorry :-("},
       {"Zeb-Kin.grp", "Zeb-Kin.map"},
       ""},
      {"LAUNCH, executable deleted after start-up",
       nothing,
       removeGameFile("eDuke32.exe"),
       true,
       {kNotFoundAnymore},
       kGeneratedFiles,
       ""},
      {"generate map, executable deleted after start-up",
       nothing,
       removeGameFile("eDuke32.exe"),
       false,
       {kNotFoundAnymore},
       kGeneratedFiles,
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TGameFolder game{TGameFolder::WithGame};
    LayOutGame(game);
    c.beforeStartUp(game);
    TFormFixture run(game);
    TForm1& form = *run.form;
    c.afterStartUp(game, run);
    const std::string saved = form.StatusBar1->PanelText();

    (c.launch ? form.Button1 : form.Button5)->Click();

    const Texts shown = run.dialogs.Messages();
    ASSERT_EQ(shown.size(), c.messages.size());
    for (size_t i = 0; i < shown.size(); ++i)
      EXPECT_TRUE(StartsWith(shown[i], c.messages[i])) << shown[i];
    EXPECT_EQ(GeneratedLeft(game), c.left);
    EXPECT_EQ(run.runner.calls == 0
                  ? ""
                  : fs::u8path(run.runner.command.Executable).filename().u8string(),
              c.started);
    EXPECT_EQ(form.StatusBar1->PanelText(), saved);
    EXPECT_FALSE(form.RunInProgress);
  }
}

// While the game runs, a second LAUNCH or generate map would work over the same files, and a
// close would leave them behind: both wait for the run's end.
TEST_F(LaunchSequence, RunWaitsOutClicksAndClose) {
  TForm1& form = Open();
  TPaintedTexts painted(form.StatusBar1);
  TFormBackend backend(form, painted);
  bool closedDuringRun = true;
  Texts leftDuringRun;
  f->runner.whileRunning = [&] {
    form.Button1->Click();
    form.Button5->Click();
    form.Close();
    closedDuringRun = backend.closed;
    leftDuringRun = GeneratedLeft(folder);
  };

  form.Button1->Click();

  EXPECT_EQ(f->runner.calls, 1);
  EXPECT_FALSE(closedDuringRun);
  EXPECT_EQ(leftDuringRun, kGeneratedFiles);
  // Closed once the cleanup was done, and the last-used settings were saved on the way.
  EXPECT_TRUE(backend.closed);
  EXPECT_TRUE(GeneratedLeft(folder).empty());
  EXPECT_TRUE(Exists(folder.Last()));
  EXPECT_FALSE(form.RunInProgress);
  EXPECT_FALSE(form.CloseAfterRun);
  EXPECT_TRUE(f->dialogs.shown.empty());
}

// A file error inside a step is reported by the window and stops the run where it is; the
// window is free for the next run.
TEST_F(LaunchSequence, FileErrorStopsTheRunAndFreesTheWindow) {
  TForm1& form = Open();
  fs::create_directories(FsPath(folder.GameDir() + "zebkin.con"));  // cannot be a file

  form.Button1->Click();

  ASSERT_EQ(f->dialogs.Messages().size(), 1u);
  EXPECT_TRUE(StartsWith(f->dialogs.Messages()[0], "Zeb-Kin|Cannot create file "));
  EXPECT_EQ(form.StatusBar1->PanelText(), "Writing con file");
  EXPECT_TRUE(folder.GameFileExists("Zeb-Kin.map"));
  EXPECT_TRUE(folder.GameFileExists("Zeb-Kin.grp"));
  EXPECT_EQ(f->runner.calls, 0);
  EXPECT_FALSE(form.RunInProgress);

  fs::remove_all(FsPath(folder.GameDir() + "zebkin.con"));
  form.Button1->Click();
  EXPECT_EQ(f->runner.calls, 1);
}

}  // namespace
}  // namespace zk::test
