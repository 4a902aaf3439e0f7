// The page's words placed in rows, forwards over many page sizes and
// backwards from a page's last word, on the fake surface.
#include "page/page_rows.h"

#include <gtest/gtest.h>

#include <string>

#include "page/page_fixture.h"

namespace orv {
namespace {

using PageRowsTest = test::PageFixture;

// Over a range of page heights and widths: a page never ends on a verse
// label, the next page starts with the first word left out, rows never
// overlap, and rows of three items or more (but the chapter's last) fill
// their width exactly.
TEST_F(PageRowsTest, LayoutRulesHoldForEveryPageSize) {
  settings_.il.SetSelection(1, 1);
  bool labelTakenBack = false;
  for (int width : {250, 333, 480}) {
    for (int height = 60; height <= 260; height += 7) {
      SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
      Paint({1, 1, 1, 1}, width, height);
      if (layout_.lastPlaced == 0) continue;
      const VerseLabel* last = layout_.labels.empty() ? nullptr : &layout_.labels.back();
      if (last) {
        EXPECT_LE(last->word, layout_.lastPlaced);
      }
      if (!view_.nextPageCite.IsNull()) {
        EXPECT_EQ(view_.nextPageCite, Entry(layout_.lastPlaced + 1).cite);
        labelTakenBack |= view_.nextPageCite.word == 1;
      }
      for (int k = layout_.firstPlaced; k <= layout_.lastPlaced; ++k) {
        const WordBox& b = layout_.box[static_cast<size_t>(k)];
        EXPECT_LE(b.y + layout_.rowHeight - layout_.spacing.rowSp, height);
        EXPECT_GE(b.x, layout_.spacing.indent - 1);
        if (k > layout_.firstPlaced) {
          const WordBox& a = layout_.box[static_cast<size_t>(k - 1)];
          if (a.row == b.row) {
            EXPECT_LE(b.x + b.slot, a.x);  // right to left
          }
        }
      }
    }
  }
  EXPECT_TRUE(labelTakenBack) << "no page size ended just before a verse";
}

TEST_F(PageRowsTest, JustifiesRowsOfThreeItemsOrMore) {
  // 400 wide: the row's room is 380; "(1" 24, then words of 72, 36, 60, 24 ...
  Paint({1, 1, 1, 1}, 300, 60);  // one row only: it ends because the page is full
  ASSERT_GT(layout_.lastPlaced, 0);
  const int items = layout_.lastPlaced + 1;  // the words and the verse label
  ASSERT_GE(items, 3);
  const VerseLabel& label = layout_.labels.front();
  EXPECT_EQ(label.x + label.width, 300 - 10);  // the first item stays at the right end
  const WordBox& lastBox = layout_.box[static_cast<size_t>(layout_.lastPlaced)];
  EXPECT_EQ(lastBox.x, 10);  // the last lands on the row's left end
}

TEST_F(PageRowsTest, RowsOfOneOrTwoItemsStayAsPlaced) {
  // 130 wide: the room of a row (110) takes two items at most.
  Paint({1, 1, 1, 1}, 130, 2000);
  ASSERT_GT(layout_.lastPlaced, 3);
  for (int k = layout_.firstPlaced + 1; k <= layout_.lastPlaced; ++k) {
    const WordBox& b = layout_.box[static_cast<size_t>(k)];
    const WordBox& a = layout_.box[static_cast<size_t>(k - 1)];
    if (b.row != a.row) continue;
    // Second item of its row: one gap left of the first, not pushed to the end.
    EXPECT_EQ(b.x, a.x - layout_.spacing.wordSp - b.slot) << k;
  }
}

TEST_F(PageRowsTest, BackwardLayoutFindsThePreviousPage) {
  Paint({1, 1, 1, 1}, 333, 120);
  ASSERT_FALSE(view_.nextPageCite.IsNull());
  const Citation secondPage = view_.nextPageCite;
  const Citation firstPageEnd = Entry(layout_.lastPlaced).cite;
  EXPECT_EQ(BackwardLayout(surface_, layout_, page_, env_, view_, firstPageEnd),
            (Citation{1, 1, 1, 1}));
  EXPECT_TRUE(view_.relayoutNeeded);
  // From the second page's end, back to a start after the first page's.
  Paint(secondPage, 333, 120);
  const Citation secondEnd = Entry(layout_.lastPlaced).cite;
  const Citation back = BackwardLayout(surface_, layout_, page_, env_, view_, secondEnd);
  EXPECT_LE(back, secondPage);
  EXPECT_GT(back, (Citation{1, 1, 1, 1}));
}

}  // namespace
}  // namespace orv
