// The word count dialog offscreen over small stores: its controls, the
// preset word, the radio buttons and the match count field, the keys, and
// the buttons held off while a count runs.
#include "ui/search/orv_count.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "search/count_dialog.h"
#include "search/word_stores_fixture.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

using test::At;
using ::testing::ElementsAre;

// Records, with each message, whether the dialog's buttons were enabled.
class ProbeUI : public test::ScriptedUI {
 public:
  TWordCount* form = nullptr;
  std::vector<bool> buttonsOn;
  void Message(const std::string& text) override {
    buttonsOn.push_back(form->BCount->isEnabled() || form->BCancel->isEnabled());
    ScriptedUI::Message(text);
  }
};

class WordCountFormTest : public test::WordStoresFixture {
 protected:
  WordCountFormTest() {
    test::TestApp();
    Make({{"aleim", At(1, 1, 1, 3), 430},
          {"aleim", At(1, 1, 2, 1), 430},
          {"aleim", At(2, 1, 1, 1), 430},
          {"bra", At(1, 1, 1, 2), 1254}});
    form_ = std::make_unique<TWordCount>(set_, probe_);
    probe_.form = form_.get();
    form_->place = {1, 1};
  }
  ~WordCountFormTest() override { form_.reset(); }

  void Key(QWidget* target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
  }

  ProbeUI probe_;
  std::unique_ptr<TWordCount> form_;
};

TEST_F(WordCountFormTest, ControlsAsCreated) {
  TWordCount& f = *form_;
  EXPECT_EQ(f.windowTitle().toStdString(), "Word Count");
  for (const char* name :
       {"StaticText1", "SWord", "RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4",
        "RBMatch", "StaticText2", "MatchCount", "BCount", "BCancel"}) {
    EXPECT_NE(f.findChild<QWidget*>(name), nullptr) << name;
  }
  EXPECT_EQ(f.StaticText1->text().toStdString(), "Enter word or Strong's number to count");
  EXPECT_EQ(f.RadioButton1->text().toStdString(), "Occurences in chapter");
  EXPECT_EQ(f.BCancel->text().toStdString(), "Close");
  EXPECT_TRUE(f.RadioButton1->isChecked());
  EXPECT_EQ(f.MatchCount->text().toStdString(), "0");
}

TEST_F(WordCountFormTest, PresetWordIsTakenOverOnceAndCounted) {
  TWordCount& f = *form_;
  f.presetWord = "aleim";
  f.show();
  EXPECT_EQ(f.SWord->text().toStdString(), "aleim");
  EXPECT_TRUE(f.presetWord.empty());
  EXPECT_FALSE(f.MatchCount->isEnabled());
  f.BCount->click();
  f.RadioButton2->click();
  f.BCountClick();
  EXPECT_THAT(probe_.messages,
              ElementsAre("aleim occurs 2 times in Genesis 1", "aleim occurs 2 times in Genesis"));
  EXPECT_THAT(probe_.buttonsOn, ElementsAre(false, false));  // held off while counting
  EXPECT_TRUE(f.BCount->isEnabled() && f.BCancel->isEnabled());
  f.hide();
  f.show();  // no preset this time: the field starts empty
  EXPECT_TRUE(f.SWord->text().isEmpty());
  f.hide();
}

TEST_F(WordCountFormTest, MatchCountFieldFollowsTheRadioButtons) {
  TWordCount& f = *form_;
  f.show();
  f.MatchCount->clear();
  f.RBMatch->click();
  EXPECT_TRUE(f.MatchCount->isEnabled());
  EXPECT_TRUE(f.StaticText2->isEnabled());
  EXPECT_EQ(f.MatchCount->text().toStdString(), "1");  // an empty field becomes 1
  f.MatchCount->setText("2");
  f.BCountClick();  // empty word: every word with that count
  ASSERT_EQ(probe_.lists.size(), 1u);
  EXPECT_EQ(probe_.lists[0].caption, "Words appearing 2 times");
  f.MatchCount->setText("x");
  f.BCountClick();
  f.RadioButton3->click();
  EXPECT_FALSE(f.MatchCount->isEnabled());
  EXPECT_FALSE(f.StaticText2->isEnabled());
  f.SWord->setText("H430");
  f.BCountClick();
  EXPECT_THAT(probe_.messages, ElementsAre(kInvalidMatchCount, "H430 occurs 3 times in the Bible"));
  f.hide();
}

TEST_F(WordCountFormTest, EnterInTheWordCountsAndEscapeCloses) {
  TWordCount& f = *form_;
  f.show();
  f.SWord->setText("bra");
  Key(f.SWord, Qt::Key_Return);
  EXPECT_THAT(probe_.messages, ElementsAre("bra occurs 1 times in Genesis 1"));
  EXPECT_TRUE(f.isVisible());
  Key(f.MatchCount, Qt::Key_Escape);
  EXPECT_FALSE(f.isVisible());
  // Closing releases WORD, which stays open for the main window.
  EXPECT_TRUE(DSIsOpen(set_.WordDS.Handle()));
  EXPECT_EQ(set_.WordDS.OpenCount(), 1);
}

}  // namespace
}  // namespace orv::ui
