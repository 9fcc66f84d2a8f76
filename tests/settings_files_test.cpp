// Named settings sets: saving, loading, deleting and the list that shows them.

#include <gtest/gtest.h>

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "settings/settingsfiles.h"
#include "settings_helpers.h"
#include "support/unprivileged.h"

namespace zk::test {
namespace {

const QString kInvalidName = "invalid name";

// Options that differ from the designed defaults in a way a save must carry.
void ChangeOptions(TForm1& w) {
  w.CSpinEdit3->SetValue(42);
  w.TrackBar6->SetPosition(333);
}

void Save(TFormFixture& f, const QString& name) {
  f.dialogs.inputAnswers.push_back({true, name});
  f.form->Button3->click();
}

void Pick(TFormFixture& f, int index) {
  f.form->ComboBox1->SetItemIndex(index);
  emit f.form->ComboBox1->activated(index);
}

QStringList Titles(const TScriptedDialogs& d) {
  QStringList titles;
  for (const TShownDialog& s : d.shown) titles << s.title;
  return titles;
}

const auto kEveryoneReads =
    QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
const auto kEveryoneWrites =
    kEveryoneReads | QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

// Makes a folder read-only for everybody while it lives (the owner can still clean up after).
class TReadOnlyFolder {
 public:
  explicit TReadOnlyFolder(const QString& dir) : dir_(dir), mode_(QFileInfo(dir).permissions()) {
    QFile::setPermissions(dir_, kEveryoneReads | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                    QFileDevice::ExeOther);
  }
  ~TReadOnlyFolder() { QFile::setPermissions(dir_, mode_); }

