// The thematic filter over the small text (run_text_fixture.h): Traditional
// values gab 6, dza 12, blM 72, adb 7, nab 53, then q 100 in every book.
#include "search/thematic_filter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

#include "model/letter_values.h"
#include "run_text_fixture.h"

namespace orv {
namespace {

using ::testing::ElementsAre;

class ThematicFilterTest : public test::RunTextFixture {
 protected:
  void SetUp() override { Build(); }

  std::vector<std::string> Find(int32_t value, int32_t window, int32_t minWords = 0,
                                int32_t maxWords = 0, int32_t numbering = kTraditionalValue) {
    ThematicParams p;
    p.value = value;
    p.window = window;
    p.minWords = minWords;
    p.maxWords = maxWords;
    ThematicFilter filter(p, numbering);
    std::vector<std::string> runs = Runs(filter);
    // The q of every other book is worth 100; only the first few runs matter.
    if (runs.size() > 4) runs.resize(4);
    return runs;
  }
};

TEST_F(ThematicFilterTest, WindowAndWordLimits) {
  struct Row {
    int32_t value, window, minWords, maxWords;
    std::vector<std::string> runs;
  };
  const Row rows[] = {
      // Window 0: exactly the target. 6+12 = 18; 12 alone; nothing makes 17.
      {18, 0, 0, 0, {"Gen 1:1.1/2"}},
      {12, 0, 0, 0, {"Gen 1:1.2/1"}},
      {17, 0, 0, 0, {}},
      // Within the window on either side.
      {17, 1, 0, 0, {"Gen 1:1.1/2"}},
      {19, 1, 0, 0, {"Gen 1:1.1/2"}},
      // 6+12+72+7 = 97: a run over a verse boundary, then 7+53 = 60.
      {97, 0, 0, 0, {"Gen 1:1.1/4"}},
      {60, 0, 0, 0, {"Gen 1:2.1/2"}},
      // Maximum 1, minimum 0: single words only, each within the window.
      {18, 0, 0, 1, {}},
      {12, 0, 0, 1, {"Gen 1:1.2/1"}},
      {10, 5, 0, 1, {"Gen 1:1.1/1", "Gen 1:1.2/1", "Gen 1:2.1/1"}},
      // A minimum that the run reaches, and one it does not.
      {18, 0, 2, 0, {"Gen 1:1.1/2"}},
      {18, 0, 3, 0, {}},
      // The q of the other books, one after another.
      {100, 0, 0, 0, {"Ex  1:1.1/1", "Lev 1:1.1/1", "Num 1:1.1/1", "Deu 1:1.1/1"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::to_string(r.value) + " window " + std::to_string(r.window) + " min " +
                 std::to_string(r.minWords) + " max " + std::to_string(r.maxWords));
    EXPECT_EQ(Find(r.value, r.window, r.minWords, r.maxWords), r.runs);
  }
}

TEST_F(ThematicFilterTest, NumberingDecidesTheValues) {
  // Original: gab 63, dza 11, blM 332.
  EXPECT_THAT(Find(74, 0, 0, 0, kOriginalValue), ElementsAre("Gen 1:1.1/2"));
  EXPECT_THAT(Find(74, 0, 0, 0, SettingsNumbering(-1)), ElementsAre("Gen 1:1.1/2"));
  EXPECT_THAT(Find(18, 0, 0, 0, SettingsNumbering(-2)), ElementsAre("Gen 1:1.1/2"));
  // A setting that names no numbering counts as the default, Traditional.
  EXPECT_EQ(SettingsNumbering(0), kTraditionalValue);
  EXPECT_EQ(SettingsNumbering(7), kTraditionalValue);
  EXPECT_EQ(SettingsNumbering(std::numeric_limits<int32_t>::min()), kTraditionalValue);
}

TEST_F(ThematicFilterTest, BoundsPastTheIntegerRangeDoNotWrap) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  // target + window is 2^32 - 2; wrapped to 32 bits it would be negative
  // and nothing would ever match.
  EXPECT_THAT(Find(kMax, kMax, 0, 1),
              ElementsAre("Gen 1:1.1/1", "Gen 1:1.2/1", "Gen 1:1.3/1", "Gen 1:2.1/1"));
  // A target out of reach ends in no match rather than a false one.
  EXPECT_THAT(Find(kMax, 0), ElementsAre());
}

TEST_F(ThematicFilterTest, AWordWithoutAFoc2RecordIsPassedOver) {
  // dza loses its word: 6 + 72 = 78 is then a run of Gen 1:1.1 over three
  // records, of which two words count.
  TDSControl* cite = set_.CiteDS.Handle();
  CiteRec rec;
  ASSERT_EQ(DSReadAt(cite, 2, &rec), kDSOk);
  rec.foc2 = -1;
  ASSERT_EQ(DSUpdate(cite, 2, &rec), kDSOk);
  EXPECT_THAT(Find(78, 0), ElementsAre("Gen 1:1.1/2"));
}

}  // namespace
}  // namespace orv
