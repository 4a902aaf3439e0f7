// The line syntax of the King James book files: verse lines and tokens.
#include "kjv/kjv_line.h"

#include <gtest/gtest.h>

#include <string>

namespace orv {
namespace {

TEST(KjvVerseLine, ReadsChapterVerseAndTextStart) {
  struct Row {
    const char* line;
    bool verse;
    int chapter;
    const char* digits;
    size_t textStart;
  };
  const Row rows[] = {
      {"1:1 In the beginning", true, 1, "1", 4},
      {"150:6 Let every", true, 150, "6", 6},
      {"3:1 ", true, 3, "1", 4},  // a verse without text
      {"12:007 x", true, 12, "7", 7},
      {"0:000 x", true, 0, "0", 6},
      {"123456:1 x", true, 123456, "1", 9},  // ":" in column 7
      {"1234567:1 x", false, 0, "", 0},      // ":" in column 8
      {" 1:1 x", false, 0, "", 0},           // continuation lines begin with a blank
      {"1:1", false, 0, "", 0},              // no blank after the verse
      {"1:1\tx", false, 0, "", 0},           // a tab is no blank
      {"1: x", false, 0, "", 0},
      {":1 x", false, 0, "", 0},
      {"1:1a x", false, 0, "", 0},
      {"", false, 0, "", 0},
  };
  for (const Row& r : rows) {
    KjvVerseLine v;
    ASSERT_EQ(ParseKjvVerseLine(r.line, v), r.verse) << r.line;
    if (!r.verse) continue;
    EXPECT_EQ(v.chapter, r.chapter) << r.line;
    EXPECT_EQ(v.verse, r.digits) << r.line;
    EXPECT_EQ(v.textStart, r.textStart) << r.line;
  }
}

TEST(KjvTokens, NumbersEndInADigitAndMarkersAreDigitsWithParen) {
  EXPECT_TRUE(IsKjvNumberToken("7225"));
  EXPECT_TRUE(IsKjvNumberToken("x9"));
  EXPECT_FALSE(IsKjvNumberToken("[12]"));
  EXPECT_FALSE(IsKjvNumberToken("beginning"));
  EXPECT_FALSE(IsKjvNumberToken(""));
  EXPECT_TRUE(IsKjvVerseMarker("1)"));
  EXPECT_TRUE(IsKjvVerseMarker("176)"));
  EXPECT_FALSE(IsKjvVerseMarker("gold)"));
  EXPECT_FALSE(IsKjvVerseMarker(")"));
  EXPECT_FALSE(IsKjvVerseMarker("12"));
}

}  // namespace
}  // namespace orv
