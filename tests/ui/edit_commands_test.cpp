// The main window's ways into the word definition editor offscreen: the
// word menu's Define, a double-click on a Hebrew word, and the searches of
// marked words, definition texts and marked uses (and their Find Next),
// whose finds open the editor.
#include "ui/main/edit_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "ui/built_window_fixture.h"
#include "ui/edit/orv_word_entry.h"

namespace orv::ui {
namespace {

using ::testing::ElementsAre;

class EditCommandsTest : public test::BuiltWindowTest {
 protected:
  EditCommandsTest() {
    modal = [this](QDialog& d) {
      auto* edit = dynamic_cast<TWordEdit*>(&d);
      if (!edit) return 0;
      edit->show();
      shown.emplace_back(edit->Arabic->text().toStdString(), edit->CurrCite->text().toStdString());
      if (act) act(*edit);
      if (edit->isVisible()) edit->reject();
      return edit->result();
    };
  }

  const WordEntry& FirstWord() {
    Session& s = form_->GetSession();
    return s.page.buffer.entry[static_cast<size_t>(s.layout.firstPlaced)];
  }

  // Define on the page's first word (as right-clicked), with `edit` done
  // in the editor; the word's page entry.
  WordEntry DefineFirstWord(std::function<void(TWordEdit&)> edit) {
    const WordEntry first = FirstWord();
    Session& s = form_->GetSession();
    s.view.popupWord = first.hebrew;
    s.view.clickedCite = first.cite;
    act = std::move(edit);
    Run("Define1");
    act = nullptr;
    return first;
  }

  // The word as the datastores key it (the small text has longer words).
  static std::string Key(const WordEntry& e) { return e.hebrew.substr(0, kWordCap); }

  // The word (storage letters) and citation text of each editor shown.
  std::vector<std::pair<std::string, std::string>> shown;
  std::function<void(TWordEdit&)> act;
};

TEST_F(EditCommandsTest, DefineAndADoubleClickOpenTheEditorAtTheWord) {
  EXPECT_TRUE(form_->Item("Define1")->isEnabled());
  const WordEntry first = DefineFirstWord([](TWordEdit& e) {
    e.Def[0]->setText("in the beginning");
    e.OKClick();
  });
  Session& s = form_->GetSession();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].first, Key(first));
  EXPECT_EQ(shown[0].second, CitationText(first.cite));
  EXPECT_EQ(s.wordEditor.Xlat().gloss[0].View(), "in-the-beginning");
  EXPECT_EQ(s.view.reloadWords, WordReload::kValid);  // the paint read the page again

  const WordBox& b = s.layout.box[static_cast<size_t>(s.layout.firstPlaced)];
  const QPoint word(b.x + b.slot / 2, b.y + s.layout.lines[0].offset + 2);
  form_->FormMouseDown(Qt::LeftButton, Qt::NoModifier, word, true);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1], shown[0]);
}

TEST_F(EditCommandsTest, MarkedWordsDefinitionTextsAndMarkedUsesShowTheirFindsInTheEditor) {
  const WordEntry first = DefineFirstWord([](TWordEdit& e) {
    e.Def[3]->setText("the first");
    e.CBMarkWord->setChecked(true);
    e.CBMarkUse->setChecked(true);
    e.OKClick();
  });
  Run("MarkedWords1");
  Run("FindNext1");
  ui_.input.push_back("first");
  Run("WordDefs");
  Run("FindNext1");
  Run("MarkedUses1");
  Run("FindNext1");
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[1], std::make_pair(Key(first), std::string()));
  EXPECT_EQ(shown[2], std::make_pair(Key(first), std::string()));
  EXPECT_EQ(shown[3], std::make_pair(Key(first), CitationText(first.cite)));
  EXPECT_THAT(ui_.messages,
              ElementsAre("No more marked entries", "No more matches", "No more marked entries"));
}

TEST_F(EditCommandsTest, AWordNoDatastoreHoldsIsNamedInsteadOfEdited) {
  form_->GetSession().view.popupWord = "qqqq";
  Run("Define1");
  EXPECT_TRUE(shown.empty());
  EXPECT_THAT(ui_.messages, ElementsAre(kNoWordToEdit));
}

}  // namespace
}  // namespace orv::ui
