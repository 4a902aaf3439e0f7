// The page buffer over the real Hebrew text with an interlinear text and a
// translation database line, checked against the text itself.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>

#include "config/settings.h"
#include "model/datastore_set.h"
#include "model/letter_values.h"
#include "model/records.h"
#include "page/line_assign.h"
#include "page/page_fill.h"
#include "page/page_stores.h"
#include "page/page_words.h"
#include "support/real_hebrew.h"
#include "support/scripted_ui.h"
#include "support/store_records.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

class PageRealData : public ::testing::Test {
 protected:
  void SetUp() override {
    const test::RealHebrew& data = test::RealHebrew::Get();
    if (!data.ok) GTEST_SKIP() << data.why;
    BuildLetterValueTables();
    set_ = std::make_unique<DatastoreSet>(data.hebrewDir, data.xlatDir);
    env_ = std::make_unique<PageEnv>(PageEnv{settings_, *set_, ui_});
    programDir_ = data.programDir;
    std::filesystem::create_directories(ilt_.File("ILT"));
    std::ofstream(ilt_.File("ILT/GEN.ILT"), std::ios::binary)
        << "*BOOK Genesis\r\n*L-R\r\n*1\r\n"
           "1  in-beginning created God <a-note> ... the-heavens and the-earth\r\n";
    settings_.showStrongs = true;
    settings_.thematic = kTraditionalValue;
    settings_.il.AddInterlinearText("English", "English", ilt_.path() + "/ILT/");
    settings_.il.AddTranslationDatabase("Words", "English", "Xlat\\");
    settings_.il.SetSelection(1, 1);
    settings_.il.SetSelection(2, 2);
  }
  void TearDown() override {
    if (env_) FinishPage(page_, *env_);
  }

  void AddXlat(const std::string& word, const std::string& gloss) {
    test::AddXlat(*set_, word, {gloss});
  }

  test::TempDir ilt_;
  test::ScriptedUI ui_;
  Settings settings_;
  std::unique_ptr<DatastoreSet> set_;
  std::unique_ptr<PageEnv> env_;
  std::string programDir_;
  Page page_;
  WordReload reload_ = WordReload::kValid;
};

TEST_F(PageRealData, GenesisOneWithItsLinesNumbersAndValues) {
  AddXlat("aleim", "God");
  AddXlat("ewmim", "heavens");
  AssignSources(page_, *env_, programDir_, reload_);
  FillResult r = FillBuffer(page_, *env_, kFirstCite, kPageWanted, reload_);
  ASSERT_EQ(r.first, 1);
  EXPECT_EQ(r.last, 434);  // the words of Genesis 1
  EXPECT_TRUE(page_.buffer.endOfChapter);
  EXPECT_EQ(page_.lines.source[0].bookTitle, "Genesis");

  const auto& e = page_.buffer.entry;
  const char* hebrew[] = {"brawix", "bra", "aleim", "ax", "ewmim", "vax", "earc"};
  const int strongs[] = {7225, 1254, 430, 853, 8064, 853, 776};
  const char* ilt[] = {"in-beginning", "created", "God", "", "the-heavens", "and", "the-earth"};
  const char* db[] = {"", "", "God", "", "heavens", "", ""};
  for (int k = 1; k <= 7; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(e[k].cite, (Citation{1, 1, 1, static_cast<uint8_t>(k)}));
    EXPECT_EQ(e[k].hebrew, hebrew[k - 1]);
    EXPECT_EQ(e[k].strongs, strongs[k - 1]);
    EXPECT_EQ(e[k].text[1], ilt[k - 1]);
    EXPECT_EQ(e[k].text[2], db[k - 1]);
  }
  // The traditional letter sum of Genesis 1:1 is the well-known 2701.
  int sum = 0;
  for (int k = 1; k <= 7; ++k) sum += e[k].thematic;
  EXPECT_EQ(sum, 2701);
  EXPECT_EQ(e[8].cite, (Citation{1, 1, 2, 1}));
  EXPECT_EQ(e[8].text[1], "");  // the interlinear text ends with verse 1
  EXPECT_EQ(e[434].cite, (Citation{1, 1, 31, 15}));
}

TEST_F(PageRealData, PagesThroughTheLongestChapterFromAnyWord) {
  AssignSources(page_, *env_, programDir_, reload_);
  // 1 Kings 8 is the longest chapter (1,146 words in this text).
  FillResult r = FillBuffer(page_, *env_, {11, 8, 1, 1}, kPageWanted, reload_);
  EXPECT_EQ(r.last, 512);
  const Citation far = page_.buffer.entry[500].cite;
  r = FillBuffer(page_, *env_, far, kPageWanted, reload_);
  EXPECT_EQ(r.first, 500);
  EXPECT_EQ(r.last, 1011);
  // No room for 512 words after entry 1000: the chapter is read again.
  const Citation farther = page_.buffer.entry[1000].cite;
  r = FillBuffer(page_, *env_, farther, kPageWanted, reload_);
  EXPECT_EQ(r.first, 1000);
  EXPECT_EQ(r.last, 1146);
  EXPECT_TRUE(page_.buffer.endOfChapter);
  EXPECT_EQ(page_.buffer.entry[static_cast<size_t>(r.last)].cite.chapter, 8);
  EXPECT_EQ(page_.buffer.entry[static_cast<size_t>(r.last)].cite.verse, 66);
  // Malachi's last chapter ends the text.
  r = FillBuffer(page_, *env_, {39, 3, 20, 1}, kPageWanted, reload_);
  EXPECT_TRUE(page_.buffer.endOfChapter);
  EXPECT_EQ(page_.buffer.entry[static_cast<size_t>(r.first)].cite, (Citation{39, 3, 20, 1}));
}

}  // namespace
}  // namespace orv
