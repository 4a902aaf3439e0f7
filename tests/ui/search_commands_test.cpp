// The main window's Find, Find Next and Search submenu offscreen, with the
// page painted after each command as the window paints it.
#include "ui/main/search_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "ui/built_window_fixture.h"

namespace orv::ui {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class SearchCommandsTest : public test::BuiltWindowTest {
 protected:
  // Find Next until it finds nothing more: the marked word after each.
  std::vector<std::string> NextToTheEnd() {
    std::vector<std::string> marked;
    for (int guard = 0; guard < 50 && form_->GetSession().search.mode != SearchMode::kNone;
         ++guard) {
      Run("FindNext1");
      if (form_->GetSession().search.mode != SearchMode::kNone) marked.push_back(Marked());
    }
    return marked;
  }

  // The occurrences of each word of the text, in text order.
  std::map<std::string, std::vector<std::string>> Occurrences() const {
    std::map<std::string, std::vector<std::string>> out;
    for (const test::Occurrence& o : text_.words) out[o.word].push_back(CitationText(o.cite));
    return out;
  }
};

TEST_F(SearchCommandsTest, FindAWordThenFindNextToTheEnd) {
  // A word of the text that occurs more than once.
  std::string word;
  std::vector<std::string> expected;
  for (const auto& [w, cites] : Occurrences()) {
    if (cites.size() > 2 && w.size() > 1 && expected.empty()) {
      word = w;
      expected = cites;
    }
  }
  ASSERT_FALSE(word.empty());
  EXPECT_TRUE(form_->Item("Find1")->isEnabled());
  ui_.input.push_back(word);
  Run("Find1");
  EXPECT_EQ(Marked(), expected.front());
  EXPECT_EQ(form_->GetSession().view.currentCite.word, 1);
  std::vector<std::string> marked = NextToTheEnd();
  marked.insert(marked.begin(), expected.front());
  EXPECT_THAT(marked, ElementsAreArray(expected));
  EXPECT_EQ(ui_.messages.back(), "No more occurrences of " + word);
}

TEST_F(SearchCommandsTest, FindANumberWithTheWaitCursor) {
  ui_.input.push_back("H430");
  Run("Find1");
  EXPECT_EQ(Marked(), "Ex  1:1.1");
  EXPECT_GT(ui_.maxWaitDepth, 0);
  EXPECT_EQ(ui_.waitDepth, 0);
  EXPECT_TRUE(NextToTheEnd().empty());
  EXPECT_EQ(ui_.messages.back(), "No more occurrences of H430");
  ui_.input.push_back("8675");
  Run("FindNext1");  // the search is over: Find Next asks anew
  EXPECT_EQ(ui_.messages.back(), "Strong's number out of range");
}

TEST_F(SearchCommandsTest, FindAWildcardPatternAndPickAWord) {
  // The two-letter start of a word shared by several words of the text.
  std::map<std::string, std::vector<std::string>> byStart;
  for (const auto& [w, cites] : Occurrences()) {
    if (w.size() >= 2) byStart[w.substr(0, 2)].push_back(w);
  }
  auto best = std::max_element(byStart.begin(), byStart.end(), [](const auto& a, const auto& b) {
    return a.second.size() < b.second.size();
  });
  std::vector<std::string> words = best->second;
  ASSERT_GE(words.size(), 2u);
  std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
    return test::RankKey(a) < test::RankKey(b);
  });
  ui_.input.push_back(best->first + "*");
  ui_.listChoice.push_back(1);
  Run("Find1");
  ASSERT_EQ(ui_.lists.size(), 1u);
  EXPECT_EQ(ui_.lists[0].caption, "Matches to wildcard search");
  EXPECT_THAT(ui_.lists[0].lines, ElementsAreArray(words));
  EXPECT_EQ(Marked(), Occurrences()[words[1]].front());
  EXPECT_EQ(form_->GetSession().search.text, words[1]);
}

TEST_F(SearchCommandsTest, SearchSubmenuWithoutUserData) {
  for (const char* item : {"FindNext1", "MarkedWords1", "WordDefs", "MarkedUses1"}) {
    EXPECT_TRUE(form_->Item(item)->isEnabled()) << item;
  }
  Run("MarkedWords1");
  ui_.input.push_back("beginning");
  Run("WordDefs");
  Run("MarkedUses1");
  EXPECT_THAT(ui_.messages,
              ElementsAre("No marked entries", "Text not found in any word definition entries",
                          "No marked entries"));
  EXPECT_EQ(form_->GetSession().search.mode, SearchMode::kNone);
}

}  // namespace
}  // namespace orv::ui
