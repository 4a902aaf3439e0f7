#include "model/letters.h"

#include <gtest/gtest.h>

#include <string>

namespace orv {
namespace {

TEST(LetterRank, AlphabetOrderAndZeroForOtherBytes) {
  const std::string order = "abwzidevthslkngopcqrmx";
  for (size_t i = 0; i < order.size(); ++i) {
    EXPECT_EQ(LetterRank(static_cast<uint8_t>(order[i])), i + 1) << order[i];
  }
  int ranked = 0;
  for (int c = 0; c < 256; ++c) ranked += LetterRank(static_cast<uint8_t>(c)) != 0;
  EXPECT_EQ(ranked, 22);
  EXPECT_EQ(LetterRank('A'), 0) << "upper case is not a storage letter";
  EXPECT_EQ(LetterRank('y'), 0);
}

TEST(MapLetters, SourceSpellingTableRowByRow) {
  const std::string source = "absvzydhwjxolkKnNgepPuUqrmMt";
  const std::string storage = "abwwzidevthslkknngoppccqrmmx";
  for (size_t i = 0; i < source.size(); ++i) {
    EXPECT_EQ(MapSourceLetter(static_cast<uint8_t>(source[i])), storage[i]) << source[i];
  }
  std::string text = source;
  MapLetters(text);
  EXPECT_EQ(text, storage);
}

TEST(MapLetters, FinalFormsFoldAndUnlistedBytesStay) {
  std::string t = "uU sv <a1>-";
  MapLetters(t);
  EXPECT_EQ(t, "cc ww <a1>-");
  std::string high = "\xd7\x90\xff";
  MapLetters(high);
  EXPECT_EQ(high, "\xd7\x90\xff");
  // Every storage letter is reached by some source character.
  for (const char* p = kStorageLetters; *p; ++p) {
    bool reached = false;
    for (int c = 0; c < 256; ++c) reached |= MapSourceLetter(static_cast<uint8_t>(c)) == *p;
    EXPECT_TRUE(reached) << *p;
  }
}

}  // namespace
}  // namespace orv
