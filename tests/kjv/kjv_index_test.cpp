#include "kjv/kjv_index.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "datastore/ds_object.h"
#include "kjv/kjv_line.h"
#include "kjv/kjv_test_util.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

const std::string kGenesis = test::CrLf({
    "1:1 In the beginning 7225 God 430",  // offset 0
    "1:2 And the earth 776",
    " was without form",
    "2:1 Thus the heavens",
    "0:1 a stray chapter 0 line",
    "2:2 And on the seventh day",
    "3:1 Now the serpent",
    "2:9 chapter 2 again further on",
    "70000:1 beyond sixteen bits",
});

size_t OffsetOf(const std::string& text, const std::string& line) { return text.find(line); }

TEST(KjvIndexBuild, OneRecordPerChapterStartAtItsLineOffset) {
  test::KjvFolder folder;
  folder.Write(1, kGenesis);
  folder.Write(29, "1:1 The word of the LORD\n2:1 Blow ye the trumpet\n");
  KjvIndex index(folder.ProgramDir(), folder.IndexFile());
  EXPECT_EQ(index.ChapterOffset(1, 1), 0u);
  EXPECT_EQ(index.ChapterOffset(1, 2), OffsetOf(kGenesis, "2:1 Thus"));
  // The chapter 0 line between two chapter 2 lines starts chapter 2 again
  // for the comparison, but the first place of a chapter is kept.
  EXPECT_EQ(index.ChapterOffset(1, 3), OffsetOf(kGenesis, "3:1 Now"));
  EXPECT_EQ(index.ChapterOffset(1, 0), 0u) << "chapter 0 is never indexed";
  EXPECT_EQ(index.ChapterOffset(1, 4), 0u);
  EXPECT_EQ(index.ChapterOffset(29, 2), std::string("1:1 The word of the LORD\n").size())
      << "LF line ends count one byte";
  EXPECT_EQ(index.ChapterOffset(2, 1), 0u) << "an empty book has no chapters";
  EXPECT_TRUE(index.Ready());

  DSHandle h;
  ASSERT_EQ(DSOpen(folder.IndexFile(), h, 'r', DSSetParams(8, 0, 0, false)), kDSOk);
  EXPECT_EQ(DSCount(h.get()), 5) << "Genesis 1, 2, 3 and Joel 1, 2";
  DSClose(h);
}

// The index made for kGenesis, with its file's bytes.
std::vector<unsigned char> BuiltIndex(const test::KjvFolder& folder) {
  folder.Write(1, kGenesis);
  KjvIndex index(folder.ProgramDir(), folder.IndexFile());
  EXPECT_TRUE(index.Build());
  return test::ReadBytes(folder.IndexFile());
}

void ExpectRebuiltFrom(const test::KjvFolder& folder, const std::vector<unsigned char>& bad,
                       const std::vector<unsigned char>& good, const char* what) {
  test::WriteBytes(folder.IndexFile(), bad);
  KjvIndex index(folder.ProgramDir(), folder.IndexFile());
  EXPECT_TRUE(index.Open()) << what;
  EXPECT_EQ(index.ChapterOffset(1, 3), OffsetOf(kGenesis, "3:1 Now")) << what;
  EXPECT_EQ(test::ReadBytes(folder.IndexFile()), good) << what;
}

TEST(KjvIndexOpen, UnusableIndexIsRebuiltSilently) {
  test::KjvFolder folder;
  const std::vector<unsigned char> good = BuiltIndex(folder);
  ASSERT_GT(good.size(), 1024u);

  ExpectRebuiltFrom(folder, {}, good, "empty file");
  std::vector<unsigned char> header = good;
  header[16] ^= 0xFF;  // a block count the file is too short for
  ExpectRebuiltFrom(folder, header, good, "damaged header");
  std::vector<unsigned char> block = good;
  block[1024] = 0xFF;  // the first block claims more records than it holds
  ExpectRebuiltFrom(folder, block, good, "damaged block");
  ExpectRebuiltFrom(folder, std::vector<unsigned char>(4000, 'x'), good, "not a datastore");

  fs::remove(folder.IndexFile());
  ExpectRebuiltFrom(folder, good, good, "intact");  // and a missing one:
  fs::remove(folder.IndexFile());
  KjvIndex index(folder.ProgramDir(), folder.IndexFile());
  EXPECT_EQ(index.ChapterOffset(1, 2), OffsetOf(kGenesis, "2:1 Thus"));
  EXPECT_TRUE(fs::exists(folder.IndexFile()));
}

