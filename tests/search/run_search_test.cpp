// The start and Find Next of the run searches (thematic value, embedded
// word), with a run filter of the test's own.
#include "search/run_search.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "search/find.h"
#include "search/find_fixture.h"
#include "search/store_scan.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using ::testing::ElementsAreArray;

// Matches each word whose Strong's number is the target, as a run of that
// word and the next.
class StrongsRun : public RunFilter {
 public:
  explicit StrongsRun(int target) : target_(target) {}
  void Reset() override {}
  int Step(const CiteRec& record, const Foc2Rec*) override {
    start_ = record.cite;
    return record.strongs == target_ ? kRunMatch : kRunGoOn;
  }
  Citation RunStart() const override { return start_; }
  int RunWords() const override { return 2; }

 private:
  int target_;
  Citation start_;
};

class RunSearch : public test::FindFixture {
 protected:
  RunSearch() {
    Foc2({"abw"});
    test::Fill(set_.CiteDS,
               std::vector<CiteRec>{Use({1, 1, 1, 1}, 9, 0, 1), Use({1, 1, 1, 2}, 0, 0, 1),
                                    Use({1, 1, 2, 1}, 9, 0, 1), Use({2, 1, 1, 1}, 9, 0, 1)});
  }
};

TEST_F(RunSearch, StartAndFindNextToTheEnd) {
  struct Row {
    SearchMode mode;
    Citation from;  // null: from Genesis 1:1
    int target;
    std::vector<std::string> steps;  // marked run, or the message at the end
  };
  const Row rows[] = {
      {SearchMode::kThematic,
       kNullCite,
       9,
       {"Gen 1:1.1+1", "Gen 1:2.1+1", "Ex  1:1.1+1", "No more matches to thematic value"}},
      {SearchMode::kEmbedded,
       {1, 1, 2, 1},
       9,
       {"Gen 1:2.1+1", "Ex  1:1.1+1", "No more matches to embedded term"}},
      {SearchMode::kEmbedded,
       {1, 1, 1, 2},
       9,
       {"Gen 1:2.1+1", "Ex  1:1.1+1", "No more matches to embedded term"}},
      {SearchMode::kThematic, kNullCite, 7, {"No matches to thematic value"}},
      {SearchMode::kEmbedded, kNullCite, 7, {"No matches to embedded search term"}},
      {SearchMode::kThematic, {3, 1, 1, 1}, 9, {"No matches to thematic value"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(row.mode) << " " << row.target);
    view_ = ViewState{};
    if (!row.from.IsNull()) view_.currentCite = row.from;
    ui_.messages.clear();
    SearchEnv env = Env();
    std::vector<std::string> steps;
    bool found =
        StartRunSearch(env, std::make_unique<StrongsRun>(row.target), !row.from.IsNull(), row.mode);
    while (found) {
      EXPECT_EQ(search_.mode, row.mode);
      steps.push_back(Marked() + "+" + std::to_string(view_.highlightRun));
      found = FindNext(env);
    }
    steps.insert(steps.end(), ui_.messages.begin(), ui_.messages.end());
    EXPECT_THAT(steps, ElementsAreArray(row.steps));
    EXPECT_EQ(search_.mode, SearchMode::kNone);
    EXPECT_EQ(search_.run, nullptr);
  }
}

// A new Find replaces a run search; Find Next then continues the Find.
TEST_F(RunSearch, FindReplacesARunSearch) {
  Words({{"abw", {2, 1, 1, 1}}});
  SearchEnv env = Env();
  ASSERT_TRUE(StartRunSearch(env, std::make_unique<StrongsRun>(9), false, SearchMode::kThematic));
  ASSERT_EQ(FindText(env, "abw"), FindResult::kFound);
  EXPECT_EQ(search_.run, nullptr);
  EXPECT_FALSE(FindNext(env));
  EXPECT_THAT(ui_.messages, ElementsAreArray({"No more occurrences of abw"}));
}

// A CITE block that cannot be read half-way through a scan ends the search
// with the error, not with the end of the matches, and changes no store.
TEST_F(RunSearch, DamagedCiteHalfWayIsAnErrorNotTheEnd) {
  CiteDamagedHalfWay(9, 0);
  const std::string citePath = NativePath(set_.CiteDS.Path());
  const auto before = test::ReadBytes(citePath);
  for (SearchMode mode : {SearchMode::kThematic, SearchMode::kEmbedded}) {
    ui_.messages.clear();
    SearchEnv env = Env();
    ASSERT_TRUE(StartRunSearch(env, std::make_unique<StrongsRun>(9), false, mode));
    EXPECT_EQ(Marked(), "Gen 2:1.1");
    EXPECT_FALSE(FindNext(env));
    EXPECT_THAT(ui_.messages, ElementsAreArray({std::string(kErrorAccessingDatastore)}));
    EXPECT_EQ(search_.mode, SearchMode::kNone);
    EXPECT_EQ(search_.run, nullptr);
  }
  set_.CiteDS.ForceClose();
  EXPECT_EQ(test::ReadBytes(citePath), before);
}

}  // namespace
}  // namespace orv
