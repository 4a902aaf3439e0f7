#include "model/text_utils.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace orv {
namespace {

TEST(TextUtils, TrimRightAndReverse) {
  EXPECT_EQ(TrimRight("abc   "), "abc");
  EXPECT_EQ(TrimRight("  a b\t "), "  a b\t") << "only spaces, only at the end";
  EXPECT_EQ(TrimRight("    "), "");
  EXPECT_EQ(TrimRight(""), "");
  EXPECT_EQ(Reverse("abw z"), "z wba");
  EXPECT_EQ(Reverse(""), "");
  EXPECT_EQ(Reverse(std::string("a\0b", 3)), std::string("b\0a", 3));
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> out;
  int start = 0, end = 0;
  while (NextField(line, start, end)) {
    EXPECT_GE(start, 1);
    EXPECT_LE(end, static_cast<int>(line.size()));
    out.push_back(
        line.substr(static_cast<size_t>(start - 1), static_cast<size_t>(end - start + 1)));
  }
  EXPECT_GT(start, static_cast<int>(line.size())) << "none left: start beyond the length";
  return out;
}

TEST(NextField, SplitsOnSpacesOnlyWithOneBasedColumns) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Fields("1 abc def-"), (V{"1", "abc", "def-"}));
  EXPECT_EQ(Fields("   lead  and\ttab  "), (V{"lead", "and\ttab"}));
  EXPECT_EQ(Fields(""), V{});
  EXPECT_EQ(Fields("     "), V{});
  EXPECT_EQ(Fields("x"), V{"x"});

  int start = 0, end = 0;
  ASSERT_TRUE(NextField(" ab  c", start, end));
  EXPECT_EQ(start, 2);
  EXPECT_EQ(end, 3);
  ASSERT_TRUE(NextField(" ab  c", start, end));
  EXPECT_EQ(start, 6);
  EXPECT_EQ(end, 6);
  EXPECT_FALSE(NextField(" ab  c", start, end));
  EXPECT_EQ(end, 6) << "end is left as it was";
  // Columns a caller got wrong never read outside the line.
  end = INT_MAX;
  EXPECT_FALSE(NextField("abc", start, end));
  end = -5;
  ASSERT_TRUE(NextField("abc", start, end));
  EXPECT_EQ(start, 1);
}

TEST(NextNumber, DecimalFieldsAndWhatGivesZero) {
  struct Row {
    const char* field;
    int32_t asLong;
    int16_t asSmall;
    uint8_t asByte;
  };
  const Row rows[] = {
      {"7", 7, 7, 7},
      {"-12", -12, -12, 0},
      {"+255", 255, 255, 255},
      {"256", 256, 256, 0},
      {"32767", 32767, 32767, 0},
      {"-32768", -32768, -32768, 0},
      {"32768", 32768, 0, 0},
      {"2147483647", 2147483647, 0, 0},
      {"-2147483648", INT32_MIN, 0, 0},
      {"2147483648", 0, 0, 0},
      {"99999999999999999999", 0, 0, 0},
      {"007", 7, 7, 7},
      {"12a", 0, 0, 0},
      {"a12", 0, 0, 0},
      {"-", 0, 0, 0},
      {"1-", 0, 0, 0},
      {"$1F", 0, 0, 0},
  };
  for (const Row& r : rows) {
    std::string line = std::string("  ") + r.field + " next";
    int s = 0, e = 0;
    int32_t l = -1;
    ASSERT_TRUE(NextLong(line, s, e, l)) << r.field;
    EXPECT_EQ(l, r.asLong) << r.field;
    s = e = 0;
    int16_t sm = -1;
    ASSERT_TRUE(NextSmall(line, s, e, sm));
    EXPECT_EQ(sm, r.asSmall) << r.field;
    s = e = 0;
    uint8_t b = 1;
    ASSERT_TRUE(NextByte(line, s, e, b));
    EXPECT_EQ(b, r.asByte) << r.field;
    EXPECT_EQ(line.substr(static_cast<size_t>(e)), " next") << "end is the field's last column";
  }
  int s = 0, e = 3;
  int32_t v = 5;
  EXPECT_FALSE(NextLong("1 2  ", s, e, v));
  EXPECT_EQ(v, 0);
}

TEST(DigitCount, CountsTheMinusSign) {
  EXPECT_EQ(DigitCount(0), 1);
  EXPECT_EQ(DigitCount(9), 1);
  EXPECT_EQ(DigitCount(10), 2);
  EXPECT_EQ(DigitCount(-1), 2);
  EXPECT_EQ(DigitCount(-10), 3);
  EXPECT_EQ(DigitCount(99999), 5);
  EXPECT_EQ(DigitCount(100000), 6);
  EXPECT_EQ(DigitCount(INT32_MAX), 10);
  EXPECT_EQ(DigitCount(INT32_MIN), 11);
}

}  // namespace
}  // namespace orv
