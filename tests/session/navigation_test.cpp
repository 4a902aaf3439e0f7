// Jumps, the history, and the steps by page, verse, chapter and book.
#include "session/navigation.h"

#include <gtest/gtest.h>

#include "model/datastore_set.h"
#include "model/records.h"
#include "page/view_state.h"
#include "support/fixed_counts.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

Citation C(int b, int c, int v, int w = 1) {
  return {static_cast<uint8_t>(b), static_cast<uint8_t>(c), static_cast<uint8_t>(v),
          static_cast<uint8_t>(w)};
}

TEST(History, BackwardThenANewJumpKeepsTheEntriesBeyond) {
  ViewState v;
  GoToCite(v, C(1, 1, 1));
  GoToCite(v, C(2, 3, 4, 5));
  GoToCite(v, C(3, 1, 1));
  EXPECT_EQ(v.highlightCite, C(3, 1, 1));
  EXPECT_TRUE(GoBackward(v));
  EXPECT_TRUE(GoBackward(v));
  EXPECT_FALSE(GoBackward(v));
  EXPECT_EQ(v.currentCite, C(1, 1, 1));
  GoToCite(v, C(4, 1, 2, 3));  // overwrites the old second entry
  EXPECT_EQ(v.historyPos, 2);
  EXPECT_EQ(v.historyCount, 3);
  EXPECT_EQ(v.currentCite, C(4, 1, 2, 1));
  EXPECT_EQ(v.clickedCite, C(4, 1, 2, 3));
  EXPECT_TRUE(GoForward(v));
  EXPECT_EQ(v.currentCite, C(3, 1, 1));
  EXPECT_FALSE(GoForward(v));
  EXPECT_TRUE(GoBackward(v));
  EXPECT_EQ(v.currentCite, C(4, 1, 2, 1));
  EXPECT_EQ(v.highlightCite, C(4, 1, 2, 3));
}

TEST(History, KeepsTheLast64AndSkipsRepeats) {
  ViewState v;
  for (int i = 1; i <= 65; ++i) GoToCite(v, C(1 + i / 30, 1 + i % 30, 1));
  EXPECT_EQ(v.historyPos, 64);
  EXPECT_EQ(v.historyCount, 64);
  EXPECT_EQ(v.history[1].cite, C(1, 3, 1));  // the first jump (i = 1) is gone
  GoToCite(v, v.currentCite);                // the current entry again: no entry
  EXPECT_EQ(v.history[1].cite, C(1, 3, 1));
  // A jump to a verse (word 0) marks nothing; a run marks its length.
  GoToCiteRun(v, C(5, 1, 2, 0), 3);
  EXPECT_TRUE(v.highlightCite.IsNull());
  GoToCiteRun(v, C(5, 1, 2, 4), 3);
  EXPECT_EQ(v.highlightRun, 2);
}

TEST(GoToVerseCommand, ParsesFromThePositionAndRecordsNoMark) {
  test::FixedCounts counts;
  ViewState v;
  v.currentCite = C(2, 4, 2);
  v.highlightCite = C(2, 4, 2, 3);
  EXPECT_TRUE(GoToVerse(v, "Gen 3:16.4", counts));
  EXPECT_EQ(v.currentCite, C(1, 3, 16, 4));
  EXPECT_EQ(v.highlightCite, C(2, 4, 2, 3));
  EXPECT_TRUE(v.history[1].mark.IsNull());
  EXPECT_FALSE(GoToVerse(v, "Gen 99:1", counts));
  EXPECT_EQ(v.currentCite, C(1, 3, 16, 4));
  EXPECT_TRUE(GoToVerse(v, "", counts));
  EXPECT_EQ(v.historyCount, 1);
}

