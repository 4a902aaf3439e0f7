// The thematic value and embedded word commands of the main window,
// offscreen over the small text of the run search tests
// (search/run_text_fixture.h), with the dialogs answered by the test.
#include "ui/main/value_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <filesystem>
#include <functional>

#include "build/db_build.h"
#include "build/source_text.h"
#include "cite/citation_text.h"
#include "config/settings.h"
#include "model/books.h"
#include "search/run_search.h"
#include "search/run_text_fixture.h"
#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "ui/main/orv_main.h"
#include "ui/qt_app.h"
#include "ui/search/orv_embed.h"
#include "ui/search/orv_them_val.h"
#include "ui/search/orv_theo_search.h"

namespace orv::ui {
namespace {

using ::testing::ElementsAre;

class ValueCommandsTest : public ::testing::Test {
 protected:
  ValueCommandsTest() {
    test::TestApp();
    const std::string source = dir_.File("prog/Source");
    std::filesystem::create_directories(source);
    test::WriteSource(source, 1, test::kRunGenesis);
    for (int b = 2; b <= kBookCount; ++b) test::WriteSource(source, b, "*BOOK X\n*R-L\n*1\n1 q\n");
    {
      // The settings the window reads from a missing file: CITE lives in
      // the default translation database's folder.
      Settings settings;
      ReadSettingsText(settings, "");
      DatastoreSet set(settings.HebrewDatastoreDir(), settings.XlatDatastoreDir());
      test::ScriptedUI quiet;
      quiet.AllowUnusedAnswers();
      BuildContext ctx(set, source + "/", quiet);
      RunBuild(ctx, BuildFlags{true, true, true}, [] { return true; });
    }
    form_ = std::make_unique<TForm1>(ui_, dir_.File("prog"), dir_.File("root/ORV.INI"));
    form_->runModal = [this](QDialog& d) {
      shown_.push_back(d.windowTitle().toStdString());
      answer_(d);
      return d.result();
    };
    form_->resize(900, 700);
    Paint();
    shown_.clear();  // the getting-started document of a first run
  }

  void Paint() {
    QImage image(900, 600, QImage::Format_RGB32);
    QPainter p(&image);
    form_->FormPaint(p, image.rect());
    p.end();
    form_->GetSession().AfterFirstPaint();
  }
  void Run(const char* item) {
    form_->Item(item)->trigger();
    Paint();
  }
  // The marked run: its first word and how many words are marked.
  std::string Marked() {
    const ViewState& v = form_->GetSession().view;
    return CitationText(v.highlightCite) + "/" + std::to_string(v.highlightRun + 1);
  }

  test::TempDir dir_;
  test::ScopedEnv rootEnv_{"ORV_ROOT", dir_.File("root").c_str()};
  test::ScriptedUI ui_;
  std::unique_ptr<TForm1> form_;
  std::vector<std::string> shown_;
  std::function<void(QDialog&)> answer_ = [](QDialog&) {};
};

TEST_F(ValueCommandsTest, ThematicSearchFromGenesisThenFindNext) {
  for (const char* item : {"Thematicvalue2", "ThematicValue1", "Embeddedword1"}) {
    EXPECT_TRUE(form_->Item(item)->isEnabled()) << item;
  }
  answer_ = [](QDialog& d) {
    auto& search = dynamic_cast<TTheoSearch&>(d);
    search.FormShow();
    search.SValue->setText("12");
    search.SWindow->setText("6");
    search.MaxWords->setText("1");
    search.StartClick();
  };
  Run("ThematicValue1");
  EXPECT_THAT(shown_, ElementsAre("Theomatic value search"));
  // Single words of 6 to 18 (Traditional, the settings' numbering): gab 6.
  EXPECT_EQ(Marked(), "Gen 1:1.1/1");
  EXPECT_EQ(form_->GetSession().search.mode, SearchMode::kThematic);
  Run("FindNext1");
  EXPECT_EQ(Marked(), "Gen 1:1.2/1");
  Run("FindNext1");
  EXPECT_EQ(Marked(), "Gen 1:2.1/1");
  Run("FindNext1");
  EXPECT_THAT(ui_.messages, ElementsAre(kNoMoreThematicMatches));
  EXPECT_EQ(form_->GetSession().search.thematic.value, 12) << "kept for the next search";
}

TEST_F(ValueCommandsTest, EmbeddedSearchFromThePage) {
  answer_ = [](QDialog& d) {
    auto& embedded = dynamic_cast<TEmbedded&>(d);
    embedded.FormShow();
    embedded.MatchWord->setText("ab");
    embedded.Skip->setText("1");
    embedded.OKClick();
  };
  Run("Embeddedword1");
  EXPECT_EQ(Marked(), "Gen 1:1.1/1");
  Run("FindNext1");
  EXPECT_EQ(Marked(), "Gen 1:1.2/2") << "a of dza, b of blM";

  // A refused skip factor: its message and no search.
  answer_ = [](QDialog& d) {
    auto& embedded = dynamic_cast<TEmbedded&>(d);
    embedded.Skip->setText("-1");
    embedded.OKClick();
  };
  Run("Embeddedword1");
  EXPECT_THAT(ui_.messages, ElementsAre("** Invalid skip factor"));
  EXPECT_EQ(form_->GetSession().search.mode, SearchMode::kEmbedded) << "the last search stays";

  answer_ = [](QDialog& d) {
    auto& embedded = dynamic_cast<TEmbedded&>(d);
    embedded.MatchWord->setText("xx");
    embedded.OKClick();
  };
  Run("Embeddedword1");
  EXPECT_THAT(ui_.messages, ElementsAre("** Invalid skip factor", kNoEmbeddedMatches));
  EXPECT_EQ(form_->GetSession().search.mode, SearchMode::kNone);
}

TEST_F(ValueCommandsTest, ThematicValueDialogIsKept) {
  TThemVal* first = nullptr;
  answer_ = [&first](QDialog& d) {
    auto& dialog = dynamic_cast<TThemVal&>(d);
    if (!first) {
      first = &dialog;
      dialog.Ltrs->setText("ab");
      dialog.TextCompute();
    }
  };
  Run("Thematicvalue2");
  Run("Thematicvalue2");
  EXPECT_THAT(shown_, ElementsAre("Thematic Value", "Thematic Value"));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(&ThemValDialog(*form_), first);
  EXPECT_EQ(first->Orig->text().toStdString(), "3") << "kept between shows";
}

}  // namespace
}  // namespace orv::ui
