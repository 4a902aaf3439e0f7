// The embedded word rule over the small text (run_text_fixture.h), whose
// letter stream is  g a b | d z a | b l m | a d b | n a b | q | q ...
#include "search/embedded_filter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "run_text_fixture.h"

namespace orv {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class EmbeddedFilterTest : public test::RunTextFixture {
 protected:
  void SetUp() override { Build(); }

  std::vector<std::string> Find(const std::string& term, int32_t skip, Citation from = kFirstCite) {
    EmbeddedFilter filter(term, skip);
    return Runs(filter, from);
  }
};

TEST_F(EmbeddedFilterTest, SkipFactorsZeroOneTwoAndBeyond) {
  struct Row {
    const char* term;
    int32_t skip;
    std::vector<std::string> runs;
  };
  const Row rows[] = {
      // 0: inside one word only; "ab" across gab|dza... never counts.
      {"ab", 0, {"Gen 1:1.1/1", "Gen 1:2.2/1"}},
      // 1: consecutive letters, across a word boundary too (dza|blM).
      {"ab", 1, {"Gen 1:1.1/1", "Gen 1:1.2/2", "Gen 1:2.2/1"}},
      // 2: a_b inside adb; the earlier a's are followed by d and l.
      {"ab", 2, {"Gen 1:2.1/1"}},
      {"ab", 3, {}},
      // A match ends the run at the word of its last letter; the next
      // search starts after it, so the a of dza does not start another.
      {"aa", 4, {"Gen 1:1.1/2", "Gen 1:2.1/2"}},
      // Final forms are their ordinary letters; the run may cross books.
      {"lm", 1, {"Gen 1:1.3/1"}},
      {"lm", 0, {"Gen 1:1.3/1"}},
      {"gq", 15, {"Gen 1:1.1/6"}},
      // Forwards only: "ba" is not "ab" read backwards.
      {"ba", 1, {}},
      {"", 1, {}},
      {"", 0, {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.term) + " skip " + std::to_string(r.skip));
    EXPECT_EQ(Find(r.term, r.skip), r.runs);
  }
}

TEST_F(EmbeddedFilterTest, LettersBeforeTheStartAreNotInTheStream) {
  EXPECT_THAT(Find("za", 1, Citation{1, 1, 1, 2}), ElementsAre("Gen 1:1.2/1"));
  EXPECT_THAT(Find("za", 1, Citation{1, 1, 1, 3}), IsEmpty());
  // A start between two words begins at the next word.
  EXPECT_THAT(Find("ab", 1, Citation{1, 1, 1, 9}), ElementsAre("Gen 1:2.2/1"));
}

TEST_F(EmbeddedFilterTest, WordsWithoutAWordStillCountInTheRun) {
  // Gen 1:1.2 (dza) loses its FOC2 record: its letters leave the stream,
  // but the run over it still counts it.
  TDSControl* cite = set_.CiteDS.Handle();
  CiteRec rec;
  ASSERT_EQ(DSReadAt(cite, 2, &rec), kDSOk);
  ASSERT_EQ(rec.cite, (Citation{1, 1, 1, 2}));
  rec.foc2 = -1;
  ASSERT_EQ(DSUpdate(cite, 2, &rec), kDSOk);
  EXPECT_THAT(Find("bb", 1), ElementsAre("Gen 1:1.1/3"));
}

TEST(EmbeddedStream, OnlyTheTwentyTwoLettersInStorageForm) {
  Foc2Rec w{};
  w.source.Set("wh-sKcM1y");
  // w h s K M y are source letters (vau, he, shin, final kaph and mem,
  // yode); "-", the digit and 'c' (no letter in source spelling) are not.
  EXPECT_EQ(EmbeddedFilter::StreamLetters(&w), "vewkmi");
  EXPECT_EQ(EmbeddedFilter::StreamLetters(nullptr), "");
}

}  // namespace
}  // namespace orv
