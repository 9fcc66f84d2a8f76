// Our layer over the OS: integer conversion, text line files, paths and file functions.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <algorithm>
#include <climits>
#include <filesystem>

#include "platform/application.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "platform/textfile.h"
#include "support/files.h"
#include "support/scripted_dialogs.h"

namespace zk {
namespace {

TEST(StrToIntDef, ReadsWhatTheOldConversionRead) {
  struct Case {
    const char* text;
    int expected;
  } cases[] = {
      {"0", 0},
      {"48", 48},
      {"  17", 17},  // leading blanks
      {"-5", -5},    // sign
      {"+5", 5},
      {"$1F", 31},   // "$" hexadecimal
      {"0x10", 16},  // "0x" hexadecimal
      {"0X1a", 26},
      {"-$10", -16},
      {"$FFFFFFFF", -1},  // 32 bits, wrapped to signed
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"2147483648", -99},  // out of the 32-bit range
      {"-2147483649", -99},
      {"$100000000", -99},
      {"99999999999999999999999", -99},
      {"", -99},  // empty
      {"   ", -99},
      {"1 ", -99},   // trailing blank
      {"\t1", -99},  // only blanks lead
      {"true", -99},
      {"12a", -99},
      {"$", -99},
      {"0x", -99},
      {"-", -99},
      {"1.5", -99},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StrToIntDef(c.text, -99), c.expected) << '"' << c.text << '"';
}

TEST(SplitLines, EndsLinesAtCrLfLfAndCrAndStopsAtNul) {
  using std::string;
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (TLines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), (TLines{"a"}));
  EXPECT_EQ(SplitLines("a\n\nb\n"), (TLines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("\r\r\n"), (TLines{"", ""}));
  EXPECT_EQ(SplitLines(string("a\nb\0c\nd", 7)), (TLines{"a", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

namespace fs = std::filesystem;
using test::FsPath;
using test::ReadBytes;

class TempDirTest : public ::testing::Test, protected test::TTempFolder {};

TEST_F(TempDirTest, TextLineFilesRoundTripWithCrLf) {
  const std::string path = Path("t.txt");
  ASSERT_TRUE(test::WriteBytes(path, "one\ntwo\r\nthree"));
  const TLines lines = LoadLines(path);
  EXPECT_EQ(lines, (TLines{"one", "two", "three"}));
  ASSERT_TRUE(test::WriteBytes(path, "a much longer old content that must disappear"));
  SaveLines(path, lines);
  EXPECT_EQ(ReadBytes(path), "one\r\ntwo\r\nthree\r\n");
}

TEST_F(TempDirTest, TextLineFileErrorsNameThePath) {
  const std::string missing = Path("missing.txt");
  try {
    LoadLines(missing);
    FAIL() << "no error";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file " + missing);
  }
  const std::string nowhere = Path("no/such/folder/x.txt");
  try {
    SaveLines(nowhere, {"x"});
    FAIL() << "no error";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file " + nowhere);
  }
}

TEST_F(TempDirTest, FileFunctions) {
  const std::string a = Path("a.bin");
  ASSERT_TRUE(test::WriteBytes(a, "abc"));
  EXPECT_TRUE(FileExists(a));
  EXPECT_FALSE(FileExists(Dir()));  // a directory is no file
  EXPECT_FALSE(FileExists(Path("b.bin")));

  const std::string b = Path("b.bin");
  ASSERT_TRUE(test::WriteBytes(b, "a longer target that is replaced"));
  EXPECT_TRUE(CopyFile(a, b));
  EXPECT_EQ(ReadBytes(b), "abc");
  EXPECT_FALSE(CopyFile(Path("none"), b));
  EXPECT_EQ(ReadBytes(b), "abc");

  EXPECT_TRUE(DeleteFile(b));
  EXPECT_FALSE(FileExists(b));
  EXPECT_FALSE(DeleteFile(b));

  EXPECT_TRUE(ForceDirectories(Path("x/y/z")));
  EXPECT_TRUE(fs::is_directory(FsPath(Path("x/y/z"))));
}

// A copy onto the very file it reads would truncate or rewrite it: it fails, whatever path
// names the file.
TEST_F(TempDirTest, CopyOntoTheSameFileFailsAndLeavesIt) {
  const std::string map = Path("Zeb-Kin.map");
  const std::string bytes("the user's map");
  ASSERT_TRUE(test::WriteBytes(map, bytes));
  ASSERT_TRUE(fs::create_directories(FsPath(Path("sub"))));
  fs::create_hard_link(FsPath(map), FsPath(Path("hard.map")));
  struct TCase {
    const char* what;
    std::string from, to;
  };
  std::vector<TCase> cases = {
      {"same path", map, map},
      {"path through ..", Path("sub/../Zeb-Kin.map"), map},
      {"hard link", Path("hard.map"), map},
  };
  std::vector<std::string> entries = {"Zeb-Kin.map", "hard.map", "sub"};
#ifndef _WIN32  // an ordinary Windows user may make no symbolic link
  fs::create_symlink(FsPath(map), FsPath(Path("link.map")));
  cases.push_back({"symbolic link as the source", Path("link.map"), map});
  cases.push_back({"symbolic link as the target", map, Path("link.map")});
  entries = {"Zeb-Kin.map", "hard.map", "link.map", "sub"};
#endif
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(CopyFile(c.from, c.to));
    EXPECT_EQ(ReadBytes(map), bytes);
  }
  // No temporary left, the link kept.
  EXPECT_EQ(test::FolderEntries(Dir()), entries);
}

TEST_F(TempDirTest, FindFilesMatchesPlainFilesOnly) {
  ASSERT_TRUE(test::WriteBytes(Path("Fast.zks"), ""));
  ASSERT_TRUE(test::WriteBytes(Path("my.set.zks"), ""));
  ASSERT_TRUE(test::WriteBytes(Path(".hidden.zks"), ""));
  ASSERT_TRUE(test::WriteBytes(Path("other.txt"), ""));
  ASSERT_TRUE(test::WriteBytes(Path("UPPER.ZKS"), ""));
  fs::create_directories(FsPath(Path("dir.zks")));
  std::vector<std::string> found = FindFiles(Dir(), "*.zks");
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::string>{".hidden.zks", "Fast.zks", "my.set.zks"}));
  found = FindFiles(Dir(), "*.zks", false);
  EXPECT_EQ(found.size(), 4u);
  EXPECT_TRUE(FindFiles(Path("absent"), "*.zks").empty());
}

TEST(Paths, ExtractFilePathKeepsTheLastDelimiter) {
  using test::Native;
  EXPECT_EQ(ExtractFilePath(Native("/games/duke/bots/zebkin-setup")), Native("/games/duke/bots/"));
  EXPECT_EQ(ExtractFilePath(Native("/games/duke/bots")), Native("/games/duke/"));
  EXPECT_EQ(ExtractFilePath(Native("/x")), Native("/"));
  EXPECT_EQ(ExtractFilePath("name"), "");
#ifdef _WIN32
  EXPECT_EQ(ExtractFilePath("C:\\"), "C:\\");
  EXPECT_EQ(ExtractFilePath("C:"), "C:");  // a drive's colon ends its path too
  EXPECT_EQ(ExtractFilePath("C:name"), "C:");
#endif
}

TEST(DefaultExceptionReport, ShowsTheTextTitledZebKin) {
  test::TScriptedDialogs dialogs;
  EXPECT_FALSE(RunGuarded(dialogs, [] { throw EFCreateError("/x/zebkin.con"); }));
  EXPECT_FALSE(RunGuarded(dialogs, [] { throw 42; }));
  EXPECT_TRUE(RunGuarded(dialogs, [] {}));
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].text, "Cannot create file /x/zebkin.con");
  EXPECT_EQ(dialogs.shown[0].title, "Zeb-Kin");
  EXPECT_EQ(dialogs.shown[0].icon, TMsgIcon::Stop);
  EXPECT_EQ(dialogs.shown[0].buttons, TMsgButtons::Ok);
  EXPECT_EQ(dialogs.shown[1].text, "");  // no text to show
  EXPECT_EQ(dialogs.shown[1].title, "Zeb-Kin");
}

}  // namespace
}  // namespace zk
