#include "import/kjv_gloss.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace orv {
namespace {

using ::testing::ElementsAre;

TEST(KjvPhrases, WordsSinceTheLastNumberMakeAPhrase) {
  EXPECT_THAT(KjvPhrases("In the beginning 7225 God 430 created 1254 the earth. 776 and so"),
              ElementsAre(KjvPhrase{"In-the-beginning", {7225}}, KjvPhrase{"God", {430}},
                          KjvPhrase{"created", {1254}}, KjvPhrase{"the-earth", {776}}));
  // Numbers in a row tag one phrase; one met twice counts once; brackets
  // and punctuation around words go; digit runs too long for a number tag
  // nothing.
  EXPECT_THAT(KjvPhrases("(and [12] 853 776 776 ; 123456 he 1931"),
              ElementsAre(KjvPhrase{"and-12", {853, 776}}, KjvPhrase{"he", {1931}}));
  // Untagged words up to the end of a clause close the phrase before them,
  // and so do those at the verse's end.
  EXPECT_THAT(KjvPhrases("created 1254 he him; male 2145 created 1254 he them."),
              ElementsAre(KjvPhrase{"created-he-him", {1254}}, KjvPhrase{"male", {2145}},
                          KjvPhrase{"created-he-them", {1254}}));
  // A verse without numbers, or without text, has no phrase.
  EXPECT_TRUE(KjvPhrases("In the beginning God created").empty());
  EXPECT_TRUE(KjvPhrases("").empty());
}

TEST(KjvGlosses, PairsEachNumbersWordsAndPhrasesInOrderByPlace) {
  const std::vector<KjvPhrase> gen11 = KjvPhrases(
      "In the beginning 7225 God 430 created 1254 the heaven 8064 and 853 the earth. 776");
  // Genesis 1:1: 853 twice in the Hebrew, once in the English, where the
  // second one stands.
  EXPECT_THAT(
      KjvGlosses({7225, 1254, 430, 853, 8064, 853, 776}, gen11),
      ElementsAre("In-the-beginning", "created", "God", "", "the-heaven", "and", "the-earth"));
  // As many phrases as words: in order.
  EXPECT_THAT(KjvGlosses({1254, 430, 1254}, KjvPhrases("created 1254 God 430 made 1254")),
              ElementsAre("created", "God", "made"));
  // More phrases than words: the one left over joins the nearest word.
  EXPECT_THAT(KjvGlosses({3808, 4191}, KjvPhrases("not 3808 die 4191 at all 3808")),
              ElementsAre("not-at-all", "die"));
  // A word without a number, a number no phrase carries, a verse without
  // tags or without King James text.
  EXPECT_THAT(KjvGlosses({0, 9999, 430}, gen11), ElementsAre("", "", "God"));
  EXPECT_THAT(KjvGlosses({7225, 1254}, KjvPhrases("In the beginning")), ElementsAre("", ""));
  EXPECT_THAT(KjvGlosses({7225, 1254}, {}), ElementsAre("", ""));
  EXPECT_TRUE(KjvGlosses({}, gen11).empty());
}

TEST(ReadKjvVerses, JoinsContinuationLinesAndSkipsWhatIsNoVerse) {
  test::TempDir dir;
  test::WriteText(dir.File("GEN.str"),
                  "1:1 In the beginning 7225\r\n God 430\r\n1:2 \r\nnot a verse\r\n lost\r\n"
                  "1234:1 too big\r\n2:3 And 1\n");
  std::map<VerseRef, std::string> verses;
  ASSERT_TRUE(ReadKjvVerses(dir.File("GEN.str"), verses).ok);
  EXPECT_THAT(verses,
              ElementsAre(std::pair{VerseRef{1, 1}, std::string(" In the beginning 7225 God 430")},
                          std::pair{VerseRef{1, 2}, std::string(" ")},
                          std::pair{VerseRef{2, 3}, std::string(" And 1")}));
  ImportResult missing = ReadKjvVerses(dir.File("EX.str"), verses);
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.message.find("EX.str"), std::string::npos);
}

}  // namespace
}  // namespace orv
