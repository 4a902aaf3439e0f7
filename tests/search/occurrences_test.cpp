// The occurrence lists of the pop-up menus over small stores: their lines
// and captions, the preselected occurrence, the jump to a chosen line, and
// what a missing word or a damaged store shows.
#include "search/occurrences.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "page/view_state.h"
#include "search/store_scan.h"
#include "search/word_stores_fixture.h"
#include "support/fault_fs.h"

namespace orv {
namespace {

using test::At;
using ::testing::ElementsAre;

class OccurrencesTest : public test::WordStoresFixture {
 protected:
  OccurrencesTest() {
    Make({{"aleim", At(1, 1, 1, 3), 430},
          {"aleim", At(1, 1, 3, 2), 430},
          {"aleim", At(1, 2, 1, 1), 0},
          {"ialeim", At(19, 119, 176, 4), 430},
          {"aleim", At(19, 150, 6, 1), 430},
          {"bra", At(1, 1, 1, 2), 1254}});
  }

  OccurrenceOutcome Words(const std::string& word, Citation clicked) {
    view_.popupWord = word;
    view_.clickedCite = clicked;
    return ListWordOccurrences(set_, ui_, view_);
  }
  OccurrenceOutcome Numbers(const std::string& number, Citation clicked) {
    view_.popupWord = number;
    view_.clickedCite = clicked;
    return ListNumberOccurrences(set_, ui_, view_);
  }
  void ExpectClosed() {
    for (TXRDataStore* s : Stores()) EXPECT_EQ(s->OpenCount(), 0) << s->Tag();
  }

  ViewState view_;
};

TEST_F(OccurrencesTest, WordListNamesEachPlaceAndItsNumber) {
  EXPECT_EQ(Words("aleim", At(1, 2, 1, 1)), OccurrenceOutcome::kListed);
  ASSERT_EQ(ui_.lists.size(), 1u);
  const ListRequest& l = ui_.lists[0];
  EXPECT_EQ(l.caption, "Occurrences of aleim   (4)");
  EXPECT_THAT(l.lines, ElementsAre("Gen 1:1.3         <430>", "Gen 1:3.2         <430>",
                                   "Gen 2:1.1         <0>", "Ps  150:6.1         <430>"));
  EXPECT_EQ(l.selected, 2);  // the clicked third occurrence
  EXPECT_TRUE(l.pick);
  ExpectClosed();
}

TEST_F(OccurrencesTest, NumberListNamesEachPlaceAndItsWord) {
  EXPECT_EQ(Numbers("430", At(19, 119, 176, 4)), OccurrenceOutcome::kListed);
  const ListRequest& l = ui_.lists.back();
  EXPECT_EQ(l.caption, "Occurrences of 430   (4)");
  EXPECT_THAT(l.lines,
              ElementsAre("Gen 1:1.3         <aleim>", "Gen 1:3.2         <aleim>",
                          "Ps  119:176.4         <ialeim>", "Ps  150:6.1         <aleim>"));
  EXPECT_EQ(l.selected, 2);
  // Typed forms of the number read the same; one that occurs nowhere lists
  // nothing under "(0)".
  EXPECT_EQ(Numbers("H1254", kNullCite), OccurrenceOutcome::kListed);
  EXPECT_THAT(ui_.lists.back().lines, ElementsAre("Gen 1:1.2         <bra>"));
  EXPECT_EQ(ui_.lists.back().selected, -1);
  EXPECT_EQ(Numbers("8674", kNullCite), OccurrenceOutcome::kListed);
  EXPECT_EQ(ui_.lists.back().caption, "Occurrences of 8674   (0)");
  EXPECT_TRUE(ui_.lists.back().lines.empty());
  ExpectClosed();
}

TEST_F(OccurrencesTest, ClickedPlaceNotListedPreselectsNothing) {
  Words("aleim", At(1, 1, 1, 2));
  EXPECT_EQ(ui_.lists.back().selected, -1);
}

TEST_F(OccurrencesTest, ChoosingALineJumpsThereAndMarksTheWord) {
  const ViewState before = view_;
  EXPECT_EQ(Words("aleim", kNullCite), OccurrenceOutcome::kListed);  // closed without a choice
  EXPECT_EQ(view_.currentCite, before.currentCite);
  EXPECT_EQ(view_.historyCount, 0);
  ui_.listChoice.push_back(1);
  EXPECT_EQ(Words("aleim", kNullCite), OccurrenceOutcome::kJumped);
  EXPECT_EQ(view_.highlightCite, At(1, 1, 3, 2));
  EXPECT_EQ(view_.clickedCite, At(1, 1, 3, 2));
  EXPECT_EQ(view_.currentCite.verse, 3);
  EXPECT_EQ(view_.historyCount, 1);
}

TEST_F(OccurrencesTest, MissingWordAndNonNumbers) {
  EXPECT_EQ(Words("zzz", kNullCite), OccurrenceOutcome::kNotFound);
  EXPECT_EQ(Words("alei", kNullCite), OccurrenceOutcome::kNotFound);  // no prefix match
  EXPECT_THAT(ui_.messages, ElementsAre(kWordNotInDatabase, kWordNotInDatabase));
  EXPECT_EQ(Numbers("abc", kNullCite), OccurrenceOutcome::kNothing);
  EXPECT_EQ(Numbers("0", kNullCite), OccurrenceOutcome::kNothing);
  EXPECT_TRUE(ui_.lists.empty());
  ExpectClosed();
}

TEST_F(OccurrencesTest, DamagedStoreShowsTheErrorAndChangesNothing) {
  const std::vector<std::string> before = StoreFiles();
  test::BrokenFS broken;
  set_.CiteDS.SetFileSystem(&broken);
  set_.CiteDS.Open(true);
  broken.failReads = true;
  EXPECT_EQ(Numbers("430", kNullCite), OccurrenceOutcome::kFailed);
  EXPECT_EQ(Words("aleim", kNullCite), OccurrenceOutcome::kFailed);
  EXPECT_THAT(ui_.messages, ElementsAre(kErrorAccessingDatastore, kErrorAccessingDatastore));
  EXPECT_TRUE(ui_.lists.empty());
  set_.CiteDS.Close();
  ExpectClosed();
  EXPECT_EQ(StoreFiles(), before);
}

}  // namespace
}  // namespace orv