TEST(Steps, MoveByVerseChapterAndBookAndStopAtTheEnds) {
  test::FixedCounts counts;
  ViewState v;
  v.currentCite = C(2, 1, 1);
  EXPECT_TRUE(PrevVerse(v, counts));  // Exodus 1:1 -> Genesis 50's last verse
  EXPECT_EQ(v.currentCite, C(1, 50, 20));
  EXPECT_TRUE(NextVerse(v, counts));
  EXPECT_EQ(v.currentCite, C(2, 1, 1));
  v.currentCite = C(1, 1, 31);
  EXPECT_TRUE(NextVerse(v, counts));
  EXPECT_EQ(v.currentCite, C(1, 2, 1));

  v.currentCite = C(1, 1, 1);
  EXPECT_FALSE(PrevChapter(v, counts));  // Genesis 1 at verse 1
  EXPECT_FALSE(PrevVerse(v, counts));
  EXPECT_FALSE(PrevBook(v));
  v.currentCite = C(1, 1, 5, 3);
  EXPECT_TRUE(PrevChapter(v, counts));
  EXPECT_EQ(v.currentCite, C(1, 1, 1));

  v.currentCite = C(3, 7, 4, 2);
  EXPECT_TRUE(PrevBook(v));  // the book's start first
  EXPECT_EQ(v.currentCite, C(3, 1, 1));
  EXPECT_TRUE(PrevBook(v));  // then the previous book
  EXPECT_EQ(v.currentCite, C(2, 1, 1));
  v.currentCite = C(2, 1, 1);
  EXPECT_TRUE(PrevChapter(v, counts));
  EXPECT_EQ(v.currentCite, C(1, 50, 1));

  v.currentCite = C(39, 3, 2, 4);
  EXPECT_FALSE(NextBook(v));
  EXPECT_FALSE(NextChapter(v, counts));  // Malachi's last chapter
  EXPECT_TRUE(ChapterStart(v));
  EXPECT_FALSE(ChapterStart(v));
  EXPECT_TRUE(BookStart(v));
  EXPECT_EQ(v.currentCite, C(39, 1, 1));
  EXPECT_FALSE(BookStart(v));
}

TEST(Steps, NextPageFollowsTheLayoutOrTakesTheNextChapter) {
  test::FixedCounts counts;
  ViewState v;
  v.currentCite = C(1, 1, 1);
  v.nextPageCite = C(1, 1, 9, 4);
  EXPECT_TRUE(NextPage(v, counts));
  EXPECT_EQ(v.currentCite, C(1, 1, 9, 4));
  v.nextPageCite = kNullCite;
  EXPECT_TRUE(NextPage(v, counts));
  EXPECT_EQ(v.currentCite, C(1, 2, 1));
  v.currentCite = C(39, 3, 20);
  EXPECT_FALSE(NextPage(v, counts));
}

class PrevPageTest : public ::testing::Test {
 protected:
  PrevPageTest() : set_(dir_.path() + "/", dir_.path() + "/") {}
  ~PrevPageTest() override { set_.CiteDS.ForceClose(); }
  void AddCites(std::initializer_list<Citation> cites) {
    TDSControl* h = set_.CiteDS.Open(true);
    for (Citation c : cites) {
      CiteRec r{};
      r.cite = c;
      DSInsert(h, &r);
    }
  }
  test::TempDir dir_;
  DatastoreSet set_;
  ViewState v_;
  std::vector<Citation> asked_;
  std::function<Citation(Citation)> backward_ = [this](Citation end) {
    asked_.push_back(end);
    return C(end.book, end.chapter, 1);
  };
};

TEST_F(PrevPageTest, EndsThePreviousPageOneWordBack) {
  v_.currentCite = kFirstCite;
  EXPECT_FALSE(PrevPage(v_, set_, backward_));
  v_.currentCite = C(1, 2, 3, 4);
  EXPECT_TRUE(PrevPage(v_, set_, backward_));
  EXPECT_EQ(asked_.back(), C(1, 2, 3, 3));
  EXPECT_EQ(v_.currentCite, C(1, 2, 1));
  // At a verse's first word: the last word of the verse before, from CITE.
  AddCites({C(1, 1, 1, 1), C(1, 1, 1, 2), C(1, 1, 2, 1), C(1, 1, 2, 2), C(1, 2, 1, 1)});
  v_.currentCite = C(1, 2, 1, 1);
  EXPECT_TRUE(PrevPage(v_, set_, backward_));
  EXPECT_EQ(asked_.back(), C(1, 1, 2, 2));
  EXPECT_EQ(v_.currentCite, C(1, 1, 1));
  // Without CITE the step goes to the book's start.
  set_.CiteDS.ForceClose();
  v_.currentCite = C(1, 2, 1, 1);
  EXPECT_TRUE(PrevPage(v_, set_, backward_));
  EXPECT_EQ(v_.currentCite, C(1, 1, 1));
}

}  // namespace
}  // namespace orv
