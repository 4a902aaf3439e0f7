// The main window's keys, clicks and Strong's number box on a Session over
// small files, without the window.
#include "session/main_input.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "kjv/kjv_line.h"
#include "model/books.h"
#include "page/page_rows.h"
#include "session/navigation.h"
#include "session/session_fixture.h"
#include "support/store_records.h"

namespace orv {
namespace {

constexpr KeyModifiers kPlain{};
constexpr KeyModifiers kShift{true, false, false, false};
constexpr KeyModifiers kCtrl{false, true, false, false};
constexpr KeyModifiers kAlt{false, false, true, false};
constexpr KeyModifiers kCtrlShift{true, true, false, false};
constexpr KeyModifiers kButton{false, false, false, true};

constexpr Citation kBehind{1, 1, 2, 1};  // the history entry before the position
constexpr Citation kAhead{3, 1, 3, 1};   // and the one after it
constexpr Citation kNextPage{1, 1, 4, 3};

class MainInputTest : public test::SessionFixture {
 protected:
  // The first paint's aftermath builds BOOK, from which the steps count
  // chapters and verses: Genesis has 2 chapters (5 verses, then 1), Exodus 3.
  void SetUp() override {
    Open();
    session_->AfterFirstPaint();
  }
  Session& S() { return *session_; }
};

// The position `from`, between two history entries, with a layout that
// ends the page before kNextPage and no layout or reload pending.
void PlaceAt(ViewState& v, Citation from, WordReload reload) {
  v = ViewState{};
  PushHistory(v, kBehind, kNullCite);
  PushHistory(v, from, kNullCite);
  PushHistory(v, kAhead, kNullCite);
  GoBackward(v);
  v.currentCite = from;
  v.nextPageCite = kNextPage;
  v.relayoutNeeded = false;
  v.reloadWords = reload;
}

TEST_F(MainInputTest, KeysMoveByTheirRuleAndOnlyAChangeAsksForANewLayout) {
  struct Row {
    const char* what;
    NavKey key;
    KeyModifiers mods;
    char press;  // NavKeyPress instead of NavKeyDown when not 0
    Citation from;
    Citation to;  // == from: nothing changes
    bool changed;
  };
  const Row rows[] = {
      {"PageDown follows the layout", NavKey::kPageDown, kPlain, 0, {1, 1, 1, 1}, kNextPage, true},
      {"Ctrl+PageDown", NavKey::kPageDown, kCtrl, 0, {1, 1, 3, 2}, {1, 2, 1, 1}, true},
      {"Ctrl+PageDown to Exodus", NavKey::kPageDown, kCtrl, 0, {1, 2, 1, 1}, {2, 1, 1, 1}, true},
      {"Ctrl+Shift+PageDown", NavKey::kPageDown, kCtrlShift, 0, {1, 1, 1, 1}, {1, 2, 1, 1}, true},
      {"Alt+PageDown", NavKey::kPageDown, kAlt, 0, {1, 1, 3, 2}, {2, 1, 1, 1}, true},
      {"Shift+PageDown", NavKey::kPageDown, kShift, 0, {1, 1, 1, 1}, {1, 1, 1, 1}, false},
      {"PageDown, button held", NavKey::kPageDown, kButton, 0, {1, 1, 1, 1}, {1, 1, 1, 1}, false},
      {"PageUp ends before the word", NavKey::kPageUp, kPlain, 0, {1, 1, 3, 4}, {1, 1, 3, 1}, true},
      {"PageUp at the start", NavKey::kPageUp, kPlain, 0, {1, 1, 1, 1}, {1, 1, 1, 1}, false},
      {"Ctrl+PageUp", NavKey::kPageUp, kCtrl, 0, {2, 1, 1, 1}, {1, 2, 1, 1}, true},
      {"Alt+PageUp", NavKey::kPageUp, kAlt, 0, {2, 3, 2, 1}, {2, 1, 1, 1}, true},
      {"Shift+PageUp", NavKey::kPageUp, kShift, 0, {2, 3, 2, 1}, {2, 3, 2, 1}, false},
      {"Home", NavKey::kHome, kPlain, 0, {2, 3, 2, 4}, {2, 3, 1, 1}, true},
      {"Home at the chapter's start", NavKey::kHome, kPlain, 0, {2, 3, 1, 1}, {2, 3, 1, 1}, false},
      {"Ctrl+Home", NavKey::kHome, kCtrl, 0, {2, 3, 2, 4}, {2, 1, 1, 1}, true},
      {"Alt+Home", NavKey::kHome, kAlt, 0, {2, 3, 2, 4}, {2, 3, 2, 4}, false},
      {"Ctrl+Down", NavKey::kDown, kCtrl, 0, {1, 1, 5, 1}, {1, 2, 1, 1}, true},
      {"Down", NavKey::kDown, kPlain, 0, {1, 1, 5, 1}, {1, 1, 5, 1}, false},
      {"Ctrl+Up", NavKey::kUp, kCtrl, 0, {2, 1, 1, 1}, {1, 2, 1, 1}, true},
      {"Alt+Up", NavKey::kUp, kAlt, 0, {2, 1, 1, 1}, {2, 1, 1, 1}, false},
      {"Left", NavKey::kLeft, kPlain, 0, {2, 2, 2, 1}, kBehind, true},
      {"Right", NavKey::kRight, kPlain, 0, {2, 2, 2, 1}, kAhead, true},
      {"F12 reads the words again", NavKey::kF12, kPlain, 0, {2, 2, 2, 1}, {2, 2, 2, 1}, true},
      {"another key", NavKey::kOther, kCtrl, 0, {2, 2, 2, 1}, {2, 2, 2, 1}, false},
      {"r lays out again", NavKey::kOther, kPlain, 'r', {2, 2, 2, 1}, {2, 2, 2, 1}, true},
      {"b", NavKey::kOther, kPlain, 'b', {2, 1, 1, 1}, {1, 2, 1, 1}, true},
      {"f", NavKey::kOther, kPlain, 'f', {1, 2, 1, 1}, {2, 1, 1, 1}, true},
      {"B is not b", NavKey::kOther, kPlain, 'B', {2, 1, 1, 1}, {2, 1, 1, 1}, false},
  };
  std::vector<Citation> asked;
  const BackwardFn backward = [&](Citation end) {
    asked.push_back(end);
    return Citation{end.book, end.chapter, end.verse, 1};
  };
  for (const Row& r : rows) {
    for (WordReload before : {WordReload::kValid, WordReload::kAfterEdit}) {
      SCOPED_TRACE(std::string(r.what) + (before == WordReload::kValid ? "" : ", after an edit"));
      PlaceAt(S().view, r.from, before);
      asked.clear();
      const bool changed =
          r.press ? NavKeyPress(S(), r.press) : NavKeyDown(S(), r.key, r.mods, backward);
      EXPECT_EQ(changed, r.changed);
      EXPECT_EQ(S().view.currentCite, r.to);
      EXPECT_EQ(S().view.relayoutNeeded, r.changed);
      WordReload after = before;
      if (r.key == NavKey::kF12 || (r.changed && before == WordReload::kAfterEdit)) {
        after = WordReload::kReadAgain;
      }
      EXPECT_EQ(S().view.reloadWords, after);
      // Page Up asks the backward layout for the page that ends one word back.
      if (r.key == NavKey::kPageUp && r.mods.Plain() && r.changed) {
        EXPECT_EQ(asked, std::vector<Citation>{(Citation{1, 1, 3, 3})});
      } else {
        EXPECT_TRUE(asked.empty());
      }
    }
  }
}

TEST_F(MainInputTest, PageDownThenPageUpComesBackToTheSamePage) {
  Paint(400, 140);
  const Citation next = S().view.nextPageCite;
  ASSERT_FALSE(next.IsNull());
  const BackwardFn backward = [this](Citation end) {
    return BackwardLayout(surface_, S().layout, S().page, *S().env, S().view, end);
  };
  EXPECT_TRUE(NavKeyDown(S(), NavKey::kPageDown, kPlain, backward));
  EXPECT_EQ(S().view.currentCite, next);
  Paint(400, 140);
  EXPECT_TRUE(NavKeyDown(S(), NavKey::kPageUp, kPlain, backward));
  EXPECT_EQ(S().view.currentCite, (Citation{1, 1, 1, 1}));
}

// The page at Genesis 1:1 with Strong's numbers (words 1 to 3 have one,
// word 4 has none), letter values and an interlinear text on line 1.
class ClickTest : public MainInputTest {
 protected:
  void SetUp() override {
    MainInputTest::SetUp();
    const uint16_t numbers[] = {7225, 1254, 430};
    for (uint8_t w = 1; w <= 3; ++w) test::AddCite(*S().stores, {1, 1, 1, w}, numbers[w - 1]);
    std::filesystem::create_directories(dir_.File("ILT"));
    test::WriteText(dir_.File("ILT/GEN.ILT"),
                    "*L-R\n*1\n1 in-beginning created God ... the-heavens and the-earth\n");
    S().settings.showStrongs = true;
    S().settings.thematic = 1;
    S().settings.il.AddInterlinearText("English", "English", dir_.path() + "/ILT/");
    S().settings.il.SetSelection(1, 1);
    S().ReassignSources();
    S().Relayout(true);
    Paint();
    ASSERT_GE(S().layout.lastPlaced, 4);
  }

