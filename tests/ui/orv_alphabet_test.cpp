#include "ui/reference/orv_alphabet.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QToolButton>

#include "config/settings.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

TEST(TAlphabet, ToolButtonsSwitchTheOrderAndOnlyTheOtherOrderIsOffered) {
  test::TestApp();
  Settings settings;
  bool databaseOrder = false;
  {
    TAlphabet chart(settings, databaseOrder);
    EXPECT_EQ(chart.windowTitle(), "Hebrew Alphbet");
    EXPECT_EQ(chart.ToolButton1->text(), "Show Traditional Order");
    EXPECT_EQ(chart.ToolButton3->text(), "Show Database Order");
    EXPECT_FALSE(chart.ToolButton1->isEnabled());
    EXPECT_TRUE(chart.ToolButton3->isEnabled());

    chart.ToolButton3->click();
    EXPECT_TRUE(databaseOrder);
    EXPECT_TRUE(chart.ToolButton1->isEnabled());
    EXPECT_FALSE(chart.ToolButton3->isEnabled());
  }
  // The order is kept for the next chart of the run.
  TAlphabet again(settings, databaseOrder);
  EXPECT_TRUE(again.ToolButton1->isEnabled());
  EXPECT_FALSE(again.ToolButton3->isEnabled());
  again.ToolButton1->click();
  EXPECT_FALSE(databaseOrder);
  EXPECT_FALSE(again.ToolButton1->isEnabled());
  EXPECT_TRUE(again.ToolButton3->isEnabled());
}

TEST(TAlphabet, PaintsLettersAndTheDividingLine) {
  test::TestApp();
  Settings settings;
  bool databaseOrder = false;
  TAlphabet chart(settings, databaseOrder);
  chart.Chart->resize(chart.Chart->minimumSize());
  QImage image = chart.Chart->grab().toImage();
  ASSERT_FALSE(image.isNull());
  const int middle = image.width() / 2;
  EXPECT_NE(image.pixel(middle, image.height() / 2), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(middle, 2), qRgb(255, 255, 255));
  auto ink = [&](int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) n += image.pixel(x, y) != qRgb(255, 255, 255);
    }
    return n;
  };
  // The first letter at the top left; the right column holds letters too,
  // and nothing is drawn past its bottom margin.
  EXPECT_GT(ink(10, 10, 60, 60), 10);
  EXPECT_GT(ink(middle + 10, 10, middle + 60, 60), 10);
  EXPECT_EQ(ink(0, image.height() - 8, middle - 1, image.height()), 0);
}

}  // namespace
}  // namespace orv::ui
