// The Strong's number and ILT editors over a painted page: finding the
// clicked word, Next on the page's last word, Prev on its first word (the
// page moves back a page), Strong's numbers checked and written through to
// CITE, and glosses stored by the interlinear text's rules.
#include "edit/page_word_editor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "edit/ilt_editor.h"
#include "edit/strongs_editor.h"
#include "page/ilt_writeback.h"
#include "page/page_fixture.h"
#include "page/page_rows.h"
#include "session/navigation.h"
#include "support/fault_fs.h"

namespace orv {
namespace {

constexpr int kWidth = 333;
constexpr int kHeight = 120;  // Genesis 1 takes several pages of this size

class PageEditorTest : public test::PageFixture {
 protected:
  PageEditorTest() {
    set_.CiteDS.SetFileSystem(&fs_);
    settings_.showStrongs = true;
    settings_.il.SetSelection(1, 1);
    AddStrongs();
    Paint({1, 1, 1, 1}, kWidth, kHeight);
  }
  ~PageEditorTest() override {
    set_.CiteDS.ForceClose();
    set_.CiteDS.SetFileSystem(nullptr);
  }

  // Prev Page as the main window takes it, then the page laid out again.
  bool StepBack() {
    const Citation before = view_.currentCite;
    PrevPage(view_, set_, [this](Citation end) {
      return BackwardLayout(surface_, layout_, page_, env_, view_, end);
    });
    view_.relayoutNeeded = true;
    PaintScreen(surface_, layout_, page_, env_, view_, nullptr);
    return view_.currentCite != before;
  }
  // The page after the first, painted.
  void SecondPage() {
    ASSERT_FALSE(view_.nextPageCite.IsNull());
    view_.currentCite = view_.nextPageCite;
    view_.relayoutNeeded = true;
    PaintScreen(surface_, layout_, page_, env_, view_, nullptr);
  }
  uint16_t StoredStrongs(Citation c) {
    for (const CiteRec& r : test::All<CiteRec>(set_.CiteDS)) {
      if (r.cite == c) return r.strongs;
    }
    return 0;
  }
  StrongsEditor MakeStrongs() {
    return StrongsEditor(page_, layout_, view_, memory_, set_, ui_, [this] { return StepBack(); });
  }

