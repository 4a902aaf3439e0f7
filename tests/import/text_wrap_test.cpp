#include "import/text_wrap.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using Lines = std::vector<std::string>;

TEST(Utf8Length, CountsCharactersNotBytes) {
  EXPECT_EQ(Utf8Length(""), 0u);
  EXPECT_EQ(Utf8Length("abc"), 3u);
  EXPECT_EQ(Utf8Length("\xD7\xA8\xD7\x90\xD7\xA9"), 3u);  // three Hebrew letters
  EXPECT_EQ(Utf8Length("\xE2\x80\x9B"), 1u);              // a three-byte quote
  // A stray continuation byte and a cut-off lead byte count one each.
  EXPECT_EQ(Utf8Length("a\x80"
                       "b\xD7"),
            4u);
}

TEST(WrapText, BreaksAtBlanksWithinWidth) {
  EXPECT_EQ(WrapText("one two three four", 9), (Lines{"one two", "three", "four"}));
  EXPECT_EQ(WrapText("exactly nine", 12), (Lines{"exactly nine"}));
  EXPECT_EQ(WrapText("  spaced   out  ", 80), (Lines{"spaced out"}));
  EXPECT_TRUE(WrapText("", 80).empty());
  EXPECT_TRUE(WrapText("    ", 80).empty());
}

TEST(WrapText, CutsOnlyWordsWiderThanALine) {
  EXPECT_EQ(WrapText("ab abcdefghij cd", 4), (Lines{"ab", "abcd", "efgh", "ij", "cd"}));
  // The last piece of a cut word takes the words that follow when they fit.
  EXPECT_EQ(WrapText("abcdefg h", 5), (Lines{"abcde", "fg h"}));
}

TEST(WrapText, NeverSplitsAUtf8Character) {
  // Ten two-byte letters in one word, cut at a width of three characters.
  std::string word;
  for (int i = 0; i < 10; ++i) word += "\xD7\x90";
  Lines lines = WrapText(word, 3);
  ASSERT_EQ(lines.size(), 4u);
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(lines[i].size(), 6u) << i;
  EXPECT_EQ(lines[3], "\xD7\x90");
  // Width counts characters: 39 + 1 + 40 two-byte letters fill 80 columns.
  std::string forty = word + word + word + word;
  std::string thirtyNine = forty.substr(2);
  EXPECT_EQ(WrapText(thirtyNine + " " + forty, 80).size(), 1u);
  EXPECT_EQ(WrapText(forty + " " + forty, 80), (Lines{forty, forty}));
}

}  // namespace
}  // namespace orv
