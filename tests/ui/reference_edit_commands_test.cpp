// The word menu's Strong's Entry and ILT Entry and the database browser,
// offscreen over a small text whose datastores are built beforehand.
#include "ui/main/reference_edit_commands.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <string>
#include <vector>

#include "built_window_fixture.h"
#include "cite/citation_text.h"
#include "edit/db_browser.h"
#include "edit/strongs_editor.h"
#include "edit/word_editor.h"
#include "model/books.h"
#include "support/store_records.h"
#include "ui/edit/orv_browse_db.h"
#include "ui/edit/orv_stng_edit.h"
#include "ui/edit/orv_word_entry.h"

namespace orv::ui {
namespace {

class ReferenceEditTest : public test::BuiltWindowTest {
 protected:
  ReferenceEditTest() {
    modal = [this](QDialog& d) {
      shown_.push_back(d.objectName().toStdString());
      if (auto* s = dynamic_cast<TStrongEdit*>(&d); s && strongs_) strongs_(*s);
      if (auto* b = dynamic_cast<TBrowseDB*>(&d); b && browse_) browse_(*b);
      return 0;
    };
  }

  Session& S() { return form_->GetSession(); }
  // The word definition editor's form (TWordEdit has no meta-object of
  // its own, so it is found by name).
  QDialog* WordEditForm() { return form_->findChild<QDialog*>("WordEdit"); }
  uint16_t StoredStrongs(Citation c) {
    for (const CiteRec& r : test::All<CiteRec>(S().stores->CiteDS)) {
      if (r.cite == c) return r.strongs;
    }
    return 0;
  }

  std::function<void(TStrongEdit&)> strongs_;
  std::function<void(TBrowseDB&)> browse_;
  std::vector<std::string> shown_;
};

TEST_F(ReferenceEditTest, WordMenuEnablesTheEditorsThatCanWork) {
  QAction* strongs = form_->Item("StrongsEntry1");
  QAction* ilt = form_->Item("ILTEntry1");
  EXPECT_FALSE(strongs->isEnabled());
  EXPECT_FALSE(ilt->isEnabled());
  EXPECT_TRUE(form_->Item("BrowseDB1")->isEnabled());
  EXPECT_TRUE(form_->Item("BrowseDB2")->isEnabled());
  S().settings.showStrongs = true;
  emit form_->PopupMenuW()->aboutToShow();
  EXPECT_TRUE(strongs->isEnabled());
  EXPECT_FALSE(ilt->isEnabled());  // no line shows an interlinear text
  S().settings.showStrongs = false;
  emit form_->PopupMenuW()->aboutToShow();
  EXPECT_FALSE(strongs->isEnabled());
}

TEST_F(ReferenceEditTest, StrongsEntryStoresTheNumbersTypedAndRepaints) {
  const Citation first = S().page.buffer.entry[1].cite;
  const Citation second = S().page.buffer.entry[2].cite;
  S().view.clickedCite = first;
  S().settings.showStrongs = true;
  emit form_->PopupMenuW()->aboutToShow();
  strongs_ = [](TStrongEdit& e) {
    EXPECT_EQ(e.windowTitle().toStdString(), kStrongsEditCaption);
    EXPECT_FALSE(e.Prev->isEnabled());
    e.SNum->setText("abc");
    e.NextClick();  // told, and on to the next word
    e.SNum->setText("H2");
    e.NextClick();  // the next word shows 0: it has no number, and keeps none
    e.PrevClick();
    EXPECT_EQ(e.SNum->text().toStdString(), "2");
    e.SNum->setText("70000");
    e.DoneClick();
  };
  Run("StrongsEntry1");
  EXPECT_EQ(shown_, std::vector<std::string>{"StrongEdit"});
  EXPECT_EQ(ui_.messages,
            (std::vector<std::string>{kInvalidStrongsEntry, kStrongsNumberOutOfRange}));
  EXPECT_EQ(StoredStrongs(first), 0);
  EXPECT_EQ(StoredStrongs(second), 2);
  EXPECT_EQ(S().page.buffer.entry[2].strongs, 2);
}

TEST_F(ReferenceEditTest, PrevOnThePagesFirstWordTurnsThePageBack) {
  // Here each chapter fits a page: the page before holds the chapter
  // before, which the buffer must be filled with again.
  const Citation firstPage = S().view.currentCite;
  const Citation before = S().page.buffer.entry[static_cast<size_t>(S().layout.lastPlaced)].cite;
  Run("NextPage1");
  ASSERT_NE(S().view.currentCite, firstPage);
  const int first = S().layout.firstPlaced;
  S().view.clickedCite = S().page.buffer.entry[static_cast<size_t>(first)].cite;
  S().settings.showStrongs = true;
  emit form_->PopupMenuW()->aboutToShow();
  strongs_ = [&](TStrongEdit& e) {
    e.PrevClick();
    EXPECT_EQ(S().view.currentCite, firstPage);
    EXPECT_EQ(e.Cite->text().toStdString(), CitationText(before));
    EXPECT_FALSE(e.Next->isEnabled());  // the last word of the page before
    e.NextClick();                      // closes
  };
  Run("StrongsEntry1");
  EXPECT_EQ(shown_, std::vector<std::string>{"StrongEdit"});
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(ReferenceEditTest, StrongsEntryWithoutAClickedWordShowsNothing) {
  S().view.clickedCite = kNullCite;
  Run("StrongsEntry1");
  EXPECT_TRUE(shown_.empty());
}

TEST_F(ReferenceEditTest, BrowserWalksSelectsAndSyncsTheWordEditor) {
  const test::Occurrence& w = text_.words[0];
  S().view.popupFromPage = true;
  S().view.popupWord = w.word;
  browse_ = [&](TBrowseDB& b) {
    EXPECT_EQ(b.windowTitle().toStdString(), kBrowseCaption);
    EXPECT_EQ(b.Word->text().toStdString(), w.word);
    EXPECT_EQ(b.Book->text().toStdString(), "Genesis");
    EXPECT_FALSE(b.Find->isEnabled());
    EXPECT_FALSE(b.CBUndefined->isEnabled());
    b.SelectClick();
    EXPECT_EQ(S().view.highlightCite, S().browser.record.cite);
    b.CountClick();
    b.SyncEditClick();
    EXPECT_EQ(b.SyncEdit->text().toStdString(), "Close Edit");
    EXPECT_TRUE(b.CBUndefined->isEnabled());
    auto* editor = dynamic_cast<TWordEdit*>(WordEditForm());
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(S().wordEditor.Word(), b.Word->text().toStdString());
    EXPECT_TRUE(S().wordEditor.stayOpen);
    // Nothing is defined: the clicked word itself is the first find.
    S().view.clickedCite = test::kExodusFirstWord;
    b.CBBook->setChecked(true);
    b.CBUndefinedClick();
    EXPECT_EQ(b.Book->text().toStdString(), BookName(S().wordEditor.Cite().book));
    EXPECT_EQ(S().wordEditor.Cite(), test::kExodusFirstWord);
    EXPECT_EQ(S().view.highlightCite, test::kExodusFirstWord);
    b.DoneClick();
    EXPECT_EQ(WordEditForm(), nullptr);
    EXPECT_FALSE(S().wordEditor.stayOpen);
  };
  Run("BrowseDB2");
  EXPECT_EQ(shown_, (std::vector<std::string>{"BrowseDB", "WordCount"}));
  EXPECT_TRUE(ui_.messages.empty());
}

}  // namespace
}  // namespace orv::ui
