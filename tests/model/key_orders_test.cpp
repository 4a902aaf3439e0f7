#include "model/key_orders.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "model/letters.h"
#include "model/records.h"

namespace orv {
namespace {

WordRec Word(const std::string& w, Citation c = kFirstCite) {
  WordRec r;
  r.word.Set(w);
  r.cite = c;
  return r;
}

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(WordOrder, ShorterPrefixFirstThenRankDecides) {
  WordRec ab = Word("ab"), abw = Word("abw"), ah = Word("ah");
  EXPECT_LT(WordOrder(&ab, &abw), 0);
  EXPECT_GT(WordOrder(&abw, &ab), 0);
  // b (rank 2) before h (rank 10), although 'b' < 'h' holds for the bytes
  // too; w and h show that bytes are not what counts.
  EXPECT_LT(WordOrder(&abw, &ah), 0);
  WordRec w = Word("w"), h = Word("h");
  EXPECT_LT(WordOrder(&w, &h), 0) << "rank 3 before rank 10 though 'w' > 'h'";
  EXPECT_EQ(WordOrder(&ab, &ab), 0);
}

TEST(WordOrder, FirstDifferenceDecidesEvenWhenRanksAreEqual) {
  // Two non-letters have rank 0: the words count as equal at that byte and
  // nothing later is looked at.
  WordRec x = Word("a1b"), y = Word("a2x");
  EXPECT_EQ(WordOrder(&x, &y), 0);
  WordRec spaced = Word("a"), padded = Word("a");
  padded.word.text[1] = 'x';  // bytes past the length are never read
  EXPECT_EQ(WordOrder(&spaced, &padded), 0);
}

TEST(WordOrder, DamagedLengthReadsNoFurtherThanCapacity) {
  WordRec a = Word("abwzidevths"), b = Word("abwzidevths");
  a.word.len = 200;
  EXPECT_EQ(WordOrder(&a, &b), 0) << "both count as 11 letters";
}

TEST(WordCiteOrder, SameWordSortsByCitation) {
  WordRec a = Word("ab", {1, 2, 3, 4}), b = Word("ab", {1, 2, 4, 1});
  EXPECT_LT(WordCiteOrder(&a, &b), 0);
  EXPECT_GT(WordCiteOrder(&b, &a), 0);
  EXPECT_EQ(WordCiteOrder(&a, &a), 0);
  WordRec c = Word("a", {39, 1, 1, 1});
  EXPECT_LT(WordCiteOrder(&c, &a), 0) << "the word decides first";
}

TEST(CitationOrders, BytesInBookChapterVerseWordOrder) {
  FoccRec f1 = Word("x", {1, 2, 3, 255}), f2 = Word("a", {1, 2, 4, 0});
  EXPECT_LT(FoccCiteOrder(&f1, &f2), 0) << "FOCC looks at bytes 12..15 only";
  CiteRec c1, c2;
  c1.cite = {2, 1, 1, 1};
  c2.cite = {1, 200, 200, 200};
  c1.foc2 = 1;
  c2.foc2 = 999;
  EXPECT_GT(CiteOrder(&c1, &c2), 0);
  c2.cite = c1.cite;
  EXPECT_EQ(CiteOrder(&c1, &c2), 0) << "only the citation is the key";
  BookRec b1{1, 50, 26, 0}, b2{2, 1, 31, 0}, b3{1, 50, 99, 1234};
  EXPECT_LT(BookOrder(&b1, &b2), 0);
  EXPECT_EQ(BookOrder(&b1, &b3), 0);
}

TEST(Prefixes, ValuesOfTheDocumentedExamples) {
  WordRec b = Word("b"), a = Word("a"), empty = Word("");
  EXPECT_EQ(WordPrefix(&b), 33554433u);
  EXPECT_EQ(WordPrefix(&a), 1u);
  EXPECT_EQ(WordPrefix(&empty), 1u);
  WordRec xs = Word("xxxxxxxxxxx");
  EXPECT_EQ(WordPrefix(&xs), 21u * (1u << 25) + 21u * (1u << 20) + 21u * (1u << 15) +
                                 21u * (1u << 10) + 21u * (1u << 5) + 21u + 1u);
  CiteRec c;
  c.cite = {1, 2, 3, 4};
  EXPECT_EQ(CitePrefix(&c), 16909060u);
  FoccRec f = Word("q", {1, 2, 3, 4});
  EXPECT_EQ(FoccCitePrefix(&f), 16909060u);
  BookRec bk{3, 7, 0, 0};
  EXPECT_EQ(BookPrefix(&bk), 3u * 256 + 7);
}

// The engine narrows searches by prefix, so a prefix that is not monotone in
// its order misplaces inserts and loses finds. Checked pairwise (with two
// distinct non-letters the order is no strict weak order to sort by) over
// random words of letters, non-letters and lengths past six.
TEST(Prefixes, WordPrefixIsMonotoneInWordOrder) {
  std::mt19937 rng(7);
  const std::string alphabet = std::string(kStorageLetters) + "-1aaa";
  std::vector<WordRec> words = {Word("-x"), Word("a"), Word("a1x"), Word("a2b")};
  for (int i = 0; i < 400; ++i) {
    std::string w(rng() % 12, ' ');
    for (char& ch : w) ch = alphabet[rng() % alphabet.size()];
    words.push_back(Word(w));
  }
  for (const WordRec& x : words) {
    for (const WordRec& y : words) {
      int order = WordOrder(&x, &y);
      if (order < 0) {
        ASSERT_LE(WordPrefix(&x), WordPrefix(&y)) << x.word.Str() << " / " << y.word.Str();
      } else if (order == 0) {
        ASSERT_EQ(WordPrefix(&x), WordPrefix(&y)) << x.word.Str() << " / " << y.word.Str();
      }
    }
  }
}

TEST(WordOrder, IsAntisymmetric) {
  const char* words[] = {"", "a", "ab", "abw", "ah", "x", "xa", "a-", "b1", "mm"};
  for (const char* s : words) {
    for (const char* t : words) {
      WordRec x = Word(s), y = Word(t);
      EXPECT_EQ(Sign(WordOrder(&x, &y)), -Sign(WordOrder(&y, &x))) << s << " / " << t;
    }
  }
}

}  // namespace
}  // namespace orv