 private:
  QString dir_;
  QFileDevice::Permissions mode_;
};

TEST(SettingsFiles, NewNamesInsertedByUpperCasedBytes) {
  struct TCase {
    QStringList existing;  // files present at start-up
    QStringList saved;     // names saved in this order
    QStringList expected;
  };
  const TCase cases[] = {
      {{}, {"Fast", "alpha", "Zulu", "beta"}, {"alpha", "beta", "Fast", "Zulu"}},
      {{"a", "abc"}, {"ab"}, {"a", "ab", "abc"}},
      // Bytes unsigned: the UTF-8 of a non-ASCII letter comes after every ASCII one.
      {{"Zulu"}, {"\u00e9mile"}, {"Zulu", "\u00e9mile"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.expected.join(",").toStdString());
    TSettingsFolder folder;
    for (const QString& name : c.existing) folder.WriteNamed(name, DefaultSettingsLines());
    TFormFixture f(folder);
    for (const QString& name : c.saved) Save(f, name);
    EXPECT_EQ(f.form->ComboBox1->Items(), c.expected);
    EXPECT_EQ(f.form->ComboBox1->ItemIndex(), -1);
    for (const QString& name : c.saved) EXPECT_TRUE(QFileInfo::exists(folder.Named(name)));
    EXPECT_TRUE(f.dialogs.Messages().empty());
  }
}

TEST(SettingsFiles, SaveCreatesTheFolderAndWritesTheCurrentOptions) {
  TSettingsFolder folder;
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
  TSettingsFolder folder;
  folder.WriteNamed("fast", DefaultSettingsLines());
  TFormFixture f(folder);
  ChangeOptions(*f.form);
  f.dialogs.inputAnswers = {{true, "fast"}, {false, ""}};
  f.dialogs.messageAnswers = {TModalResult::No};
  f.form->Button3->click();

  ASSERT_EQ(f.dialogs.shown.size(), 3u);
  const TShownDialog& question = f.dialogs.shown[1];
  EXPECT_EQ(question.title, "file already exists");
  EXPECT_EQ(question.text, "A settings file with this name already exists. overwrite?");
  EXPECT_EQ(question.icon, TMsgIcon::Stop);
  EXPECT_EQ(question.buttons, TMsgButtons::YesNo);
  EXPECT_EQ(f.dialogs.shown[2].kind, TShownDialog::Input);
  EXPECT_EQ(f.dialogs.shown[2].value, "fast");  // the name just entered
  EXPECT_EQ(LoadLines(folder.Named("fast")), DefaultSettingsLines());
  EXPECT_EQ(f.form->ComboBox1->Items(), QStringList{"fast"});
}

TEST(SettingsFiles, OverwriteYesReplacesTheFileBesideItWithoutASecondEntry) {
  TSettingsFolder folder;
  folder.WriteNamed("fast", DefaultSettingsLines());
  // A second name for the old file's content: replacing by write-beside-and-rename leaves it
  // whole, where truncating and rewriting in place would change it too.
  ASSERT_EQ(::link(QFile::encodeName(folder.Named("fast")).constData(),
                   QFile::encodeName(folder.ProgramDir() + "old-content").constData()),
            0);
  TFormFixture f(folder);
  ChangeOptions(*f.form);
  f.dialogs.messageAnswers = {TModalResult::Yes};
  Save(f, "fast");

  EXPECT_EQ(Titles(f.dialogs), (QStringList{"Save Settings", "file already exists"}));
  EXPECT_EQ(LoadLines(folder.Named("fast"))[0], "42");
  EXPECT_EQ(LoadLines(folder.ProgramDir() + "old-content"), DefaultSettingsLines());
  EXPECT_EQ(f.form->ComboBox1->Items(), QStringList{"fast"});
  EXPECT_EQ(QDir(folder.ProgramDir() + "botsettings").entryList(QDir::Files | QDir::Hidden),
            QStringList{"fast.zks"});  // no temporary left beside it
}

TEST(SettingsFiles, NamesAreUsedAsTyped) {
  struct TCase {
    QString name;
    bool listedAgain;  // by the next start's listing
  };
  // The empty name too: its file is the extension alone. "." and ".." are written as "..zks" and
  // "...zks", which the listing drops again at the next start.
  const TCase cases[] = {{"", true},      {" spaced ", true},    {"...", true}, {"my.set", true},
                         {"x.zks", true}, {"back\\slash", true}, {".", false},  {"..", false}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    TSettingsFolder folder;
    {
      TFormFixture f(folder);
      ChangeOptions(*f.form);
      Save(f, c.name);
      EXPECT_TRUE(f.dialogs.Messages().empty());
      EXPECT_EQ(f.form->ComboBox1->Items(), QStringList{c.name});
      EXPECT_TRUE(QFileInfo(folder.Named(c.name)).isFile());
      EXPECT_EQ(LoadLines(folder.Named(c.name))[0], "42");
      // The entry loads and deletes its own file.
      f.form->CSpinEdit3->SetValue(1);
      Pick(f, 0);
      EXPECT_EQ(f.form->CSpinEdit3->Value(), 42);
      EXPECT_TRUE(f.dialogs.Messages().empty());
    }
    TFormFixture again(folder);
    EXPECT_EQ(again.form->ComboBox1->Items(), c.listedAgain ? QStringList{c.name} : QStringList{});
  }
}

TEST(SettingsFiles, NamesOutsideTheFolderRefusedAndAskedAgain) {
  const QString names[] = {"../../x", "sub/x", "/", "./x"};
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    TSettingsFolder folder;
    TFormFixture f(folder);
    f.dialogs.inputAnswers = {{true, name}, {true, "ok"}};
    f.form->Button3->click();

    ASSERT_EQ(f.dialogs.shown.size(), 3u);
    EXPECT_EQ(f.dialogs.shown[1].title, kInvalidName);
    EXPECT_EQ(f.dialogs.shown[1].text,
              "A settings name cannot contain \"/\".\nPlease choose another name.");
    EXPECT_EQ(f.dialogs.shown[1].icon, TMsgIcon::Stop);
    EXPECT_EQ(f.dialogs.shown[2].value, name);  // shown again for correcting
    EXPECT_EQ(f.form->ComboBox1->Items(), QStringList{"ok"});
    EXPECT_EQ(QDir(folder.ProgramDir() + "botsettings")
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"ok.zks"});
    EXPECT_FALSE(QFileInfo::exists(folder.GameDir() + "x.zks"));
    EXPECT_FALSE(QFileInfo::exists(folder.ProgramDir() + "x.zks"));
  }
}

TEST(SettingsFiles, FailedWriteReportedAndNameNotListed) {
  TSettingsFolder folder;
  folder.WriteProgramFile("botsettings", "a file where the folder should be");
  TFormFixture f(folder);
  Save(f, "lost");
  ASSERT_EQ(f.dialogs.Messages().size(), 1u);
  EXPECT_EQ(f.dialogs.Messages()[0], "Zeb-Kin|Cannot create file " + folder.Named("lost"));
  EXPECT_EQ(f.form->ComboBox1->count(), 0);
}

TEST(SettingsFiles, PickLoadsTheNamedSet) {
  TSettingsFolder folder;
  TLines lines = DefaultSettingsLines();
  lines[0] = "321";
  folder.WriteNamed("a", DefaultSettingsLines());
  folder.WriteNamed("b", lines);
  TFormFixture f(folder);
  f.form->CSpinEdit1->SetValue(6);  // not part of a set
  Pick(f, 1);
  EXPECT_EQ(f.form->CSpinEdit3->Value(), 321);
  EXPECT_EQ(f.form->CSpinEdit1->Value(), 6);
  EXPECT_EQ(f.form->ComboBox1->ItemIndex(), 1);
  EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(SettingsFiles, PickOfAnUnusableFileChangesNothing) {
  struct TCase {
    const char* what;
    std::function<void(const TSettingsFolder&)> spoil;
    QString message;
  };
  const TCase cases[] = {
      {"gone", [](const TSettingsFolder& d) { QFile::remove(d.Named("s")); },
       "file is gone|This settings file no longer exists. looks\nlike you're trying to crash "
       "this program..."},
      {"38 lines",
       [](const TSettingsFolder& d) {
         TLines lines(38, "7");
         d.WriteNamed("s", lines);
       },
       "file corrupt|This file is corrupt. Sorry :-("},
      {"unreadable",
       [](const TSettingsFolder& d) {
         QFile::remove(d.Named("s"));
         QFile::link("/proc/self/mem", d.Named("s"));  // exists, but reading it fails
       },
       "Zeb-Kin|Cannot open file "},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    TSettingsFolder folder;
    folder.WriteNamed("s", TLines(39, "7"));
    TFormFixture f(folder);
    c.spoil(folder);
    Pick(f, 0);
    ASSERT_EQ(f.dialogs.Messages().size(), 1u);
    EXPECT_TRUE(f.dialogs.Messages()[0].startsWith(c.message));
    EXPECT_EQ(f.dialogs.shown[0].icon, TMsgIcon::Stop);
    EXPECT_EQ(f.form->CSpinEdit3->Value(), 10);
    EXPECT_EQ(f.form->TrackBar1->Position(), 1);
  }
}

TEST(SettingsFiles, DeleteRemovesFileAndEntry) {
  TSettingsFolder folder;
  folder.WriteNamed("a", DefaultSettingsLines());
  folder.WriteNamed("b", DefaultSettingsLines());
  TFormFixture f(folder);

  f.form->Button4->click();  // nothing picked: nothing happens
  EXPECT_EQ(f.form->ComboBox1->count(), 2);

  ChangeOptions(*f.form);
  f.form->ComboBox1->SetItemIndex(0);
  f.form->Button4->click();
  EXPECT_FALSE(QFileInfo::exists(folder.Named("a")));
  EXPECT_EQ(f.form->ComboBox1->Items(), QStringList{"b"});
  EXPECT_EQ(f.form->ComboBox1->ItemIndex(), -1);
  EXPECT_EQ(f.form->CSpinEdit3->Value(), 42);  // the options shown stay

  QFile::remove(folder.Named("b"));  // gone by other means: the entry simply goes
  f.form->ComboBox1->SetItemIndex(0);
  f.form->Button4->click();
  EXPECT_EQ(f.form->ComboBox1->count(), 0);
  EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(SettingsFiles, DeleteThatFailsKeepsTheEntry) {
  TSettingsFolder folder;
  folder.WriteNamed("a", DefaultSettingsLines());
  const QString dir = folder.ProgramDir() + "botsettings";
  TFormFixture f(folder);
  LetOthersReach(dir);
  TReadOnlyFolder readOnly(dir);
  f.form->ComboBox1->SetItemIndex(0);
  RunUnprivileged([&] { f.form->Button4->click(); });
  EXPECT_EQ(f.dialogs.Messages(),
            std::vector<QString>{"couldn't delete file. Sorry :-(|Could not delete the settings "
                                 "file. Are you\nrunning this program from a ROM drive?"});
  EXPECT_EQ(f.dialogs.shown[0].icon, TMsgIcon::None);
  EXPECT_EQ(f.form->ComboBox1->Items(), QStringList{"a"});
  EXPECT_TRUE(QFileInfo::exists(folder.Named("a")));
}

// A folder where a file can be written only in place: the atomic replace cannot create its
// temporary beside the file, and must not turn that into a failed save.
TEST(SettingsFiles, SaveInAReadOnlyFolderWritesAWritableFileInPlace) {
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
    TSettingsFolder folder;
    folder.WriteNamed("fast", DefaultSettingsLines());
    folder.WriteLast(DefaultSettingsLines());
    const QString path = c.named ? folder.Named("fast") : folder.Last();
    QFile::setPermissions(path, c.fileWritable ? kEveryoneWrites : kEveryoneReads);
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
        EXPECT_TRUE(CloseWindow(*f.form));
    });
    std::vector<QString> errors;
    for (const QString& m : f.dialogs.Messages())
      if (m.startsWith("Zeb-Kin|")) errors.push_back(m);
    if (c.fileWritable) {
      EXPECT_TRUE(errors.empty());
      EXPECT_EQ(LoadLines(path)[0], "42");
    } else {
      EXPECT_EQ(errors, std::vector<QString>{"Zeb-Kin|Cannot create file " + path});
      EXPECT_EQ(LoadLines(path), DefaultSettingsLines());
    }
    EXPECT_EQ(QDir(folder.ProgramDir()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"lastsettings.zks"});
    EXPECT_EQ(QDir(folder.ProgramDir() + "botsettings").entryList(QDir::Files | QDir::Hidden),
              QStringList{"fast.zks"});
  }
}

}  // namespace
}  // namespace zk::test
