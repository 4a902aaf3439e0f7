#include "build/focc_build.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "build/build_fixture.h"
#include "build/db_build.h"
#include "build/source_text.h"
#include "model/records.h"

namespace orv {
namespace {

using ::testing::ElementsAre;

class BookFirstOccurrences : public test::StoreDirsFixture {
 protected:
  void SetUp() override { InstallBookFOccBuilder(set_, sourceDir_, ui_); }
  std::vector<FoccRec> BookFile(int book) {
    TDSControl* h = set_.BookFOccDS.OpenBook(book);
    std::vector<FoccRec> out;
    FoccRec r;
    DSSetPos(h, 0);
    while (DSIsOpen(h) && DSNext(h, &r) == kDSOk) out.push_back(r);
    return out;
  }
};

TEST_F(BookFirstOccurrences, OpeningABookFileFillsItWithTheBooksFirstOccurrences) {
  test::SmallText text(21, 3, 6);
  text.Write(sourceDir_);
  for (int book : {2, 1, 39}) {
    auto got = BookFile(book);
    auto expected = text.FirstOccurrences(book);
    ASSERT_EQ(got.size(), expected.size()) << "book " << book;
    ASSERT_LT(expected.size(), text.Through(book).words.size() - text.WordsBefore(book))
        << "the book repeats some of its words";
    for (size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i].word.Str(), expected[i].word);
      EXPECT_EQ(got[i].cite, expected[i].cite);
    }
  }
  set_.BookFOccDS.ForceClose();
  EXPECT_EQ(BookFile(2).size(), text.FirstOccurrences(2).size()) << "kept, not built twice";
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(BookFirstOccurrences, RebuildingWordDropsBookFilesOfTheOldText) {
  test::SmallText first(21, 3, 6);
  first.Write(sourceDir_);
  ASSERT_FALSE(BookFile(1).empty());
  ASSERT_TRUE(std::filesystem::exists(dir_.path() + "/heb/FOCC/GEN.XRD"));
  test::SmallText second(22, 3, 6);  // another text: other first occurrences
  second.Write(sourceDir_);
  RunBuild(ctx_, BuildFlags{true, false, false});
  EXPECT_FALSE(std::filesystem::exists(dir_.path() + "/heb/FOCC/GEN.XRD"));
  auto got = BookFile(1);
  auto expected = second.FirstOccurrences(1);
  ASSERT_EQ(got.size(), expected.size());
  for (size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i].word.Str(), expected[i].word);
}

TEST_F(BookFirstOccurrences, WordsOfEqualStorageSpellingCountOnce) {
  test::WriteSource(sourceDir_, 4, "*1\n1 sa va <x> uK- Uk\n*2\n1 sa ab\n");
  auto got = BookFile(4);
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0].word.Str(), "wa");
  EXPECT_EQ(got[0].cite, (Citation{4, 1, 1, 1}));
  EXPECT_EQ(got[1].word.Str(), "ck");
  EXPECT_EQ(got[1].cite, (Citation{4, 1, 1, 3}));
  EXPECT_EQ(got[2].word.Str(), "ab");
  EXPECT_EQ(got[2].cite, (Citation{4, 2, 1, 2}));
}

TEST_F(BookFirstOccurrences, MissingSourceFileLeavesTheBookFileEmpty) {
  EXPECT_TRUE(BookFile(2).empty());
  EXPECT_THAT(ui_.messages, ElementsAre("** Cannot open input file EX **"));
  TDSControl* h = set_.BookFOccDS.Handle();
  EXPECT_EQ(BuildBookFOcc(h, 2, sourceDir_, ui_), kDSEnd);
}

}  // namespace
}  // namespace orv
