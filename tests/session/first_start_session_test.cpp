// The first start of the main window over a program folder that holds the
// supplied interlinear lines: the page shows them under the words, and the
// next start neither adds them again nor moves the user's lines.
#include <gtest/gtest.h>

#include <filesystem>

#include "model/supplied_sources.h"
#include "session/session_fixture.h"

namespace orv {
namespace {

class FirstStartSessionTest : public test::SessionFixture {
 protected:
  FirstStartSessionTest() {
    const char* verse1[] = {"In-the-beginning", "prep+noun.fs.abs", "bərēʾšît"};
    for (size_t i = 0; i < kSuppliedSources.size(); ++i) {
      const std::string folder = dir_.File("prog/") + kSuppliedSources[i].folder;
      std::filesystem::create_directories(folder);
      test::WriteText(folder + "/GEN.ILT", std::string("*BOOK Genesis\r\n*L-R\r\n*1\r\n1  ") +
                                               verse1[i] + " second\r\n");
    }
  }
  // The page's words at Genesis 1:1 after the first paint.
  const WordEntry& FirstWord() {
    session_->AfterFirstPaint();
    Paint();
    return session_->page.buffer.entry[1];
  }
};

TEST_F(FirstStartSessionTest, TheSuppliedLinesFillThePageFromTheFirstStart) {
  Session& s = Open();
  EXPECT_TRUE(s.settings.showStrongs);
  EXPECT_GT(s.settings.thematic, 0);
  const WordEntry& w = FirstWord();
  EXPECT_EQ(w.text[1], "In-the-beginning");
  EXPECT_EQ(w.text[2], "prep+noun.fs.abs");
  EXPECT_EQ(w.text[3], "bərēʾšît");
  EXPECT_EQ(session_->page.buffer.entry[2].text[1], "second");
  // Read from the copies in the data root, where the ILT editor writes.
  EXPECT_EQ(s.page.lines.firstIltLine, 1);
  EXPECT_TRUE(std::filesystem::exists(dir_.File("root/Interlinear/Morphology/GEN.ILT")));

  // The user hides line 2 and closes; the next start keeps that.
  s.settings.il.SetSelection(2, 0);
  ASSERT_TRUE(s.Close());
  session_.reset();
  Session& again = Open();
  EXPECT_EQ(again.settings.il.InterlinearCount(), 4);
  EXPECT_EQ(again.settings.il.Selection(2), 0);
  EXPECT_EQ(again.settings.il.LineName(3), "Transliteration");
  EXPECT_EQ(FirstWord().text[3], "bərēʾšît");
}

TEST_F(FirstStartSessionTest, ASettingsFileWithSourcesOfItsOwnIsLeftAlone) {
  Settings own;
  ReadSettingsText(own, "");
  own.il.DeleteInterlinearText(1);
  own.il.AddInterlinearText("Mine", "English", "ILT_M\\");
  own.il.SetSelection(1, 1);
  ASSERT_TRUE(WriteSettings(own, SettingsFile()));
  Session& s = Open();
  EXPECT_EQ(s.settings.il.InterlinearCount(), 1);
  EXPECT_EQ(s.settings.il.LineName(1), "Mine");
  EXPECT_FALSE(s.settings.showStrongs);
  EXPECT_FALSE(std::filesystem::exists(dir_.File("root/Interlinear")));
}

}  // namespace
}  // namespace orv
