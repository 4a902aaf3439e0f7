// The interlinear page laid out and painted on the fake surface, compared
// with reviewed dumps, and the layout rules checked over many page sizes.
#include "page/page_paint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "config/settings.h"
#include "kjv/kjv_index.h"
#include "kjv/kjv_test_util.h"
#include "kjv/kjv_text.h"
#include "model/datastore_set.h"
#include "model/records.h"
#include "page/gloss_reverse.h"
#include "page/hit_test.h"
#include "page/line_assign.h"
#include "page/page_fixture.h"
#include "page/page_layout.h"
#include "page/page_rows.h"
#include "page/page_stores.h"
#include "page/page_words.h"
#include "page/view_state.h"
#include "support/golden.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using PagePaintTest = test::PageFixture;

std::string Golden(const std::string& name) {
  return (std::filesystem::path(__FILE__).parent_path() / "golden" / name).string();
}

TEST_F(PagePaintTest, RightToLeftPageWithNumbersValuesAndAnInterlinearLine) {
  AddStrongs();
  settings_.showStrongs = true;
  settings_.thematic = 1;
  settings_.il.SetSelection(1, 1);
  view_.highlightCite = {1, 1, 1, 2};
  view_.highlightRun = 1;
  test::ExpectGolden(Golden("page_rtl_numbers.txt"), Paint({1, 1, 1, 1}, 600, 230));
  EXPECT_EQ(layout_.firstPlaced, 1);
  EXPECT_EQ(view_.nextPageCite, Entry(layout_.lastPlaced + 1).cite);
  EXPECT_FALSE(view_.relayoutNeeded);
  // A paint without a new layout draws the same page again.
  surface_.Clear();
  PaintScreen(surface_, layout_, page_, env_, view_, nullptr);
  test::ExpectGolden(Golden("page_rtl_numbers.txt"), surface_.Dump());
}

TEST_F(PagePaintTest, LeftToRightPageWithTheBookTitle) {
  std::string text = test::kGenesis;
  text.replace(text.find("*R-L"), 4, "*L-R");
  test::WriteSource(dir_.File("Source"), 1, text);
  settings_.header = 1;
  settings_.il.SetSelection(2, 1);  // line 1 has no source but keeps its height
  settings_.flowWith = true;
  test::ExpectGolden(Golden("page_ltr_title.txt"), Paint({1, 1, 1, 1}, 500, 400));
  EXPECT_EQ(layout_.lines[2].offset - layout_.lines[1].offset, layout_.lines[1].height);
  EXPECT_TRUE(view_.nextPageCite.IsNull());  // the chapter fits
}

TEST_F(PagePaintTest, HeaderModesAndTheKingJamesColumn) {
  test::KjvFolder kjvFolder;
  kjvFolder.Write(1, test::CrLf({"1:1 In the beginning 7225 God 430 created 1254",
                                 "1:2 And the earth 776 was 1961 without form, and void;",
                                 "1:3 And God said, Let there be light: and there was light."}));
  KjvIndex index(kjvFolder.ProgramDir(), kjvFolder.IndexFile());
  TKJV kjv(index);
  settings_.showKJV = true;
  settings_.showStrongs = true;
  // Mode 2 in mid-chapter: no heading, only the page range.
  test::ExpectGolden(Golden("page_kjv_midchapter.txt"), Paint({1, 1, 2, 1}, 700, 200, &kjv));
  ASSERT_FALSE(layout_.kjvHits.empty());
  EXPECT_EQ(layout_.kjvHits.front().token, 14);  // "776", counted from the chapter start
  // Mode 1 at the book's start: the title, centred.
  settings_.header = 1;
  const std::string dump = Paint({1, 1, 1, 1}, 700, 200, &kjv);
  EXPECT_NE(dump.find("text 245,5 \"Genesis\""), std::string::npos) << dump;
}

TEST_F(PagePaintTest, ATinyWindowShowsTheHeaderOnly) {
  const std::string dump = Paint({1, 1, 1, 1}, 600, 40);
  EXPECT_EQ(layout_.lastPlaced, 0);
  EXPECT_EQ(dump, "font Arial 20 #000000\ntext 210,5 \"Genesis 1\"\n");
}

