// LAUNCH and "generate map" end to end, through the real window on a game folder laid out here,
// with the real game runner and the stand-in game recording what it was handed.

#include <gtest/gtest.h>

#include <QEvent>
#include <QtTest/QTest>
#include <functional>
#include <memory>
#include <vector>

#include "gamedata/mapfile.h"
#include "launch_standin.h"
#include "support/game_folder.h"
#include "support/gamedata_builders.h"

namespace zk::test {
namespace {

const QStringList kGenerated = {"Zeb-Kin.grp", "Zeb-Kin.map", "zebkin.con", "zebkin.def"};
const QByteArray kTemplate = "// zeb-kin test script\r\ndefine BOTSTRENGTH %ZEBKINSTRENGTH%\r\n";
const QByteArray kAddonArchive = "add-on archive bytes";
const char* const kNotFoundAnymore =
    "Duke Nukem 3D not found anymore|You moron deleted the Duke Nukem 3D main executable after\n"
    "you started this launcher. trying to crash me, eh? I should\nturn off your PC for this, but "
    "I'm to nice...";

// Level e1l1: a room with four free player starts and one monster.
std::string FirstLevel() {
  MapBuilder map;
  map.Room(0, 0, 4096, 4096);
  for (int i = 0; i < 4; ++i) map.AddSprite(PlayerStart(512 + 512 * i, 512, 512 * i));
  map.AddSprite(Monster(1680, 2048, 2048));
  return map.Bytes();
}

// A game folder ready for a full run: the stand-in as eDuke32.exe, Duke3D.grp holding e1l1.map,
// the high-resolution player model, and the add-on's template and archive beside the launcher.
struct TLaidOutGame {
  explicit TLaidOutGame(const QString& subPath = "Duke3D") : folder(subPath) {
    EXPECT_TRUE(InstallStandin(folder.GameDir() + "eDuke32.exe"));
    folder.WriteGameFile("Duke3D.grp", QByteArray::fromStdString(
                                           GrpBuilder().Add("E1L1.MAP", FirstLevel()).Bytes()));
    folder.WriteGameFile("highres/sprites/characters/duke/1405_duke.md3", "md3");
    folder.WriteGameFile("highres/sprites/characters/duke/1405_duke.jpg", "jpg");
    folder.WriteProgramFile("zeb-kin.ctp", kTemplate);
    folder.WriteProgramFile("Zeb-Kin.grp", kAddonArchive);
  }
  // Starts the launcher in the folder as it is now.
  TForm1& Open(IProcessRunner& runner) {
    form = std::make_unique<TForm1>(folder.ExeFile(), dialogs, runner);
    return *form;
  }
  QStringList GeneratedLeft() const {
    QStringList left;
    for (const QString& name : kGenerated)
      if (folder.GameFileExists(name)) left << name;
    return left;
  }

  TGameFolder folder;
  TScriptedDialogs dialogs;
  TQtProcessRunner runner;
  std::unique_ptr<TForm1> form;
};

// Every text the status panel was painted with, in order, repeats of the same text once.
class TPaintedTexts : public QObject {
 public:
  explicit TPaintedTexts(QLabel* panel) : panel_(panel) { panel->installEventFilter(this); }
  std::vector<QString> texts;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && (texts.empty() || texts.back() != panel_->text()))
      texts.push_back(panel_->text());
    return false;
  }

 private:
  QLabel* panel_;
};

int CountTile(const TMap& map, int picnum) {
  int n = 0;
  for (int i = 0; i < map.SpriteCount; ++i) n += map.Sprites[i].picnum == picnum;
  return n;
}

