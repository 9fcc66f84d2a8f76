// Named settings sets: saving, loading, deleting and the list that shows them.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <functional>

#include "platform/textfile.h"
#include "settings/settingsfiles.h"
#include "settings_helpers.h"
#include "support/unprivileged.h"

namespace zk::test {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

const std::string kInvalidName = "invalid name";

// Options that differ from the designed defaults in a way a save must carry.
void ChangeOptions(TForm1& w) {
  w.CSpinEdit3->SetValue(42);
  w.TrackBar6->SetPosition(333);
}

void Save(TFormFixture& f, const std::string& name) {
  f.dialogs.inputAnswers.push_back({true, name});
  f.form->Button3->Click();
}

bool StartsWith(const std::string& text, const std::string& start) {
  return text.rfind(start, 0) == 0;
}

Names Titles(const TScriptedDialogs& d) {
  Names titles;
  for (const TShownDialog& s : d.shown) titles.push_back(s.title);
  return titles;
}

constexpr fs::perms kEveryoneReads =
    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr fs::perms kEveryoneWrites =
    kEveryoneReads | fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

void SetMode(const std::string& path, fs::perms mode) {
  fs::permissions(FsPath(path), mode, fs::perm_options::replace);
}

// Makes a folder read-only for everybody while it lives (the owner can still clean up after).
class TReadOnlyFolder {
 public:
  explicit TReadOnlyFolder(const std::string& dir)
      : dir_(dir), mode_(fs::status(FsPath(dir)).permissions()) {
    SetMode(dir_, kEveryoneReads | fs::perms::owner_exec | fs::perms::group_exec |
                      fs::perms::others_exec);
  }
  ~TReadOnlyFolder() { SetMode(dir_, mode_); }

