#include "cite/book_match.h"

#include <gtest/gtest.h>

#include "model/books.h"

namespace orv {
namespace {

struct MatchRow {
  const char* text;
  int book;
  const char* why;
};

TEST(MatchBook, CodesNamesPrefixesAndNearMisses) {
  const MatchRow rows[] = {
      {"GEN", 1, "code"},
      {"ps", 19, "code, any case"},
      {"Ez", 26, "the code EZ, before the prefix of EZRA"},
      {"1sa", 9, "code with a digit"},
      {"Jos", 6, "code"},
      {"Jon", 32, "code, although JOSHUA comes first"},
      {"Ezr", 15, "prefix of EZRA"},
      {"Jo", 6, "first name beginning with JO"},
      {"Joe", 29, "JOEL, not JOSHUA (mismatch at 3)"},
      {"1 Sam", 9, "blanks removed"},
      {"1sam", 9, "same without the blank"},
      {"2 k", 12, "2KINGS"},
      {"song of solomon", 22, "full name with blanks"},
      {"SONG", 22, "prefix"},
      {"Psalm", 19, "prefix"},
      {"Genesis", 1, "full name"},
      {"Genesisx", 1, "the name is a prefix of the text"},
      {"Ruthless", 8, "the name is a prefix of the text"},
      {"Rth", 8, "citation abbreviation: RUTH agrees for one letter"},
      {"Hagx", 37, "HAGGAI agrees for 3 letters, HABAKKUK for 2"},
      {"Nehx", 16, "NEHEMIAH agrees for 3"},
      {"Xyz", 1, "nothing agrees: the lowest book"},
      {"", 1, "the empty text begins every name"},
      {"   ", 1, "blanks only"},
  };
  for (const MatchRow& r : rows) EXPECT_EQ(MatchBook(r.text), r.book) << r.text << ": " << r.why;
}

TEST(MatchBook, EveryCodeNameAndCitationAbbreviationFindsItsBook) {
  for (int b = 1; b <= kBookCount; ++b) {
    EXPECT_EQ(MatchBook(BookCode(b)), b) << BookCode(b);
    EXPECT_EQ(MatchBook(BookName(b)), b) << BookName(b);
    EXPECT_EQ(MatchBook(BookCiteAbbrev(b)), b) << BookCiteAbbrev(b);
  }
}

TEST(MatchBook, BytesOutsideAsciiLettersNeverFail) {
  EXPECT_EQ(MatchBook(std::string_view("\xff\x00\x80", 3)), 1);
  EXPECT_EQ(MatchBook("\xd7\x91\xd7\xa8"), 1);  // Hebrew letters: no name shares them
}

}  // namespace
}  // namespace orv
