// The page word buffer over a small Hebrew source, an interlinear text and
// a translation database: merging, continuing, chapter ends, missing sources.
#include "page/page_fill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "build/focc_build.h"
#include "page/page_fixture.h"

namespace orv {
namespace {

using test::AddCite;
using test::AddXlat;
using test::WriteText;
using PageFillTest = test::BufferFixture;

TEST_F(PageFillTest, MergesTheLinesWordByWord) {
  // Verse 1 lacks its third gloss, and verse 2's second is "...": neither
  // may shift the glosses of the verses after it.
  WriteText(Ilt(),
            "*BOOK Genesis\r\n*L-R\r\n*1\r\n1  in-beginning created\r\n"
            "2  and-the-earth ... formless\r\n3  and-said God\r\n*2\r\n1  finished\r\n");
  AddCite(set_, {1, 1, 1, 1}, 7225, 1);
  AddCite(set_, {1, 1, 1, 2}, 1254);
  AddCite(set_, {1, 1, 1, 3}, 430);
  AddCite(set_, {1, 1, 3, 2}, 430);  // 2:1..3:1 have none
  AddXlat(set_, "bra", {"create", "created"});
  AddXlat(set_, "brawix", {"beginning", "the-start"});
  settings_.il.SetSelection(1, 1);
  settings_.il.SetSelection(3, 2);
  Assign();
  EXPECT_EQ(page_.lines.highestLine, 3);
  EXPECT_EQ(page_.lines.firstIltLine, 1);
  EXPECT_EQ(reload_, WordReload::kReadAgain);

  FillResult r = Fill({1, 1, 1, 1});
  EXPECT_EQ(r.first, 1);
  EXPECT_EQ(r.last, 8);
  EXPECT_EQ(reload_, WordReload::kValid);
  EXPECT_TRUE(page_.buffer.endOfChapter);
  EXPECT_EQ(Column(0), (std::vector<std::string>{"brawix", "bra", "aleim", "vearc", "eixe", "xev",
                                                 "viamr", "aleim"}));
  EXPECT_EQ(Column(1), (std::vector<std::string>{"in-beginning", "created", "", "and-the-earth", "",
                                                 "formless", "and-said", "God"}));
  EXPECT_EQ(Column(2), std::vector<std::string>(8));
  EXPECT_EQ(Column(3), (std::vector<std::string>{"the-start", "create", "", "", "", "", "", ""}));
  EXPECT_EQ(Entry(1).strongs, 7225);
  EXPECT_EQ(Entry(3).strongs, 430);
  EXPECT_EQ(Entry(4).strongs, 0);
  EXPECT_EQ(Entry(8).strongs, 430);
  EXPECT_EQ(Entry(8).cite, (Citation{1, 1, 3, 2}));
  EXPECT_EQ(Entry(2).thematic, 2 + 200 + 1);  // b r a, original values
  EXPECT_EQ(page_.lines.source[0].bookTitle, "Genesis");
}

TEST_F(PageFillTest, FollowsTheSettingsForTextAndNumbers) {
  settings_.showStrongs = false;
  settings_.thematic = -1;
  settings_.displayFont.name = "OLBHEB";
  AddCite(set_, {1, 1, 1, 1}, 7225);
  Assign();
  Fill({1, 1, 1, 1});
  EXPECT_EQ(Entry(1).hebrew, "brasyt");  // as read
  EXPECT_EQ(Entry(1).strongs, 0);
  EXPECT_EQ(Entry(1).thematic, 0);
  // A joining hyphen stays in the shown word but not in the lookup word.
  AddXlat(set_, "smim", {"heavens"});
  settings_.il.SetSelection(1, 2);
  Assign();
  Fill({1, 2, 1, 1});
  EXPECT_EQ(Column(0), (std::vector<std::string>{"wyklw", "h-smyM"}));
  EXPECT_EQ(Column(1), (std::vector<std::string>{"", ""}));
}

TEST_F(PageFillTest, ContinuesWhereItStoppedAndReloadsOnlyWhenItMust) {
  Assign();
  FillResult r = Fill({1, 1, 1, 2}, 2);
  EXPECT_EQ(r.first, 2);
  EXPECT_EQ(r.last, 3);
  EXPECT_FALSE(page_.buffer.endOfChapter);
  page_.buffer.entry[1].strongs = -5;  // marks an entry that a reload would replace
  r = Fill({1, 1, 1, 3}, 3);
  EXPECT_EQ(r.first, 3);
  EXPECT_EQ(r.last, 5);
  EXPECT_EQ(Entry(5).cite, (Citation{1, 1, 2, 2}));
  EXPECT_EQ(page_.buffer.entry[1].strongs, -5);
  // Enough words loaded: nothing is read.
  r = Fill({1, 1, 1, 1}, 4);
  EXPECT_EQ(r.first, 1);
  EXPECT_EQ(r.last, 5);
  // To the chapter's end.
  r = Fill({1, 1, 2, 1}, 10);
  EXPECT_EQ(r.first, 4);
  EXPECT_EQ(r.last, 8);
  EXPECT_TRUE(page_.buffer.endOfChapter);
  EXPECT_EQ(page_.buffer.entry[1].strongs, -5);
  // A position after the last word loaded starts the chapter again.
  r = Fill({1, 1, 3, 3});
  EXPECT_EQ(r.first, 1);
  EXPECT_EQ(page_.buffer.entry[1].strongs, 0);
  // Another chapter empties the buffer.
  r = Fill({1, 2, 1, 2});
  EXPECT_EQ(r.first, 2);
  EXPECT_EQ(page_.buffer.count, 2);
  EXPECT_EQ(Entry(1).cite, (Citation{1, 2, 1, 1}));
  // So does a reload request.
  Fill({1, 1, 1, 1}, 2);
  page_.buffer.entry[1].strongs = -5;
  reload_ = WordReload::kReadAgain;
  Fill({1, 1, 1, 1}, 2);
  EXPECT_EQ(page_.buffer.entry[1].strongs, 0);
}

TEST_F(PageFillTest, CutsAChapterLongerThanTheBuffer) {
  std::string text = "*1\n";
  for (int v = 1; v <= 13; ++v) {
    text += std::to_string(v);
    for (int w = 0; w < 100; ++w) text += " ab";
    text += "\n";
  }
  test::WriteSource(dir_.File("Source"), 1, text);
  Assign();
  EXPECT_EQ(Fill({1, 1, 1, 1}).last, 512);
  FillResult r = Fill({1, 1, 10, 1});  // entry 901
  EXPECT_EQ(r.first, 901);
  EXPECT_EQ(r.last, 1279);
  EXPECT_FALSE(page_.buffer.endOfChapter);
  EXPECT_EQ(Entry(1279).cite, (Citation{1, 1, 13, 79}));
  r = Fill({1, 1, 13, 90});  // beyond the cut
  EXPECT_EQ(r.first, kPageSlots - kPageWanted);
  EXPECT_EQ(r.last, 1279);
}

TEST_F(PageFillTest, MissingSourcesLeaveTheirLinesEmpty) {
  settings_.il.SetSelection(1, 1);  // no GEN.ILT
  Assign();
  FillResult r = Fill({1, 1, 1, 1});
  EXPECT_EQ(r.last, 8);
  EXPECT_EQ(Column(1), std::vector<std::string>(8));
  // Without its Hebrew file the page has nothing.
  Fill({2, 1, 1, 1});
  EXPECT_EQ(page_.buffer.count, 0);
  EXPECT_TRUE(page_.buffer.endOfChapter);
}

TEST_F(PageFillTest, TheBookViewComesBackAfterABuildDropsTheBookFiles) {
  settings_.markFOcc = 2;  // first occurrences in the page's book
  Assign();
  Fill({1, 1, 1, 1});
  ASSERT_NE(set_.ActiveFOcc(), nullptr);
  DropBookFOccFiles(set_);  // what a build of WORD does
  EXPECT_EQ(set_.ActiveFOcc(), nullptr);
  reload_ = WordReload::kReadAgain;
  Fill({1, 1, 1, 1});
  EXPECT_NE(set_.ActiveFOcc(), nullptr) << "the underlines stay off until the book changes";
}

}  // namespace
}  // namespace orv
