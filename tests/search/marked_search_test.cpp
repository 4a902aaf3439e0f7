// The Search submenu's marked words, word definitions and marked uses, with
// and without the word definition editor.
#include "search/marked_search.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/path_map.h"
#include "search/find.h"
#include "search/find_fixture.h"

namespace orv {
namespace {

using ::testing::ElementsAre;

class MarkedSearch : public test::FindFixture {
 protected:
  MarkedSearch() {
    Words({{"abw", {1, 1, 1, 1}}, {"xab", {1, 1, 2, 1}}, {"mab", {1, 1, 3, 1}}});
    // Word order: abw, qqq, mab, xab. "qqq" has no occurrence in the text.
    test::Fill(set_.XlatDS,
               std::vector<XlatRec>{Entry("abw", 1, {"x", "in-the-beginning"}),
                                    Entry("mab", 0, {"God"}), Entry("qqq", 1, {"the-beginning-of"}),
                                    Entry("xab", 1, {"Beginning"})});
    Foc2({"abw", "xab", "mab"});
    test::Fill(set_.CiteDS,
               std::vector<CiteRec>{Use({1, 1, 1, 1}, 0, 1, 1), Use({1, 1, 2, 1}, 0, 0, 2),
                                    Use({1, 1, 3, 1}, 0, 3, 3), Use({2, 1, 1, 1}, 0, 1, 9)});
  }

  // Starts a search and continues it to its end; each step notes the
  // marked word, the editor's calls and the messages, in order.
  std::vector<std::string> Walk(const std::function<bool(SearchEnv&)>& start) {
    std::vector<std::string> steps;
    SearchEnv env = Env();
    bool shown = start(env);
    for (int guard = 0; guard < 10; ++guard) {
      std::string step = shown ? Marked() : "-";
      for (const std::string& e : edited_) step += " edit " + e;
      for (const std::string& m : ui_.messages) step += " msg " + m;
      steps.push_back(step);
      edited_.clear();
      ui_.messages.clear();
      view_ = ViewState{};
      if (search_.mode == SearchMode::kNone) break;
      shown = FindNext(env);
    }
    return steps;
  }
};

TEST_F(MarkedSearch, MarkedWords) {
  withEditor_ = true;
  EXPECT_THAT(Walk(SearchMarkedWords),
              ElementsAre(" edit abw@null", " edit qqq@null", " edit xab@null",
                          "- msg No more marked entries"));
  // Without the editor the page goes to each word's first occurrence.
  withEditor_ = false;
  EXPECT_THAT(Walk(SearchMarkedWords), ElementsAre("Gen 1:1.1", " msg Word not found", "Gen 1:2.1",
                                                   "- msg No more marked entries"));
}

// The editor shown for a word may remove it (all its definitions cleared)
// or define a new word before it: Find Next still goes on with the next one.
TEST_F(MarkedSearch, MarkedWordsGoOnAfterTheEditorAddsOrRemovesWords) {
  struct Row {
    const char* name;
    const char* at;  // the word shown when the editor changes XLAT
    bool remove;     // remove that word, else add a marked "aaa" before it
  };
  for (const Row& row : {Row{"a word removed", "qqq", true}, Row{"a word added", "abw", false}}) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> shown;
    WordEditorFn editor = [&](const std::string& word, Citation) {
      shown.push_back(word);
      if (word != row.at) return;
      TDSControl* h = set_.XlatDS.Open(true);
      XlatRec rec = Entry(row.remove ? word : "aaa", 1, {"new"});
      int32_t recNo = 0;
      if (row.remove) {
        ASSERT_EQ(DSFindPos(h, &rec, recNo), kDSFound);
        ASSERT_EQ(DSDelete(h, recNo), kDSOk);
      } else {
        ASSERT_EQ(DSInsert(h, &rec), kDSOk);
      }
      set_.XlatDS.Close();
    };
    SearchEnv env{set_, search_, view_, ui_, {}, editor};
    ASSERT_TRUE(SearchMarkedWords(env));
    while (FindNext(env)) {
    }
    EXPECT_THAT(shown, ElementsAre("abw", "qqq", "xab"));
    EXPECT_THAT(ui_.messages, ElementsAre(kNoMoreMarkedEntries));
    ui_.messages.clear();
    // As before, for the next row.
    TDSControl* h = set_.XlatDS.Open(true);
    XlatRec rec = Entry(row.remove ? row.at : "aaa", 1, {"the-beginning-of"});
    int32_t recNo = 0;
    if (row.remove) {
      ASSERT_EQ(DSInsert(h, &rec), kDSOk);
    } else {
      ASSERT_EQ(DSFindPos(h, &rec, recNo), kDSFound);
      ASSERT_EQ(DSDelete(h, recNo), kDSOk);
    }
    set_.XlatDS.Close();
  }
}

TEST_F(MarkedSearch, WordDefinitionsMatchCaseAndBlanksAsHyphens) {
  withEditor_ = true;
  ui_.input.push_back("the beginning");
  EXPECT_THAT(Walk(SearchWordDefinitions),
              ElementsAre(" edit abw@null", " edit qqq@null", "- msg No more matches"));
  EXPECT_EQ(ui_.calls.front(),
            "InputBox: Word definition search / Enter word to find in word definition");
  ui_.input.push_back("god");
  EXPECT_THAT(Walk(SearchWordDefinitions),
              ElementsAre("- msg Text not found in any word definition entries"));
  ui_.input.push_back("");
  ui_.input.push_back(std::nullopt);
  SearchEnv env = Env();
  EXPECT_FALSE(SearchWordDefinitions(env));
  EXPECT_FALSE(SearchWordDefinitions(env));
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(MarkedSearch, MarkedUses) {
  withEditor_ = true;
  EXPECT_THAT(Walk(SearchMarkedUses),
              ElementsAre("Gen 1:1.1 edit abw@Gen 1:1.1", "Gen 1:3.1 edit mab@Gen 1:3.1",
                          "Ex  1:1.1 msg Internal error - Could not find word",
                          "- msg No more marked entries"));
  withEditor_ = false;
  EXPECT_THAT(Walk(SearchMarkedUses),
              ElementsAre("Gen 1:1.1", "Gen 1:3.1", "Ex  1:1.1", "- msg No more marked entries"));
}

TEST_F(MarkedSearch, NothingMarked) {
  set_.CiteDS.ForceClose();
  set_.XlatDS.ForceClose();
  std::filesystem::remove(NativePath(set_.CiteDS.Path()));
  std::filesystem::remove(NativePath(set_.XlatDS.Path()));
  test::Fill(set_.CiteDS, std::vector<CiteRec>{Use({1, 1, 1, 1}, 0, 2, 1)});
  test::Fill(set_.XlatDS, std::vector<XlatRec>{Entry("abw", 2)});
  EXPECT_THAT(Walk(SearchMarkedUses), ElementsAre("- msg No marked entries"));
  EXPECT_THAT(Walk(SearchMarkedWords), ElementsAre("- msg No marked entries"));
}

}  // namespace
}  // namespace orv
