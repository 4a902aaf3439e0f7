#include "ui/build/orv_make_db.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <filesystem>
#include <map>
#include <vector>

#include "build/build_plan.h"
#include "build/db_build.h"
#include "build/source_text.h"
#include "model/datastore_set.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

using ::testing::ElementsAre;

// What the widgets of a dialog last showed on the screen: the text of each
// at its last paint.
class PaintLog : public QObject {
 public:
  explicit PaintLog(QWidget& dialog) : dialog_(dialog) {
    dialog.installEventFilter(this);
    for (QWidget* w : dialog.findChildren<QWidget*>()) w->installEventFilter(this);
  }

  // The visible widgets not drawn as they are now (never painted, or
  // painted with another text), by object name or text.
  std::vector<std::string> NotDrawn() const {
    std::vector<std::string> out;
    QList<QWidget*> all = dialog_.findChildren<QWidget*>();
    all.push_back(&dialog_);
    for (QWidget* w : all) {
      auto it = painted_.find(w);
      if (!w->isVisible() || (it != painted_.end() && it->second == Text(w))) continue;
      out.push_back((w->objectName().isEmpty() ? Text(w) : w->objectName()).toStdString());
    }
    return out;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted_[watched] = Text(watched);
    return false;
  }

 private:
  static QString Text(const QObject* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* b = qobject_cast<const QPushButton*>(w)) return b->text();
    return {};
  }

  QWidget& dialog_;
  std::map<const QObject*, QString> painted_;
};

class MakeDBTest : public ::testing::Test {
 protected:
  MakeDBTest()
      : sourceDir_((test::TestApp(), dir_.File("Source/"))),
        set_(dir_.path() + "/heb/", dir_.path() + "/xlat/"),
        text_(7),
        form_(set_, sourceDir_, ui_) {
    std::filesystem::create_directories(sourceDir_);
    text_.Write(sourceDir_);
    form_.settingsChanged = [this] { ++settingsChanged_; };
  }
  ~MakeDBTest() override {
    for (TXRDataStore* s : {&set_.WordDS, &set_.FOccDS, &set_.FOc2DS, &set_.CiteDS, &set_.BookDS}) {
      s->ForceClose();
    }
  }

  int32_t Count(TXRDataStore& store) {
    store.ForceClose();
    return store.Exists() ? store.RecordCount() : 0;
  }

  // Lets events through until `condition` holds or five seconds pass.
  static bool WaitFor(const std::function<bool()>& condition) {
    QElapsedTimer t;
    t.start();
    while (!condition() && t.elapsed() < 5000) QCoreApplication::processEvents();
    return condition();
  }

  test::TempDir dir_;
  std::string sourceDir_;
  test::ScriptedUI ui_;
  DatastoreSet set_;
  test::SmallText text_;
  TMakeDB form_;
  int settingsChanged_ = 0;
};

TEST_F(MakeDBTest, StartBuildsWordAndCiteThenAsksAboutStrongsAndShowsDone) {
  form_.show();
  EXPECT_EQ(form_.windowTitle(), "Build Database");
  EXPECT_EQ(form_.Label1->text(), "Ready to build the datastores...");
  EXPECT_TRUE(form_.Start->isVisible());
  EXPECT_EQ(form_.Cancel->text(), "Cancel");
  EXPECT_TRUE(form_.Flags().word && form_.Flags().cite && !form_.Flags().book);

  ui_.yesNoCancel.push_back(0);
  form_.Start->click();
  EXPECT_THAT(ui_.calls, ElementsAre(std::string("YesNoCancel: ") + kStrongsQuestion));
  EXPECT_TRUE(form_.isVisible());  // no auto close
  EXPECT_TRUE(form_.Done());
  EXPECT_FALSE(form_.Start->isVisible());
  EXPECT_EQ(form_.Cancel->text(), "Done");
  EXPECT_EQ(form_.Label1->text(), "");
  QRegularExpression time("^\\d\\d:\\d\\d:\\d\\d$");
  EXPECT_TRUE(time.match(form_.TStart->text()).hasMatch()) << form_.TStart->text().toStdString();
  EXPECT_TRUE(time.match(form_.TStop->text()).hasMatch());
  EXPECT_EQ(settingsChanged_, 1);

  int32_t words = static_cast<int32_t>(text_.words.size());
  EXPECT_EQ(form_.NumEntries->text(), QString::number(words));  // CITE, after the pointer pass
  EXPECT_EQ(Count(set_.WordDS), words);
  EXPECT_EQ(Count(set_.CiteDS), words);
  EXPECT_EQ(Count(set_.FOc2DS), static_cast<int32_t>(text_.FirstOccurrences().size()));
  EXPECT_EQ(Count(set_.BookDS), 0);

  // Shown again over full stores it warns before a rebuild.
  ASSERT_GE(words, kRebuildThreshold);
  form_.hide();
  form_.show();
  EXPECT_THAT(ui_.messages, ElementsAre(kRebuildWarning));
  EXPECT_EQ(form_.Label1->text(), "Rebuild datastores??");
  EXPECT_TRUE(form_.Start->isVisible());
  EXPECT_EQ(form_.Cancel->text(), "Cancel");
  EXPECT_EQ(form_.TStart->text(), "");
  EXPECT_EQ(form_.NumEntries->text(), "0");
  EXPECT_EQ(form_.BookName->text(), "");
  EXPECT_TRUE(form_.Flags().word && form_.Flags().cite && !form_.Flags().book);
}

