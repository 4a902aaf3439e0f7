// The scan for runs: where it starts, where a restart takes it, how it ends.
#include "search/run_scan.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "run_text_fixture.h"

namespace orv {
namespace {

using ::testing::ElementsAre;

// Runs of two words: restarts on each run's second word, except that a run
// starting at `matchAt` matches there. Records every citation it is shown.
class PairFilter final : public RunFilter {
 public:
  explicit PairFilter(Citation matchAt) : matchAt_(matchAt) {}
  void Reset() override {
    words_ = 0;
    ++resets;
  }
  int Step(const CiteRec& record, const Foc2Rec* word) override {
    seen.push_back(CitationText(record.cite) + (word ? "" : " (no word)"));
    if (words_++ == 0) start_ = record.cite;
    if (start_ == matchAt_) return kRunMatch;
    return words_ == 2 ? kRunRestart : kRunGoOn;
  }
  Citation RunStart() const override { return start_; }
  int RunWords() const override { return words_; }

  std::vector<std::string> seen;
  int resets = 0;

 private:
  Citation matchAt_;
  Citation start_;
  int words_ = 0;
};

class RunScanTest : public test::RunTextFixture {
 protected:
  void SetUp() override { Build(); }
};

TEST_F(RunScanTest, ARestartGoesOnOneWordAfterTheRunsStart) {
  PairFilter filter(Citation{1, 1, 2, 1});
  const RunScan r = ScanForRun(set_, filter, 0);
  ASSERT_TRUE(r.found);
  EXPECT_EQ(r.start, (Citation{1, 1, 2, 1}));
  EXPECT_EQ(r.words, 1);
  EXPECT_EQ(r.last, 4);  // the fourth CITE record
  EXPECT_THAT(filter.seen, ElementsAre("Gen 1:1.1", "Gen 1:1.2", "Gen 1:1.2", "Gen 1:1.3",
                                       "Gen 1:1.3", "Gen 1:2.1", "Gen 1:2.1"));
  EXPECT_EQ(filter.resets, 4);  // at the start and at each restart

  // Going on after the run's last record, the scan reaches the end.
  filter.seen.clear();
  const RunScan end = ScanForRun(set_, filter, r.last);
  EXPECT_FALSE(end.found);
  EXPECT_EQ(end.code, kDSEnd);
  EXPECT_EQ(filter.seen.front(), "Gen 1:2.2");
  EXPECT_EQ(filter.seen.back(), "Mal 1:1.1");
}

TEST_F(RunScanTest, PositionBeforeStartsAtTheFirstRecordAtOrAfterACitation) {
  struct Row {
    Citation cite;
    const char* first;  // the first record the scan shows
  };
  const Row rows[] = {
      {kFirstCite, "Gen 1:1.1"},           {kNullCite, "Gen 1:1.1"},
      {Citation{1, 1, 1, 3}, "Gen 1:1.3"}, {Citation{1, 1, 1, 4}, "Gen 1:2.1"},
      {Citation{2, 1, 1, 1}, "Ex  1:1.1"}, {Citation{39, 1, 1, 1}, "Mal 1:1.1"},
  };
  for (const Row& row : rows) {
    PairFilter filter(row.cite);
    ScanForRun(set_, filter, PositionBefore(set_, row.cite));
    ASSERT_FALSE(filter.seen.empty());
    EXPECT_EQ(filter.seen.front(), row.first);
  }
  // After the last record nothing is left to scan.
  PairFilter filter(kNullCite);
  const RunScan r = ScanForRun(set_, filter, PositionBefore(set_, Citation{39, 2, 1, 1}));
  EXPECT_FALSE(r.found);
  EXPECT_TRUE(filter.seen.empty());
}

TEST_F(RunScanTest, StoresThatAreNotOpen) {
  PairFilter filter(Citation{1, 1, 1, 1});
  set_.FOc2DS.ForceClose();
  // Without FOC2 every record comes without its word.
  const RunScan r = ScanForRun(set_, filter, 0);
  EXPECT_TRUE(r.found);
  EXPECT_THAT(filter.seen, ElementsAre("Gen 1:1.1 (no word)"));
  set_.CiteDS.ForceClose();
  const RunScan none = ScanForRun(set_, filter, 0);
  EXPECT_FALSE(none.found);
  EXPECT_EQ(none.code, kDSNoHandle);
}

}  // namespace
}  // namespace orv
