// The word definition editor's form offscreen over a small text: what it
// shows for a word with and without an occurrence, its buttons, and a save
// refused or made through OK.
#include "ui/edit/orv_word_entry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "edit/word_editor_fixture.h"
#include "model/hebrew_glyphs.h"
#include "ui/qt_app.h"

namespace orv::test {
namespace {

using ::testing::ElementsAre;

class WordEntryForm : public WordEditorFixture {
 protected:
  WordEntryForm() { TestApp(); }

  // The form over the editor, loaded with (word, cite) and shown.
  std::unique_ptr<ui::TWordEdit> Show(const char* word, Citation cite) {
    editor_.Load(set_, word, cite, true);
    auto form = std::make_unique<ui::TWordEdit>(editor_, set_, view_, ui_);
    form->pageChanged = [this] { ++repaints_; };
    form->show();
    return form;
  }

  int repaints_ = 0;
};

TEST_F(WordEntryForm, ShowsTheWordItsDefinitionsAndWhatItsButtonsMayDo) {
  auto f = Show("viamr", kNullCite);
  EXPECT_EQ(f->windowTitle(), "Word Definition Edit");
  EXPECT_EQ(f->HebrewWord->text().toStdString(), StorageToHebrew("viamr"));
  EXPECT_EQ(f->Arabic->text(), "viamr");
  EXPECT_EQ(f->BRemPre1->text(), "v");
  EXPECT_EQ(f->BRemPre2->text(), "vi");
  EXPECT_TRUE(f->BRemPre2->isEnabled());
  for (QWidget* w : std::initializer_list<QWidget*>{f->Strong, f->XNum, f->CBMarkUse}) {
    EXPECT_FALSE(w->isEnabled());
  }
  EXPECT_EQ(f->CurrCite->text(), "");
  EXPECT_EQ(f->Strong->text(), "");
  EXPECT_FALSE(f->BBack->isEnabled());
  ASSERT_EQ(f->prefixRow.size(), 11u);
  EXPECT_EQ(f->prefixRow[0]->text(), "<--");
  EXPECT_EQ(f->prefixRow[10]->text(), "vx");

  f->BRemPreClick(f->BRemPre2);
  EXPECT_EQ(f->Arabic->text(), "amr");
  EXPECT_TRUE(f->BBack->isEnabled());
  EXPECT_FALSE(f->BTakeBack->isEnabled());     // amr has no definition 0
  EXPECT_TRUE(f->prefixRow[3]->isEnabled());   // "i" + amr occurs
  EXPECT_FALSE(f->prefixRow[1]->isEnabled());  // "v" + amr does not
  f->PrefixRowClick(2);
  EXPECT_EQ(f->Arabic->text(), "iamr");
  EXPECT_TRUE(f->prefixRow[0]->isEnabled());
  f->PrefixRowClick(-1);
  EXPECT_EQ(f->Arabic->text(), "amr");
  f->BBackClick();
  EXPECT_EQ(f->Arabic->text(), "viamr");
  f->CancelClick();
  EXPECT_EQ(f->result(), QDialog::Rejected);
}

TEST_F(WordEntryForm, OKSavesTheOccurrenceAndClosesButABadFieldKeepsItOpen) {
  auto f = Show("aleim", At(1, 1, 2, 1));
  EXPECT_EQ(f->CurrCite->text(), "Gen 1:2.1");
  EXPECT_EQ(f->Strong->text(), "430");
  EXPECT_EQ(f->Def[0]->text(), "God");
  EXPECT_TRUE(f->Cancel->isEnabled());
  EXPECT_EQ(f->OK->text(), "OK");
  const std::string before = Disk();
  f->XNum->setText("7");
  f->OKClick();
  EXPECT_THAT(ui_.messages, ElementsAre(kInvalidUseNumber));
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(Disk(), before);
  EXPECT_EQ(repaints_, 0);

  f->XNum->setText("1");
  f->Def[1]->setText("the gods");
  f->CBMarkUse->setChecked(true);
  f->OKClick();
  EXPECT_EQ(f->result(), QDialog::Accepted);
  EXPECT_EQ(repaints_, 1);
  EXPECT_EQ(XlatOf("aleim").gloss[1].View(), "the-gods");
  EXPECT_EQ(CiteAt(At(1, 1, 2, 1)).use, 1);
  EXPECT_EQ(CiteAt(At(1, 1, 2, 1)).flags & 1, 1);
}

TEST_F(WordEntryForm, StayOpenModeSavesWithoutClosing) {
  editor_.stayOpen = true;
  auto f = Show("amr", kNullCite);
  EXPECT_EQ(f->OK->text(), "Save");
  EXPECT_FALSE(f->Cancel->isEnabled());
  f->Def[0]->setText("say");
  f->OKClick();
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(XlatOf("amr").gloss[0].View(), "say");
  editor_.stayOpen = false;
  f->close();
}

}  // namespace
}  // namespace orv::test
