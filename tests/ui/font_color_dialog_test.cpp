// The Qt font dialog behind the UserInterface: style both ways, the colour
// only when asked for, Return accepts and Escape drops the whole choice.
#include "ui/platform/font_color_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "ui/platform/qt_user_interface.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

// Runs `act` on the modal dialog of type D once its event loop has started;
// any other dialog is closed so that the test does not hang.
template <typename D>
void Answer(std::function<void(D&)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* w = QApplication::activeModalWidget();
    if (auto* d = dynamic_cast<D*>(w)) return act(*d);
    ADD_FAILURE() << "no such dialog is shown";
    if (w) w->close();
  });
}

void Key(QWidget* target, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
}

class FontColorDialogTest : public ::testing::Test {
 protected:
  FontColorDialogTest() { test::TestApp(); }
  QtUserInterface ui_;
};

TEST_F(FontColorDialogTest, StyleAndColourGoBothWays) {
  FontChoice font{"DejaVu Serif", 13, kFontItalic, kBlue, true};
  QFont shown;
  bool colorShown = false;
  QColor startColor;
  Answer<FontColorDialog>([&](FontColorDialog& d) {
    shown = d.SelectedFont();
    colorShown = d.Color->isVisibleTo(&d);
    startColor = d.SelectedColor();
    d.Font->setCurrentFont(QFont("DejaVu Sans", 15, QFont::Bold, false));
    Answer<QColorDialog>([](QColorDialog& c) {
      c.setCurrentColor(QColor(0, 128, 128));
      c.accept();
    });
    d.Color->click();
    d.OK->click();
  });
  ASSERT_TRUE(ui_.FontDialog(font));
  EXPECT_EQ(shown.family(), "DejaVu Serif");
  EXPECT_EQ(shown.pointSize(), 13);
  EXPECT_TRUE(shown.italic());
  EXPECT_FALSE(shown.bold());
  EXPECT_TRUE(colorShown);
  EXPECT_EQ(startColor, QColor(0, 0, 255));
  EXPECT_EQ(font.name, "DejaVu Sans");
  EXPECT_EQ(font.size, 15);
  EXPECT_EQ(font.style, kFontBold);
  EXPECT_EQ(font.color, (Rgb{0, 128, 128}));
}

TEST_F(FontColorDialogTest, EscapeDropsEverythingAndReturnAccepts) {
  FontChoice font{"DejaVu Serif", 13, 0, kBlue, true};
  const FontChoice start = font;
  Answer<FontColorDialog>([](FontColorDialog& d) {
    d.Font->setCurrentFont(QFont("DejaVu Sans", 20, QFont::Bold, true));
    d.SetColor(Qt::red);
    Key(d.Font->findChild<QLineEdit*>(), Qt::Key_Escape);
  });
  EXPECT_FALSE(ui_.FontDialog(font));
  EXPECT_EQ(font.name, start.name);
  EXPECT_EQ(font.size, start.size);
  EXPECT_EQ(font.color, start.color);

  // Without a colour asked for, the button is hidden and the colour stays.
  bool colorShown = true;
  Answer<FontColorDialog>([&](FontColorDialog& d) {
    colorShown = d.Color->isVisibleTo(&d);
    d.Font->setCurrentFont(QFont("DejaVu Sans", 20, QFont::Bold, true));
    d.SetColor(Qt::red);
    Key(d.Font->findChild<QLineEdit*>(), Qt::Key_Return);
  });
  font.withColor = false;
  ASSERT_TRUE(ui_.FontDialog(font));
  EXPECT_FALSE(colorShown);
  EXPECT_EQ(font.name, "DejaVu Sans");
  EXPECT_EQ(font.size, 20);
  EXPECT_EQ(font.style, kFontBold | kFontItalic);
  EXPECT_EQ(font.color, kBlue);
}

}  // namespace
}  // namespace orv::ui
