// Printing the page and the chapter on a fake printer.
#include "page/page_print.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "page/page_fixture.h"

namespace orv {
namespace {

class PagePrintTest : public test::PageFixture {
 protected:
  int Print(Citation at, int width, int height, PrintScope scope) {
    Paint(at, 600, 400);  // the screen page
    screenLast_ = layout_.lastPlaced;
    printer_.SetClipRect({0, 0, width, height});
    return PrintPages(printer_, layout_, page_, env_, view_, nullptr, scope);
  }
  int Count(const std::string& what) const {
    return static_cast<int>(std::count_if(printer_.calls.begin(), printer_.calls.end(),
                                          [&](const std::string& c) { return c.find(what) == 0; }));
  }
  test::FakePrinterSurface printer_;
  int screenLast_ = 0;
};

TEST_F(PagePrintTest, PrintsTheWholeChapterFromVerseOne) {
  settings_.header = 1;
  const int pages = Print({1, 1, 3, 2}, 900, 300, PrintScope::kChapter);
  EXPECT_GT(pages, 1);
  EXPECT_EQ(Count("newpage"), pages - 1);
  EXPECT_EQ(Count("text 282,"), pages);  // the footer, centred, on every page
  EXPECT_NE(printer_.Dump().find("\"Genesis 1\""), std::string::npos);  // the heading
  EXPECT_NE(printer_.Dump().find("\"xiwarb\""), std::string::npos);     // verse 1's first word
  // Everything is back as it was for the screen.
  EXPECT_EQ(view_.currentCite, (Citation{1, 1, 3, 2}));
  EXPECT_EQ(settings_.header, 1);
  EXPECT_TRUE(view_.relayoutNeeded);
  EXPECT_FALSE(layout_.printing);
  EXPECT_EQ(layout_.spacing.footer, 0);
  EXPECT_EQ(layout_.geo.clip, (Rect{0, 0, 600, 400}));
}

TEST_F(PagePrintTest, PrintsOnePageFromThePagePosition) {
  EXPECT_EQ(Print({1, 1, 3, 2}, 900, 460, PrintScope::kPage), 1);
  EXPECT_EQ(Count("newpage"), 0);
  EXPECT_EQ(printer_.Dump().find("\"xiwarb\""), std::string::npos);  // starts at 3:2
}

TEST_F(PagePrintTest, AChapterThatFitsAndTheTextsLastChapterPrintOnePage) {
  EXPECT_EQ(Print({1, 2, 1, 1}, 2000, 2000, PrintScope::kChapter), 1);
  // A page too small for a single word ends the job instead of looping.
  EXPECT_EQ(Print({1, 1, 1, 1}, 2000, 100, PrintScope::kChapter), 1);
}

}  // namespace
}  // namespace orv
