// Find and Find Next over the real text: every occurrence of the word
// "aleim" and of Strong's number 7225, checked against the occurrences read
// straight from CITE in text order (with each occurrence's word from its
// FOC2 record), not from WORD.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "cite/citation_text.h"
#include "model/datastore_set.h"
#include "page/view_state.h"
#include "search/find.h"
#include "support/real_hebrew.h"
#include "support/scripted_ui.h"
#include "support/store_records.h"

namespace orv {
namespace {

// Find, then Find Next to the end: the citation of every jump.
std::vector<Citation> FindAll(SearchEnv& env, const std::string& text) {
  std::vector<Citation> found;
  if (FindText(env, text) != FindResult::kFound) return found;
  found.push_back(env.view.clickedCite);
  while (FindNext(env)) found.push_back(env.view.clickedCite);
  return found;
}

TEST(FindReal, EveryOccurrenceOfAleimAndOf7225InTextOrder) {
  const test::RealHebrew& data = test::RealHebrew::Get();
  if (!data.ok) GTEST_SKIP() << data.why;
  DatastoreSet set(data.hebrewDir, data.xlatDir);

  std::vector<Citation> aleim;
  std::vector<Citation> h7225;
  const std::vector<CiteRec> uses = test::All<CiteRec>(set.CiteDS);
  TDSControl* foc2 = set.FOc2DS.Open(true);
  for (const CiteRec& use : uses) {
    Foc2Rec word;
    if (DSReadAt(foc2, use.foc2, &word) == kDSOk && word.word.View() == "aleim") {
      aleim.push_back(use.cite);
    }
    if (use.strongs == 7225) h7225.push_back(use.cite);
  }
  set.FOc2DS.Close();
  ASSERT_GT(aleim.size(), 600u);  // the bare form: about 680 words of the XML
  ASSERT_GT(h7225.size(), 40u);
  // In the beginning (7225) God (aleim) ...
  EXPECT_EQ(CitationText(h7225.front()), "Gen 1:1.1");
  EXPECT_EQ(CitationText(aleim.front()), "Gen 1:1.3");

  test::ScriptedUI ui;
  ViewState view;
  SearchState search;
  SearchEnv env{set, search, view, ui, {}, {}};
  EXPECT_EQ(FindAll(env, "aleim"), aleim);
  EXPECT_EQ(FindAll(env, "H7225"), h7225);
  EXPECT_THAT(ui.messages,
              testing::ElementsAre("No more occurrences of aleim", "No more occurrences of H7225"));
  for (TXRDataStore* s : {&set.WordDS, &set.CiteDS, &set.FOc2DS}) s->ForceClose();
}

}  // namespace
}  // namespace orv
