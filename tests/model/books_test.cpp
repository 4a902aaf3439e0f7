#include "model/books.h"

#include <gtest/gtest.h>

#include <set>

namespace orv {
namespace {

TEST(BookTables, EndsAndOutOfRangeNumbers) {
  EXPECT_EQ(BookCode(1), "GEN");
  EXPECT_EQ(BookCode(8), "RUTH");
  EXPECT_EQ(BookCode(22), "SS");
  EXPECT_EQ(BookCode(39), "MAL");
  EXPECT_EQ(BookName(19), "Psalms");
  EXPECT_EQ(BookName(22), "Song of Solomon");
  EXPECT_EQ(BookName(39), "Malachi");
  for (int bad : {0, 40, -1, 255}) {
    EXPECT_EQ(BookCode(bad), "");
    EXPECT_EQ(BookName(bad), "UNKNOWN");
  }
}

TEST(BookTables, CodesAreDistinctFileNames) {
  std::set<std::string> codes;
  for (int b = 1; b <= kBookCount; ++b) {
    std::string c = BookCode(b);
    EXPECT_FALSE(c.empty());
    EXPECT_LE(c.size(), 4u);
    EXPECT_EQ(c.find_first_of(" \\/."), std::string::npos) << c;
    codes.insert(c);
  }
  EXPECT_EQ(codes.size(), static_cast<size_t>(kBookCount));
}

TEST(BookCiteAbbrev, ThreeCharactersPaddedAndDistinct) {
  std::set<std::string> seen;
  for (int b = 1; b <= kBookCount; ++b) {
    std::string a = BookCiteAbbrev(b);
    EXPECT_EQ(a.size(), 3u) << b;
    EXPECT_NE(a[0], ' ') << b;
    seen.insert(a);
  }
  EXPECT_EQ(seen.size(), static_cast<size_t>(kBookCount));
  EXPECT_EQ(BookCiteAbbrev(20), "Pr ");
  EXPECT_EQ(BookCiteAbbrev(22), "SS ");
  EXPECT_EQ(BookCiteAbbrev(26), "Ez ");
  EXPECT_EQ(BookCiteAbbrev(29), "Joe");
  for (int bad : {0, 40, -1}) EXPECT_EQ(BookCiteAbbrev(bad), "") << bad;
}

}  // namespace
}  // namespace orv