TEST(LaunchSequence, FullLaunchHandsTheGameEverythingAndTidiesUp) {
  // Blanks, and an odd number of double quotes: neither may cost the game a switch.
  TLaidOutGame game("Duke \"3D/My  Games");
  TStandinRecording recording;
  TForm1& form = game.Open(game.runner);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  const QString saved = form.StatusBar1->PanelText();
  TPaintedTexts painted(form.StatusBar1->Panel());

  form.Button1->click();
  QCoreApplication::processEvents();

  const std::vector<QString> expected = {"copying zeb-kin files",
                                         "extracting selected map",
                                         "Editing map",
                                         "Writing con file",
                                         "Writing def file",
                                         "Launching Duke Nukem 3D",
                                         saved,
                                         "Cleaning up",
                                         saved};
  EXPECT_EQ(painted.texts, expected);
  EXPECT_TRUE(game.dialogs.Messages().empty());

  const TStandinRecord r = recording.Read();
  ASSERT_TRUE(r.complete);
  EXPECT_EQ(r.program, game.folder.GameDir() + "eDuke32.exe");
  EXPECT_EQ(r.arguments, QStringList({"-map", "Zeb-Kin.map", "/hzebkin.def", "/s1", "/xzebkin.con",
                                      "/q2", "/t2", "/gZeb-Kin.grp"}));
  EXPECT_EQ(r.cwd + "/", game.folder.GameDir());
  QStringList all = kGenerated;
  all.sort();
  EXPECT_EQ(r.files, all);
  // What the game saw was already prepared: three bots (the window's default) and, under
  // "No monsters", no monster.
  TMap map;
  ASSERT_EQ(map.LoadFromFile((r.folder + "/files/Zeb-Kin.map").toStdString(), 0), 0);
  EXPECT_EQ(CountTile(map, 3586), 3);
  EXPECT_EQ(CountTile(map, 1680), 0);
  EXPECT_TRUE(r.File("zebkin.con").startsWith("// zeb-kin test script\r\n"));
  EXPECT_EQ(r.File("Zeb-Kin.grp"), kAddonArchive);
  EXPECT_FALSE(r.File("zebkin.def").isEmpty());

  EXPECT_TRUE(game.GeneratedLeft().isEmpty());
  EXPECT_EQ(form.StatusBar1->PanelText(), saved);
  EXPECT_FALSE(form.RunInProgress);
}

TEST(LaunchSequence, UserMapShowsNoExtractingText) {
  TLaidOutGame game;
  const QString userMap = game.folder.GameDir() + "my maps/arena.map";
  game.folder.WriteGameFile("my maps/arena.map", QByteArray::fromStdString(FirstLevel()));
  TStandinRecording recording;
  TForm1& form = game.Open(game.runner);
  form.RadioButton1->SetChecked(true);
  form.Edit1->SetText(userMap);
  form.CSpinEdit1->SetValue(2);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  TPaintedTexts painted(form.StatusBar1->Panel());

  form.Button1->click();

  EXPECT_EQ(std::count(painted.texts.begin(), painted.texts.end(), "extracting selected map"), 0);
  EXPECT_EQ(painted.texts.front(), "copying zeb-kin files");
  EXPECT_EQ(painted.texts.at(1), "Editing map");
  TMap map;
  ASSERT_EQ(map.LoadFromFile((recording.Read().folder + "/files/Zeb-Kin.map").toStdString(), 0), 0);
  EXPECT_EQ(CountTile(map, 3586), 2);  // the number of bots at the moment of the click
  EXPECT_TRUE(game.GeneratedLeft().isEmpty());
}

// The map that "generate map" left, picked as the user map: copying it onto itself would have
// it edited twice and then deleted by the cleanup.
TEST(LaunchSequence, UserMapThatIsTheWorkingMapIsRefusedAndKept) {
  TLaidOutGame game;
  const QByteArray generated = QByteArray::fromStdString(FirstLevel());
  game.folder.WriteGameFile("Zeb-Kin.map", generated);
  TStandinRecording recording;
  TForm1& form = game.Open(game.runner);
  form.RadioButton1->SetChecked(true);
  form.Edit1->SetText(game.folder.GameDir() + "Zeb-Kin.map");

  form.Button1->click();

  EXPECT_EQ(game.dialogs.Messages(),
            (std::vector<QString>{"map modifying failed. Sorry :-(|couldn't create the modified "
                                  "map file. Are\nyou running this program from a ROM drive?"}));
  ASSERT_TRUE(game.folder.GameFileExists("Zeb-Kin.map"));
  QFile map(game.folder.GameDir() + "Zeb-Kin.map");
  ASSERT_TRUE(map.open(QIODevice::ReadOnly));
  EXPECT_EQ(map.readAll(), generated);
  EXPECT_FALSE(recording.Read().complete);  // the game was not started
}