 private:
  std::string dir_;
  fs::perms mode_;
};

TEST(SettingsFiles, NewNamesInsertedByUpperCasedBytes) {
  struct TCase {
    Names existing;  // files present at start-up
    Names saved;     // names saved in this order
    Names expected;
  };
  const TCase cases[] = {
      {{}, {"Fast", "alpha", "Zulu", "beta"}, {"alpha", "beta", "Fast", "Zulu"}},
      {{"a", "abc"}, {"ab"}, {"a", "ab", "abc"}},
      // Bytes unsigned: the UTF-8 of a non-ASCII letter comes after every ASCII one.
      {{"Zulu"}, {"\xc3\xa9mile"}, {"Zulu", "\xc3\xa9mile"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.expected.back());
    TGameFolder folder{TGameFolder::WithGame};
    for (const std::string& name : c.existing) folder.WriteNamed(name, DefaultSettingsLines());
    TFormFixture f(folder);
    for (const std::string& name : c.saved) Save(f, name);
    EXPECT_EQ(f.form->ComboBox1->Items(), c.expected);
    EXPECT_EQ(f.form->ComboBox1->ItemIndex(), -1);
    for (const std::string& name : c.saved) EXPECT_TRUE(Exists(folder.Named(name)));
    EXPECT_TRUE(f.dialogs.Messages().empty());
  }
}

TEST(SettingsFiles, SaveCreatesTheFolderAndWritesTheCurrentOptions) {
  TGameFolder folder{TGameFolder::WithGame};
  TFormFixture f(folder);
  ChangeOptions(*f.form);
  Save(f, "mine");
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.shown[0].title, "Save Settings");
  EXPECT_EQ(f.dialogs.shown[0].text, "Please enter a name for the settings file");
  EXPECT_EQ(f.dialogs.shown[0].value, "");
  const TLines lines = LoadLines(folder.Named("mine"));
  ASSERT_EQ(lines.size(), 39u);
  EXPECT_EQ(lines[0], "42");
  EXPECT_EQ(lines[13], "333");
}

TEST(SettingsFiles, OverwriteNoAsksAgainAndCancelSavesNothing) {
  TGameFolder folder{TGameFolder::WithGame};
  folder.WriteNamed("fast", DefaultSettingsLines());
  TFormFixture f(folder);
  ChangeOptions(*f.form);
  f.dialogs.inputAnswers = {{true, "fast"}, {false, ""}};
  f.dialogs.messageAnswers = {TModalResult::No};
  f.form->Button3->Click();

  ASSERT_EQ(f.dialogs.shown.size(), 3u);
  const TShownDialog& question = f.dialogs.shown[1];
  EXPECT_EQ(question.title, "file already exists");
  EXPECT_EQ(question.text, "A settings file with this name already exists. overwrite?");
  EXPECT_EQ(question.icon, TMsgIcon::Stop);
  EXPECT_EQ(question.buttons, TMsgButtons::YesNo);
  EXPECT_EQ(f.dialogs.shown[2].kind, TShownDialog::Input);
  EXPECT_EQ(f.dialogs.shown[2].value, "fast");  // the name just entered
  EXPECT_EQ(LoadLines(folder.Named("fast")), DefaultSettingsLines());
  EXPECT_EQ(f.form->ComboBox1->Items(), Names{"fast"});
}

TEST(SettingsFiles, OverwriteYesReplacesTheFileBesideItWithoutASecondEntry) {
  TGameFolder folder{TGameFolder::WithGame};
  folder.WriteNamed("fast", DefaultSettingsLines());
  // A second name for the old file's content: replacing by write-beside-and-rename leaves it
  // whole, where truncating and rewriting in place would change it too.
  std::filesystem::create_hard_link(std::filesystem::u8path(folder.Named("fast")),
                                    std::filesystem::u8path(folder.ProgramDir() + "old-content"));
  TFormFixture f(folder);
  ChangeOptions(*f.form);
  f.dialogs.messageAnswers = {TModalResult::Yes};
  Save(f, "fast");

  EXPECT_EQ(Titles(f.dialogs), (Names{"Save Settings", "file already exists"}));
  EXPECT_EQ(LoadLines(folder.Named("fast"))[0], "42");
  EXPECT_EQ(LoadLines(folder.ProgramDir() + "old-content"), DefaultSettingsLines());
  EXPECT_EQ(f.form->ComboBox1->Items(), Names{"fast"});
  // No temporary left beside it.
  EXPECT_EQ(FolderEntries(folder.ProgramDir() + "botsettings"), Names{"fast.zks"});
}

TEST(SettingsFiles, NamesAreUsedAsTyped) {
  struct TCase {
    std::string name;
    bool listedAgain;  // by the next start's listing
  };
  // The empty name too: its file is the extension alone. "." and ".." are written as "..zks" and
  // "...zks", which the listing drops again at the next start.
  const TCase cases[] = {{"", true},
                         {" spaced ", true},
                         {"...", true},
                         {"my.set", true},
                         {"x.zks", true},
#ifndef _WIN32
                         {"back\\slash", true},  // a delimiter on Windows only
#endif
                         {".", false},
                         {"..", false}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TGameFolder folder{TGameFolder::WithGame};
    {
      TFormFixture f(folder);
      ChangeOptions(*f.form);
      Save(f, c.name);
      EXPECT_TRUE(f.dialogs.Messages().empty());
      EXPECT_EQ(f.form->ComboBox1->Items(), Names{c.name});
      EXPECT_TRUE(fs::is_regular_file(FsPath(folder.Named(c.name))));
      EXPECT_EQ(LoadLines(folder.Named(c.name))[0], "42");
      // The entry loads and deletes its own file.
      f.form->CSpinEdit3->SetValue(1);
      f.form->ComboBox1->UserPick(0);
      EXPECT_EQ(f.form->CSpinEdit3->Value(), 42);
      EXPECT_TRUE(f.dialogs.Messages().empty());
    }
    TFormFixture again(folder);
    EXPECT_EQ(again.form->ComboBox1->Items(), c.listedAgain ? Names{c.name} : Names{});
  }
}

TEST(SettingsFiles, NamesOutsideTheFolderRefusedAndAskedAgain) {
#ifdef _WIN32
  const char* const names[] = {"../../x", "sub/x", "/", "./x", "..\\x", "sub\\x", "C:x", "x:y"};
  const std::string message =
      "A settings name cannot contain \"\\\", \"/\" or \":\".\nPlease choose another name.";
#else
  const char* const names[] = {"../../x", "sub/x", "/", "./x"};
  const std::string message = "A settings name cannot contain \"/\".\nPlease choose another name.";
#endif
  for (const std::string name : names) {
    SCOPED_TRACE(name);
    TGameFolder folder{TGameFolder::WithGame};
    TFormFixture f(folder);
    f.dialogs.inputAnswers = {{true, name}, {true, "ok"}};
    f.form->Button3->Click();

    ASSERT_EQ(f.dialogs.shown.size(), 3u);
    EXPECT_EQ(f.dialogs.shown[1].title, kInvalidName);
    EXPECT_EQ(f.dialogs.shown[1].text, message);
    EXPECT_EQ(f.dialogs.shown[1].icon, TMsgIcon::Stop);
    EXPECT_EQ(f.dialogs.shown[2].value, name);  // shown again for correcting
    EXPECT_EQ(f.form->ComboBox1->Items(), Names{"ok"});
    EXPECT_EQ(FolderEntries(folder.ProgramDir() + "botsettings"), Names{"ok.zks"});
    EXPECT_FALSE(Exists(folder.GameDir() + "x.zks"));
    EXPECT_FALSE(Exists(folder.ProgramDir() + "x.zks"));
  }
}

TEST(SettingsFiles, FailedWriteReportedAndNameNotListed) {
  TGameFolder folder{TGameFolder::WithGame};
  folder.WriteProgramFile("botsettings", "a file where the folder should be");
  TFormFixture f(folder);
  Save(f, "lost");
  EXPECT_EQ(f.dialogs.Messages(), Names{"Zeb-Kin|Cannot create file " + folder.Named("lost")});
  EXPECT_TRUE(f.form->ComboBox1->Items().empty());
}

TEST(SettingsFiles, PickLoadsTheNamedSet) {
  TGameFolder folder{TGameFolder::WithGame};
  TLines lines = DefaultSettingsLines();
  lines[0] = "321";
  folder.WriteNamed("a", DefaultSettingsLines());
  folder.WriteNamed("b", lines);
  TFormFixture f(folder);
  f.form->CSpinEdit1->SetValue(6);  // not part of a set
  f.form->ComboBox1->UserPick(1);
  EXPECT_EQ(f.form->CSpinEdit3->Value(), 321);
  EXPECT_EQ(f.form->CSpinEdit1->Value(), 6);
  EXPECT_EQ(f.form->ComboBox1->ItemIndex(), 1);
  EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(SettingsFiles, PickOfAnUnusableFileChangesNothing) {
  struct TCase {
    const char* what;
    std::function<void(const TGameFolder&)> spoil;
    std::string message;
  };
  const TCase cases[] = {
      {"gone", [](const TGameFolder& d) { fs::remove(FsPath(d.Named("s"))); },
       "file is gone|This settings file no longer exists. looks\nlike you're trying to crash "
       "this program..."},
      {"38 lines", [](const TGameFolder& d) { d.WriteNamed("s", TLines(38, "7")); },
       "file corrupt|This file is corrupt. Sorry :-("},
#ifndef _WIN32
      {"unreadable",
       [](const TGameFolder& d) {
         fs::remove(FsPath(d.Named("s")));
         // Exists, but reading it fails.
         fs::create_symlink("/proc/self/mem", FsPath(d.Named("s")));
       },
       "Zeb-Kin|Cannot open file "},
#endif
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    TGameFolder folder{TGameFolder::WithGame};
    folder.WriteNamed("s", TLines(39, "7"));
    TFormFixture f(folder);
    c.spoil(folder);
    f.form->ComboBox1->UserPick(0);
    ASSERT_EQ(f.dialogs.Messages().size(), 1u);
    EXPECT_TRUE(StartsWith(f.dialogs.Messages()[0], c.message)) << f.dialogs.Messages()[0];
    EXPECT_EQ(f.dialogs.shown[0].icon, TMsgIcon::Stop);
    EXPECT_EQ(f.form->CSpinEdit3->Value(), 10);
    EXPECT_EQ(f.form->TrackBar1->Position(), 1);
  }
}

TEST(SettingsFiles, DeleteRemovesFileAndEntry) {
  TGameFolder folder{TGameFolder::WithGame};
  folder.WriteNamed("a", DefaultSettingsLines());
  folder.WriteNamed("b", DefaultSettingsLines());
  TFormFixture f(folder);

  f.form->Button4->Click();  // nothing picked: nothing happens
  EXPECT_EQ(f.form->ComboBox1->Items().size(), 2u);

  ChangeOptions(*f.form);
  f.form->ComboBox1->SetItemIndex(0);
  f.form->Button4->Click();
  EXPECT_FALSE(Exists(folder.Named("a")));
  EXPECT_EQ(f.form->ComboBox1->Items(), Names{"b"});
  EXPECT_EQ(f.form->ComboBox1->ItemIndex(), -1);
  EXPECT_EQ(f.form->CSpinEdit3->Value(), 42);  // the options shown stay

  fs::remove(FsPath(folder.Named("b")));  // gone by other means: the entry simply goes
  f.form->ComboBox1->SetItemIndex(0);
  f.form->Button4->Click();
  EXPECT_TRUE(f.form->ComboBox1->Items().empty());
  EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(SettingsFiles, DeleteThatFailsKeepsTheEntry) {
  TGameFolder folder{TGameFolder::WithGame};
  folder.WriteNamed("a", DefaultSettingsLines());
  const std::string dir = folder.ProgramDir() + "botsettings";
  TFormFixture f(folder);
#ifdef _WIN32
  // Windows refuses to delete a file marked read-only.
  fs::permissions(FsPath(folder.Named("a")), fs::perms::all, fs::perm_options::remove);
#else
  LetOthersReach(dir);
  TReadOnlyFolder readOnly(dir);
#endif
  f.form->ComboBox1->SetItemIndex(0);
  RunUnprivileged([&] { f.form->Button4->Click(); });
  ASSERT_EQ(f.dialogs.Messages(), Names{"couldn't delete file. Sorry :-(|Could not delete the "
                                        "settings file. Are you\nrunning this program from a ROM "
                                        "drive?"});
  EXPECT_EQ(f.dialogs.shown[0].icon, TMsgIcon::None);
  EXPECT_EQ(f.form->ComboBox1->Items(), Names{"a"});
  EXPECT_TRUE(Exists(folder.Named("a")));
#ifdef _WIN32
  fs::permissions(FsPath(folder.Named("a")), fs::perms::owner_write, fs::perm_options::add);
#endif
}

// A folder where a file can be written only in place: the atomic replace cannot create its
// temporary beside the file, and must not turn that into a failed save.
TEST(SettingsFiles, SaveInAReadOnlyFolderWritesAWritableFileInPlace) {
  ZK_SKIP_ON_WINDOWS("a read-only folder");
  struct TCase {
    const char* what;
    bool named;         // a named set saved over, or the last-used set saved at close
    bool fileWritable;  // else the file is read-only too
  };
  const TCase cases[] = {
      {"last-used set, file writable", false, true},
      {"named set, file writable", true, true},
      {"last-used set, file read-only", false, false},
      {"named set, file read-only", true, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    TGameFolder folder{TGameFolder::WithGame};
    folder.WriteNamed("fast", DefaultSettingsLines());
    folder.WriteLast(DefaultSettingsLines());
    const std::string path = c.named ? folder.Named("fast") : folder.Last();
    SetMode(path, c.fileWritable ? kEveryoneWrites : kEveryoneReads);
    TFormFixture f(folder);
    ChangeOptions(*f.form);
    LetOthersReach(folder.ProgramDir() + "botsettings");
    TReadOnlyFolder readOnlyProgram(folder.ProgramDir());
    TReadOnlyFolder readOnlySets(folder.ProgramDir() + "botsettings");

    f.dialogs.messageAnswers = {TModalResult::Yes};  // overwrite
    RunUnprivileged([&] {
      if (c.named)
        Save(f, "fast");
      else
        EXPECT_TRUE(f.form->CloseQuery());
    });
    Names errors;
    for (const std::string& m : f.dialogs.Messages())
      if (StartsWith(m, "Zeb-Kin|")) errors.push_back(m);
    if (c.fileWritable) {
      EXPECT_TRUE(errors.empty());
      EXPECT_EQ(LoadLines(path)[0], "42");
    } else {
      EXPECT_EQ(errors, Names{"Zeb-Kin|Cannot create file " + path});
      EXPECT_EQ(LoadLines(path), DefaultSettingsLines());
    }
    EXPECT_EQ(FolderEntries(folder.ProgramDir()), (Names{"botsettings", "lastsettings.zks"}));
    EXPECT_EQ(FolderEntries(folder.ProgramDir() + "botsettings"), Names{"fast.zks"});
  }
}

}  // namespace
}  // namespace zk::test