  test::BrokenFS fs_;
  PageEditorMemory memory_;
};

TEST_F(PageEditorTest, FindsTheEntryOfACitationOrTheOneAfterIt) {
  const PageBuffer& b = page_.buffer;
  ASSERT_GE(b.count, 8);
  EXPECT_EQ(FindEntryIndex(b, {1, 1, 1, 1}), 1);
  EXPECT_EQ(FindEntryIndex(b, {1, 1, 2, 1}), 8);
  EXPECT_EQ(FindEntryIndex(b, {1, 1, 1, 9}), 8);  // between verses
  EXPECT_EQ(FindEntryIndex(b, {1, 2, 1, 1}), b.count + 1);
  EXPECT_EQ(FindEntryIndex(b, {1, 1, 0, 0}), 1);
}

TEST_F(PageEditorTest, StrongsEditorChecksEachNumberAndWritesItThrough) {
  Paint({1, 1, 1, 1}, 2000, 2000);  // the whole chapter on one page
  view_.clickedCite = {1, 1, 1, 2};
  StrongsEditor ed(page_, layout_, view_, memory_, set_, ui_, [this] { return StepBack(); });
  ASSERT_TRUE(ed.Activate());
  PageWordView v = ed.View();
  EXPECT_EQ(v.cite, "Gen 1:1.2");
  EXPECT_EQ(v.hebrew, "arb");
  EXPECT_EQ(v.value, "1254");
  EXPECT_TRUE(v.prevEnabled);
  // Bad input is told, changes nothing, and the step goes on.
  struct Bad {
    const char* typed;
    std::vector<std::string> messages;
  };
  const Bad bad[] = {{"abc", {kInvalidStrongsEntry}},
                     {"70000", {kStrongsNumberOutOfRange}},
                     {"  ", {}},
                     {"1254", {}}};
  for (const Bad& b : bad) {
    ui_.messages.clear();
    view_.reloadWords = WordReload::kValid;
    const StepOutcome out = ed.Prev(b.typed);
    EXPECT_FALSE(out.changed) << b.typed;
    EXPECT_EQ(ui_.messages, b.messages) << b.typed;
    EXPECT_EQ(StoredStrongs({1, 1, 1, 2}), 1254) << b.typed;
    EXPECT_EQ(Entry(2).strongs, 1254) << b.typed;
    EXPECT_EQ(ed.Index(), 1) << b.typed;
    EXPECT_EQ(view_.reloadWords, WordReload::kValid);
    ed.Next("");
  }
  // A typed "H1255" is stored in CITE and the entry; the page is read again.
  EXPECT_TRUE(ed.Next("H1255").changed);
  EXPECT_EQ(StoredStrongs({1, 1, 1, 2}), 1255);
  EXPECT_EQ(Entry(2).strongs, 1255);
  EXPECT_EQ(view_.reloadWords, WordReload::kAfterEdit);
  EXPECT_EQ(ed.Current(), (Citation{1, 1, 1, 3}));
  EXPECT_EQ(ed.View().value, "430");
  EXPECT_FALSE(ed.Done(""));  // "" leaves 430
  EXPECT_EQ(StoredStrongs({1, 1, 1, 3}), 430);
}

TEST_F(PageEditorTest, StrongsNumberThatCannotBeWrittenChangesNothing) {
  view_.clickedCite = {1, 1, 1, 3};
  {
    StrongsEditor ed = MakeStrongs();
    ASSERT_TRUE(ed.Activate());
    fs_.failWrites = true;
    const StepOutcome out = ed.Next("431");
    EXPECT_FALSE(out.changed);
    EXPECT_EQ(ui_.messages, std::vector<std::string>{kStrongsWriteFailed});
    EXPECT_EQ(Entry(3).strongs, 430);
    EXPECT_EQ(view_.reloadWords, WordReload::kValid);
    fs_.failWrites = false;
  }
  FinishPage(page_, env_);
  set_.CiteDS.ForceClose();
  EXPECT_EQ(StoredStrongs({1, 1, 1, 3}), 430);  // read back from the file
}

TEST_F(PageEditorTest, NextOnThePagesLastWordClosesTheEditor) {
  const int last = layout_.lastPlaced;
  ASSERT_GT(last, 1);
  ASSERT_LT(last, page_.buffer.count);
  view_.clickedCite = Entry(last - 1).cite;
  StrongsEditor ed = MakeStrongs();
  ASSERT_TRUE(ed.Activate());
  EXPECT_TRUE(ed.View().nextEnabled);
  EXPECT_FALSE(ed.Next("").close);
  EXPECT_FALSE(ed.View().nextEnabled);
  EXPECT_TRUE(ed.Next("").close);
  EXPECT_EQ(ed.Index(), last);
}

TEST_F(PageEditorTest, PrevOnThePagesFirstWordLandsOnTheWordBeforeIt) {
  SecondPage();
  const int first = layout_.firstPlaced;
  ASSERT_GT(first, 1);
  const Citation before = Entry(first - 1).cite;
  view_.clickedCite = Entry(first).cite;
  StrongsEditor ed = MakeStrongs();
  ASSERT_TRUE(ed.Activate());
  const StepOutcome out = ed.Prev("");
  EXPECT_TRUE(out.changed);  // the page moved
  EXPECT_EQ(view_.currentCite, (Citation{1, 1, 1, 1}));
  EXPECT_EQ(ed.Current(), before);
  EXPECT_EQ(ed.Index(), first - 1);
  EXPECT_EQ(layout_.lastPlaced, first - 1);
  // On the text's first page there is no page before.
  view_.clickedCite = {1, 1, 1, 1};
  StrongsEditor atStart = MakeStrongs();
  ASSERT_TRUE(atStart.Activate());
  EXPECT_FALSE(atStart.View().prevEnabled);
  EXPECT_FALSE(atStart.Prev("").changed);
  EXPECT_EQ(atStart.Index(), 1);
}

TEST(IltStoredText, FollowsTheHyphenRule) {
  const std::pair<const char*, const char*> cases[] = {
      {"two  words", "two-words"},
      {"a - b  ", "a-b"},
      {"...", ""},
      {"joins--", "joins--"},
      {"joins---", "joins--"},
      {"--a", "-a"},
      {"--", "--"},
      {"in the  end", "in-the-end"},
      {"....", "...."},
  };
  for (const auto& [typed, stored] : cases) EXPECT_EQ(IltStoredText(typed), stored) << typed;
}

TEST_F(PageEditorTest, IltEditorMarksEditsAndWritesThemWhenDone) {
  Paint({1, 1, 1, 1}, 2000, 2000);
  view_.clickedCite = {1, 1, 1, 3};
  IltEditor ed(page_, env_, layout_, view_, memory_, [this] { return StepBack(); });
  ASSERT_TRUE(ed.Activate());
  EXPECT_EQ(ed.View().value, "God");
  EXPECT_TRUE(ed.Next("God  himself").changed);
  EXPECT_TRUE(Entry(3).changed);
  EXPECT_EQ(Entry(3).text[1], "God-himself");
  EXPECT_EQ(ed.View().value, "");  // "..." shows empty
  EXPECT_FALSE(ed.Next("...").changed);
  EXPECT_TRUE(ed.Done("the  skies "));
  EXPECT_FALSE(page_.lines.iltChanged);
  EXPECT_EQ(test::ReadText(Ilt()),
            "*L-R\r\n*1\r\n1  in-beginning created God-himself ... the-skies and the-earth\r\n"
            "2 and-the-earth was formless and-void and-darkness on-face-of the-deep\r\n");
}

TEST_F(PageEditorTest, IltEditThatCannotBeWrittenStaysPending) {
  view_.clickedCite = {1, 1, 1, 1};
  const std::string before = test::ReadText(Ilt());
  std::filesystem::remove_all(dir_.File("ILT"));
  IltEditor ed(page_, env_, layout_, view_, memory_, [this] { return StepBack(); });
  ASSERT_TRUE(ed.Activate());
  EXPECT_TRUE(ed.Done("at first"));
  EXPECT_EQ(ui_.messages, std::vector<std::string>{kIltWriteError});
  EXPECT_TRUE(page_.lines.iltChanged);
  EXPECT_TRUE(Entry(1).changed);
  EXPECT_EQ(Entry(1).text[1], "at-first");
  // Kept, and written by the next Done once the folder is back.
  std::filesystem::create_directories(dir_.File("ILT"));
  test::WriteText(Ilt(), before);
  EXPECT_FALSE(ed.Done("at first"));
  EXPECT_FALSE(page_.lines.iltChanged);
  EXPECT_NE(test::ReadText(Ilt()).find("1  at-first created"), std::string::npos);
}

TEST_F(PageEditorTest, IltEditorNeedsAnInterlinearTextLine) {
  settings_.il.SetSelection(1, 0);
  Paint({1, 1, 1, 1}, kWidth, kHeight);
  view_.clickedCite = {1, 1, 1, 1};
  IltEditor ed(page_, env_, layout_, view_, memory_, [this] { return StepBack(); });
  EXPECT_FALSE(ed.Activate());
}

}  // namespace
}  // namespace orv
