#include "ui/platform/vlist.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <cstdlib>
#include <optional>

#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

using test::ReadText;

class TAListTest : public ::testing::Test {
 protected:
  TAListTest() {
    list.setWindowTitle("Occurrences of bra");
    list.SetItems({"Gen 1:1.2", "Gen 2:3.9", "Gen 2:4.7"});
  }

  void Key(QWidget* target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
  }

  void DoubleClick(int row, Qt::MouseButton button) {
    QPoint at = list.ListBox1->visualItemRect(list.ListBox1->item(row)).center();
    QWidget* viewport = list.ListBox1->viewport();
    QMouseEvent click(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &click);
  }

  QApplication& app = test::TestApp();  // before any widget
  test::ScriptedUI ui;
  TAList list{ui};
};

TEST_F(TAListTest, StartsWithSelectDisabledAndTheListFocusedOnShow) {
  EXPECT_EQ(list.ListBox1->objectName(), "ListBox1");
  EXPECT_EQ(list.Save->text(), "Save");
  EXPECT_EQ(list.Select->text(), "Select");
  EXPECT_EQ(list.Cancel->text(), "Close");
  EXPECT_FALSE(list.Select->isEnabled());
  EXPECT_EQ(list.SelectedIndex(), -1);
  list.show();
  list.Cancel->setFocus();
  ASSERT_EQ(list.focusWidget(), list.Cancel);
  list.hide();
  list.show();
  EXPECT_EQ(list.focusWidget(), list.ListBox1);
}

TEST_F(TAListTest, SelectAndEnterCloseKeepingTheSelection) {
  list.Select->setEnabled(true);
  list.SetSelectedIndex(1);
  list.show();
  list.Select->click();
  EXPECT_FALSE(list.isVisible());
  EXPECT_EQ(list.result(), QDialog::Accepted);
  EXPECT_EQ(list.SelectedIndex(), 1);

  list.SetSelectedIndex(2);
  list.show();
  Key(list.ListBox1, Qt::Key_Return);
  EXPECT_FALSE(list.isVisible());
  EXPECT_EQ(list.result(), QDialog::Accepted);
  EXPECT_EQ(list.SelectedIndex(), 2);
}

TEST_F(TAListTest, EscapeAndCloseLeaveNoSelection) {
  list.SetSelectedIndex(1);
  list.show();
  Key(list.ListBox1, Qt::Key_Escape);
  EXPECT_FALSE(list.isVisible());
  EXPECT_EQ(list.result(), QDialog::Rejected);
  EXPECT_EQ(list.SelectedIndex(), -1);

  list.SetSelectedIndex(0);
  list.show();
  list.Cancel->click();
  EXPECT_FALSE(list.isVisible());
  EXPECT_EQ(list.SelectedIndex(), -1);
}

TEST_F(TAListTest, LeftDoubleClickSelectsTheClickedItemAndCloses) {
  list.SetSelectedIndex(0);
  list.show();
  QApplication::processEvents();
  DoubleClick(2, Qt::RightButton);
  EXPECT_TRUE(list.isVisible());
  DoubleClick(2, Qt::LeftButton);
  EXPECT_FALSE(list.isVisible());
  EXPECT_EQ(list.result(), QDialog::Accepted);
  EXPECT_EQ(list.SelectedIndex(), 2);
}

TEST_F(TAListTest, SaveWritesOneLinePerItemUnderTheCaptionsName) {
  test::TempDir dir;
  ui.saveFile.push_back(dir.File("three.TXT"));
  list.Save->click();
  EXPECT_EQ(ui.lastFileRequest.defaultName, "Occurrences of bra");
  EXPECT_EQ(ui.lastFileRequest.extension, "TXT");
  EXPECT_EQ(ReadText(dir.File("three.TXT")), "Gen 1:1.2\r\nGen 2:3.9\r\nGen 2:4.7\r\n");

  list.SetItems({});
  ui.saveFile.push_back(dir.File("empty.TXT"));
  list.SaveClick();
  EXPECT_TRUE(std::filesystem::exists(dir.File("empty.TXT")));
  EXPECT_EQ(ReadText(dir.File("empty.TXT")), "");
  EXPECT_TRUE(ui.messages.empty());
  // Saving leaves the dialog open.
  EXPECT_EQ(list.result(), 0);
}

}  // namespace
}  // namespace orv::ui
