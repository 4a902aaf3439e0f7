#include "build/build_plan.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "build/build_fixture.h"
#include "build/db_build.h"
#include "build/source_text.h"
#include "model/records.h"

namespace orv {
namespace {

using ::testing::ElementsAre;

class BuildPlanning : public test::StoreDirsFixture {
 protected:
  // A store holding `n` distinct records, built by hand.
  void Fill(TXRDataStore& store, int n) {
    TDSControl* h = store.Open(true);
    for (int i = 1; i <= n; ++i) {
      WordRec w;
      w.word.Set(std::string(1 + i / 200, 'a') + std::string(1, "bwz"[i % 3]));
      w.cite = Citation::FromValue(0x01010100u + static_cast<uint32_t>(i));
      if (store.Tag() == "CITE") {
        CiteRec c;
        c.cite = w.cite;
        DSAppend(h, &c);
      } else {
        DSInsert(h, &w);
      }
    }
    store.Close();
  }
};

TEST_F(BuildPlanning, MissingStoresAreBuiltWithoutBook) {
  BuildPlan plan = PlanBuild(set_, BuildFlags{}, ui_);
  EXPECT_TRUE(plan.flags.word);
  EXPECT_TRUE(plan.flags.cite);
  EXPECT_FALSE(plan.flags.book);
  EXPECT_EQ(plan.status, "Ready to build the datastores...");
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_FALSE(FileExists(set_.WordDS)) << "deciding creates no file";
}

TEST_F(BuildPlanning, StoresBelowTheThresholdCountAsMissing) {
  Fill(set_.WordDS, kRebuildThreshold);
  Fill(set_.CiteDS, kRebuildThreshold - 1);
  BuildPlan plan = PlanBuild(set_, BuildFlags{}, ui_);
  EXPECT_FALSE(plan.flags.word);
  EXPECT_TRUE(plan.flags.cite);
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_EQ(set_.WordDS.OpenCount(), 0);
}

TEST_F(BuildPlanning, FullStoresAskForARebuildOfWordAndCiteWithAWarning) {
  Fill(set_.WordDS, kRebuildThreshold);
  Fill(set_.CiteDS, kRebuildThreshold);
  BuildPlan plan = PlanBuild(set_, BuildFlags{}, ui_);
  EXPECT_TRUE(plan.flags.word);
  EXPECT_TRUE(plan.flags.cite);
  EXPECT_FALSE(plan.flags.book);
  EXPECT_EQ(plan.status, "Rebuild datastores??");
  EXPECT_THAT(ui_.messages, ElementsAre(kRebuildWarning));

  // The planned rebuild replaces both.
  test::SmallText text(2);
  text.Write(sourceDir_);
  RunBuild(ctx_, plan.flags, [] { return true; });
  EXPECT_EQ(set_.WordDS.RecordCount(), static_cast<int32_t>(text.words.size()));
  EXPECT_EQ(set_.CiteDS.RecordCount(), static_cast<int32_t>(text.words.size()));
}

TEST_F(BuildPlanning, OptionsChooseTheStoresAndBookOnlyAlone) {
  struct Row {
    BuildFlags asked;
    bool word, cite, book;
  } rows[] = {
      {{true, false, false}, true, false, false}, {{false, true, false}, false, true, false},
      {{true, true, false}, true, true, false},   {{false, false, true}, false, false, true},
      {{true, false, true}, true, false, false},  {{true, true, true}, true, true, false}};
  for (const Row& r : rows) {
    BuildFlags f = PlanBuild(set_, r.asked, ui_).flags;
    const std::string asked =
        std::to_string(r.asked.word) + std::to_string(r.asked.cite) + std::to_string(r.asked.book);
    EXPECT_EQ(f.word, r.word) << asked;
    EXPECT_EQ(f.cite, r.cite) << asked;
    EXPECT_EQ(f.book, r.book) << asked;
  }
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(BuildPlanning, EnsureDatastoresOffersABuildWhenWordIsMissing) {
  int shown = 0;
  ui_.yesNo = {false, true, true};
  EXPECT_FALSE(EnsureDatastores(set_, ui_, [&] { ++shown; }));
  EXPECT_EQ(shown, 0);
  EXPECT_FALSE(EnsureDatastores(set_, ui_, [&] { ++shown; })) << "the build made nothing";
  EXPECT_EQ(shown, 1);
  EXPECT_TRUE(EnsureDatastores(set_, ui_, [&] { Fill(set_.WordDS, 3); }));
  EXPECT_THAT(ui_.calls, ElementsAre(std::string("YesNo: ") + kNeedDatastores,
                                     std::string("YesNo: ") + kNeedDatastores,
                                     std::string("YesNo: ") + kNeedDatastores));
  EXPECT_TRUE(EnsureDatastores(set_, ui_, nullptr)) << "no question once WORD exists";
}

}  // namespace
}  // namespace orv
