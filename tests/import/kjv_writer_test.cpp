// King James verses written as book file lines.
#include "import/kjv_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/kjv_samples.h"

namespace orv {
namespace {

using test::SplitBlanks;

TEST(KjvWriter, OnlyStrongsTokensEndInADigit) {
  EXPECT_EQ(FileTextToken("12"), "[12]");
  EXPECT_EQ(FileTextToken("v2"), "[v2]");
  EXPECT_EQ(FileTextToken("12,"), "12,");
  EXPECT_EQ(FileTextToken("word"), "word");
  std::string out;
  AppendVerseLines(out, {4, 5},
                   {{"in", false},
                    {"1", true},
                    {"threescore", false},
                    {"70", false},
                    {"years", false},
                    {"8141", true}});
  EXPECT_EQ(out, "4:5 in 1 threescore [70] years 8141\r\n");
}

TEST(KjvWriter, LongVersesWrapOnBlanksIntoContinuationLines) {
  std::vector<KjvToken> tokens;
  std::string expected;
  for (int i = 0; i < 60; ++i) {
    tokens.push_back({i % 3 == 2 ? std::to_string(1000 + i) : "hinds’", i % 3 == 2});
    expected += " " + tokens.back().text;
  }
  std::string out;
  AppendVerseLines(out, {119, 176}, tokens, 40);
  std::vector<std::string> lines;
  std::string joined;
  for (size_t pos = 0; pos < out.size();) {
    size_t end = out.find("\r\n", pos);
    ASSERT_NE(end, std::string::npos);
    lines.push_back(out.substr(pos, end - pos));
    joined += " " + lines.back();
    pos = end + 2;
  }
  ASSERT_GT(lines.size(), 3u);
  EXPECT_EQ(lines[0].rfind("119:176 hinds’ ", 0), 0u);
  for (size_t i = 0; i < lines.size(); ++i) {
    // "’" is one character of three bytes: lines are measured in characters.
    size_t chars = 0;
    for (unsigned char c : lines[i]) chars += (c & 0xC0) != 0x80;
    EXPECT_LE(chars, 40u) << lines[i];
    if (i + 1 < lines.size()) {
      EXPECT_GT(chars, 30u) << lines[i];  // filled before breaking
    }
    if (i > 0) {
      EXPECT_EQ(lines[i][0], ' ') << lines[i];
    }
    EXPECT_NE(lines[i].back(), ' ') << lines[i];
  }
  std::vector<std::string> words = SplitBlanks(joined);
  words.erase(words.begin());
  EXPECT_EQ(words, SplitBlanks(expected));
  std::string lone;
  AppendVerseLines(lone, {1, 2}, {{"a", false}, {std::string(50, 'x'), false}}, 40);
  EXPECT_EQ(lone, "1:2 a\r\n " + std::string(50, 'x') + "\r\n");
  std::string none;
  AppendVerseLines(none, {22, 44}, {});
  EXPECT_EQ(none, "22:44 \r\n");
}

}  // namespace
}  // namespace orv
