// The list of saved sets at start-up, and the last-used set restored at start-up and saved at
// close.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <filesystem>
#include <functional>

#include "platform/errors.h"
#include "settings/settingsfiles.h"
#include "settings_helpers.h"
#include "support/unprivileged.h"

namespace zk::test {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

TEST(SettingsListing, ShowsWhatAPickCanLoad) {
  TGameFolder folder{TGameFolder::WithGame};
  for (const char* name : {"Fast.zks", "my.set.zks", "zeta.zks", "Other.ZKS", "notes.txt", "plain"})
    folder.WriteProgramFile(std::string("botsettings/") + name, JoinLines(DefaultSettingsLines()));
  fs::create_directories(FsPath(folder.ProgramDir() + "botsettings/folder.zks"));
  TFormFixture f(folder);
  // Other.ZKS is left out: a pick opens name + ".zks", which is another file here.
  EXPECT_EQ(f.form->ComboBox1->Items(), (Names{"Fast", "my.set", "zeta"}));
  EXPECT_EQ(f.form->ComboBox1->ItemIndex(), -1);
  for (int i = 0; i < static_cast<int>(f.form->ComboBox1->Items().size()); ++i)
    f.form->ComboBox1->UserPick(i);
  EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(SettingsListing, NoFolderGivesAnEmptyListSilently) {
  TGameFolder folder{TGameFolder::WithGame};
  TFormFixture f(folder);
  EXPECT_TRUE(f.form->ComboBox1->Items().empty());
  EXPECT_TRUE(f.dialogs.shown.empty());
  EXPECT_FALSE(Exists(folder.ProgramDir() + "botsettings"));
}

TEST(SettingsListing, ListDirectoryArguments) {
  TGameFolder folder{TGameFolder::WithGame};
  const std::string dir = folder.ProgramDir() + "list";
  for (const char* name : {"beta.zks", "Alpha.zks", "gamma.zks", "..zks", "...zks", ".zks"})
    folder.WriteProgramFile(std::string("list/") + name);
#ifndef _WIN32
  // A pipe is no file to load: a pick would block on it.
  ASSERT_EQ(::mkfifo((dir + "/pipe.zks").c_str(), 0600), 0);
#endif
  // Without a trailing delimiter, sorted ignoring case; "." and ".." (from "..zks" and
  // "...zks") are dropped, the empty name from ".zks" stays.
  EXPECT_EQ(ListDirectory(dir, "*.zks", true, true), (Names{"", "Alpha", "beta", "gamma"}));
  Names whole = ListDirectory(dir + "/", "*.zks", false, false);
  std::sort(whole.begin(), whole.end());
  EXPECT_EQ(whole, (Names{"...zks", "..zks", ".zks", "Alpha.zks", "beta.zks", "gamma.zks"}));
  EXPECT_TRUE(ListDirectory("", "*.zks", true, true).empty());
  EXPECT_TRUE(ListDirectory(dir, "", true, true).empty());
}

TEST(SettingsStartUpAndClose, CloseSavesAndTheNextStartRestoresOnlyTheSet) {
  TGameFolder folder{TGameFolder::WithGame};
  {
    TFormFixture f(folder);
    TForm1& w = *f.form;
    w.CSpinEdit3->SetValue(99);
    w.CheckBox5->SetChecked(false);
    w.TrackBar21->SetPosition(7);
    w.TrackBar27->SetPosition(200);
    // Not part of the set.
    w.CSpinEdit1->SetValue(7);
    w.CSpinEdit2->SetValue(-3);
    w.ComboBox2->UserPick(2);
    w.CheckBox9->SetChecked(true);
    w.CheckBox12->SetChecked(true);
    w.ComboBox3->UserPick(3);
    EXPECT_TRUE(w.CloseQuery());
    EXPECT_TRUE(f.dialogs.shown.empty());
  }
  ASSERT_EQ(LoadLines(folder.Last()).size(), 39u);
  TFormFixture g(folder);
  TForm1& w = *g.form;
  EXPECT_EQ(w.CSpinEdit3->Value(), 99);
  EXPECT_FALSE(w.CheckBox5->Checked());
  EXPECT_EQ(w.TrackBar21->Position(), 7);
  EXPECT_EQ(w.TrackBar27->Position(), 200);
  EXPECT_EQ(w.CSpinEdit1->Value(), 3);
  EXPECT_EQ(w.CSpinEdit2->Value(), 0);
  EXPECT_EQ(w.ComboBox2->ItemIndex(), 0);
  EXPECT_FALSE(w.CheckBox7->Enabled());
  EXPECT_FALSE(w.CheckBox9->Checked());
  EXPECT_FALSE(w.CheckBox12->Checked());
  EXPECT_EQ(w.ComboBox3->ItemIndex(), 0);
  EXPECT_EQ(w.ComboBox4->Items().size(), 6u);
  EXPECT_TRUE(g.dialogs.shown.empty());
}

TEST(SettingsStartUpAndClose, ShortLastUsedFileIgnoredSilently) {
  TGameFolder folder{TGameFolder::WithGame};
  folder.WriteLast(TLines(38, "5"));
  TFormFixture f(folder);
  EXPECT_EQ(f.form->CSpinEdit3->Value(), 10);
  EXPECT_EQ(f.form->TrackBar6->Position(), 125);
  EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(SettingsStartUpAndClose, UnreadableLastUsedFileEndsStartUpUntouched) {
  ZK_SKIP_ON_WINDOWS("permissions for another user and /proc");
  struct TCase {
    const char* what;
    bool unprivileged;
    std::function<void(const TGameFolder&)> spoil;
  };
  const TCase cases[] = {
      {"no read permission", true,
       [](const TGameFolder& d) {
         TLines lines = DefaultSettingsLines();
         lines[0] = "77";  // not the defaults, so writing them over it would show
         d.WriteLast(lines);
         fs::permissions(FsPath(d.Last()), fs::perms::owner_write, fs::perm_options::replace);
         LetOthersReach(d.ProgramDir());
       }},
      // Opens for every user, root included, but reading the start of this process's memory fails.
      {"read fails", false,
       [](const TGameFolder& d) { fs::create_symlink("/proc/self/mem", FsPath(d.Last())); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    TGameFolder folder{TGameFolder::WithGame};
    c.spoil(folder);
    std::error_code noLink;
    const fs::path link = fs::read_symlink(FsPath(folder.Last()), noLink);
    const std::string bytes = ReadBytes(folder.Last());
    TScriptedDialogs dialogs;
    TRecordingRunner runner;
    std::string error;
    const auto start = [&] {
      try {
        TForm1 form(folder.ExeFile(), dialogs, runner);
      } catch (const EFOpenError& e) {
        error = e.what();
      }
    };
    if (c.unprivileged)
      RunUnprivileged(start);
    else
      start();
    // The error leaves the constructor for the program's own report; the window never runs, so
    // no close writes the defaults over the user's set.
    EXPECT_EQ(error, "Cannot open file " + folder.Last());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(fs::read_symlink(FsPath(folder.Last()), noLink), link);
    EXPECT_EQ(ReadBytes(folder.Last()), bytes);
  }
}

#ifdef _WIN32
TEST(SettingsStartUpAndClose, LastUsedFileHeldByAnotherProgramEndsStartUpUntouched) {
  TGameFolder folder{TGameFolder::WithGame};
  TLines lines = DefaultSettingsLines();
  lines[0] = "77";
  folder.WriteLast(lines);
  TScriptedDialogs dialogs;
  TRecordingRunner runner;
  std::string error;
  {
    const THeldFile held(folder.Last());
    try {
      TForm1 form(folder.ExeFile(), dialogs, runner);
    } catch (const EFOpenError& e) {
      error = e.what();
    }
  }
  EXPECT_EQ(error, "Cannot open file " + folder.Last());
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(LoadLines(folder.Last()), lines);
}
#endif

TEST(SettingsStartUpAndClose, UnwritableLastUsedFileReportedOnceAndTheWindowCloses) {
  TGameFolder folder{TGameFolder::WithGame};
  TFormFixture f(folder);
  fs::create_directories(FsPath(folder.Last()));  // a folder where the file should go
  EXPECT_TRUE(f.form->CloseQuery());
  EXPECT_EQ(f.dialogs.Messages(), Names{"Zeb-Kin|Cannot create file " + folder.Last()});
}

}  // namespace
}  // namespace zk::test
