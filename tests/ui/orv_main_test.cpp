// The main window offscreen over a small text: its menus, the first paint,
// the keys, the mouse and the commands that need no later dialog.
#include "ui/main/orv_main.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <filesystem>
#include <fstream>

#include "build/source_text.h"
#include "config/settings.h"
#include "page/hit_test.h"
#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "ui/build/orv_make_db.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() : text_(11, 3, 4) {
    test::TestApp();
    std::filesystem::create_directories(dir_.File("prog/Source"));
    text_.Write(dir_.File("prog/Source"));
  }

  // Opens the window; modal dialogs are recorded by their object name (and
  // the build dialog builds, as it would when shown).
  TForm1& Open() {
    form_ = std::make_unique<TForm1>(ui_, dir_.File("prog"), dir_.File("root/ORV.INI"));
    form_->runModal = [this](QDialog& d) {
      shown_.push_back(d.objectName().toStdString() + ":" + d.windowTitle().toStdString());
      if (auto* build = dynamic_cast<TMakeDB*>(&d)) {
        build->show();
        if (build->buildOptions.Any())
          build->FormActivate();
        else
          build->StartClick();
        build->hide();
      }
      return 0;
    };
    form_->resize(900, 700);
    return *form_;
  }
  // Paints the page into an image, as the window's paint does, and runs
  // what follows the first paint.
  QImage Paint() {
    QImage image(900, 600, QImage::Format_RGB32);
    QPainter p(&image);
    form_->FormPaint(p, image.rect());
    p.end();
    form_->GetSession().AfterFirstPaint();
    return image;
  }
  void Key(int key, Qt::KeyboardModifiers m = Qt::NoModifier) {
    form_->FormKeyDown(key, m, Qt::NoButton);
  }
  Citation Cite() { return form_->GetSession().view.currentCite; }

  test::TempDir dir_;
  test::ScopedEnv rootEnv_{"ORV_ROOT", dir_.File("root").c_str()};
  test::SmallText text_;
  test::ScriptedUI ui_;
  std::unique_ptr<TForm1> form_;
  std::vector<std::string> shown_;
};

std::vector<std::string> Captions(QMenu* menu) {
  std::vector<std::string> out;
  for (QAction* a : menu->actions()) {
    std::string c = a->isSeparator() ? "-" : a->text().toStdString();
    if (!a->shortcut().isEmpty()) c += " [" + a->shortcut().toString().toStdString() + "]";
    if (!a->isSeparator() && !a->isEnabled()) c += " (off)";
    out.push_back(c);
  }
  return out;
}

TEST_F(MainWindowTest, MenusCaptionsAndShortcuts) {
  TForm1& f = Open();
  EXPECT_EQ(f.windowTitle().toStdString(), "Hebrew Orvane, Version 1.9.1");
  std::vector<std::string> tops;
  for (QAction* a : f.menuBar()->actions()) tops.push_back(a->text().toStdString());
  EXPECT_EQ(tops, (std::vector<std::string>{"&File", "&Edit", "&View", "&Tools", "&Help"}));
  auto menu = [&](int i) { return f.menuBar()->actions()[i]->menu(); };
  EXPECT_EQ(Captions(menu(0)),
            (std::vector<std::string>{"&Import… [Ctrl+I] (off)", "-", "Print Page",
                                      "&Print Chapter", "-", "E&xit [Ctrl+Q]"}));
  EXPECT_EQ(Captions(menu(1)),
            (std::vector<std::string>{"&Find [Ctrl+F]", "Find &Next [F3]", "&Browse DB",
                                      "&Search", "-", "&Preferences"}));
  EXPECT_EQ(Captions(menu(2)),
            (std::vector<std::string>{"Show &KJV", "View &Strong's def. [Ctrl+S]", "-",
                                      "&Go to... [Ctrl+G]", "Backward", "Foreward", "Next Page",
                                      "Prev Page", "Next Verse", "Prev Verse", "Next Chap",
                                      "Prev Chap"}));
  EXPECT_EQ(Captions(menu(4)), (std::vector<std::string>{"&Getting Started", "&Release Notes",
                                                         "A&lphabet", "-", "&About..."}));
  EXPECT_TRUE(f.Item("ShowKJV1")->isCheckable());
  EXPECT_FALSE(f.Item("ShowKJV1")->isChecked());
  EXPECT_EQ(Captions(f.PopupMenuS()),
            (std::vector<std::string>{"Occurrences", "Count", "Strong's def"}));
}

TEST_F(MainWindowTest, FirstPaintBuildsBookAndShowsGettingStarted) {
  Open();
  const QImage image = Paint();
  // No ORV.INI yet: BOOK is built without a question, then the new user's
  // document is shown.
  ASSERT_EQ(shown_.size(), 2u);
  EXPECT_EQ(shown_[0].substr(0, shown_[0].find(':')),
            form_->BuildDialog()->objectName().toStdString());
  EXPECT_EQ(shown_[1].substr(shown_[1].find(':') + 1), "Getting Started");
  EXPECT_TRUE(form_->GetSession().stores->BookDS.Exists());
  EXPECT_FALSE(form_->GetSession().firstPaintPending);
  EXPECT_GT(form_->GetSession().layout.lastPlaced, 0) << form_->GetSession().page.buffer.count;
  // The page was painted: something dark on white.
  bool dark = false;
  for (int y = 0; y < image.height() && !dark; y += 2) {
    for (int x = 0; x < image.width() && !dark; x += 2) dark = qGray(image.pixel(x, y)) < 100;
  }
  EXPECT_TRUE(dark);
}

