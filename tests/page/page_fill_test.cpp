// The page word buffer over a small Hebrew source, an interlinear text and
// a translation database: merging, continuing, chapter ends, writing edits.
#include "page/page_fill.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "build/source_text.h"
#include "config/settings.h"
#include "model/datastore_set.h"
#include "model/records.h"
#include "page/ilt_writeback.h"
#include "page/line_assign.h"
#include "page/page_stores.h"
#include "page/page_words.h"
#include "support/scripted_ui.h"
#include "support/store_records.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::ReadBytes;

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

std::string ReadText(const std::string& path) {
  auto bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

// Genesis 1 (source spelling), 2 and 3 for the Hebrew line.
constexpr const char kGenesis[] =
    "*BOOK Genesis\n*CITE Gen \n"
    "*1\n"
    "1 brasyt bra alhyM\n"
    "2 wharU hyth thw\n"
    "3 wyamr alhyM\n"
    "*2\n"
    "1 wyklw h-smyM\n";

class PageFillTest : public ::testing::Test {
 protected:
  PageFillTest() : set_(dir_.path() + "/heb/", dir_.path() + "/xlat/"), env_{settings_, set_, ui_} {
    std::filesystem::create_directories(dir_.File("Source"));
    std::filesystem::create_directories(dir_.File("heb"));
    std::filesystem::create_directories(dir_.File("xlat"));
    std::filesystem::create_directories(dir_.File("ILT"));
    test::WriteSource(dir_.File("Source"), 1, kGenesis);
    settings_.showStrongs = true;
    settings_.thematic = 1;
    settings_.il.AddInterlinearText("English", "English", dir_.path() + "/ILT/");
    settings_.il.AddTranslationDatabase("Db", "English", dir_.path() + "/xlat/");
  }
  ~PageFillTest() override { FinishPage(page_, env_); }

  void Assign() { AssignSources(page_, env_, dir_.path(), reload_); }
  FillResult Fill(Citation p, int wanted = kPageWanted) {
    return FillBuffer(page_, env_, p, wanted, reload_);
  }
  const WordEntry& Entry(int k) { return page_.buffer.entry[static_cast<size_t>(k)]; }
  std::vector<std::string> Column(int line) {
    std::vector<std::string> out;
    for (int k = 1; k <= page_.buffer.count; ++k) {
      const WordEntry& e = Entry(k);
      out.push_back(line == 0 ? e.hebrew : e.text[static_cast<size_t>(line)]);
    }
    return out;
  }
  void AddCite(Citation c, uint16_t strongs, uint8_t use = 0) {
    test::AddCite(set_, c, strongs, use);
  }
  void AddXlat(const std::string& word, std::vector<std::string> glosses) {
    test::AddXlat(set_, word, glosses);
  }
  std::string Ilt() const { return dir_.File("ILT/GEN.ILT"); }

  test::TempDir dir_;
  Settings settings_;
  DatastoreSet set_;
  test::ScriptedUI ui_;
  PageEnv env_;
  Page page_;
  WordReload reload_ = WordReload::kValid;
};

TEST_F(PageFillTest, MergesTheLinesWordByWord) {
  // Verse 1 lacks its third gloss, and verse 2's second is "...": neither
  // may shift the glosses of the verses after it.
  WriteFile(Ilt(),
            "*BOOK Genesis\r\n*L-R\r\n*1\r\n1  in-beginning created\r\n"
            "2  and-the-earth ... formless\r\n3  and-said God\r\n*2\r\n1  finished\r\n");
  AddCite({1, 1, 1, 1}, 7225, 1);
  AddCite({1, 1, 1, 2}, 1254);
  AddCite({1, 1, 1, 3}, 430);
  AddCite({1, 1, 3, 2}, 430);  // 2:1..3:1 have none
  AddXlat("bra", {"create", "created"});
  AddXlat("brawix", {"beginning", "the-start"});
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
  AddCite({1, 1, 1, 1}, 7225);
  Assign();
  Fill({1, 1, 1, 1});
  EXPECT_EQ(Entry(1).hebrew, "brasyt");  // as read
  EXPECT_EQ(Entry(1).strongs, 0);
  EXPECT_EQ(Entry(1).thematic, 0);
  // A joining hyphen stays in the shown word but not in the lookup word.
  AddXlat("smim", {"heavens"});
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

TEST_F(PageFillTest, WritesEditedGlossesBackAndReadsThemAgain) {
  WriteFile(Ilt(),
            "*BOOK Genesis\r\n*L-R\r\n*1\r\n1  in-beginning created God\r\n"
            "2  and-the-earth was formless\r\n3  and-said God\r\n");
  // A second ILT text on line 2: shown, but never written.
  std::filesystem::create_directories(dir_.File("ILT2"));
  WriteFile(dir_.File("ILT2/GEN.ILT"), "*1\n1 a b c\n");
  settings_.il.AddInterlinearText("Other", "English", dir_.path() + "/ILT2/");
  settings_.il.SetSelection(1, 1);
  settings_.il.SetSelection(2, 2);
  Assign();
  ASSERT_EQ(page_.lines.firstIltLine, 1);
  Fill({1, 1, 1, 1});
  page_.buffer.entry[2].text[1] = "made";
  page_.buffer.entry[2].changed = true;
  page_.buffer.entry[3].text[1] = "";  // edited to nothing
  page_.buffer.entry[3].changed = true;
  page_.buffer.entry[2].text[2] = "never-written";
  page_.lines.iltChanged = true;
  reload_ = WordReload::kReadAgain;
  Fill({1, 1, 1, 1});
  EXPECT_FALSE(page_.lines.iltChanged);
  EXPECT_EQ(ReadText(Ilt()),
            "*BOOK Genesis\r\n*L-R\r\n*1\r\n1  in-beginning made ...\r\n"
            "2  and-the-earth was formless\r\n3  and-said God\r\n");
  EXPECT_EQ(Column(1), (std::vector<std::string>{"in-beginning", "made", "", "and-the-earth", "was",
                                                 "formless", "and-said", "God"}));
  EXPECT_EQ(ReadText(dir_.File("ILT2/GEN.ILT")), "*1\n1 a b c\n");
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(PageFillTest, KeepsEditsPendingWhenTheFileCannotBeWritten) {
  settings_.il.SetSelection(1, 1);
  Assign();
  Fill({1, 1, 1, 1});
  page_.buffer.entry[1].text[1] = "start";
  page_.buffer.entry[1].changed = true;
  page_.lines.iltChanged = true;
  std::filesystem::remove_all(dir_.File("ILT"));
  EXPECT_FALSE(WritePendingEdits(page_, env_));
  EXPECT_EQ(ui_.messages, std::vector<std::string>{kIltWriteError});
  EXPECT_TRUE(page_.lines.iltChanged);
  EXPECT_TRUE(Entry(1).changed);
  std::filesystem::create_directories(dir_.File("ILT"));
  EXPECT_TRUE(WritePendingEdits(page_, env_));
  // The whole verse is written, its other words without glosses.
  EXPECT_EQ(ReadText(Ilt()), "*1\r\n1  start ... ...\r\n");
}

TEST(SourcePaths, ResolveAsTheSettingsMeanThem) {
  EXPECT_EQ(ResolveSourcePath("ILT_X\\"), "\\ORV\\ILT_X\\");
  EXPECT_EQ(ResolveSourcePath("ILT_X"), "\\ORV\\ILT_X\\");
  EXPECT_EQ(ResolveSourcePath(""), "\\ORV\\");
  EXPECT_EQ(ResolveSourcePath("C:\\Data"), "C:\\Data\\");
  EXPECT_EQ(ResolveSourcePath("\\Texts\\"), "\\Texts\\");
  EXPECT_EQ(ResolveSourcePath("/home/u/ilt/"), "/home/u/ilt/");
}

}  // namespace
}  // namespace orv
