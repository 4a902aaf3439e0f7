// The database browser's walk over WORD: record steps and their ends, word
// steps, Find, Select, and the undefined-word search in its three scopes.
#include "edit/db_browser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cite/citation_text.h"
#include "page/view_state.h"
#include "search/word_stores_fixture.h"

namespace orv {
namespace {

using test::At;
using test::Occ;

// Words in word order: ab < bd < dg < ea. "bd" occurs three times, "dg"
// twice.
const std::vector<Occ> kText = {
    {"bd", At(1, 1, 1, 1)}, {"ab", At(1, 1, 1, 2)}, {"bd", At(1, 1, 2, 1)}, {"dg", At(1, 2, 1, 1)},
    {"bd", At(1, 2, 1, 2)}, {"ea", At(2, 1, 1, 1)}, {"dg", At(2, 2, 1, 1)},
};

class DbBrowserTest : public test::WordStoresFixture {
 protected:
  DbBrowserTest() {
    Make(kText);
    browser_.loadEditor = [this](const std::string& w, Citation c) {
      loads_.push_back(w + "@" + std::to_string(c.Value()));
    };
  }
  ~DbBrowserTest() override { set_.XlatDS.ForceClose(); }

  std::string Shown() const {
    const BrowserView& v = browser_.View();
    return v.word + "|" + v.book + "|" + v.chap + v.vers;
  }
  std::vector<std::string> Messages() {
    std::vector<std::string> m = ui_.messages;
    ui_.messages.clear();
    return m;
  }

