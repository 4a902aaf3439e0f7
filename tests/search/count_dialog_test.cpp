// The word count dialog's Count button over small stores: the checks of
// what was typed, the plain counts and their texts, and the listings.
#include "search/count_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "search/count_listing.h"
#include "search/store_scan.h"
#include "search/word_count.h"
#include "search/word_stores_fixture.h"
#include "support/fault_fs.h"

namespace orv {
namespace {

using test::At;
using ::testing::ElementsAre;

class CountTest : public test::WordStoresFixture {
 protected:
  CountTest() {
    Make({{"aleim", At(1, 1, 1, 3), 430},
          {"aleim", At(1, 1, 3, 2), 430},
          {"aleim", At(1, 2, 1, 1), 430},
          {"aleim", At(2, 1, 1, 1), 430},
          {"bra", At(1, 1, 1, 2), 1254},
          {"bra", At(1, 1, 3, 1), 1254},
          {"xwx", At(1, 1, 2, 1), 2416},  // Genesis 1 and Exodus 1 only
          {"xwx", At(2, 1, 2, 1), 2416},
          {"abwzidevths", At(2, 1, 3, 1), 0}});
  }

  // The messages (and list captions) one Count click shows.
  std::vector<std::string> Count(const std::string& word, CountChoice choice,
                                 const std::string& match = "", CountPlace place = {1, 1}) {
    ui_.messages.clear();
    ui_.lists.clear();
    RunWordCount(set_, ui_, CountRequest{word, match, choice, place});
    std::vector<std::string> out = ui_.messages;
    for (const ListRequest& l : ui_.lists) out.push_back("List: " + l.caption);
    return out;
  }
  std::vector<std::string> Lines() const { return ui_.lists.back().lines; }
};

TEST(CountText, NoTimesOneTimeOrNTimes) {
  EXPECT_EQ(CountText(0), "No times");
  EXPECT_EQ(CountText(1), "1 time");
  EXPECT_EQ(CountText(2), "2 times");
  EXPECT_EQ(CountText(12), "12 times");
}

TEST_F(CountTest, WhatIsTypedIsCheckedInOrder) {
  struct Row {
    std::string word;
    CountChoice choice;
    std::string match;
    std::string shown;
  } rows[] = {
      {"aleim", CountChoice::kMatch, "", kMatchCountNotPositive},
      {"aleim", CountChoice::kMatch, "0", kMatchCountNotPositive},
      {"aleim", CountChoice::kMatch, "-3", kMatchCountNotPositive},
      {"aleim", CountChoice::kMatch, "x", kInvalidMatchCount},
      {"aleim", CountChoice::kMatch, "99999999999", kInvalidMatchCount},
      // The match count is checked before the word.
      {"abwzidevthsl", CountChoice::kMatch, "x", kInvalidMatchCount},
      {"abwzidevthsl", CountChoice::kChapter, "", kCountWordTooLong},
      {"abwzidevths", CountChoice::kChapter, "", kNoOccurrences},  // 11 letters: found
      {"abwzidevths", CountChoice::kBook, "", kNoOccurrences},
      {"0", CountChoice::kBible, "", kInvalidStrongsNumber},
      {"8675", CountChoice::kBible, "", kInvalidStrongsNumber},
      {"-3", CountChoice::kBible, "", kInvalidStrongsNumber},
      {"H0", CountChoice::kBible, "", kInvalidStrongsNumber},
      {"8674", CountChoice::kBible, "", kNoOccurrences},
      {"12abc", CountChoice::kBible, "", kWordNotInDatabase},  // a word, not a number
      {"", CountChoice::kChapter, "", kMustEnterWord},
      {"  ", CountChoice::kBible, "", kMustEnterWord},
      {"", CountChoice::kAllCounts, "", kMustEnterWord},
      {"zzz", CountChoice::kAllCounts, "", kWordNotInDatabase},
      {"zzz", CountChoice::kMatch, "1", kWordNotInDatabase},
  };
  for (const Row& r : rows) {
    EXPECT_THAT(Count(r.word, r.choice, r.match), ElementsAre(r.shown))
        << r.word << " / " << r.match;
  }
  EXPECT_TRUE(ui_.lists.empty());
}

TEST_F(CountTest, PlainCountsOfWordsAndNumbers) {
  struct Row {
    std::string word;
    CountChoice choice;
    CountPlace place;
    std::string shown;
  } rows[] = {
      {"aleim", CountChoice::kChapter, {1, 1}, "aleim occurs 2 times in Genesis 1"},
      // One occurrence still reads "1 times in" in a plain count.
      {"aleim", CountChoice::kChapter, {1, 2}, "aleim occurs 1 times in Genesis 2"},
      {"aleim", CountChoice::kChapter, {1, 3}, kNoOccurrences},
      {"aleim", CountChoice::kBook, {1, 9}, "aleim occurs 3 times in Genesis"},
      {"aleim", CountChoice::kBook, {3, 1}, kNoOccurrences},
      {"aleim", CountChoice::kBible, {39, 1}, "aleim occurs 4 times in the Bible"},
      {"ALEIM", CountChoice::kBible, {1, 1}, "aleim occurs 4 times in the Bible"},
      {"אֱלֹהִים", CountChoice::kBible, {1, 1}, "aleim occurs 4 times in the Bible"},
      {"430", CountChoice::kChapter, {1, 1}, "430 occurs 2 times in Genesis 1"},
      {"H430", CountChoice::kChapter, {1, 2}, "H430 occurs 1 times in Genesis 2"},
      {"0430", CountChoice::kBook, {2, 4}, "0430 occurs 1 times in Exodus"},
      {"430", CountChoice::kBible, {1, 1}, "430 occurs 4 times in the Bible"},
      {"430", CountChoice::kChapter, {1, 3}, kNoOccurrences},
      {"1254", CountChoice::kBook, {2, 1}, kNoOccurrences},
  };
  for (const Row& r : rows) {
    EXPECT_THAT(Count(r.word, r.choice, "", r.place), ElementsAre(r.shown)) << r.word;
  }
}

TEST_F(CountTest, AllCountsListChapterBookAndBibleGroups) {
  // Genesis 1 and Exodus 1 are two chapter groups although both are chapter 1.
  EXPECT_THAT(Count("xwx", CountChoice::kAllCounts), ElementsAre("List: All counts of 'xwx'"));
  EXPECT_THAT(Lines(), ElementsAre("1 time in Genesis 1", "1 time in Genesis", "1 time in Exodus 1",
                                   "1 time in Exodus", "2 times in Bible"));
  EXPECT_FALSE(ui_.lists.back().pick);
  EXPECT_EQ(ui_.lists.back().selected, -1);
  EXPECT_THAT(Count("2416", CountChoice::kAllCounts), ElementsAre("List: All counts of '2416'"));
  EXPECT_EQ(Lines().size(), 5u);
  EXPECT_THAT(Count("aleim", CountChoice::kMatch, "1"),
              ElementsAre("List: Where 'aleim' occurs 1 time"));
  EXPECT_THAT(Lines(), ElementsAre("Genesis 2", "Exodus 1", "Exodus"));
  EXPECT_THAT(Count("430", CountChoice::kMatch, "2"),
              ElementsAre("List: Where '430' occurs 2 times"));
  EXPECT_THAT(Lines(), ElementsAre("Genesis 1"));
  // A number that occurs nowhere has no group to list.
  EXPECT_THAT(Count("8674", CountChoice::kMatch, "1"), ElementsAre(kNoMatchesForCount));
  EXPECT_THAT(Count("8674", CountChoice::kAllCounts), ElementsAre(kNoMatchesForCount));
  EXPECT_THAT(Count("aleim", CountChoice::kMatch, "5"), ElementsAre(kNoMatchesForCount));
}

TEST_F(CountTest, WordsWithAGivenCount) {
  EXPECT_THAT(Count("", CountChoice::kMatch, "2"), ElementsAre("List: Words appearing 2 times"));
  // Groups end when the word changes, even within one chapter.
  EXPECT_THAT(Lines(), ElementsAre("'aleim' in Genesis 1", "'bra' in Genesis 1", "'bra' in Genesis",
                                   "'bra' in Bible", "'xwx' in Bible"));
  EXPECT_THAT(Count("", CountChoice::kMatch, "1"), ElementsAre("List: Words appearing 1 time"));
  EXPECT_EQ(Lines().front(), "'abwzidevths' in Exodus 1");
  EXPECT_THAT(Count("", CountChoice::kMatch, "7"), ElementsAre(kNoMatchesForCount));
}

TEST_F(CountTest, WordStaysOpenCiteIsClosedAndNothingChanges) {
  const std::vector<std::string> before = StoreFiles();
  Count("430", CountChoice::kBible);
  Count("aleim", CountChoice::kAllCounts);
  EXPECT_EQ(set_.WordDS.OpenCount(), 1);  // released by the dialog's close
  EXPECT_EQ(set_.CiteDS.OpenCount(), 0);
  set_.WordDS.ForceClose();
  EXPECT_EQ(StoreFiles(), before);
}

TEST_F(CountTest, ADamagedStoreIsReportedNotCounted) {
  test::BrokenFS broken;
  set_.CiteDS.SetFileSystem(&broken);
  set_.CiteDS.Open(true);  // the header is read; every block read fails
  broken.failReads = true;
  EXPECT_THAT(Count("430", CountChoice::kBible), ElementsAre(kErrorAccessingDatastore));
  EXPECT_THAT(Count("430", CountChoice::kAllCounts), ElementsAre(kErrorAccessingDatastore));
  EXPECT_EQ(set_.CiteDS.OpenCount(), 1);
}

}  // namespace
}  // namespace orv
