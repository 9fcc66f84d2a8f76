// The list of saved sets at start-up, and the last-used set restored at start-up and saved at
// close.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>

#include "platform/errors.h"
#include "settings/settingsfiles.h"
#include "settings_helpers.h"
#include "support/unprivileged.h"

namespace zk::test {
namespace {

TEST(SettingsListing, ShowsWhatAPickCanLoad) {
  TSettingsFolder folder;
  for (const char* name : {"Fast.zks", "my.set.zks", "zeta.zks", "Other.ZKS", "notes.txt", "plain"})
    folder.WriteProgramFile(QString("botsettings/") + name,
                            QByteArray::fromStdString(JoinLines(DefaultSettingsLines())));
  QDir().mkpath(folder.ProgramDir() + "botsettings/folder.zks");
  TFormFixture f(folder);
  // Other.ZKS is left out: a pick opens name + ".zks", which is another file here.
  EXPECT_EQ(f.form->ComboBox1->Items(), (QStringList{"Fast", "my.set", "zeta"}));
  EXPECT_EQ(f.form->ComboBox1->ItemIndex(), -1);
  for (int i = 0; i < f.form->ComboBox1->count(); ++i) {
    f.form->ComboBox1->SetItemIndex(i);
    f.form->ComboBox1Change(f.form->ComboBox1);
  }
  EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(SettingsListing, NoFolderGivesAnEmptyListSilently) {
  TSettingsFolder folder;
  TFormFixture f(folder);
  EXPECT_EQ(f.form->ComboBox1->count(), 0);
  EXPECT_TRUE(f.dialogs.shown.empty());
  EXPECT_FALSE(QFileInfo::exists(folder.ProgramDir() + "botsettings"));
}

TEST(SettingsListing, ListDirectoryArguments) {
  TSettingsFolder folder;
  const QString dir = folder.ProgramDir() + "list";
  for (const char* name : {"beta.zks", "Alpha.zks", "gamma.zks", "..zks", "...zks", ".zks"})
    folder.WriteProgramFile(QString("list/") + name);
  // Without a trailing delimiter, sorted ignoring case; "." and ".." (from "..zks" and
  // "...zks") are dropped, the empty name from ".zks" stays.
  EXPECT_EQ(ListDirectory(dir, "*.zks", true, true), (QStringList{"", "Alpha", "beta", "gamma"}));
  QStringList whole = ListDirectory(dir + "/", "*.zks", false, false);
  whole.sort();
  EXPECT_EQ(whole, (QStringList{"...zks", "..zks", ".zks", "Alpha.zks", "beta.zks", "gamma.zks"}));
  EXPECT_TRUE(ListDirectory("", "*.zks", true, true).isEmpty());
  EXPECT_TRUE(ListDirectory(dir, "", true, true).isEmpty());
}

TEST(SettingsStartUpAndClose, CloseSavesAndTheNextStartRestoresOnlyTheSet) {
  TSettingsFolder folder;
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
    w.ComboBox2->SetItemIndex(2);
    w.ComboBox2Change(w.ComboBox2);
    w.CheckBox9->SetChecked(true);
    w.CheckBox12->SetChecked(true);
    w.ComboBox3->SetItemIndex(3);
    w.ComboBox3Change(w.ComboBox3);
    EXPECT_TRUE(CloseWindow(w));
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
  EXPECT_FALSE(w.CheckBox7->isEnabled());
  EXPECT_FALSE(w.CheckBox9->Checked());
  EXPECT_FALSE(w.CheckBox12->Checked());
  EXPECT_EQ(w.ComboBox3->ItemIndex(), 0);
  EXPECT_EQ(w.ComboBox4->count(), 6);
  EXPECT_TRUE(g.dialogs.shown.empty());
}

TEST(SettingsStartUpAndClose, ShortLastUsedFileIgnoredSilently) {
  TSettingsFolder folder;
  folder.WriteLast(TLines(38, "5"));
  TFormFixture f(folder);
  EXPECT_EQ(f.form->CSpinEdit3->Value(), 10);
  EXPECT_EQ(f.form->TrackBar6->Position(), 125);
  EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(SettingsStartUpAndClose, UnreadableLastUsedFileEndsStartUpUntouched) {
  struct TCase {
    const char* what;
    bool unprivileged;
    std::function<void(const TSettingsFolder&)> spoil;
  };
  const TCase cases[] = {
      {"no read permission", true,
       [](const TSettingsFolder& d) {
         TLines lines = DefaultSettingsLines();
         lines[0] = "77";  // not the defaults, so writing them over it would show
         d.WriteLast(lines);
         QFile::setPermissions(d.Last(), QFileDevice::WriteOwner);
         LetOthersReach(d.ProgramDir());
       }},
      // Opens for every user, root included, but reading the start of this process's memory fails.
      {"read fails", false,
       [](const TSettingsFolder& d) { QFile::link("/proc/self/mem", d.Last()); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    TSettingsFolder folder;
    c.spoil(folder);
    const QString link = QFileInfo(folder.Last()).symLinkTarget();
    const QByteArray bytes = ReadAll(folder.Last());
    TScriptedDialogs dialogs;
    TRecordingRunner runner;
    QString error;
    const auto start = [&] {
      try {
        TForm1 form(folder.ExeFile(), dialogs, runner);
      } catch (const EFOpenError& e) {
        error = QString::fromLocal8Bit(e.what());
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
    EXPECT_EQ(QFileInfo(folder.Last()).symLinkTarget(), link);
    EXPECT_EQ(ReadAll(folder.Last()), bytes);
  }
}

TEST(SettingsStartUpAndClose, UnwritableLastUsedFileReportedOnceAndTheWindowCloses) {
  TSettingsFolder folder;
  TFormFixture f(folder);
  QDir().mkpath(folder.Last());  // a folder where the file should go
  EXPECT_TRUE(CloseWindow(*f.form));
  EXPECT_EQ(f.dialogs.Messages(),
            std::vector<QString>{"Zeb-Kin|Cannot create file " + folder.Last()});
}

}  // namespace
}  // namespace zk::test
