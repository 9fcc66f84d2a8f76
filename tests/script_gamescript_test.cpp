// The game script: the 52 values taken from the window, and zebkin.con written from the
// add-on's template.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iterator>

#include "platform/errors.h"
#include "script/gamescript.h"
#include "support/game_folder.h"

namespace zk::test {
namespace {

// A window started in a game folder that holds the game.
struct TScriptWindow {
  TForm1& form() { return *f.form; }
  TGameFolder folder{TGameFolder::WithGame};
  TFormFixture f{folder};
};

std::string Seven(const std::string& command) {
  std::string s = command;
  for (int i = 1; i < 7; ++i) s += " " + command;
  return s;
}

TEST(BuildScriptValues, AtTheWindowsDefaults) {
  TScriptWindow w;
  const TLines expected = {"200",
                           "//",
                           "",
                           "",
                           "64",
                           "",
                           "",
                           "rnd 255",
                           "320",
                           "rnd 255",
                           "rnd -1",
                           "//",
                           "//",
                           "//",
                           "75",
                           "100",
                           "110",
                           "130",
                           "125",
                           "150",
                           "0",
                           "3",
                           "5",
                           "9",
                           "25",
                           "51",
                           "63",
                           "85",
                           "127",
                           "addphealth -5",
                           "shoot SHOTSPARK1",
                           "25",
                           "10",
                           "48",
                           "shoot SHOTGUN",
                           "25",
                           "10",
                           "48",
                           "shoot CHAINGUN",
                           "25",
                           "10",
                           "48",
                           "shoot GROWSPARK",
                           "25",
                           "sound EXPANDERSHOOT",
                           "10",
                           "48",
                           "spawn FAKE_RPG",
                           "25",
                           "10",
                           "48",
                           "//"};
  EXPECT_EQ(BuildScriptValues(w.form()), expected);
  EXPECT_EQ(w.form().Memo6->Lines().size(), 52u);
}

// Every control away from its default, each slider at its own Position, so a control read for
// the wrong row or a switch of the wrong sense shows.
TEST(BuildScriptValues, EachControlReachesItsRow) {
  TScriptWindow w;
  TForm1& f = w.form();
  f.CSpinEdit4->SetValue(4000);
  f.CheckBox5->SetChecked(false);
  f.CheckBox4->SetChecked(false);
  f.CheckBox3->SetChecked(false);
  f.TrackBar27->SetPosition(255);
  f.CheckBox2->SetChecked(false);
  f.CheckBox12->SetChecked(true);
  f.CheckBox1->SetChecked(false);
  f.CSpinEdit3->SetValue(600);
  f.CheckBox8->SetChecked(false);
  f.CheckBox7->SetChecked(true);
  f.CheckBox7->SetEnabled(false);  // counts as it stands
  f.CheckBox9->SetChecked(true);
  f.CheckBox10->SetChecked(true);
  const std::pair<TTrackBar*, int> positions[] = {
      {f.TrackBar7, 10},  {f.TrackBar10, 700}, {f.TrackBar8, 11},  {f.TrackBar11, 12},
      {f.TrackBar6, 13},  {f.TrackBar9, 14},   {f.TrackBar1, 30},  {f.TrackBar2, 10},
      {f.TrackBar3, 51},  {f.TrackBar4, 10},   {f.TrackBar5, 20},  {f.TrackBar28, 7},
      {f.TrackBar13, 2},  {f.TrackBar14, 100}, {f.TrackBar12, 48}, {f.TrackBar16, 3},
      {f.TrackBar17, 20}, {f.TrackBar15, 1},   {f.TrackBar19, 4},  {f.TrackBar20, 0},
      {f.TrackBar18, 2},  {f.TrackBar25, 5},   {f.TrackBar26, 99}, {f.TrackBar24, 3},
      {f.TrackBar30, 6},  {f.TrackBar31, 1},   {f.TrackBar29, 4},  {f.TrackBar22, 6},
      {f.TrackBar23, 50}, {f.TrackBar21, 5}};
  for (const auto& [slider, position] : positions) slider->SetPosition(position);
  f.CheckBox6->SetChecked(false);

  const TLines expected = {"4000",
                           "",
                           "//",
                           "//",
                           "255",
                           "//",
                           "//",
                           "rnd -1",
                           "19200",
                           "rnd -1",
                           "rnd 255",
                           "",
                           "",
                           "//",
                           "10",
                           "700",
                           "11",
                           "12",
                           "13",
                           "14",
                           "3",
                           "9",
                           "25",
                           "0",
                           "5",
                           "21",
                           "22",
                           "50",
                           "94",
                           Seven("addphealth -5"),
                           "shoot SHOTSPARK1 shoot SHOTSPARK1",
                           "254",
                           "100",
                           "0",
                           "shoot SHOTGUN shoot SHOTGUN shoot SHOTGUN",
                           "50",
                           "20",
                           "47",
                           "shoot CHAINGUN shoot CHAINGUN shoot CHAINGUN shoot CHAINGUN",
                           "0",
                           "0",
                           "46",
                           "shoot SHRINKER shoot SHRINKER shoot SHRINKER shoot SHRINKER shoot "
                           "SHRINKER",
                           "252",
                           "sound SHRINKER_FIRE",
                           "99",
                           "45",
                           "spawn FAKE_RPG spawn FAKE_RPG spawn FAKE_RPG spawn FAKE_RPG spawn "
                           "FAKE_RPG spawn FAKE_RPG",
                           "127",
                           "50",
                           "43",
                           ""};
  EXPECT_EQ(BuildScriptValues(f), expected);

  f.CSpinEdit3->SetValue(0);
  EXPECT_EQ(BuildScriptValues(f)[8], "0");
}

TEST(BuildScriptValues, PreferenceOrderAndWeights) {
  struct Case {
    int positions[5];
    TLines rows;  // rows 21 to 29: the Tags in preference order, then the four weights
  } cases[] = {
      {{1, 1, 1, 1, 1}, {"0", "3", "5", "9", "25", "51", "63", "85", "127"}},
      {{37, 37, 37, 37, 37}, {"0", "3", "5", "9", "25", "51", "63", "85", "127"}},
      {{51, 51, 51, 51, 51}, {"0", "3", "5", "9", "25", "51", "63", "85", "127"}},
      {{51, 1, 1, 1, 1}, {"3", "5", "9", "25", "0", "4", "4", "4", "4"}},
      {{30, 10, 51, 10, 20}, {"3", "9", "25", "0", "5", "21", "22", "50", "94"}},
      {{5, 4, 3, 2, 1}, {"25", "9", "5", "3", "0", "17", "36", "63", "113"}},
  };
  for (const Case& c : cases) {
    TScriptWindow w;
    TForm1& f = w.form();
    TTrackBar* sliders[] = {f.TrackBar1, f.TrackBar2, f.TrackBar3, f.TrackBar4, f.TrackBar5};
    for (int i = 0; i < 5; ++i) sliders[i]->SetPosition(c.positions[i]);
    const TLines values = BuildScriptValues(f);
    EXPECT_EQ(TLines(values.begin() + 20, values.begin() + 29), c.rows)
        << c.positions[0] << " " << c.positions[1] << " " << c.positions[2] << " " << c.positions[3]
        << " " << c.positions[4];
  }
}

TEST(BuildScriptValues, ExpanderSwitchChoosesTheWholeRowSet) {
  TScriptWindow w;
  TForm1& f = w.form();
  f.TrackBar30->SetPosition(2);
  f.TrackBar31->SetPosition(40);
  f.TrackBar29->SetPosition(8);
  f.TrackBar25->SetPosition(3);
  f.TrackBar26->SetPosition(60);
  f.TrackBar24->SetPosition(16);
  const TLines expander = BuildScriptValues(f);
  f.CheckBox2->SetChecked(false);
  const TLines shrinker = BuildScriptValues(f);

  // Rows 6 and 43 to 47, zero-based.
  const size_t switched[] = {5, 42, 43, 44, 45, 46};
  const TLines expanderRows = {
      "", "shoot GROWSPARK shoot GROWSPARK", "101", "sound EXPANDERSHOOT", "40", "40"};
  const TLines shrinkerRows = {"//",  "shoot SHRINKER shoot SHRINKER shoot SHRINKER",
                               "152", "sound SHRINKER_FIRE",
                               "60",  "32"};
  for (size_t k = 0; k < std::size(switched); ++k) {
    EXPECT_EQ(expander[switched[k]], expanderRows[k]) << "row " << switched[k] + 1;
    EXPECT_EQ(shrinker[switched[k]], shrinkerRows[k]) << "row " << switched[k] + 1;
  }
  for (size_t row = 0; row < 52; ++row) {
    if (std::find(std::begin(switched), std::end(switched), row) == std::end(switched)) {
      EXPECT_EQ(expander[row], shrinker[row]) << "row " << row + 1;
    }
  }

  // Only the chosen set is read.
  for (TTrackBar* t : {f.TrackBar30, f.TrackBar31, f.TrackBar29}) t->SetPosition(t->Min());
  EXPECT_EQ(BuildScriptValues(f), shrinker);
  f.CheckBox2->SetChecked(true);
  for (TTrackBar* t : {f.TrackBar30, f.TrackBar31, f.TrackBar29}) t->SetPosition(t->Max());
  const TLines expanderAtMax = BuildScriptValues(f);
  for (TTrackBar* t : {f.TrackBar25, f.TrackBar26, f.TrackBar24}) t->SetPosition(t->Max());
  EXPECT_EQ(BuildScriptValues(f), expanderAtMax);
  EXPECT_EQ(expanderAtMax[42], Seven("shoot GROWSPARK"));
  EXPECT_EQ(expanderAtMax[43], "254");
  EXPECT_EQ(expanderAtMax[46], "0");
}

TEST(WriteGameScript, FillsTheTemplateWithCrLfLineEnds) {
  struct Case {
    const char* what;
    std::string ctp, con;
  } cases[] = {
      {"no placeholders, every kind of line end", "a\r\nb\nc\rd\n\r\n\n",
       "a\r\nb\r\nc\r\nd\r\n\r\n\r\n"},
      {"last line without line end", "one\r\ntwo", "one\r\ntwo\r\n"},
      {"empty template", "", ""},
      {"placeholders of the window's list",
       "health %ZEBKINSTRENGTH%;%SHOOTPIPES%x\n%BOTFLYSPEED%DODGEFLYSPEED%\r%weap1% %WEAP5%\xe9",
       "health 200;//x\r\n110DODGEFLYSPEED%\r\n%weap1% 25\xe9\r\n"},
  };
  for (const Case& c : cases) {
    TScriptWindow w;
    w.folder.WriteProgramFile("zeb-kin.ctp", c.ctp);
    w.folder.WriteGameFile("zebkin.con", "an older script, longer than the new one\r\n");
    EXPECT_TRUE(WriteGameScript(w.form())) << c.what;
    EXPECT_EQ(w.folder.ReadGameFile("zebkin.con"), c.con) << c.what;
  }
}

TEST(WriteGameScript, MissingTemplateTouchesNothing) {
  TScriptWindow w;
  EXPECT_FALSE(WriteGameScript(w.form()));
  EXPECT_FALSE(w.folder.GameFileExists("zebkin.con"));

  w.folder.WriteGameFile("zebkin.con", "from before");
  EXPECT_FALSE(WriteGameScript(w.form()));
  EXPECT_EQ(w.folder.ReadGameFile("zebkin.con"), "from before");
  EXPECT_TRUE(w.f.dialogs.shown.empty());
}

#ifndef _WIN32
// A socket file exists but cannot be opened as a file, not even by root.
bool MakeSocketFile(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.data(), path.size());
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return bound;
}
#endif

TEST(WriteGameScript, FileErrorsLeaveTheWriter) {
#ifndef _WIN32
  {
    TScriptWindow w;
    const std::string ctp = w.folder.ProgramDir() + "zeb-kin.ctp";
    ASSERT_TRUE(MakeSocketFile(ctp));
    try {
      WriteGameScript(w.form());
      ADD_FAILURE() << "no error for an unreadable template";
    } catch (const EFOpenError& e) {
      EXPECT_EQ(std::string(e.what()), "Cannot open file " + ctp);
    }
    EXPECT_FALSE(w.folder.GameFileExists("zebkin.con"));
  }
#endif
  {
    TScriptWindow w;
    w.folder.WriteProgramFile("zeb-kin.ctp", "%WEAP1%\n");
    const std::string con = w.folder.GameDir() + "zebkin.con";
    ASSERT_TRUE(std::filesystem::create_directories(FsPath(con)));  // a folder in its place
    try {
      WriteGameScript(w.form());
      ADD_FAILURE() << "no error for an uncreatable zebkin.con";
    } catch (const EFCreateError& e) {
      EXPECT_EQ(std::string(e.what()), "Cannot create file " + con);
    }
    EXPECT_TRUE(FolderEntries(con).empty());
  }
}

}  // namespace
}  // namespace zk::test