// Over a range of page heights and widths: a page never ends on a verse
// label, the next page starts with the first word left out, rows never
// overlap, and rows of three items or more (but the chapter's last) fill
// their width exactly.
TEST_F(PagePaintTest, LayoutRulesHoldForEveryPageSize) {
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

TEST_F(PagePaintTest, JustifiesRowsOfThreeItemsOrMore) {
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

TEST_F(PagePaintTest, UnderlinesFirstOccurrences) {
  TDSControl* h = set_.FOccDS.Open(true);
  for (uint8_t w : {1, 3}) {
    FoccRec r{};
    r.cite = {1, 1, 1, w};
    DSInsert(h, &r);
  }
  set_.FOccDS.Close();
  settings_.markFOcc = 1;
  set_.SetFOccView(FOccView::kNone, FOccView::kText, 1);
  const std::string dump = Paint({1, 1, 1, 1}, 600, 230);
  const WordBox& b = layout_.box[3];
  const int x0 = b.x + (b.width - b.hebrew.width) / 2;
  const int yb = b.y + layout_.numberLineHeight + b.hebrew.height - 3;
  EXPECT_NE(dump.find("pen #008000\nline "), std::string::npos) << dump;
  EXPECT_NE(dump.find("line " + std::to_string(x0) + "," + std::to_string(yb) + "-" +
                      std::to_string(x0 + b.hebrew.width) + "," + std::to_string(yb)),
            std::string::npos);
  size_t lines = 0;
  for (size_t at = dump.find("\nline "); at != std::string::npos;
       at = dump.find("\nline ", at + 1)) {
    ++lines;
  }
  EXPECT_EQ(lines, 2u);  // words 1 and 3 only
  set_.SetFOccView(FOccView::kText, FOccView::kCloseText, 1);
}

TEST_F(PagePaintTest, RowsOfOneOrTwoItemsStayAsPlaced) {
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

TEST_F(PagePaintTest, AMissingKingJamesFileLeavesTheColumnEmpty) {
  test::KjvFolder kjvFolder;
  kjvFolder.Remove(1);
  KjvIndex index(kjvFolder.ProgramDir(), kjvFolder.IndexFile());
  TKJV kjv(index);
  settings_.showKJV = true;
  const std::string dump = Paint({1, 1, 1, 1}, 700, 200, &kjv);
  EXPECT_GT(layout_.lastPlaced, 0);
  EXPECT_TRUE(layout_.kjvHits.empty());
  // The page as without a King James column, only narrower.
  EXPECT_EQ(dump, Paint({1, 1, 1, 1}, 700, 200, nullptr));
}

TEST_F(PagePaintTest, BackwardLayoutFindsThePreviousPage) {
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

TEST_F(PagePaintTest, HitTestsFindWordsLinesAndNumbers) {
  AddStrongs();
  settings_.showStrongs = true;
  settings_.thematic = 1;
  settings_.il.SetSelection(1, 1);
  Paint({1, 1, 1, 1}, 600, 230);
  const WordBox& b = layout_.box[3];  // "aleim", God, 430
  const int mid = b.x + b.width / 2;
  Hit h = HitWord(layout_, page_, settings_, mid, b.y + layout_.lines[0].offset + 1);
  EXPECT_TRUE(h.found);
  EXPECT_EQ(h.line, 0);
  EXPECT_EQ(h.text, "aleim");
  EXPECT_EQ(h.cite, (Citation{1, 1, 1, 3}));
  h = HitWord(layout_, page_, settings_, mid, b.y + layout_.lines[1].offset);
  EXPECT_EQ(h.line, 1);
  EXPECT_EQ(h.text, "aleim");
  h = HitWord(layout_, page_, settings_, mid + 2, b.y + 1);  // the Strong's half
  EXPECT_EQ(h.line, kHitNumberRow);
  EXPECT_EQ(h.text, "430");
  h = HitWord(layout_, page_, settings_, mid - 2, b.y + 1);  // the value's half
  EXPECT_EQ(h.line, kHitNothing);
  EXPECT_FALSE(HitWord(layout_, page_, settings_, b.x - 3, b.y + 20).found);  // the gap
  EXPECT_FALSE(HitWord(layout_, page_, settings_, mid, 2).found);             // the header
  // Every placed word is found at its box's middle, on every line.
  for (int k = layout_.firstPlaced; k <= layout_.lastPlaced; ++k) {
    const WordBox& w = layout_.box[static_cast<size_t>(k)];
    for (int line = 0; line <= 1; ++line) {
      h = HitWord(layout_, page_, settings_, w.x + w.slot / 2,
                  w.y + layout_.lines[static_cast<size_t>(line)].offset + 1);
      EXPECT_EQ(h.cite, Entry(k).cite) << k;
      EXPECT_EQ(h.line, line) << k;
    }
  }
  // A hidden number row gives nothing usable.
  settings_.showStrongs = false;
  EXPECT_EQ(HitWord(layout_, page_, settings_, mid + 2, b.y + 1).line, kHitNothing);
}

TEST_F(PagePaintTest, HitTestOnTheKingJamesNumbers) {
  test::KjvFolder kjvFolder;
  kjvFolder.Write(1, test::CrLf({"1:1 In the beginning 7225 God 430 created 1254"}));
  KjvIndex index(kjvFolder.ProgramDir(), kjvFolder.IndexFile());
  TKJV kjv(index);
  settings_.showKJV = true;
  settings_.showStrongs = true;
  Paint({1, 1, 1, 1}, 700, 200, &kjv);
  ASSERT_EQ(layout_.kjvHits.size(), 3u);
  for (const KjvHit& k : layout_.kjvHits) {
    Hit h = HitKJV(layout_, kjv, k.x + 1, k.y + 1);
    EXPECT_TRUE(h.found);
    EXPECT_EQ(h.line, kHitNumberRow);
    EXPECT_EQ(h.text, std::string(kjv.TokenText(k.token)));
  }
  EXPECT_EQ(HitKJV(layout_, kjv, layout_.kjvHits[1].x + 1, layout_.kjvHits[1].y + 1).text, "430");
  EXPECT_FALSE(HitKJV(layout_, kjv, 1, 1).found);
}

TEST(GlossReverse, MirrorsPartsAndBrackets) {
  EXPECT_EQ(ReverseHyphenatedGloss("the-(sons)-of"), "of-(sons)-the");
  EXPECT_EQ(ReverseHyphenatedGloss("(of-the"), "the-of)");
  EXPECT_EQ(ReverseHyphenatedGloss("in-the-beginning"), "beginning-the-in");
  EXPECT_EQ(ReverseHyphenatedGloss("word"), "word");
  EXPECT_EQ(ReverseHyphenatedGloss(""), "");
  EXPECT_EQ(ReverseHyphenatedGloss("a-"), "-a");
  EXPECT_EQ(ReverseWord("brawix"), "xiwarb");
}

}  // namespace
}  // namespace orv