  enum class Spot { kWord, kGloss, kNumber, kValue, kBackground };
  // A point on entry k's box.
  std::pair<int, int> At(Spot spot, int k) const {
    const PageLayout& l = session_->layout;
    const WordBox& b = l.box[static_cast<size_t>(k)];
    switch (spot) {
      case Spot::kWord:
        return {b.x + b.slot / 2, b.y + l.lines[0].offset + 1};
      case Spot::kGloss:
        return {b.x + b.slot / 2, b.y + l.lines[1].offset + 1};
      case Spot::kNumber:
        return {b.x + b.width / 2 + 2, b.y + 1};  // the Strong's half
      case Spot::kValue:
        return {b.x + 1, b.y + 1};
      case Spot::kBackground:
        break;
    }
    return {b.x + b.slot / 2, 2};  // the header
  }
  Citation Cite(int k) const { return session_->page.buffer.entry[static_cast<size_t>(k)].cite; }
};

constexpr Citation kUntouched{39, 1, 1, 1};

TEST_F(ClickTest, ClicksActOnWhatTheyHit) {
  struct Expect {
    ClickAction action;
    const char* text;
  };
  struct Row {
    Spot spot;
    int entry;
    Expect left, twice, right;
  };
  constexpr ClickAction kNone = ClickAction::kNone;
  constexpr ClickAction kLoad = ClickAction::kLoadStrongs;
  constexpr ClickAction kEdit = ClickAction::kEditWord;
  constexpr ClickAction kWordMenu = ClickAction::kWordMenu;
  constexpr ClickAction kNumberMenu = ClickAction::kNumberMenu;
  constexpr ClickAction kPageMenu = ClickAction::kBackgroundMenu;
  const Row rows[] = {
      {Spot::kNumber, 3, {kLoad, "430"}, {kLoad, "430"}, {kNumberMenu, "430"}},
      {Spot::kNumber, 4, {kNone, ""}, {kNone, ""}, {kNumberMenu, "0"}},
      {Spot::kWord, 3, {kNone, ""}, {kEdit, "aleim"}, {kWordMenu, "aleim"}},
      {Spot::kGloss, 2, {kNone, ""}, {kNone, ""}, {kWordMenu, "bra"}},
      {Spot::kValue, 3, {kNone, ""}, {kNone, ""}, {kNone, ""}},
      {Spot::kBackground, 3, {kNone, ""}, {kNone, ""}, {kPageMenu, ""}},
  };
  int asked = 0;
  const auto ensure = [&] {
    ++asked;
    return true;
  };
  for (const Row& r : rows) {
    const auto [x, y] = At(r.spot, r.entry);
    for (int click = 0; click < 3; ++click) {
      SCOPED_TRACE("spot " + std::to_string(static_cast<int>(r.spot)) + " of word " +
                   std::to_string(r.entry) + ", click " + std::to_string(click));
      S().view.clickedCite = kUntouched;
      asked = 0;
      const ClickResult got = click == 0   ? LeftClick(S(), x, y)
                              : click == 1 ? LeftDoubleClick(S(), x, y)
                                           : RightClick(S(), x, y, ensure);
      const Expect& want = click == 0 ? r.left : click == 1 ? r.twice : r.right;
      EXPECT_EQ(got.action, want.action);
      EXPECT_EQ(got.text, want.text);
      // Any hit on a word makes it the clicked word.
      EXPECT_EQ(S().view.clickedCite, r.spot == Spot::kBackground ? kUntouched : Cite(r.entry));
      if (want.action == kEdit || want.action == kWordMenu) {
        EXPECT_EQ(got.cite, Cite(r.entry));
      }
      EXPECT_EQ(asked, want.action == kWordMenu ? 1 : 0);
    }
  }
}

TEST_F(ClickTest, RightClickOnAWordSetsThePopupWordAndItsMenuEntries) {
  const auto [x, y] = At(Spot::kWord, 3);
  ClickResult r = RightClick(S(), x, y, [] { return true; });
  EXPECT_EQ(r.action, ClickAction::kWordMenu);
  EXPECT_TRUE(r.iltEntryEnabled);
  EXPECT_TRUE(r.strongsEntryEnabled);
  EXPECT_TRUE(S().view.popupFromPage);
  EXPECT_EQ(S().view.popupWord, "aleim");
  EXPECT_EQ(S().view.shownWord, "aleim");
  // The datastores refused: no menu, but the word is taken.
  S().view.popupWord.clear();
  r = RightClick(S(), x, y, [] { return false; });
  EXPECT_EQ(r.action, ClickAction::kNone);
  EXPECT_EQ(S().view.popupWord, "aleim");
  EXPECT_EQ(RightClick(S(), x, y, nullptr).action, ClickAction::kNone);
  // A number's menu names the number, not the word.
  const auto [nx, ny] = At(Spot::kNumber, 1);
  r = RightClick(S(), nx, ny, [] { return true; });
  EXPECT_EQ(S().view.popupWord, "7225");
  EXPECT_EQ(r.cite, Cite(1));
  // Without an interlinear text or Strong's numbers their entries are off.
  S().settings.il.SetSelection(1, 0);
  S().settings.showStrongs = false;
  S().ReassignSources();
  Paint();
  const auto [px, py] = At(Spot::kWord, 3);
  r = RightClick(S(), px, py, [] { return true; });
  EXPECT_EQ(r.action, ClickAction::kWordMenu);
  EXPECT_FALSE(r.iltEntryEnabled);
  EXPECT_FALSE(r.strongsEntryEnabled);
}

TEST_F(ClickTest, WordsShownInTheSourceSpellingAreKeyedInStorageLetters) {
  S().settings.displayFont.name = "OLBHEB";
  S().Relayout(true);
  Paint();
  const auto [x, y] = At(Spot::kWord, 3);
  const ClickResult edit = LeftDoubleClick(S(), x, y);
  EXPECT_EQ(edit.action, ClickAction::kEditWord);
  EXPECT_EQ(edit.text, "aleim");
  RightClick(S(), x, y, [] { return true; });
  EXPECT_EQ(S().view.popupWord, "aleim");
  EXPECT_EQ(S().view.shownWord, "alhyM");
}

TEST_F(ClickTest, KingJamesNumbersAnswerLeftClicksWhileTheColumnShows) {
  std::filesystem::create_directories(dir_.File("prog/KJV"));
  for (int book = 1; book <= kBookCount; ++book) {
    test::WriteText(KjvBookPath(dir_.File("prog"), book),
                    book == 1 ? "1:1 In the beginning 7225 God 430 created 1254\r\n" : "");
  }
  S().SetShowKJV(true);
  Paint();
  ASSERT_EQ(S().layout.kjvHits.size(), 3u);
  const KjvHit& god = S().layout.kjvHits[1];
  const int x = god.x + 1;
  const int y = god.y + 1;
  S().view.clickedCite = kUntouched;
  ClickResult r = LeftClick(S(), x, y);
  EXPECT_EQ(r.action, ClickAction::kLoadStrongs);
  EXPECT_EQ(r.text, "430");
  EXPECT_EQ(LeftDoubleClick(S(), x, y).text, "430");
  EXPECT_EQ(S().view.clickedCite, kUntouched);  // a King James number has no citation
  EXPECT_EQ(RightClick(S(), x, y, [] { return true; }).action, ClickAction::kBackgroundMenu);
  S().SetShowKJV(false);
  EXPECT_EQ(LeftClick(S(), x, y).action, ClickAction::kNone);
}

TEST(CheckStrongsNumber, TakesWholeNumbersFromOneTo8674) {
  struct Row {
    const char* text;
    const char* message;
    int number;  // when accepted
  };
  const Row rows[] = {
      {"1", "", 1},
      {"8674", "", 8674},
      {" 42 ", "", 42},
      {"007", "", 7},
      {"0", kStrongsOutOfRange, 0},
      {"8675", kStrongsOutOfRange, 0},
      {"-3", kStrongsOutOfRange, 0},
      {"99999999999999999999999", kStrongsOutOfRange, 0},
      {"12abc", kNotANumber, 0},
      {"abc", kNotANumber, 0},
      {"12 34", kNotANumber, 0},
      {"4.5", kNotANumber, 0},
      {"", kNotANumber, 0},
      {"   ", kNotANumber, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string("\"") + r.text + "\"");
    int number = -1;
    EXPECT_EQ(CheckStrongsNumber(r.text, number), r.message);
    EXPECT_EQ(number, *r.message ? -1 : r.number);
  }
}

}  // namespace
}  // namespace orv