// Each way a run can end: the messages shown, which of the four files stay, and which program
// (if any) was started.
TEST(LaunchSequence, EachEndLeavesItsFiles) {
  struct Case {
    const char* what;
    std::function<void(TLaidOutGame&)> beforeStartUp;
    std::function<void(TLaidOutGame&)> afterStartUp;
    bool launch;
    std::vector<QString> messages;
    QStringList left;
    QString started;  // the program the stand-in ran as, empty when none ran
  };
  const auto removeGameFile = [](const char* name) {
    return [name](TLaidOutGame& g) { QFile::remove(g.folder.GameDir() + name); };
  };
  const auto none = [](TLaidOutGame&) {};
  const Case cases[] = {
      {"LAUNCH, both executables",
       [](TLaidOutGame& g) { InstallStandin(g.folder.GameDir() + "Duke3D.exe"); },
       none,
       true,
       {},
       {},
       "eDuke32.exe"},
      {"LAUNCH, Duke3D.exe alone",
       [](TLaidOutGame& g) { InstallStandin(g.folder.GameDir() + "Duke3D.exe"); },
       removeGameFile("eDuke32.exe"),
       true,
       {},
       {},
       "Duke3D.exe"},
      {"generate map", none, none, false, {}, {"Zeb-Kin.map"}, ""},
      {"LAUNCH, the game cannot be started",
       [](TLaidOutGame& g) { g.folder.WriteGameFile("eDuke32.exe", "not a program"); },
       none,
       true,
       {"game start error|"},
       {},
       ""},
      {"LAUNCH, add-on archive missing",
       none,
       [](TLaidOutGame& g) { QFile::remove(g.folder.ProgramDir() + "Zeb-Kin.grp"); },
       true,
       {},
       {},
       "eDuke32.exe"},
      {"level not in the archive",
       none,
       [](TLaidOutGame& g) { g.form->ComboBox4->SetItemIndex(1); },
       true,
       {"map extraction error|extracting of the map failed"},
       {"Zeb-Kin.grp"},
       ""},
      {"user map with an empty path",
       none,
       [](TLaidOutGame& g) { g.form->RadioButton1->SetChecked(true); },
       true,
       {"|No map selected"},
       {"Zeb-Kin.grp"},
       ""},
      {"generate map, template missing",
       none,
       [](TLaidOutGame& g) { QFile::remove(g.folder.ProgramDir() + "zeb-kin.ctp"); },
       false,
       {"con file error|could not create the .con files. sorry :-("},
       {"Zeb-Kin.grp", "Zeb-Kin.map"},
       ""},
      {"LAUNCH, executable deleted after start-up",
       none,
       removeGameFile("eDuke32.exe"),
       true,
       {kNotFoundAnymore},
       kGenerated,
       ""},
      {"generate map, executable deleted after start-up",
       none,
       removeGameFile("eDuke32.exe"),
       false,
       {kNotFoundAnymore},
       kGenerated,
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TLaidOutGame game;
    TStandinRecording recording;
    c.beforeStartUp(game);
    TForm1& form = game.Open(game.runner);
    c.afterStartUp(game);
    const QString saved = form.StatusBar1->PanelText();

    (c.launch ? form.Button1 : form.Button5)->click();

    const std::vector<QString> shown = game.dialogs.Messages();
    ASSERT_EQ(shown.size(), c.messages.size());
    for (size_t i = 0; i < shown.size(); ++i) EXPECT_TRUE(shown[i].startsWith(c.messages[i]));
    EXPECT_EQ(game.GeneratedLeft(), c.left);
    const TStandinRecord r = recording.Read();
    EXPECT_EQ(r.complete ? QFileInfo(r.program).fileName() : "", c.started);
    EXPECT_EQ(form.StatusBar1->PanelText(), saved);
    EXPECT_FALSE(form.RunInProgress);
  }
}

TEST(LaunchSequence, GameThatCannotStartIsExplained) {
  TLaidOutGame game;
  QFile::remove(game.folder.GameDir() + "eDuke32.exe");
  game.folder.WriteGameFile("eDuke32.exe", "#!/bin/sh\n");  // no run bit
  TForm1& form = game.Open(game.runner);
  form.Button1->click();
  ASSERT_EQ(game.dialogs.shown.size(), 1u);
  const TShownDialog& box = game.dialogs.shown[0];
  EXPECT_TRUE(box.text.contains("could not be started")) << box.text.toStdString();
  EXPECT_TRUE(box.text.contains(game.folder.GameDir() + "eDuke32.exe"));
  EXPECT_TRUE(box.text.contains("eDuke32.exe is not marked as a program"))
      << box.text.toStdString();
  EXPECT_EQ(box.icon, TMsgIcon::Stop);
}

// A Linux eduke32 takes its switches with "-" only; it is preferred to the Windows builds.
TEST(LaunchSequence, NativeEngineGetsTheDashForm) {
  TLaidOutGame game;
  ASSERT_TRUE(InstallStandin(game.folder.GameDir() + "eduke32"));
  QFile::remove(game.folder.GameDir() + "eDuke32.exe");
  TStandinRecording recording;
  TForm1& form = game.Open(game.runner);
  ASSERT_FALSE(form.TerminateRequested());

  form.Button1->click();

  EXPECT_TRUE(game.dialogs.Messages().empty());
  const TStandinRecord r = recording.Read();
  ASSERT_TRUE(r.complete);
  EXPECT_EQ(r.program, game.folder.GameDir() + "eduke32");
  EXPECT_EQ(r.arguments, QStringList({"-map", "Zeb-Kin.map", "-hzebkin.def", "-s1", "-xzebkin.con",
                                      "-q2", "-t2", "-gZeb-Kin.grp"}));
  EXPECT_EQ(r.files.size(), 4);
  EXPECT_TRUE(game.GeneratedLeft().isEmpty());
}

// A Windows game with no wine to run it: the player is told what to do, and the files go.
TEST(LaunchSequence, WindowsGameWithoutWineIsExplained) {
  TLaidOutGame game;
  QByteArray pe(0x100, '\0');
  pe.replace(0, 2, "MZ");
  pe[0x3C] = static_cast<char>(0x80);
  pe.replace(0x80, 4, QByteArray("PE\0\0", 4));
  game.folder.WriteGameFile("eDuke32.exe", pe);
  const QByteArray saved = qgetenv("WINE");
  qputenv("WINE", (game.folder.GameDir() + "no wine here/wine").toUtf8());
  TForm1& form = game.Open(game.runner);

  form.Button1->click();

  if (saved.isNull())
    qunsetenv("WINE");
  else
    qputenv("WINE", saved);
  ASSERT_EQ(game.dialogs.shown.size(), 1u);
  const TShownDialog& box = game.dialogs.shown[0];
  EXPECT_EQ(box.title, "game start error");
  EXPECT_EQ(box.text, "Duke Nukem 3D could not be started:\n" + game.folder.GameDir() +
                          "eDuke32.exe\neDuke32.exe is a Windows program. Install wine to run "
                          "it on Linux, or set WINE to the wine to use.");
  EXPECT_TRUE(game.GeneratedLeft().isEmpty());
}

// While the game runs, a second LAUNCH or generate map would work over the same files, and a
// close would leave them behind: both wait for the run's end.
TEST(LaunchSequence, RunWaitsOutClicksAndClose) {
  TLaidOutGame game;
  TRecordingRunner runner;
  TForm1& form = game.Open(runner);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  bool visibleDuringRun = false;
  QStringList leftDuringRun;
  runner.whileRunning = [&] {
    form.Button1->click();
    form.Button5->click();
    form.close();
    visibleDuringRun = form.isVisible();
    leftDuringRun = game.GeneratedLeft();
  };

  form.Button1->click();

  EXPECT_EQ(runner.calls, 1);
  EXPECT_TRUE(visibleDuringRun);
  EXPECT_EQ(leftDuringRun, kGenerated);
  // Closed once the cleanup was done, and the last-used settings were saved on the way.
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(game.GeneratedLeft().isEmpty());
  EXPECT_TRUE(game.folder.GameFileExists("zebkin/lastsettings.zks"));
  EXPECT_FALSE(form.RunInProgress);
  EXPECT_FALSE(form.CloseAfterRun);
}

// A file error inside a step is reported by the window and stops the run where it is; the
// window is free for the next run.
TEST(LaunchSequence, FileErrorStopsTheRunAndFreesTheWindow) {
  TLaidOutGame game;
  TRecordingRunner runner;
  TForm1& form = game.Open(runner);
  QDir().mkpath(game.folder.GameDir() + "zebkin.con");  // cannot be written as a file

  form.Button1->click();

  ASSERT_EQ(game.dialogs.Messages().size(), 1u);
  EXPECT_TRUE(game.dialogs.Messages()[0].startsWith("Zeb-Kin|Cannot create file "));
  EXPECT_EQ(form.StatusBar1->PanelText(), "Writing con file");
  EXPECT_TRUE(game.folder.GameFileExists("Zeb-Kin.map"));
  EXPECT_TRUE(game.folder.GameFileExists("Zeb-Kin.grp"));
  EXPECT_EQ(runner.calls, 0);
  EXPECT_FALSE(form.RunInProgress);

  QDir(game.folder.GameDir() + "zebkin.con").removeRecursively();
  form.Button1->click();
  EXPECT_EQ(runner.calls, 1);
}

}  // namespace
}  // namespace zk::test
