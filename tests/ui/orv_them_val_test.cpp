// The thematic value dialog offscreen over the small text of the run
// search tests: every result and message in Orig and Trad.
#include "ui/search/orv_them_val.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

#include "config/settings.h"
#include "model/letter_values.h"
#include "search/range_value.h"
#include "search/run_text_fixture.h"
#include "search/value_fields.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

class ThemValTest : public test::RunTextFixture {
 protected:
  void SetUp() override { Build(); }

  void Enter(QWidget* field) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(field, &press);
  }
  std::pair<std::string, std::string> Shown() const {
    return {dialog_.Orig->text().toStdString(), dialog_.Trad->text().toStdString()};
  }

  QApplication& app_ = test::TestApp();  // before any widget
  Settings settings_;
  TThemVal dialog_{set_, ui_, settings_};
};

TEST_F(ThemValTest, StartsOnRangeWithNoValues) {
  EXPECT_EQ(dialog_.windowTitle().toStdString(), "Thematic Value");
  EXPECT_TRUE(dialog_.RBVRange->isChecked());
  EXPECT_EQ(Shown(), std::make_pair(std::string(kNoValue), std::string(kNoValue)));
  EXPECT_TRUE(dialog_.Orig->isReadOnly());
  EXPECT_EQ(dialog_.Paleo->focusPolicy(), Qt::NoFocus);
}

TEST_F(ThemValTest, TextComputation) {
  dialog_.Ltrs->setText("ALEIM");
  Enter(dialog_.Ltrs);
  EXPECT_TRUE(dialog_.RBText->isChecked());
  EXPECT_EQ(dialog_.Ltrs->text().toStdString(), "aleim") << "shown lowered";
  EXPECT_EQ(Shown(), std::make_pair(std::string("343"), std::string("86")));
  // The Hebrew field shows the letters in the order they are to be seen.
  EXPECT_TRUE(dialog_.Paleo->text().contains(QChar(0x05DD))) << "final mem";

  dialog_.Ltrs->setText("abf");
  dialog_.ComputeClick();
  EXPECT_EQ(Shown(), std::make_pair(std::string(kIllegalCharacters), std::string(kNoValue)));
  dialog_.Ltrs->clear();
  dialog_.ComputeClick();
  EXPECT_EQ(Shown(), std::make_pair(std::string(kNoTextEntered), std::string(kNoValue)));
  EXPECT_TRUE(ui_.messages.empty()) << "no message box";
}

TEST_F(ThemValTest, RangeComputation) {
  dialog_.RBText->setChecked(true);
  dialog_.VStart->setText("gen 1:1.2");
  Enter(dialog_.VStart);
  EXPECT_EQ(Shown().first, kNoValue) << "Enter in VStart computes nothing";
  dialog_.VStop->setText(".3");
  Enter(dialog_.VStop);
  EXPECT_TRUE(dialog_.RBVRange->isChecked());
  EXPECT_EQ(dialog_.VStart->text().toStdString(), "Gen 1:1.2");
  EXPECT_EQ(dialog_.VStop->text().toStdString(), "Gen 1:1.3");
  EXPECT_EQ(Shown(), std::make_pair(std::string("343"), std::string("84")));
  EXPECT_EQ(ui_.maxWaitDepth, 1);

  dialog_.VStop->setText("Mal 1:1.2");
  dialog_.ComputeClick();
  EXPECT_EQ(Shown(), std::make_pair(std::string(kDatastoreError), std::string(kNoValue)));
  dialog_.VStart->setText("Gen 1:2");
  dialog_.VStop->setText("Gen 1:1");
  dialog_.ComputeClick();
  EXPECT_EQ(Shown().first, kEndBeforeStart);
  EXPECT_EQ(dialog_.VStop->text().toStdString(), "Gen 1:1") << "not rewritten";
  EXPECT_TRUE(ui_.messages.empty()) << "no message box";
  EXPECT_EQ(ui_.waitDepth, 0);
}

}  // namespace
}  // namespace orv::ui
