// The GRP archive reader: directory decoding, case-blind lookup, block copy, and the answer to
// archives and entries that do not hold together.

#include <gtest/gtest.h>

#include <filesystem>

#include "gamedata/groupfile.h"
#include "support/files.h"
#include "support/gamedata_builders.h"

namespace zk {
// Failures show the fault's number rather than its bytes.
void PrintTo(TGroupFault fault, std::ostream* os) {
  *os << "TGroupFault " << static_cast<int>(fault);
}
}  // namespace zk

namespace zk::test {
namespace {

std::string Pattern(std::size_t size, unsigned seed) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + seed) & 0xFF);
  return bytes;
}

class GroupFileTest : public ::testing::Test, protected TTempFolder {};

struct ExtractCase {
  const char* request;
  bool found;
  std::string expected;
};

TEST_F(GroupFileTest, ExtractsTheFirstEntryWhoseNameMatchesIgnoringCase) {
  const std::string last = Pattern(200000, 7);
  const std::string archive =
      Write("any.grp", GrpBuilder()
                           .Signature(std::string(12, '\xFF'))  // never compared
                           .Add("E1L1.MAP", "stored upper")
                           .Add("e1l2.map", "stored lower")
                           .Add("ABCDEFGHIJKL", "twelve characters, no zero")
                           .Add(std::string("ab\0cdefghijk", 12), "ends at its first zero")
                           .Add("dup.map", "earlier")
                           .Add("DUP.MAP", "later")
                           .Add("empty.map", "")
                           .Add("b65535", Pattern(65535, 1))
                           .Add("b65536", Pattern(65536, 2))
                           .Add("b65537", Pattern(65537, 3))
                           .Add("last.bin", last)
                           .Bytes());
  const ExtractCase cases[] = {
      {"e1l1.map", true, "stored upper"},
      {"E1L2.MAP", true, "stored lower"},
      {"abcdefghijkl", true, "twelve characters, no zero"},
      {"AB", true, "ends at its first zero"},
      {"abcdefghijk", false, ""},
      {"DUP.map", true, "earlier"},
      {"empty.map", true, ""},
      {"b65535", true, Pattern(65535, 1)},
      {"b65536", true, Pattern(65536, 2)},
      {"b65537", true, Pattern(65537, 3)},
      {"last.bin", true, last},
      {"e1l3.map", false, ""},
  };
  for (const ExtractCase& c : cases) {
    SCOPED_TRACE(c.request);
    const std::string out = Path("out.map");
    std::filesystem::remove(out);
    EXPECT_EQ(ExtractFromGroupFile(archive, c.request, out), c.found);
    EXPECT_EQ(std::filesystem::exists(out), c.found);
    if (c.found) {
      EXPECT_EQ(ReadBytes(out), c.expected);
    }
  }
}

TEST_F(GroupFileTest, DirectoryGivesNamesSizesAndDerivedOffsets) {
  const GrpBuilder builder = GrpBuilder().Add("A.MAP", "12345").Add("b.art", "").Add("C", "xy");
  TGroupFile archive;
  ASSERT_TRUE(archive.Open(Write("three.grp", builder.Bytes())));
  ASSERT_EQ(archive.EntryCount, 3);
  ASSERT_EQ(archive.Entries.size(), 3u);
  EXPECT_EQ(archive.Entries[0].Offset, 16 * 4);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(archive.Entries[i].Offset, builder.OffsetOf(i));
  EXPECT_EQ(archive.Entries[1].Name, "b.art");
  EXPECT_EQ(archive.Entries[0].Size, 5);
  EXPECT_EQ(archive.Entries[1].Size, 0);
}

TEST_F(GroupFileTest, EmptyArchiveOpensAndHasNothingToExtract) {
  TGroupFile archive;
  ASSERT_TRUE(archive.Open(Write("empty.grp", GrpBuilder().Bytes())));
  EXPECT_EQ(archive.EntryCount, 0);
  EXPECT_FALSE(archive.Extract("e1l1.map", Path("out.map")));
  EXPECT_FALSE(std::filesystem::exists(Path("out.map")));
}

TEST_F(GroupFileTest, ExtractionReplacesALongerOutputWhole) {
  const std::string archive = Write("a.grp", GrpBuilder().Add("e1l1.map", "short").Bytes());
  const std::string out = Write("out.map", Pattern(300000, 9));
  ASSERT_TRUE(ExtractFromGroupFile(archive, "e1l1.map", out));
  EXPECT_EQ(ReadBytes(out), "short");
}

TEST_F(GroupFileTest, FailedExtractionLeavesTheOutputAsItWas) {
  const std::string before = "the map of an earlier run";
  const std::string out = Write("out.map", before);
  const std::string archiveBytes = GrpBuilder().Add("e1l1.map", Pattern(100000, 4)).Bytes();
  const std::string archive = Write("a.grp", archiveBytes);

  TGroupFile opened;
  ASSERT_TRUE(opened.Open(archive));
  EXPECT_FALSE(opened.Extract("e9l9.map", out));  // absent entry
  // The archive loses its tail between reading the directory and copying the entry.
  Write("a.grp", archiveBytes.substr(0, archiveBytes.size() - 10));
  EXPECT_FALSE(opened.Extract("e1l1.map", out));
  EXPECT_FALSE(opened.Extract("e1l1.map", Path("no such folder/out.map")));

  EXPECT_EQ(ReadBytes(out), before);
  EXPECT_FALSE(std::filesystem::exists(out + ".part"));
}