TEST_F(MakeDBTest, TheRebuildWarningComesBeforeTheDialogAppears) {
  form_.show();
  ui_.yesNoCancel.push_back(0);
  form_.Start->click();  // full stores: the next show warns
  // A message box runs an event loop of its own; run inside the dialog's
  // show, that loop leaves the dialog on X11 an empty box.
  struct WatchingUI : test::ScriptedUI {
    const QWidget* dialog = nullptr;
    std::vector<bool> dialogVisible;
    void Message(const std::string& text) override {
      ScriptedUI::Message(text);
      dialogVisible.push_back(dialog->isVisible());
    }
  } ui;
  TMakeDB again(set_, sourceDir_, ui);
  ui.dialog = &again;
  again.show();
  EXPECT_THAT(ui.messages, ElementsAre(kRebuildWarning));
  EXPECT_THAT(ui.dialogVisible, ElementsAre(false));
  EXPECT_TRUE(again.isVisible());
  EXPECT_EQ(again.Label1->text().toStdString(), "Rebuild datastores??");
}

TEST_F(MakeDBTest, YesLoadsTheDefaultStrongsAndAutoCloseClosesTheDialog) {
  QString statusWhileLoading;
  form_.loadDefaultStrongs = [&] { statusWhileLoading = form_.Label1->text(); };
  form_.autoClose = true;
  form_.show();
  ui_.yesNoCancel.push_back(1);
  form_.Start->click();
  EXPECT_EQ(statusWhileLoading, "Setting Strong's numbers...");
  EXPECT_EQ(form_.Label1->text().toStdString(), "");
  EXPECT_FALSE(form_.isVisible());
}

TEST_F(MakeDBTest, BookOptionBuildsAtOnceWithoutStartOrQuestion) {
  form_.buildOptions = BuildFlags{false, false, true};
  form_.autoClose = true;
  form_.show();
  ASSERT_TRUE(WaitFor([&] { return !form_.isVisible(); }));
  EXPECT_TRUE(ui_.calls.empty());
  EXPECT_EQ(Count(set_.BookDS), static_cast<int32_t>(text_.chapters.size()));
  EXPECT_EQ(Count(set_.WordDS), 0);
  EXPECT_EQ(settingsChanged_, 1);
}

TEST_F(MakeDBTest, CancelDuringTheBuildStopsReadingAndClosesWhenTheBuildEnds) {
  // Cancel is clicked from inside the build, once the first book is being
  // read: only the events the build lets through can deliver it.
  QString statusAtCancel;
  QTimer clicker;
  QObject::connect(&clicker, &QTimer::timeout, [&] {
    if (form_.BookName->text().isEmpty()) return;
    clicker.stop();
    statusAtCancel = form_.Label1->text();
    form_.Cancel->click();
  });
  clicker.start(0);
  form_.show();
  ui_.yesNoCancel.push_back(0);
  form_.Start->click();

  EXPECT_EQ(statusAtCancel, "Building Word & Cite datastores");
  EXPECT_FALSE(form_.isVisible());
  EXPECT_EQ(form_.result(), QDialog::Rejected);
  int32_t built = Count(set_.WordDS);
  EXPECT_LT(built, static_cast<int32_t>(text_.words.size()));
  EXPECT_EQ(Count(set_.CiteDS), built);  // both stopped at the same line
}

TEST_F(MakeDBTest, TheDialogIsDrawnCompleteBeforeTheBuildStarts) {
  // The memory probe is the build's first step.
  PaintLog log(form_);
  std::vector<std::string> notDrawn{"build never started"};
  form_.memoryProbe = [&] {
    notDrawn = log.NotDrawn();
    return true;
  };
  form_.buildOptions = BuildFlags{true, true, false};  // at once, on show
  form_.autoClose = true;
  form_.show();
  ASSERT_TRUE(WaitFor([&] { return !form_.isVisible(); }));
  EXPECT_THAT(notDrawn, ElementsAre()) << "automatic build";

  // Start pressed before the dialog has been drawn.
  notDrawn = {"build never started"};
  form_.buildOptions = BuildFlags{};
  form_.autoClose = false;
  form_.show();
  ui_.yesNoCancel.push_back(0);
  form_.Start->click();
  EXPECT_THAT(notDrawn, ElementsAre()) << "build started with Start";
}

TEST_F(MakeDBTest, CancelBeforeStartClosesWithoutBuilding) {
  form_.show();
  form_.Cancel->click();
  EXPECT_FALSE(form_.isVisible());
  EXPECT_EQ(form_.result(), QDialog::Rejected);
  EXPECT_FALSE(set_.WordDS.Exists());
}

}  // namespace
}  // namespace orv::ui
