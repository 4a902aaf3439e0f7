// The main window's Count Word, pop-up Count and Occurrences, and the two
// reports, offscreen over a small text whose datastores are built
// beforehand; expected counts are taken from the text itself.
#include "ui/main/count_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <algorithm>

#include "built_window_fixture.h"
#include "model/books.h"
#include "support/temp_dir.h"
#include "ui/search/orv_count.h"

namespace orv::ui {
namespace {

using ::testing::ElementsAre;
using test::kExodusFirstWord;

class CountCommandsTest : public test::BuiltWindowTest {
 protected:
  CountCommandsTest() {
    // The count dialog counts what the test typed, then closes.
    modal = [this](QDialog& d) {
      auto* count = dynamic_cast<TWordCount*>(&d);
      if (!count) return 0;
      count->show();
      shown_.push_back(count->SWord->text().toStdString() + " in " + BookName(count->place.book) +
                       " " + std::to_string(count->place.chapter));
      if (!typed_.empty()) count->SWord->setText(QString::fromStdString(typed_));
      count->BCountClick();
      count->BCancelClick();
      return 0;
    };
  }

  // The first word of Exodus and its occurrences in Exodus 1, from the text.
  std::string ExodusWord() const { return text_.words[text_.WordsBefore(2)].word; }
  int InExodus1(const std::string& word) const {
    int n = 0;
    for (const test::Occurrence& o : text_.words) {
      n += o.word == word && o.cite.book == 2 && o.cite.chapter == 1;
    }
    return n;
  }

  std::string typed_;
  std::vector<std::string> shown_;
};

TEST_F(CountCommandsTest, ItemsAreEnabled) {
  for (const char* name :
       {"CountWord1", "Count1", "CountS", "OccurW", "OccurS", "Concordance1", "Firstoccurance1"}) {
    EXPECT_TRUE(form_->Item(name)->isEnabled()) << name;
  }
}

TEST_F(CountCommandsTest, CountWordCountsInThePagesChapterAndPopUpsInTheClickedOne) {
  Session& s = form_->GetSession();
  s.view.currentCite = kExodusFirstWord;
  const std::string word = ExodusWord();
  typed_ = word;
  form_->Item("CountWord1")->trigger();
  EXPECT_FALSE(s.view.popupFromPage);
  // From the pop-up menus: the preset word, counted in the clicked chapter.
  typed_.clear();
  s.view.currentCite = kFirstCite;
  s.view.popupWord = word;
  s.view.clickedCite = kExodusFirstWord;
  form_->Item("Count1")->trigger();
  s.view.popupWord = "430";
  form_->Item("CountS")->trigger();
  EXPECT_THAT(shown_, ElementsAre(" in Exodus 1", word + " in Exodus 1", "430 in Exodus 1"));
  const std::string times = std::to_string(InExodus1(word));
  EXPECT_THAT(ui_.messages, ElementsAre(word + " occurs " + times + " times in Exodus 1",
                                        word + " occurs " + times + " times in Exodus 1",
                                        "430 occurs 1 times in Exodus 1"));
}

TEST_F(CountCommandsTest, OccurrencesJumpToTheChosenLine) {
  Session& s = form_->GetSession();
  s.view.popupWord = "430";
  s.view.clickedCite = kExodusFirstWord;
  ui_.listChoice.push_back(0);
  form_->Item("OccurS")->trigger();
  ASSERT_EQ(ui_.lists.size(), 1u);
  EXPECT_EQ(ui_.lists[0].caption, "Occurrences of 430   (1)");
  EXPECT_EQ(ui_.lists[0].selected, 0);
  EXPECT_EQ(s.view.highlightCite, kExodusFirstWord);
  s.view.popupWord = ExodusWord();
  s.view.clickedCite = kNullCite;
  form_->Item("OccurW")->trigger();
  EXPECT_EQ(ui_.lists[1].lines.size(),
            static_cast<size_t>(std::count_if(
                text_.words.begin(), text_.words.end(),
                [&](const test::Occurrence& o) { return o.word == s.view.popupWord; })));
  EXPECT_EQ(s.view.highlightCite, kExodusFirstWord);  // closed without a choice: no jump
}

TEST_F(CountCommandsTest, ReportsAreWrittenWhereTheSaveDialogSays) {
  ui_.saveFile.push_back(dir_.File("root/CONCORD.TXT"));
  form_->Item("Concordance1")->trigger();
  ui_.saveFile.push_back(dir_.File("root/FIRST.TXT"));
  form_->Item("Firstoccurance1")->trigger();
  EXPECT_EQ(test::ReadText(dir_.File("root/CONCORD.TXT")).rfind("Collating sequence\r\n", 0), 0u);
  EXPECT_EQ(test::ReadText(dir_.File("root/FIRST.TXT")).rfind("\r\nGen  1: 1  ", 0), 0u);
  EXPECT_EQ(ui_.lastFileRequest.defaultName, "FIRST");
  EXPECT_TRUE(ui_.messages.empty());
}

}  // namespace
}  // namespace orv::ui
