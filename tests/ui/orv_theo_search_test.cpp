// The thematic value search dialog offscreen: its fields from the search
// parameters, the checks' message boxes, and how it closes.
#include "ui/search/orv_theo_search.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "search/search_state.h"
#include "search/thematic_checks.h"
#include "support/scripted_ui.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

using ::testing::ElementsAre;

class TheoSearchTest : public ::testing::Test {
 protected:
  void Type(const char* value, const char* window, const char* minWords, const char* maxWords) {
    dialog_.SValue->setText(value);
    dialog_.SWindow->setText(window);
    dialog_.MinWords->setText(minWords);
    dialog_.MaxWords->setText(maxWords);
  }

  QApplication& app_ = test::TestApp();  // before any widget
  test::ScriptedUI ui_;
  ThematicParams params_;
  TTheoSearch dialog_{params_, ui_};
};

TEST_F(TheoSearchTest, ShowsTheKeptParameters) {
  EXPECT_EQ(dialog_.windowTitle().toStdString(), "Theomatic value search");
  dialog_.FormShow();
  EXPECT_EQ(dialog_.SValue->text().toStdString(), "120");
  EXPECT_EQ(dialog_.MaxWords->text().toStdString(), "0");
  EXPECT_FALSE(dialog_.CBFromBegin->isChecked());
  params_.window = 4;
  params_.fromHere = false;
  dialog_.FormShow();
  EXPECT_EQ(dialog_.SWindow->text().toStdString(), "4");
  EXPECT_TRUE(dialog_.CBFromBegin->isChecked());
}

TEST_F(TheoSearchTest, RefusedFieldsKeepItOpenValidOnesClose) {
  dialog_.FormShow();
  Type("0", "1", "3", "2");
  dialog_.StartClick();
  EXPECT_THAT(ui_.messages, ElementsAre(kInvalidThematicValue, kMinimumAboveMaximum));
  EXPECT_EQ(dialog_.result(), QDialog::Rejected) << "still open";
  EXPECT_EQ(params_.window, 1) << "each valid field is kept at once";

  ui_.messages.clear();
  Type("2701", "0", "0", "7");
  dialog_.CBFromBegin->setChecked(true);
  // Enter in any field starts the search.
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(dialog_.MaxWords, &enter);
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_EQ(dialog_.result(), QDialog::Accepted);
  EXPECT_EQ(params_.value, 2701);
  EXPECT_EQ(params_.maxWords, 7);
  EXPECT_FALSE(params_.fromHere);
}

TEST_F(TheoSearchTest, EscapeCancels) {
  dialog_.FormShow();
  dialog_.setResult(QDialog::Accepted);
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(dialog_.SValue, &escape);
  EXPECT_EQ(dialog_.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace orv::ui
