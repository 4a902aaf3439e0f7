// The concordance report over small stores: its exact layout (line
// wrapping at six citations, the widths of chapter 150 and verse 176, an
// 11-letter word) and a WORD store that fails half-way.
#include "search/concordance.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "search/store_scan.h"
#include "search/word_stores_fixture.h"
#include "support/fault_fs.h"

namespace orv {
namespace {

using test::At;
using ::testing::ElementsAre;

class ConcordanceTest : public test::WordStoresFixture {
 protected:
  std::string Path(const std::string& name) { return dir_.File(name); }
};

TEST_F(ConcordanceTest, LayoutWrapsAtSixCitationsAndKeepsItsWidths) {
  std::vector<test::Occ> text = {{"abwzidevths", At(1, 1, 1, 1)},
                                 {"xwx", At(2, 2, 1, 1)},
                                 {"aleim", At(19, 119, 176, 1)},
                                 {"aleim", At(19, 150, 6, 1)}};
  for (int v = 1; v <= 5; ++v) text.push_back({"aleim", At(1, 1, v, 3)});     // 7 in all
  for (int v : {1, 6, 7, 8, 9, 10}) text.push_back({"bra", At(1, 1, v, 2)});  // exactly 6
  Make(text);
  EXPECT_EQ(WriteConcordance(set_, ui_, Path("c.txt")), ReportOutcome::kWritten);
  EXPECT_EQ(Bytes(Path("c.txt")),
            "Collating sequence\r\n"
            " 1-11: a b w z i d e v t h s \r\n"
            "12-22: l k n g o p c q r m x \r\n"
            "\r\n"
            "\r\n"
            "abwzidevths   Gen  1: 1\r\n"
            "aleim         Gen  1: 1  Gen  1: 2  Gen  1: 3  Gen  1: 4  Gen  1: 5  Ps 119:176\r\n"
            "              Ps 150: 6\r\n"
            "bra           Gen  1: 1  Gen  1: 6  Gen  1: 7  Gen  1: 8  Gen  1: 9  Gen  1:10\r\n"
            "xwx           Ex   2: 1\r\n");
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_EQ(ui_.maxWaitDepth, 1);
  EXPECT_EQ(set_.WordDS.OpenCount(), 0);
}

TEST_F(ConcordanceTest, StartsAtTheFirstWordWhereverTheCursorWas) {
  Make({{"bra", At(1, 1, 1, 1)}, {"aleim", At(1, 1, 1, 2)}});
  TDSControl* h = set_.WordDS.Open(true);
  WordRec rec;
  DSSetPos(h, 1);
  DSNext(h, &rec);  // a Find stepped past the first word
  WriteConcordance(set_, ui_, Path("c.txt"));
  EXPECT_NE(Bytes(Path("c.txt")).find("\r\n\r\naleim "), std::string::npos);
  EXPECT_EQ(set_.WordDS.OpenCount(), 1);
}

TEST_F(ConcordanceTest, StoreFailingHalfWayKeepsThePartialReport) {
  Make(test::ManyWords(900));
  ASSERT_EQ(WriteConcordance(set_, ui_, Path("full.txt")), ReportOutcome::kWritten);
  const std::string full = Bytes(Path("full.txt"));
  const std::vector<std::string> before = StoreFiles();

  test::FaultFS fault;
  set_.WordDS.SetFileSystem(&fault);
  set_.WordDS.Open(true);
  fault.FailAt(2);  // the second block read
  EXPECT_EQ(WriteConcordance(set_, ui_, Path("part.txt")), ReportOutcome::kPartial);
  EXPECT_TRUE(fault.fired());
  EXPECT_THAT(ui_.messages, ElementsAre(kErrorAccessingDatastore));
  const std::string part = Bytes(Path("part.txt"));
  EXPECT_GT(part.size(), full.find("\r\n\r\n\r\n") + 6);  // some words made it
  EXPECT_LT(part.size(), full.size());
  EXPECT_EQ(full.compare(0, part.size(), part), 0);
  set_.WordDS.ForceClose();
  EXPECT_EQ(StoreFiles(), before);
}

TEST_F(ConcordanceTest, NoWordStoreWritesNothing) {
  EXPECT_EQ(WriteConcordance(set_, ui_, Path("c.txt")), ReportOutcome::kUnreadable);
  EXPECT_THAT(ui_.messages, ElementsAre(kErrorAccessingDatastore));
  EXPECT_FALSE(std::filesystem::exists(Path("c.txt")));
}

}  // namespace
}  // namespace orv
