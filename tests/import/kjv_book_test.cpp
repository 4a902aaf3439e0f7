// A King James book gathered verse by verse and rendered as its file.
#include "import/kjv_book.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(KjvBook, JoinsVersesPutsTitlesFirstAndFillsGaps) {
  KjvBook book;
  book.AddText({3, 2}, {{"LORD,", false}});
  book.AddTitle(3, {{"A", false}, {"Psalm", false}, {"4210", true}});
  book.AddText({3, 5}, {{"first", false}});
  book.AddText({3, 5}, {{"second", false}});
  book.AddText({4, 1}, {{"body", false}});
  book.AddTitle(4, {{"Title", false}});
  EXPECT_EQ(book.Render(),
            "3:1 A Psalm 4210\r\n3:2 LORD,\r\n3:3 \r\n3:4 \r\n3:5 first second\r\n"
            "4:1 Title body\r\n");
}

}  // namespace
}  // namespace orv