TEST(KjvIndexOpen, IndexOfAnotherRecordSizeIsRebuilt) {
  test::KjvFolder folder;
  folder.Write(1, kGenesis);
  fs::create_directories(fs::path(folder.IndexFile()).parent_path());
  DSHandle h;
  ASSERT_EQ(DSOpen(folder.IndexFile(), h, 'w', DSSetParams(16, 0, 0, false)), kDSCreated);
  const unsigned char rec[16] = {1, 0, 3, 0, 99};
  ASSERT_EQ(DSAppend(h.get(), rec), kDSOk);
  ASSERT_EQ(DSClose(h), kDSOk);
  KjvIndex index(folder.ProgramDir(), folder.IndexFile());
  EXPECT_EQ(index.ChapterOffset(1, 3), OffsetOf(kGenesis, "3:1 Now"));
}

TEST(KjvIndexOpen, BookFileNewerThanTheIndexRebuildsIt) {
  test::KjvFolder folder;
  BuiltIndex(folder);
  const std::string moved = "1:1 A new first line\r\n" + kGenesis;
  folder.Write(1, moved);
  fs::last_write_time(folder.BookFile(1),
                      fs::last_write_time(folder.IndexFile()) + std::chrono::seconds(5));
  KjvIndex index(folder.ProgramDir(), folder.IndexFile());
  EXPECT_EQ(index.ChapterOffset(1, 2), OffsetOf(moved, "2:1 Thus"));
}

TEST(KjvIndexOpen, EmptyBooksGiveNoUsableIndex) {
  test::KjvFolder folder;
  KjvIndex index(folder.ProgramDir(), folder.IndexFile());
  EXPECT_FALSE(index.Open());
  EXPECT_EQ(index.ChapterOffset(1, 1), 0u);
  EXPECT_FALSE(index.Ready());
}

TEST(KjvIndexBuild, MissingBookFileEndsTheBuildLeavingNoIndex) {
  test::KjvFolder folder;
  folder.Write(1, kGenesis);
  folder.Remove(5);
  KjvIndex index(folder.ProgramDir(), folder.IndexFile());
  try {
    index.Open();
    ADD_FAILURE() << "no error for the missing book";
  } catch (const KjvError& e) {
    EXPECT_NE(std::string(e.what()).find(folder.BookFile(5)), std::string::npos) << e.what();
  }
  EXPECT_FALSE(index.Ready());
  EXPECT_FALSE(fs::exists(folder.IndexFile())) << "a partial index would pass for a whole one";

  folder.Write(5, "1:1 These be the words\n");
  EXPECT_TRUE(index.Open()) << "tried again at the next use";
  EXPECT_EQ(index.ChapterOffset(1, 3), OffsetOf(kGenesis, "3:1 Now"));
}

TEST(KjvIndexBuild, IndexThatCannotBeWrittenIsNotUsableButNoError) {
  test::KjvFolder folder;
  folder.Write(1, kGenesis);
  test::TempDir other;
  std::ofstream(other.File("file")) << "x";  // a file where the folder should be
  KjvIndex index(folder.ProgramDir(), other.File("file/KJV.XRD"));
  EXPECT_FALSE(index.Open());
  EXPECT_EQ(index.ChapterOffset(1, 3), 0u);
}

}  // namespace
}  // namespace orv
