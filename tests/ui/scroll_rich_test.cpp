#include "ui/reference/scroll_rich.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <fstream>

#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

using ::testing::ElementsAre;

class TFScrollRichTest : public ::testing::Test {
 protected:
  QApplication& app = test::TestApp();  // before any widget
  test::TempDir dir;
  test::ScriptedUI ui;
  TFScrollRich viewer{ui};
};

TEST_F(TFScrollRichTest, ShowingLoadsTheFileWithItsParagraphsAndFormats) {
  std::ofstream(dir.File("HELP.RTF"), std::ios::binary)
      << "{\\rtf1\\fs24\r\n\\fs32\\b Getting Started\\b0\\fs24\\par\r\n"
         "\\b Ctrl+G\\b0  go to a verse.\\par\r\n\\par\\i Escape closes.\\i0\\par\r\n}\r\n";
  EXPECT_EQ(viewer.windowTitle(), "Information");
  viewer.setWindowTitle("Getting Started");
  viewer.SetFileName(dir.File("HELP.RTF"));
  viewer.show();
  EXPECT_TRUE(viewer.Memo1->isReadOnly());
  QTextDocument* doc = viewer.Memo1->document();
  ASSERT_EQ(doc->blockCount(), 4);
  EXPECT_EQ(doc->findBlockByNumber(0).text(), "Getting Started");
  EXPECT_EQ(doc->findBlockByNumber(1).text(), "Ctrl+G go to a verse.");
  EXPECT_EQ(doc->findBlockByNumber(3).text(), "Escape closes.");

  QTextCursor title(doc->findBlockByNumber(0));
  title.movePosition(QTextCursor::NextCharacter);
  EXPECT_EQ(title.charFormat().fontWeight(), QFont::Bold);
  EXPECT_DOUBLE_EQ(title.charFormat().fontPointSize(), 16.0);
  QTextCursor text(doc->findBlockByNumber(1));
  text.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 10);
  EXPECT_NE(text.charFormat().fontWeight(), QFont::Bold);
  QTextCursor note(doc->findBlockByNumber(3));
  note.movePosition(QTextCursor::NextCharacter);
  EXPECT_TRUE(note.charFormat().fontItalic());
  EXPECT_TRUE(ui.messages.empty());

  // Showing again starts afresh rather than adding to what is there.
  viewer.hide();
  viewer.show();
  EXPECT_EQ(viewer.Memo1->document()->blockCount(), 4);
}

TEST_F(TFScrollRichTest, EscapeInTheTextCloses) {
  std::ofstream(dir.File("README.RTF"), std::ios::binary) << "{\\rtf1 Notes\\par}";
  viewer.SetFileName(dir.File("README.RTF"));
  viewer.show();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(viewer.Memo1, &escape);
  EXPECT_FALSE(viewer.isVisible());
}

TEST_F(TFScrollRichTest, AMissingFileIsReportedAndLeavesTheTextEmpty) {
  viewer.SetFileName(dir.File("README.RTF"));
  viewer.show();
  EXPECT_THAT(ui.messages, ElementsAre("Cannot open file \"" + dir.File("README.RTF") + "\""));
  EXPECT_TRUE(viewer.Memo1->toPlainText().isEmpty());
}

}  // namespace
}  // namespace orv::ui
