// The embedded word search dialog offscreen: the term and skip factor it
// hands over, and the not-accepted close of a refused field or of Enter.
#include "ui/search/orv_embed.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "search/embedded_checks.h"
#include "search/search_state.h"
#include "support/scripted_ui.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class EmbeddedTest : public ::testing::Test {
 protected:
  int Ok(const char* term, const char* skip) {
    dialog_.FormShow();
    dialog_.MatchWord->setText(QString::fromUtf8(term));
    dialog_.Skip->setText(skip);
    dialog_.OKClick();
    return dialog_.result();
  }

  QApplication& app_ = test::TestApp();  // before any widget
  test::ScriptedUI ui_;
  EmbeddedParams params_;
  TEmbedded dialog_{params_, ui_};
};

TEST_F(EmbeddedTest, FirstShownEmptyWithSkipOne) {
  EXPECT_EQ(dialog_.windowTitle().toStdString(), "Embedded Word Search");
  dialog_.FormShow();
  EXPECT_EQ(dialog_.MatchWord->text().toStdString(), "");
  EXPECT_EQ(dialog_.Skip->text().toStdString(), "1");
}

TEST_F(EmbeddedTest, OkHandsOverTheTermOrRefuses) {
  struct Row {
    const char* term;
    const char* skip;
    int result;
    const char* message;
  };
  const Row rows[] = {
      {"XVRE", "50", QDialog::Accepted, nullptr},
      {"\xd7\xaa\xd7\x95\xd7\xa8\xd7\x94", "0", QDialog::Accepted, nullptr},
      {"", "1", QDialog::Accepted, nullptr},
      {"ab", "-1", TEmbedded::kNotAccepted, kInvalidSkipFactor},
      {"ab", "3x", TEmbedded::kNotAccepted, kInvalidSkipFactor},
      {"ab", "2000000000", TEmbedded::kNotAccepted, kInvalidSkipFactor},
      {"a1", "1", TEmbedded::kNotAccepted, kInvalidSearchTerm},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.term) + " / " + r.skip);
    ui_.messages.clear();
    EXPECT_EQ(Ok(r.term, r.skip), r.result);
    if (r.message) {
      EXPECT_THAT(ui_.messages, ElementsAre(r.message));
    } else {
      EXPECT_THAT(ui_.messages, IsEmpty());
    }
  }
  // The last accepted search is what the next dialog starts from.
  EXPECT_EQ(params_.term, "");
  EXPECT_EQ(params_.skip, 1);
  Ok("xvre", "0");
  dialog_.FormShow();
  EXPECT_EQ(dialog_.MatchWord->text().toStdString(), "xvre");
  EXPECT_EQ(dialog_.Skip->text().toStdString(), "0");
}

TEST_F(EmbeddedTest, EnterClosesWithoutASearch) {
  dialog_.FormShow();
  dialog_.MatchWord->setText("xvre");
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(dialog_.MatchWord, &enter);
  EXPECT_EQ(dialog_.result(), TEmbedded::kNotAccepted);
  EXPECT_EQ(params_.term, "") << "nothing handed over";
  EXPECT_TRUE(ui_.messages.empty());
}

}  // namespace
}  // namespace orv::ui
