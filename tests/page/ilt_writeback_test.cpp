// Glosses edited on the page written back into the interlinear text file,
// at a reload of the words or on request, and kept pending when that fails.
#include "page/ilt_writeback.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "page/page_fixture.h"

namespace orv {
namespace {

using test::ReadText;
using test::WriteText;
using IltWritebackTest = test::BufferFixture;

TEST_F(IltWritebackTest, WritesEditedGlossesBackAndReadsThemAgain) {
  WriteText(Ilt(),
            "*BOOK Genesis\r\n*L-R\r\n*1\r\n1  in-beginning created God\r\n"
            "2  and-the-earth was formless\r\n3  and-said God\r\n");
  // A second ILT text on line 2: shown, but never written.
  std::filesystem::create_directories(dir_.File("ILT2"));
  WriteText(dir_.File("ILT2/GEN.ILT"), "*1\n1 a b c\n");
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

TEST_F(IltWritebackTest, KeepsEditsPendingWhenTheFileCannotBeWritten) {
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

}  // namespace
}  // namespace orv
