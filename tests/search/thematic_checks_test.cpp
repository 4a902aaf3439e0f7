#include "search/thematic_checks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace orv {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(ThematicChecks, EachFieldInTurnEachValidFieldKept) {
  struct Row {
    ThematicFields typed;
    std::vector<std::string> messages;
    int32_t value, window, minWords, maxWords;  // the parameters afterwards
  };
  // The parameters start at 120 / 0 / 0 / 0 in every row.
  const Row rows[] = {
      {{"2701", "3", "2", "7"}, {}, 2701, 3, 2, 7},
      {{" 1 ", "0", "0", "0"}, {}, 1, 0, 0, 0},
      {{"0", "0", "0", "0"}, {kInvalidThematicValue}, 120, 0, 0, 0},
      {{"x", "-1", "1", "1"}, {kInvalidThematicValue, kInvalidThematicRange}, 120, 0, 1, 1},
      {{"5", "2147483648", "-1", "x"},
       {kInvalidThematicRange, kInvalidMinimumWords, kInvalidMaximumWords},
       5,
       0,
       0,
       0},
      {{"5", "2147483647", "3", "2"}, {kMinimumAboveMaximum}, 5, 2147483647, 3, 0},
      // A maximum of 0 sets no limit, whatever the minimum.
      {{"5", "0", "3", "0"}, {}, 5, 0, 3, 0},
      {{"5", "0", "3", "3"}, {}, 5, 0, 3, 3},
      {{"", "", "", ""},
       {kInvalidThematicValue, kInvalidThematicRange, kInvalidMinimumWords, kInvalidMaximumWords},
       120,
       0,
       0,
       0},
  };
  for (const Row& r : rows) {
    // Appended, not added: GCC 12 at -O3 warns falsely (-Wrestrict) on a chain of +.
    SCOPED_TRACE(std::string(r.typed.value)
                     .append("/")
                     .append(r.typed.window)
                     .append("/")
                     .append(r.typed.minWords)
                     .append("/")
                     .append(r.typed.maxWords));
    ThematicParams p;
    EXPECT_EQ(CheckThematicFields(r.typed, p), r.messages);
    EXPECT_EQ(p.value, r.value);
    EXPECT_EQ(p.window, r.window);
    EXPECT_EQ(p.minWords, r.minWords);
    EXPECT_EQ(p.maxWords, r.maxWords);
  }
}

TEST(ThematicChecks, FromBeginIsTheOppositeOfFromHere) {
  ThematicParams p;
  const ThematicFields shown = ThematicFieldsOf(p);
  EXPECT_EQ(shown.value, "120");
  EXPECT_EQ(shown.window, "0");
  EXPECT_FALSE(shown.fromBegin) << "the first search starts at the page";
  ThematicFields typed = shown;
  typed.fromBegin = true;
  EXPECT_THAT(CheckThematicFields(typed, p), IsEmpty());
  EXPECT_FALSE(p.fromHere);
  EXPECT_TRUE(ThematicFieldsOf(p).fromBegin);
  // Moved in, not assigned from a literal: GCC 12 at -O3 warns falsely (-Wrestrict) on that.
  typed.value = std::string(1, '0');
  typed.fromBegin = false;
  EXPECT_THAT(CheckThematicFields(typed, p), ElementsAre(kInvalidThematicValue));
  EXPECT_TRUE(p.fromHere) << "kept even when a field is refused";
}

}  // namespace
}  // namespace orv
