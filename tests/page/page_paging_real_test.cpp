// Paging through the real Hebrew text as Page Down does, on pages large
// enough to hold more words than one buffer fill loads: every word of every
// chapter is shown exactly once, each verse label shares the row of its
// verse's first word, a position past a chapter's last word shows the page
// that ends the chapter, and printing a chapter prints each word once.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "config/settings.h"
#include "model/datastore_set.h"
#include "model/letter_values.h"
#include "model/records.h"
#include "page/line_assign.h"
#include "page/page_layout.h"
#include "page/page_paint.h"
#include "page/page_print.h"
#include "page/page_stores.h"
#include "page/page_words.h"
#include "page/view_state.h"
#include "support/fake_surface.h"
#include "support/real_hebrew.h"
#include "support/scripted_ui.h"

namespace orv {
namespace {

using Chapter = std::pair<int, int>;  // book, chapter

class PagingRealData : public ::testing::Test {
 protected:
  void SetUp() override {
    const test::RealHebrew& data = test::RealHebrew::Get();
    if (!data.ok) GTEST_SKIP() << data.why;
    BuildLetterValueTables();
    set_ = std::make_unique<DatastoreSet>(data.hebrewDir, data.xlatDir);
    env_ = std::make_unique<PageEnv>(PageEnv{settings_, *set_, ui_});
    settings_.showStrongs = true;
    settings_.displayFont = {8, "Orvane Hebrew"};
    AssignSources(page_, *env_, data.programDir, view_.reloadWords);
    layout_.fonts = MakePageFonts(settings_);
  }
  void TearDown() override {
    if (env_) FinishPage(page_, *env_);
  }

  // Every word's citation, chapter by chapter, read from CITE (one record
  // per word in text order), not from the page's own reading.
  std::map<Chapter, std::vector<Citation>> WordsByChapter() {
    std::map<Chapter, std::vector<Citation>> out;
    TDSControl* h = set_->CiteDS.Open(false);
    EXPECT_TRUE(DSIsOpen(h));
    CiteRec r;
    for (int32_t n = 1; DSIsOpen(h) && DSReadAt(h, n, &r) == kDSOk; ++n) {
      out[{r.cite.book, r.cite.chapter}].push_back(r.cite);
    }
    set_->CiteDS.Close();
    return out;
  }

  // Paints the page at `at` on `surface` and returns the placed words.
  std::vector<Citation> PaintAt(test::FakeSurface& surface, Citation at) {
    view_.currentCite = at;
    view_.relayoutNeeded = true;
    layout_.geometryChanged = true;
    surface.Clear();
    PaintScreen(surface, layout_, page_, *env_, view_, nullptr);
    std::vector<Citation> placed;
    for (int k = layout_.firstPlaced; k >= 1 && k <= layout_.lastPlaced; ++k) {
      placed.push_back(page_.buffer.entry[static_cast<size_t>(k)].cite);
    }
    return placed;
  }

  test::ScriptedUI ui_;
  Settings settings_;
  std::unique_ptr<DatastoreSet> set_;
  std::unique_ptr<PageEnv> env_;
  Page page_;
  PageLayout layout_;
  ViewState view_;
};

TEST_F(PagingRealData, PageDownShowsEveryWordOfEveryChapterOnceOnALargePage) {
  const auto chapters = WordsByChapter();
  ASSERT_EQ(chapters.size(), 929u);
  test::FakeSurface surface({0, 0, 2560, 1440});
  int pagesOverOneFill = 0;
  for (const auto& [chapter, words] : chapters) {
    SCOPED_TRACE(std::to_string(chapter.first) + " " + std::to_string(chapter.second));
    std::vector<Citation> shown;
    Citation at{static_cast<uint8_t>(chapter.first), static_cast<uint8_t>(chapter.second), 1, 1};
    for (int pages = 0; pages < 50; ++pages) {
      const std::vector<Citation> placed = PaintAt(surface, at);
      ASSERT_FALSE(placed.empty());
      if (placed.size() > static_cast<size_t>(kPageWanted)) ++pagesOverOneFill;
      shown.insert(shown.end(), placed.begin(), placed.end());
      for (const VerseLabel& v : layout_.labels) {
        ASSERT_EQ(v.row, layout_.box[static_cast<size_t>(v.word)].row)
            << "the label of verse " << v.text << " ends a row alone";
      }
      // Page Down goes to the next page's first word while the chapter goes
      // on, else to the next chapter.
      const Citation next = view_.nextPageCite;
      if (next.IsNull() || next.book != at.book || next.chapter != at.chapter) break;
      at = next;
    }
    ASSERT_EQ(shown, words);
  }
  EXPECT_GT(pagesOverOneFill, 0) << "no page held more words than one fill loads";
}

TEST_F(PagingRealData, APositionPastItsChapterShowsThePageThatEndsTheChapter) {
  auto chapters = WordsByChapter();
  test::FakeSurface surface({0, 0, 900, 600});
  // Genesis 1:31 has 15 words; Malachi 3:24 is the text's last verse.
  for (Citation at : {Citation{1, 1, 31, 16}, Citation{39, 3, 24, 99}}) {
    SCOPED_TRACE(std::to_string(at.book));
    const std::vector<Citation> placed = PaintAt(surface, at);
    ASSERT_FALSE(placed.empty());
    EXPECT_EQ(placed.back(), (chapters[{at.book, at.chapter}].back()));
    EXPECT_GT(placed.front().verse, 1) << "the chapter's start was shown";
    EXPECT_EQ(view_.currentCite, placed.front());
    EXPECT_TRUE(view_.nextPageCite.IsNull());
  }
}

TEST_F(PagingRealData, PrintingALongChapterOnLargePagesPrintsEachWordOnce) {
  test::FakePrinterSurface printer({0, 0, 2560, 1440});
  const Citation numbers7{4, 7, 1, 1};
  test::FakeSurface screen({0, 0, 1000, 800});
  PaintAt(screen, numbers7);
  const int pages =
      PrintPages(printer, layout_, page_, *env_, view_, nullptr, PrintScope::kChapter);
  EXPECT_GE(pages, 1);
  // The Hebrew words are the texts drawn in the Hebrew font.
  int hebrew = 0;
  bool inHebrew = false;
  for (const std::string& call : printer.calls) {
    if (call.rfind("font ", 0) == 0) inHebrew = call.rfind("font Orvane Hebrew", 0) == 0;
    if (inHebrew && call.rfind("text ", 0) == 0) ++hebrew;
  }
  EXPECT_EQ(hebrew, static_cast<int>((WordsByChapter()[{4, 7}].size())));
}

}  // namespace
}  // namespace orv
