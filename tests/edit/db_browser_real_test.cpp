// The undefined-word search on the real text: once the seven words of
// Genesis 1:1 are defined, the search from the chapter's first word finds
// the first word of verse 2, a word that verse 1 does not hold.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cite/citation_text.h"
#include "edit/db_browser.h"
#include "model/datastore_set.h"
#include "page/view_state.h"
#include "support/real_hebrew.h"
#include "support/scripted_ui.h"
#include "support/store_records.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

TEST(DbBrowserReal, UndefinedSearchSkipsTheDefinedFirstVerse) {
  const test::RealHebrew& data = test::RealHebrew::Get();
  if (!data.ok) GTEST_SKIP() << data.why;
  // The definitions go into a copy, so the shared stores stay as built.
  test::TempDir xlat;
  std::filesystem::copy_file(data.xlatDir + "CITE.XRD", xlat.File("CITE.XRD"));
  DatastoreSet set(data.hebrewDir, xlat.path() + "/");
  TDSControl* cite = set.CiteDS.Open(true);
  TDSControl* foc2 = set.FOc2DS.Open(true);
  CiteRec c{};
  DSSetPos(cite, 0);
  int verse1 = 0;
  while (DSNext(cite, &c) == kDSOk && c.cite.verse == 1) {
    Foc2Rec f{};
    ASSERT_EQ(DSReadAt(foc2, c.foc2, &f), kDSOk);
    test::AddXlat(set, f.word.Str(), {"defined"});
    ++verse1;
  }
  EXPECT_EQ(verse1, 7);  // "In the beginning God created the heaven and the earth."

  test::ScriptedUI ui;
  ViewState view;
  view.clickedCite = kFirstCite;
  BrowserState state;
  {
    DbBrowser browser(set, ui, view, state);
    ASSERT_TRUE(browser.Open());
    browser.SetSync(true);
    ASSERT_TRUE(browser.FindUndefined(UndefinedScope::kChapter));
    EXPECT_EQ(CitationText(view.clickedCite), "Gen 1:2.1");
    EXPECT_EQ(browser.View().book, "Genesis");
  }
  EXPECT_TRUE(ui.messages.empty());
  for (TXRDataStore* s : {&set.WordDS, &set.CiteDS, &set.FOc2DS, &set.XlatDS}) s->ForceClose();
}

}  // namespace
}  // namespace orv
