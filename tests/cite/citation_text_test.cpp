#include "cite/citation_text.h"

#include <gtest/gtest.h>

#include "model/books.h"

namespace orv {
namespace {

TEST(CitationText, AbbreviationBlankThenChapterVerseWord) {
  EXPECT_EQ(CitationText({1, 1, 1, 3}), "Gen 1:1.3");
  EXPECT_EQ(CitationText({2, 2, 3, 1}), "Ex  2:3.1");
  EXPECT_EQ(CitationText({19, 23, 1, 2}), "Ps  23:1.2");
  EXPECT_EQ(CitationText({8, 4, 22, 14}), "Rth 4:22.14");
  EXPECT_EQ(CitationText({39, 3, 24, 10}), "Mal 3:24.10");
}

TEST(CitationText, NumbersAreWholeBytesWithoutPaddingOrSign) {
  EXPECT_EQ(CitationText({23, 255, 255, 255}), "Isa 255:255.255");
  EXPECT_EQ(CitationText({1, 10, 100, 0}), "Gen 10:100.0");
}

TEST(CitationText, BookOutsideTheTableKeepsTheFourCharacterPrefix) {
  EXPECT_EQ(CitationText(kNullCite), "    0:0.0");
  EXPECT_EQ(CitationText({40, 1, 2, 3}), "    1:2.3");
}

}  // namespace
}  // namespace orv