  ViewState view_;
  BrowserState state_;
  DbBrowser browser_{set_, ui_, view_, state_};
  std::vector<std::string> loads_;
};

TEST_F(DbBrowserTest, WalksRecordsWordsAndStopsAtBothEnds) {
  view_.popupFromPage = true;
  view_.popupWord = "bd";
  ASSERT_TRUE(browser_.Open());
  EXPECT_EQ(Shown(), "bd|Genesis|1: 1");
  EXPECT_EQ(browser_.View().hebrew, "db");

  struct Step {
    const char* what;
    bool (DbBrowser::*step)();
    bool moved;
    const char* shown;
    const char* message;
  };
  const Step steps[] = {
      {"back to ab", &DbBrowser::Previous, true, "ab|Genesis|1: 1", nullptr},
      {"before the first", &DbBrowser::Previous, false, "ab|Genesis|1: 1", kAtBeginning},
      {"on to bd", &DbBrowser::Next, true, "bd|Genesis|1: 1", nullptr},
  };
  for (const Step& s : steps) {
    EXPECT_EQ((browser_.*s.step)(), s.moved) << s.what;
    EXPECT_EQ(Shown(), s.shown) << s.what;
    EXPECT_EQ(Messages(),
              s.message ? std::vector<std::string>{s.message} : std::vector<std::string>{})
        << s.what;
  }
  // Next Word from bd's first occurrence lands on the first of dg; Prev
  // Word from there on the last of bd.
  EXPECT_TRUE(browser_.NextWord("bd"));
  EXPECT_EQ(Shown(), "dg|Genesis|2: 1");
  EXPECT_TRUE(browser_.PrevWord("dg"));
  EXPECT_EQ(Shown(), "bd|Genesis|2: 1");
  EXPECT_TRUE(browser_.PrevWord("bd"));
  EXPECT_EQ(Shown(), "ab|Genesis|1: 1");
  EXPECT_FALSE(browser_.PrevWord("ab"));
  EXPECT_EQ(Messages(), std::vector<std::string>{kAtStart});
  EXPECT_EQ(Shown(), "ab|Genesis|1: 1");
  browser_.Find("ea");
  EXPECT_EQ(Shown(), "ea|Exodus|1: 1");
  EXPECT_FALSE(browser_.NextWord("ea"));
  EXPECT_FALSE(browser_.Next());
  EXPECT_EQ(Messages(), (std::vector<std::string>{kAtEnd, kAtEnd}));
}

TEST_F(DbBrowserTest, FindLandsOnTheNextWordAndSelectMovesThePage) {
  view_.popupFromPage = false;
  ASSERT_TRUE(browser_.Open());
  EXPECT_EQ(Shown(), "ab|Genesis|1: 1");  // the cursor before the first record
  browser_.Find("BA");                    // not a word: the next in word order
  EXPECT_EQ(Shown(), "bd|Genesis|1: 1");
  browser_.Find("xx");  // after every word: nothing to show
  EXPECT_EQ(browser_.View().word, "");
  EXPECT_EQ(browser_.View().hebrew, "");
  browser_.Find("dg");
  EXPECT_TRUE(browser_.SelectPrev());  // bd's last occurrence
  EXPECT_EQ(view_.currentCite, At(1, 2, 1, 1));
  EXPECT_EQ(view_.highlightCite, At(1, 2, 1, 2));
  EXPECT_TRUE(browser_.SelectNext());
  EXPECT_EQ(view_.clickedCite, At(1, 2, 1, 1));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(DbBrowserTest, OpenReportsAMissingStoreOrWord) {
  view_.popupFromPage = true;
  view_.popupWord = "zzz";
  EXPECT_TRUE(browser_.Open());
  EXPECT_EQ(Messages(), std::vector<std::string>{kEntryNotFound});
  DatastoreSet fresh(dir_.path() + "/none/", dir_.path() + "/none/");
  DbBrowser other(fresh, ui_, view_, state_);
  EXPECT_FALSE(other.Open());
  EXPECT_EQ(Messages(), std::vector<std::string>{kNoWordDatabase});
}

TEST_F(DbBrowserTest, UndefinedSearchKeepsToItsScope) {
  // ab and dg are defined; bd has a record with six empty definitions,
  // which counts as undefined; ea has none.
  test::AddXlat(set_, "ab", {"father"});
  test::AddXlat(set_, "dg", {"", "", "", "", "", "last-one"});
  test::AddXlat(set_, "bd", {});
  struct Case {
    UndefinedScope scope;
    Citation start;
    std::vector<std::string> finds;  // citations of the finds, in order
    const char* last;                // the message that ends the search
  };
  const Case cases[] = {
      // The chapter's second word onward: bd at 1:2.1, then the chapter ends
      // before 2:1.1.
      {UndefinedScope::kChapter, At(1, 1, 1, 2), {"Gen 1:2.1"}, kNoMoreUndefined},
      // From dg: the chapter holds only bd at 2:1.2; the book ends there.
      {UndefinedScope::kBook, At(1, 2, 1, 1), {"Gen 2:1.2"}, kNoMoreUndefined},
      {UndefinedScope::kBible, At(1, 2, 1, 1), {"Gen 2:1.2", "Ex  1:1.1"}, kNoMoreUndefined},
      // Every word of the chapter defined.
      {UndefinedScope::kChapter, At(2, 2, 1, 1), {}, kNoMoreUndefined},
  };
  ASSERT_TRUE(browser_.Open());
  for (const Case& c : cases) {
    browser_.SetSync(false);
    view_.clickedCite = c.start;
    browser_.SetSync(true);
    loads_.clear();
    std::vector<std::string> finds;
    while (browser_.FindUndefined(c.scope)) {
      finds.push_back(CitationText(view_.clickedCite));
      EXPECT_EQ(view_.highlightCite, view_.clickedCite);
    }
    EXPECT_EQ(finds, c.finds) << CitationText(c.start);
    EXPECT_EQ(Messages(), std::vector<std::string>{c.last});
    // The search stays at its end until Sync Edit starts it again.
    EXPECT_FALSE(browser_.FindUndefined(c.scope));
    EXPECT_EQ(Messages(), std::vector<std::string>{c.last});
    EXPECT_EQ(loads_.size(), finds.size());
  }
  // A find shows the word and its first occurrence, and loads the editor
  // with the occurrence found.
  browser_.SetSync(false);
  view_.clickedCite = At(1, 2, 1, 1);
  browser_.SetSync(true);
  loads_.clear();
  ASSERT_TRUE(browser_.FindUndefined(UndefinedScope::kChapter));
  EXPECT_EQ(browser_.View().word, "bd");
  EXPECT_EQ(loads_, std::vector<std::string>{"bd@" + std::to_string(At(1, 2, 1, 2).Value())});
}

TEST_F(DbBrowserTest, UndefinedSearchFromAChapterWithoutWordsFindsNone) {
  ASSERT_TRUE(browser_.Open());
  view_.clickedCite = At(3, 1, 1, 1);  // after every CITE record
  browser_.SetSync(true);
  EXPECT_FALSE(browser_.FindUndefined(UndefinedScope::kBible));
  EXPECT_EQ(Messages(), std::vector<std::string>{kNoUndefined});
}

}  // namespace
}  // namespace orv
