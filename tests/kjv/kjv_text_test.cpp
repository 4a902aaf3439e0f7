#include "kjv/kjv_text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "kjv/kjv_line.h"
#include "kjv/kjv_test_util.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

const std::string kGenesis = test::CrLf({
    "1:1 In the beginning 7225 God 430 created 1254",
    "1:2 And the earth 776 was 1961 without form,",
    " and void; 922 and darkness",  // continues verse 2
    "1:3 ",                         // a verse without text
    "1:4 And God 430 saw",
    "2:1 Thus the heavens 8064",
    "2:2 And on the seventh 7637 day",
    "3:1 Now the serpent 5175",
});

Citation Cite(int book, int chapter, int verse) {
  return {static_cast<uint8_t>(book), static_cast<uint8_t>(chapter), static_cast<uint8_t>(verse),
          1};
}

// The tokens the painter would draw from LoadVerse on.
std::vector<std::string> Shown(TKJV& kjv, Citation cite) {
  std::vector<std::string> out;
  for (int i = kjv.LoadVerse(cite); i != 0 && kjv.VerseFound(); i = kjv.NextToken()) {
    out.emplace_back(kjv.TokenText(i));
  }
  return out;
}

using Tokens = std::vector<std::string>;

class KjvText : public ::testing::Test {
 protected:
  void SetUp() override { folder.Write(1, kGenesis); }
  test::KjvFolder folder;
  KjvIndex index{folder.ProgramDir(), folder.IndexFile()};
};

TEST_F(KjvText, VerseOneIsTokenOneAndContinuationLinesJoinTheirVerse) {
  TKJV kjv(index);
  EXPECT_EQ(kjv.LoadVerse(Cite(1, 1, 1)), 1);
  EXPECT_EQ(kjv.TokenText(1), "1)");
  EXPECT_EQ(kjv.TokenCount(), 29);
  kjv.SetShowNumbers(true);
  EXPECT_EQ(
      Shown(kjv, Cite(1, 1, 2)),
      (Tokens{"2)",    "And", "the", "earth",    "776", "was", "1961", "without", "form,", "and",
              "void;", "922", "and", "darkness", "3)",  "4)",  "And",  "God",     "430",   "saw"}));
  EXPECT_EQ(kjv.CurrentToken(), kjv.TokenCount());
}

TEST_F(KjvText, HiddenNumbersAreSteppedOverShownOnesComeInPlace) {
  TKJV kjv(index);
  EXPECT_EQ(Shown(kjv, Cite(1, 2, 1)),
            (Tokens{"1)", "Thus", "the", "heavens", "2)", "And", "on", "the", "seventh", "day"}));
  kjv.SetShowNumbers(true);
  EXPECT_EQ(Shown(kjv, Cite(1, 2, 1)), (Tokens{"1)", "Thus", "the", "heavens", "8064", "2)", "And",
                                               "on", "the", "seventh", "7637", "day"}));
  // A chapter ending in a number: hidden, nothing follows the last word.
  kjv.SetShowNumbers(false);
  EXPECT_EQ(Shown(kjv, Cite(1, 3, 1)), (Tokens{"1)", "Now", "the", "serpent"}));
  EXPECT_EQ(kjv.NextToken(), 0);
}

TEST_F(KjvText, ChaptersAndBooksSwitchAndReloadOnlyWhenTheyChange) {
  folder.Write(29, "1:1 The word\n2:1 Blow ye\n3:1 And it shall\n3:2 I will also\n");
  TKJV kjv(index);
  EXPECT_EQ(Shown(kjv, Cite(29, 3, 2)), (Tokens{"2)", "I", "will", "also"}));
  EXPECT_EQ(kjv.CurrentBook(), 29);
  EXPECT_EQ(kjv.CurrentChapter(), 3);
  EXPECT_EQ(Shown(kjv, Cite(1, 2, 2)), (Tokens{"2)", "And", "on", "the", "seventh", "day"}));
  EXPECT_EQ(Shown(kjv, Cite(1, 1, 4)), (Tokens{"4)", "And", "God", "saw"}));
  // Same chapter: the tokens stay; the file is not read again.
  folder.Write(1, "");
  EXPECT_EQ(Shown(kjv, Cite(1, 1, 1)).size(), 22u);
  EXPECT_EQ(kjv.ChapterOffset(29, 2), std::string("1:1 The word\n").size());
}

TEST_F(KjvText, MissingVerseShowsNothingOfTheChapter) {
  TKJV kjv(index);
  const int at = kjv.LoadVerse(Cite(1, 1, 9));
  EXPECT_EQ(at, kjv.TokenCount());
  EXPECT_EQ(at, 29);
  EXPECT_FALSE(kjv.VerseFound());
  EXPECT_EQ(kjv.NextToken(), 0);
  EXPECT_EQ(kjv.LoadVerse(Cite(1, 4, 1)), 0) << "no such chapter";
  EXPECT_EQ(kjv.TokenCount(), 0);
  EXPECT_EQ(kjv.NextToken(), 0);
  EXPECT_EQ(kjv.LoadVerse(Cite(40, 1, 1)), 0) << "no such book";
  EXPECT_EQ(kjv.CurrentBook(), 0);
}

