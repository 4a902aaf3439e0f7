// A Hebrew book written as a source file.
#include "import/olf_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "import/oshb_reader.h"

namespace orv {
namespace {

using ::testing::ElementsAre;

TEST(OlfText, WritesHeaderChaptersAndWrapsLongVersesAt80Columns) {
  OshbBook book;
  book.chapters.push_back({119, {{176, {}, {}}, {2, {"bra"}, {1}}}});
  for (int i = 0; i < 43; ++i)
    book.chapters[0].verses[0].tokens.push_back("wyamrw-" + std::to_string(i));
  std::istringstream in(OlfText(19, book));
  std::vector<std::string> lines;
  for (std::string l; std::getline(in, l);) {
    ASSERT_TRUE(l.ends_with('\r')) << l;
    l.pop_back();
    EXPECT_LE(l.size(), kOlfLineWidth) << l;
    lines.push_back(l);
  }
  ASSERT_GE(lines.size(), 9u);
  EXPECT_THAT(std::vector<std::string>(lines.begin(), lines.begin() + 6),
              ElementsAre("*BOOK Psalms", "*CITE Ps ", "*LANG Hebrew",
                          "*WHAT Open Scriptures Hebrew Bible (Westminster Leningrad Codex)",
                          "*R-L", "*119"));
  EXPECT_TRUE(lines[6].starts_with("176 wyamrw-0 "));
  std::string joined = lines[6];
  for (size_t i = 7; i + 1 < lines.size(); ++i) {
    ASSERT_TRUE(lines[i].starts_with(' ')) << lines[i];
    size_t first = std::min(lines[i].find(' ', 1), lines[i].size());
    EXPECT_GT(lines[i - 1].size() + first, kOlfLineWidth) << "wrapped too early";
    joined += lines[i];
  }
  EXPECT_TRUE(joined.ends_with(" wyamrw-41 wyamrw-42"));
  EXPECT_EQ(lines.back(), "2 bra");
}

}  // namespace
}  // namespace orv
