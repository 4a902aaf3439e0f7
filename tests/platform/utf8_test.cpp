#include "platform/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace orv {
namespace {

TEST(FitText, NeverEndsInsideAUtf8Sequence) {
  struct Row {
    std::string text;
    size_t capacity;
    std::string expected;
  };
  const Row rows[] = {
      {"abcdef", 6, "abcdef"},
      {"abcdef", 4, "abcd"},
      {"abc", 0, ""},
      {"a\xD7\x90\xD7\x91", 4, "a\xD7\x90"},          // two-byte letters
      {"a\xD7\x90\xD7\x91", 5, "a\xD7\x90\xD7\x91"},  // fits exactly
      {"ab\xE2\x82\xAC", 4, "ab"},                    // euro sign, 3 bytes
      {"ab\xF0\x9F\x98\x80z", 5, "ab"},               // 4-byte emoji
      {"ab\xF0\x9F\x98\x80z", 6, "ab\xF0\x9F\x98\x80"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(FitText(r.text, r.capacity), r.expected) << r.text << " / " << r.capacity;
  }
}

TEST(AppendUtf8, EncodesScalarValuesAndReplacesTheRest) {
  struct Row {
    uint32_t cp;
    std::string expected;
  };
  const Row rows[] = {
      {0x41, "A"},
      {0x5D0, "\xD7\x90"},            // Hebrew alef, two bytes
      {0x20AC, "\xE2\x82\xAC"},       // euro sign, three bytes
      {0x1F600, "\xF0\x9F\x98\x80"},  // four bytes
      {0, "\xEF\xBF\xBD"},            // NUL, a surrogate and numbers past
      {0xD800, "\xEF\xBF\xBD"},       // U+10FFFF are no characters
      {0x110000, "\xEF\xBF\xBD"},
  };
  for (const Row& r : rows) {
    std::string out = "x";
    AppendUtf8(out, r.cp);
    EXPECT_EQ(out, "x" + r.expected) << std::hex << r.cp;
  }
}

}  // namespace
}  // namespace orv
