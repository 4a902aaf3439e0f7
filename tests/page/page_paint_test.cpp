// The interlinear page laid out and painted on the fake surface, compared
// with reviewed dumps.
#include "page/page_paint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

#include "kjv/kjv_index.h"
#include "kjv/kjv_test_util.h"
#include "kjv/kjv_text.h"
#include "page/page_fixture.h"
#include "support/golden.h"

namespace orv {
namespace {

using PagePaintTest = test::PageFixture;

std::string Golden(const std::string& name) {
  return (std::filesystem::path(ORV_TESTS_DIR) / "page" / "golden" / name).string();
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

TEST_F(PagePaintTest, TheKingJamesColumnStartsNoLineAtTheLowestLineStart) {
  test::KjvFolder kjvFolder;
  std::string verse = "1:1";
  for (int i = 0; i < 60; ++i) verse += " word";
  kjvFolder.Write(1, test::CrLf({verse.c_str()}));
  KjvIndex index(kjvFolder.ProgramDir(), kjvFolder.IndexFile());
  TKJV kjv(index);
  settings_.showKJV = true;
  // Every height of a few line heights' range: one of them puts a line
  // start exactly at the lowest line start (bottom - line height).
  const int lineHeight = 10 + test::FakeSurface::kExtraHeight;  // Arial 10
  for (int height = 100; height < 100 + 2 * lineHeight; ++height) {
    SCOPED_TRACE(height);
    std::istringstream dump(Paint({1, 1, 1, 1}, 700, height, &kjv));
    int lowestY = -1;
    for (std::string call; std::getline(dump, call);) {
      int x = 0, y = 0;
      if (std::sscanf(call.c_str(), "text %d,%d", &x, &y) == 2 && x >= layout_.geo.right) {
        lowestY = std::max(lowestY, y);
      }
    }
    ASSERT_GE(lowestY, 0) << "no King James text drawn";
    EXPECT_LT(lowestY, layout_.geo.bottom - lineHeight);
  }
}

TEST_F(PagePaintTest, ATinyWindowShowsTheHeaderOnly) {
  const std::string dump = Paint({1, 1, 1, 1}, 600, 40);
  EXPECT_EQ(layout_.lastPlaced, 0);
  EXPECT_EQ(dump, "font Arial 20 #000000\ntext 210,5 \"Genesis 1\"\n");
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

}  // namespace
}  // namespace orv