TEST_F(KjvText, TokenTextOutsideTheChapterIsEmptyAndKeepsThePlace) {
  TKJV kjv(index);
  kjv.LoadVerse(Cite(1, 2, 2));
  const int at = kjv.CurrentToken();
  EXPECT_EQ(kjv.TokenText(0), "");
  EXPECT_EQ(kjv.TokenText(kjv.TokenCount() + 1), "");
  EXPECT_EQ(kjv.TokenText(-3), "");
  EXPECT_EQ(kjv.CurrentToken(), at);
  EXPECT_EQ(kjv.TokenText(at), "2)");
}

TEST_F(KjvText, LongTokensAreCutWithoutSplittingACharacter) {
  // 30 ASCII bytes and a two-byte letter: the letter would end at byte 32.
  const std::string longWord = std::string(30, 'a') + "\xC3\xA9" + "b";
  folder.Write(2, "1:1 " + longWord + " " + std::string(40, 'z') + "\n");
  TKJV kjv(index);
  EXPECT_EQ(Shown(kjv, Cite(2, 1, 1)), (Tokens{"1)", std::string(30, 'a'), std::string(31, 'z')}));
}

TEST_F(KjvText, ChapterBeyond4096TokensKeepsTheFirst4096) {
  // Verse 1 holds 4000 words, verse 2 the next 1000, then verse 3.
  std::string text = "1:1";
  for (int i = 0; i < 4000; ++i) text += " w" + std::to_string(i) + "x";
  text += "\n1:2";
  for (int i = 4000; i < 5000; ++i) text += " w" + std::to_string(i) + "x";
  text += "\n1:3 late\n2:1 After\n";
  folder.Write(3, text);
  TKJV kjv(index);
  EXPECT_EQ(kjv.LoadVerse(Cite(3, 1, 2)), 4002);
  EXPECT_EQ(kjv.TokenCount(), kKjvMaxTokens);
  EXPECT_EQ(kjv.TokenText(kKjvMaxTokens), "w4093x");
  EXPECT_EQ(kjv.NextToken(), 0);
  EXPECT_EQ(kjv.LoadVerse(Cite(3, 1, 3)), kKjvMaxTokens) << "verse 3 lies past the limit";
  EXPECT_FALSE(kjv.VerseFound());
  EXPECT_EQ(Shown(kjv, Cite(3, 2, 1)), (Tokens{"1)", "After"}));
}

TEST_F(KjvText, MissingBookFileIsAnErrorNamingItOthersStillLoad) {
  TKJV kjv(index);
  EXPECT_EQ(Shown(kjv, Cite(1, 3, 1)).size(), 4u);  // the index is built
  folder.Remove(4);
  EXPECT_THROW(
      {
        try {
          kjv.LoadVerse(Cite(4, 1, 1));
        } catch (const KjvError& e) {
          EXPECT_NE(std::string(e.what()).find(folder.BookFile(4)), std::string::npos);
          throw;
        }
      },
      KjvError);
  EXPECT_EQ(kjv.CurrentBook(), 0);
  EXPECT_EQ(Shown(kjv, Cite(1, 3, 1)).size(), 4u) << "Genesis read again from its file";
  folder.Write(4, "1:1 And the LORD spake\n");
  EXPECT_EQ(Shown(kjv, Cite(4, 1, 1)), (Tokens{"1)", "And", "the", "LORD", "spake"}));
}

TEST_F(KjvText, DeletedIndexIsRebuiltAndTheTextIsTheSame) {
  Tokens before;
  {
    TKJV kjv(index);
    before = Shown(kjv, Cite(1, 2, 1));
    index.Close();
  }
  ASSERT_TRUE(fs::remove(folder.IndexFile()));
  KjvIndex again(folder.ProgramDir(), folder.IndexFile());
  TKJV kjv(again);
  EXPECT_EQ(Shown(kjv, Cite(1, 2, 1)), before);
  EXPECT_TRUE(fs::exists(folder.IndexFile()));
}

TEST_F(KjvText, IndexPointingPastTheChapterFallsBackToTheFileStart) {
  ASSERT_TRUE(index.Open());
  index.Close();
  // Chapter 2 moves up, and the file keeps an old date: the index still
  // names the old offset, which is now inside chapter 3.
  const auto date = fs::last_write_time(folder.IndexFile()) - std::chrono::seconds(60);
  folder.Write(1,
               "2:1 Thus the heavens\n3:1 Now\n3:2 the serpent\n" + std::string(200, ' ') + "\n");
  fs::last_write_time(folder.BookFile(1), date);
  TKJV kjv(index);
  EXPECT_EQ(Shown(kjv, Cite(1, 2, 1)), (Tokens{"1)", "Thus", "the", "heavens"}));
}

}  // namespace
}  // namespace orv
