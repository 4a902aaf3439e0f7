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

}  // namespace
}  // namespace orv