struct BrokenArchive {
  const char* what;
  std::string bytes;
  TGroupFault fault;
};

TEST_F(GroupFileTest, ArchivesWhoseDirectoryDoesNotFitFailToOpen) {
  const std::string good = GrpBuilder().Add("e1l1.map", "0123456789").Add("e1l2.map", "ab").Bytes();
  std::string hugeCount(100, '\0');
  hugeCount[12] = '\x00', hugeCount[13] = '\x94', hugeCount[14] = '\x35', hugeCount[15] = '\x77';
  const BrokenArchive cases[] = {
      {"empty file", "", TGroupFault::NoHeader},
      {"shorter than the header", good.substr(0, 15), TGroupFault::NoHeader},
      {"negative count", GrpBuilder().Count(-1).Bytes(), TGroupFault::NegativeCount},
      {"two billion entries in 100 bytes", hugeCount, TGroupFault::DirectoryPastEnd},
      {"count 0xFFFFFFF0", GrpBuilder().Count(static_cast<std::int32_t>(0xFFFFFFF0u)).Bytes(),
       TGroupFault::NegativeCount},
      {"directory cut short", good.substr(0, 16 + 16 + 8), TGroupFault::DirectoryPastEnd},
      {"count beyond the records", GrpBuilder().Count(3).Add("a", "").Add("b", "").Bytes(),
       TGroupFault::DirectoryPastEnd},
  };
  for (const BrokenArchive& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string archive = Write("broken.grp", c.bytes);
    TGroupFile opened;
    EXPECT_FALSE(opened.Open(archive));
    EXPECT_EQ(opened.Fault, c.fault);
    EXPECT_FALSE(ExtractFromGroupFile(archive, "e1l1.map", Path("out.map")));
    EXPECT_FALSE(std::filesystem::exists(Path("out.map")));
  }
  TGroupFile missing;
  EXPECT_FALSE(missing.Open(Path("no such.grp")));
  EXPECT_EQ(missing.Fault, TGroupFault::CannotOpen);
}

// An archive whose directory fits opens; a broken entry is refused on its own, and an intact
// entry before it is still extracted (a download cut short still holds its first levels).
TEST_F(GroupFileTest, BrokenEntryIsRefusedAloneAndTheIntactOnesExtract) {
  const std::string cutShort =
      GrpBuilder().Add("E1L1.MAP", "intact").Add("e1l2.map", "0123456789").Bytes();
  const struct {
    const char* what;
    std::string bytes;
    const char* broken;
    TGroupFault fault;
  } cases[] = {
      {"last entry cut short", cutShort.substr(0, cutShort.size() - 1), "e1l2.map",
       TGroupFault::DataPastEnd},
      {"data past the end",
       GrpBuilder().Add("E1L1.MAP", "intact").AddSized("bad.map", 100, "ten bytes.").Bytes(),
       "bad.map", TGroupFault::DataPastEnd},
      {"negative size", GrpBuilder().Add("E1L1.MAP", "intact").AddSized("bad.map", -5, "").Bytes(),
       "bad.map", TGroupFault::NegativeSize},
      // The negative size moves the next offset back into the bytes before it.
      {"entry after a negative size",
       GrpBuilder()
           .Add("E1L1.MAP", "intact")
           .AddSized("bad.map", -22, "")
           .Add("after.map", "0123456789abcdefghijklmnopqrstuvwxyz")
           .Bytes(),
       "after.map", TGroupFault::AfterNegativeSize},
      // In 32 bits the third offset would wrap back onto the first entry's data.
      {"sizes that wrap 32 bits",
       GrpBuilder()
           .Add("E1L1.MAP", "intact")
           .AddSized("a", 0x7FFFFFFF, "")
           .AddSized("b", 0x7FFFFFFF, "")
           .Add("c", "xy")
           .Bytes(),
       "c", TGroupFault::DataPastEnd},
      {"empty entry after one past the end",
       GrpBuilder().Add("E1L1.MAP", "intact").AddSized("big", 1000, "").Add("empty", "").Bytes(),
       "empty", TGroupFault::DataPastEnd},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string archive = Write("broken.grp", c.bytes);
    const std::string out = Write("out.map", "the map of an earlier run");
    TGroupFile opened;
    ASSERT_TRUE(opened.Open(archive));
    EXPECT_EQ(opened.Fault, TGroupFault::None);
    ASSERT_NE(opened.Find(c.broken), nullptr);
    EXPECT_EQ(opened.Find(c.broken)->Fault, c.fault);
    EXPECT_EQ(opened.Find("e1l1.map")->Fault, TGroupFault::None);

    EXPECT_FALSE(opened.Extract(c.broken, out));
    EXPECT_EQ(ReadBytes(out), "the map of an earlier run");
    EXPECT_FALSE(std::filesystem::exists(out + ".part"));
    EXPECT_TRUE(ExtractFromGroupFile(archive, "e1l1.map", out));
    EXPECT_EQ(ReadBytes(out), "intact");
  }
}

}  // namespace
}  // namespace zk::test