TEST_F(MainWindowTest, KeysPageAndStepThroughTheText) {
  Open();
  Paint();
  Key(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(Cite(), (Citation{1, 2, 1, 1}));
  Key(Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(Cite(), (Citation{1, 1, 1, 1}));
  Key(Qt::Key_PageDown, Qt::AltModifier);
  EXPECT_EQ(Cite(), (Citation{2, 1, 1, 1}));
  Key(Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(Cite(), (Citation{2, 1, 2, 1}));
  Key(Qt::Key_Home);
  EXPECT_EQ(Cite(), (Citation{2, 1, 1, 1}));
  Key(Qt::Key_Up, Qt::ControlModifier);  // back into Genesis' last verse
  EXPECT_EQ(Cite().book, 1);
  form_->FormKeyPress('f');
  EXPECT_EQ(Cite(), (Citation{2, 1, 1, 1}));
  Paint();
  // Page Down follows the layout; Page Up comes back to the same place.
  const Citation next = form_->GetSession().view.nextPageCite;
  Key(Qt::Key_PageDown);
  EXPECT_EQ(Cite(), next.IsNull() ? (Citation{2, 2, 1, 1}) : next);
  Paint();
  Key(Qt::Key_PageUp);
  EXPECT_EQ(Cite(), (Citation{2, 1, 1, 1}));
  // F12 asks for the words again.
  Paint();
  Key(Qt::Key_F12);
  EXPECT_EQ(form_->GetSession().view.reloadWords, WordReload::kReadAgain);
}

TEST_F(MainWindowTest, GoToVerseAndTheHistory) {
  Open();
  Paint();
  ui_.input.push_back("Exo 2:3");
  form_->Goto1Click();
  EXPECT_EQ(Cite(), (Citation{2, 2, 3, 1}));
  ui_.input.push_back("Gen 77:1");
  form_->Goto1Click();
  EXPECT_EQ(ui_.messages, std::vector<std::string>{"Invalid cite"});
  ui_.input.push_back("Lev 1:2");
  form_->Goto1Click();
  Key(Qt::Key_Left);
  EXPECT_EQ(Cite(), (Citation{2, 2, 3, 1}));
  Key(Qt::Key_Right);
  EXPECT_EQ(Cite(), (Citation{3, 1, 2, 1}));
}

TEST_F(MainWindowTest, ViewStrongsDefinitionChecksTheNumber) {
  Open();
  ui_.input.push_back("abc");
  form_->ViewStrongsdefinition1Click();
  ui_.input.push_back("8675");
  form_->ViewStrongsdefinition1Click();
  ui_.input.push_back("");
  form_->ViewStrongsdefinition1Click();
  EXPECT_EQ(ui_.messages,
            (std::vector<std::string>{"** Not a number", "Strong's number out of range"}));
}

TEST_F(MainWindowTest, RightClicksOpenTheirMenus) {
  Open();
  Paint();
  // The word menu needs the word datastores: the build is offered first.
  ui_.yesNo.push_back(true);
  ui_.yesNoCancel.push_back(0);
  ui_.AllowUnusedAnswers();
  Session& s = form_->GetSession();
  const WordBox& b = s.layout.box[static_cast<size_t>(s.layout.firstPlaced)];
  const QPoint word(b.x + b.slot / 2, b.y + s.layout.lines[0].offset + 2);
  form_->FormMouseDown(Qt::RightButton, Qt::NoModifier, word, false);
  EXPECT_TRUE(form_->PopupMenuW()->isVisible());
  EXPECT_EQ(s.view.popupWord,
            s.page.buffer.entry[static_cast<size_t>(s.layout.firstPlaced)].hebrew);
  form_->PopupMenuW()->hide();
  form_->FormMouseDown(Qt::RightButton, Qt::NoModifier, QPoint(3, 3), false);
  EXPECT_TRUE(form_->PopupMenuB()->isVisible());
  form_->PopupMenuB()->hide();
  // With a modifier held the click is ignored.
  form_->FormMouseDown(Qt::RightButton, Qt::ShiftModifier, word, false);
  EXPECT_FALSE(form_->PopupMenuW()->isVisible());
}

TEST_F(MainWindowTest, CloseWritesThePositionIntoTheSettings) {
  Open();
  Paint();
  Key(Qt::Key_PageDown, Qt::AltModifier);
  form_->FormClose();
  Settings read;
  ASSERT_TRUE(ReadSettings(read, dir_.File("root/ORV.INI")));
  EXPECT_EQ(read.cite, (Citation{2, 1, 1, 1}));
}

}  // namespace
}  // namespace orv::ui
