// The range value over the small text (run_text_fixture.h): Original /
// Traditional gab 63/6, dza 11/12, blM 332/72, adb 9/7, nab 53/53, and q
// 100/100 as the one word of every other book.
#include "search/range_value.h"

#include <gtest/gtest.h>

#include "run_text_fixture.h"

namespace orv {
namespace {

class RangeValueTest : public test::RunTextFixture {
 protected:
  void SetUp() override { Build(); }
};

TEST_F(RangeValueTest, SumsAndMessages) {
  struct Row {
    const char* start;
    const char* end;
    int64_t original, traditional;
    const char* message;
  };
  const Row rows[] = {
      // Start == end: one word.
      {"Gen 1:1.2", "Gen 1:1.2", 11, 12, ""},
      // An end without a word number is that verse's first word alone.
      {"Gen 1:1", "Gen 1:2", 63 + 11 + 332 + 9, 6 + 12 + 72 + 7, ""},
      // The end's parts left out come from the start.
      {"Gen 1:1.2", ".3", 11 + 332, 12 + 72, ""},
      // A word number past the verse's words ends the range at that verse.
      {"Gen 1:1", "Gen 1:1.9", 63 + 11 + 332, 6 + 12 + 72, ""},
      // Across books, through the last word of the text.
      {"Gen 1:2.2", "Ex 1:1.1", 153, 153, ""},
      {"Jon 1:1", "Mal 1:1.1", 800, 800, ""},
      // The last word's verse, but a word beyond it: CITE ends first.
      {"Mal 1:1", "Mal 1:1.2", 0, 0, kDatastoreError},
      {"Gen 1:3", "Gen 1:3", 0, 0, kInvalidStartCite},
      {"Gen 1:1", "Mal 2:1", 0, 0, kInvalidEndCite},
      {"Gen 1:2", "Gen 1:1.3", 0, 0, kEndBeforeStart},
      {"", "Gen 1:1", 0, 0, kNoRangeStart},
      {"  ", "", 0, 0, kNoRangeStart},
      {"Gen 1:1", " ", 0, 0, kNoRangeEnd},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.start) + " - " + r.end);
    const RangeValues v = RangeValue(set_, counts_, r.start, r.end);
    EXPECT_EQ(v.message, r.message);
    EXPECT_EQ(v.original, r.original);
    EXPECT_EQ(v.traditional, r.traditional);
  }
}

TEST_F(RangeValueTest, ReadsBothCitationsBeforeTheWalk) {
  const RangeValues v = RangeValue(set_, counts_, "gen 1", ":2");
  EXPECT_TRUE(v.Ok());
  EXPECT_TRUE(v.read);
  EXPECT_EQ(v.start, (Citation{1, 1, 1, 1}));
  EXPECT_EQ(v.end, (Citation{1, 1, 2, 1}));

  EXPECT_FALSE(RangeValue(set_, counts_, "Gen 1:1", "Gen 9").read);
  set_.FOc2DS.ForceClose();
  const RangeValues closed = RangeValue(set_, counts_, "Gen 1:1", "Gen 1:1");
  EXPECT_TRUE(closed.read) << "the fields are rewritten also when the walk fails";
  EXPECT_EQ(closed.message, kDatastoreError);
}

}  // namespace
}  // namespace orv
