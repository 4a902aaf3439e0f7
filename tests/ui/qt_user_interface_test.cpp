#include "ui/platform/qt_user_interface.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "session/session.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"
#include "ui/main/orv_main.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

// Runs `act` on the next modal dialog as soon as it is shown, so the call
// that opened it returns.
void WhenDialogShows(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || !w->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    act(w);
  });
  timer->start();
}

void ClickButton(QWidget* w, QMessageBox::StandardButton which) {
  auto* box = qobject_cast<QMessageBox*>(w);
  ASSERT_NE(box, nullptr);
  box->button(which)->click();
}

void Reject(QWidget* w) { qobject_cast<QDialog*>(w)->reject(); }

class QtUserInterfaceTest : public ::testing::Test {
 protected:
  QtUserInterfaceTest() { test::TestApp(); }
  QtUserInterface ui_;
};

// The title the window system shows for `w`: Qt's plug-ins for X11 and
// Wayland append " — " and the application display name, when one has been
// set, to every title that does not already end with it. A display name
// that was never set follows the application name.
std::string ShownTitle(const QWidget& w) {
  const QString name = QCoreApplication::applicationName();
  QCoreApplication::setApplicationName(name + "+");
  const bool displayNameSet =
      QGuiApplication::applicationDisplayName() != QCoreApplication::applicationName();
  QCoreApplication::setApplicationName(name);
  const QString display = QGuiApplication::applicationDisplayName();
  QString shown = w.windowTitle();
  if (displayNameSet && !shown.endsWith(display)) shown += QString::fromUtf8(" \u2014 ") + display;
  return shown.toStdString();
}

TEST_F(QtUserInterfaceTest, MessageShowsTheTextPlainlyUnderTheProgramCaption) {
  SetApplicationTitle(kApplicationTitle);
  QString title, text;
  Qt::TextFormat format = Qt::AutoText;
  WhenDialogShows([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    title = box->windowTitle();
    text = box->text();
    format = box->textFormat();
    ClickButton(w, QMessageBox::Ok);
  });
  ui_.Message("** <b>Gen</b> 1:1 é");
  EXPECT_EQ(title, "Hebrew Orvane");
  EXPECT_EQ(text, QString::fromUtf8("** <b>Gen</b> 1:1 é"));
  EXPECT_EQ(format, Qt::PlainText);
}

TEST_F(QtUserInterfaceTest, WindowsShowTheirOwnCaptionsAndMessageBoxesTheApplicationTitle) {
  SetApplicationTitle(kApplicationTitle);
  test::TempDir dir;
  std::filesystem::create_directories(dir.File("root"));
  test::ScopedEnv root("ORV_ROOT", dir.File("root").c_str());
  TForm1 form(ui_, dir.path(), dir.File("root/ORV.INI"));
  ui_.SetParent(&form);
  EXPECT_EQ(ShownTitle(form), "Hebrew Orvane, Version 1.9.1");

  std::string input, message;
  WhenDialogShows([&](QWidget* w) {
    input = ShownTitle(*w);
    WhenDialogShows([&](QWidget* box) {
      message = ShownTitle(*box);
      ClickButton(box, QMessageBox::Ok);
    });
    auto* d = qobject_cast<QInputDialog*>(w);
    d->setTextValue("Gen 77:1");
    d->accept();
  });
  form.Goto1Click();
  EXPECT_EQ(input, "Go to verse");
  EXPECT_EQ(message, "Hebrew Orvane");
}

TEST_F(QtUserInterfaceTest, QuestionsAnswerWithTheButtonAndClosingCountsAsNoOrCancel) {
  WhenDialogShows([](QWidget* w) { ClickButton(w, QMessageBox::Yes); });
  EXPECT_TRUE(ui_.YesNo("Delete?"));
  WhenDialogShows(Reject);
  EXPECT_FALSE(ui_.YesNo("Delete?"));

  WhenDialogShows([](QWidget* w) { ClickButton(w, QMessageBox::Yes); });
  EXPECT_EQ(ui_.YesNoCancel("Save?"), 1);
  WhenDialogShows([](QWidget* w) { ClickButton(w, QMessageBox::No); });
  EXPECT_EQ(ui_.YesNoCancel("Save?"), 0);
  WhenDialogShows(Reject);
  EXPECT_EQ(ui_.YesNoCancel("Save?"), -1);
}

TEST_F(QtUserInterfaceTest, InputBoxProposesTheValueAndKeepsItOnCancel) {
  QString proposed, label, title;
  WhenDialogShows([&](QWidget* w) {
    auto* d = qobject_cast<QInputDialog*>(w);
    proposed = d->textValue();
    label = d->labelText();
    title = d->windowTitle();
    d->setTextValue("Exo 2:3");
    d->accept();
  });
  std::string value = "Gen 1:1";
  EXPECT_TRUE(ui_.InputBox("Go To", "Citation:", value));
  EXPECT_EQ(proposed, "Gen 1:1");
  EXPECT_EQ(label, "Citation:");
  EXPECT_EQ(title, "Go To");
  EXPECT_EQ(value, "Exo 2:3");

  WhenDialogShows(Reject);
  EXPECT_FALSE(ui_.InputBox("Go To", "Citation:", value));
  EXPECT_EQ(value, "Exo 2:3");
}

TEST_F(QtUserInterfaceTest, SaveDialogAddsTheExtensionAndMatchesPatternsInEitherCase) {
  test::TempDir dir;
  QStringList filters;
  WhenDialogShows([&](QWidget* w) {
    auto* d = qobject_cast<QFileDialog*>(w);
    filters = d->nameFilters();
    d->selectFile("report");
    static_cast<QDialog*>(d)->accept();  // public there, and virtual
  });
  FileDialogRequest request{"Save List", "Words", "TXT", {{"Text files", "*.TXT"}}, dir.path()};
  std::string path;
  ASSERT_TRUE(ui_.SaveFileDialog(request, path));
  EXPECT_EQ(path, dir.File("report.TXT"));
  EXPECT_EQ(filters, QStringList{"Text files (*.TXT *.txt)"});

  WhenDialogShows(Reject);
  path = "unchanged";
  EXPECT_FALSE(ui_.SaveFileDialog(request, path));
  EXPECT_EQ(path, "unchanged");
}

TEST_F(QtUserInterfaceTest, WaitCursorNestsAndIgnoresAnUnmatchedRestore) {
  ui_.SetWaitCursor(true);
  {
    WaitCursor inner(ui_);
    EXPECT_EQ(ui_.WaitDepth(), 2);
  }
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  ui_.SetWaitCursor(false);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  ui_.SetWaitCursor(false);
  EXPECT_EQ(ui_.WaitDepth(), 0);

  {
    QtUserInterface other;
    other.SetWaitCursor(true);
    other.SetWaitCursor(true);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace orv::ui
