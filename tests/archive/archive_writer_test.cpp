#include "archive/archive_writer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "archive/archive_test_util.h"
#include "support/fault_fs.h"

namespace orv {
namespace {

using test::MakeCite;
using test::MakeXlat;
using test::ReadText;
using test::WriteText;

class ArchiveWriter : public ::testing::Test {
 protected:
  void SetUp() override {
    XlatRec marked = MakeXlat("ab", 2, 1, {});
    marked.gloss[2].Set("   ");  // blank translations are left out
    marked.reserved1 = 9;        // the writer always writes 0 0 for these
    XlatRec full = MakeXlat("abw", 0, 0, {"beginning", "in-the", "", "", "", "created-it"});
    test::Fill(s_.ds.XlatDS, std::vector<XlatRec>{full, marked});
    test::Fill(s_.ds.CiteDS, std::vector<CiteRec>{
                                 MakeCite(1, 1, 1, 1, 1, 1, 7225),
                                 MakeCite(1, 1, 1, 2, 0, 1, 0),  // a mark alone is kept too
                                 MakeCite(1, 1, 1, 3, 0, 0, 1254),
                                 MakeCite(2, 1, 1, 1, 3, 0, 0),
                             });
  }
  std::string Target() const { return s_.dir.File("out.TXT"); }
  // Names in the folder other than the stores and the target: leftovers.
  std::vector<std::string> Strays() const {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(s_.dir.path())) {
      std::string name = e.path().filename().string();
      if (name != "XLAT.XRD" && name != "CITE.XRD" && name != "out.TXT") out.push_back(name);
    }
    return out;
  }

  test::ArchiveStores s_;
};

constexpr const char* kHead =
    "ORV Archive File\r\n"
    "Version 1.9.1\r\n";

TEST_F(ArchiveWriter, FullArchiveHoldsDefinitionsAndOccurrencesWithSelectionMarkOrNumber) {
  std::vector<std::string> shown;
  ASSERT_EQ(WriteFullArchive(s_.ds, Target(), [&](const std::string& t) { shown.push_back(t); }),
            0);
  EXPECT_EQ(ReadText(Target()), std::string(kHead) +
                                    "; \r\n"
                                    "; Translation data format:\r\n"
                                    ";   *<Word> <Stat> <Flags> 0 0\r\n"
                                    ";   0 <translation 0>\r\n"
                                    ";   n <translation n>  - as applicable\r\n"
                                    "; \r\n"
                                    "*ab 2 1 0 0\r\n"
                                    "0 \r\n"
                                    "*abw 0 0 0 0\r\n"
                                    "0 beginning\r\n"
                                    "1 in-the\r\n"
                                    "5 created-it\r\n"
                                    "; \r\n"
                                    "; Cite data format:\r\n"
                                    ";   +<Book> <Chap> <Vers> <WNum>\r\n"
                                    ";     <XNum> <Flags> <Strong>\r\n"
                                    "; \r\n"
                                    "+1 1 1 1\r\n"
                                    "  1 1 7225\r\n"
                                    "+1 1 1 2\r\n"
                                    "  0 1 0\r\n"
                                    "+1 1 1 3\r\n"
                                    "  0 0 1254\r\n"
                                    "+2 1 1 1\r\n"
                                    "  3 0 0\r\n");
  EXPECT_EQ(shown, (std::vector<std::string>{"Write Xlat DS", "Scan Genesis", "Scan Exodus"}));
  EXPECT_EQ(s_.ds.XlatDS.OpenCount(), 0);
  EXPECT_EQ(s_.ds.CiteDS.OpenCount(), 0);
  EXPECT_TRUE(Strays().empty());
}

TEST_F(ArchiveWriter, StrongsArchiveHoldsNonZeroNumbersOrEveryOccurrence) {
  const std::string comments =
      "; \r\n"
      "; Stong's number data format:\r\n"
      ";   #<Book> <Chap> <Vers> <WNum> <Strong>\r\n"
      "; \r\n";
  ASSERT_EQ(WriteStrongsArchive(s_.ds, Target(), true), 0);
  EXPECT_EQ(ReadText(Target()), kHead + comments + "#1 1 1 1 7225\r\n#1 1 1 3 1254\r\n");

  ASSERT_EQ(WriteStrongsArchive(s_.ds, Target(), false), 0);
  EXPECT_EQ(ReadText(Target()), kHead + comments +
                                    "#1 1 1 1 7225\r\n#1 1 1 2 0\r\n#1 1 1 3 1254\r\n"
                                    "#2 1 1 1 0\r\n");
}

TEST_F(ArchiveWriter, ReplacesAnExistingFileWholeAndKeepsItsPermissions) {
  WriteText(Target(), std::string(100000, 'x'));
  ::chmod(Target().c_str(), 0600);
  ASSERT_EQ(WriteStrongsArchive(s_.ds, Target(), true), 0);
  std::string text = ReadText(Target());
  EXPECT_TRUE(text.starts_with(kHead));
  EXPECT_TRUE(text.ends_with("#1 1 1 3 1254\r\n")) << "nothing of the old file is left";
  struct stat st;
  ASSERT_EQ(::stat(Target().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_TRUE(Strays().empty());
}

TEST_F(ArchiveWriter, UncreatableFileWritesNothing) {
  std::string missing = s_.dir.File("no-such-folder/out.TXT");
  EXPECT_EQ(WriteFullArchive(s_.ds, missing), kArchiveCannotCreate);
  EXPECT_EQ(WriteStrongsArchive(s_.ds, missing, true), kArchiveCannotCreate);
  EXPECT_FALSE(std::filesystem::exists(missing));
  EXPECT_EQ(s_.ds.CiteDS.OpenCount(), 0);
}

TEST_F(ArchiveWriter, UnreadableStoreLeavesTheOldArchiveAlone) {
  WriteText(Target(), "old archive\r\n");
  test::BrokenFS fs;
  s_.ds.CiteDS.SetFileSystem(&fs);
  ASSERT_TRUE(DSIsOpen(s_.ds.CiteDS.Open(true)));
  fs.failReads = true;  // the header is in; the blocks are not
  EXPECT_EQ(WriteFullArchive(s_.ds, Target()), kDSShortRead);
  EXPECT_EQ(WriteStrongsArchive(s_.ds, Target(), false), kDSShortRead);
  fs.failReads = false;
  s_.ds.CiteDS.Close();
  EXPECT_EQ(ReadText(Target()), "old archive\r\n");
  EXPECT_TRUE(Strays().empty());
}

// A file size limit makes the archive's own writes fail part way, as a full
// disk would.
TEST_F(ArchiveWriter, FailedFileWriteLeavesTheOldArchiveAlone) {
  std::vector<CiteRec> many;
  for (int v = 1; v <= 250; ++v) {
    for (int w = 1; w <= 20; ++w) many.push_back(MakeCite(3, 1, v, w, 1, 0, 100 + w));
  }
  test::Fill(s_.ds.CiteDS, many);
  WriteText(Target(), "old archive\r\n");
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit old;
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 4096;
  ::setrlimit(RLIMIT_FSIZE, &small);
  int32_t rc = WriteFullArchive(s_.ds, Target());
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(rc, EFBIG);
  EXPECT_EQ(ReadText(Target()), "old archive\r\n");
  EXPECT_TRUE(Strays().empty());
}

}  // namespace
}  // namespace orv
