#include "ui/platform/qt_surface.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>

#include "support/temp_dir.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

class QtSurfaceTest : public ::testing::Test {
 protected:
  QtSurfaceTest() : image_(400, 200, QImage::Format_RGB32) {
    test::TestApp();
    image_.fill(Qt::gray);
  }

  // The bounding box of the pixels that are not white; null when there are
  // none.
  static QRect Ink(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
      }
    }
    return box;
  }

  // The image after `paint` has drawn on a white background.
  template <typename Paint>
  QImage Render(Paint paint) {
    image_.fill(Qt::white);
    QPainter painter(&image_);
    QtSurface s(painter, {0, 0, image_.width(), image_.height()});
    paint(s);
    painter.end();
    return image_;
  }

  // Sum of the grey level differences of two images of the same size.
  static long Difference(const QImage& a, const QImage& b) {
    long sum = 0;
    for (int y = 0; y < a.height(); ++y) {
      for (int x = 0; x < a.width(); ++x)
        sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    }
    return sum;
  }

  QImage image_;
  QRect lastExtent_;
};

TEST_F(QtSurfaceTest, MapsTheSettingsFontNamesToInstalledFonts) {
  ResolvedFont hebrew = ResolveFont("Orvane Hebrew");
  EXPECT_EQ(hebrew.mapping, GlyphMapping::kStorageLetters);
  EXPECT_TRUE(QFontDatabase::families().contains(hebrew.family)) << hebrew.family.toStdString();
  ResolvedFont modern = ResolveFont("olbheb");  // names are matched without case
  EXPECT_EQ(modern.mapping, GlyphMapping::kSourceSpelling);
  EXPECT_EQ(modern.family, hebrew.family);

  const QStringList installed = QFontDatabase::families();
  EXPECT_EQ(ResolveFont("Arial").mapping, GlyphMapping::kUtf8);
  if (installed.contains("Liberation Sans")) {
    EXPECT_EQ(ResolveFont("No Such Font 123").family, "Liberation Sans");
    if (!installed.contains("Arial")) {
      EXPECT_EQ(ResolveFont("Arial").family, "Liberation Sans");
    }
  }
  EXPECT_EQ(ResolveFont("MS Sans Serif").family, QApplication::font().family());
  if (installed.contains("DejaVu Serif")) {
    EXPECT_EQ(ResolveFont("DejaVu Serif").family, "DejaVu Serif");
  }
}

TEST_F(QtSurfaceTest, DrawsEachSpellingAsTheHebrewLetterItStandsFor) {
  struct Case {
    const char* font;
    const char* text;
    const char* letter;
  };
  // aleph in both spellings, he (storage e, source h), final mem (source M).
  const Case cases[] = {{"Orvane Hebrew", "a", "א"},
                        {"Orvane Hebrew", "e", "ה"},
                        {"OLBHEB", "h", "ה"},
                        {"OLBHEB", "M", "ם"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.font) + " " + c.text);
    QImage drawn = Render([&](QtSurface& s) {
      s.SetFont({c.font, 24, 0, kBlack});
      s.TextOut(20, 30, c.text);
    });
    QImage expected = Render([&](QtSurface& s) {
      QFont f(ResolveFont(c.font).family);
      f.setPointSize(24);
      s.Painter().setFont(f);
      s.Painter().setPen(Qt::black);
      s.Painter().drawText(20, 30 + QFontMetrics(f, &image_).ascent(), QString::fromUtf8(c.letter));
    });
    EXPECT_FALSE(Ink(drawn).isNull());
    EXPECT_EQ(drawn, expected);
  }
}

TEST_F(QtSurfaceTest, KeepsHebrewLettersInTheOrderGiven) {
  // Aleph is wide and yod narrow: "ai" drawn as one text must look like
  // aleph then yod drawn one after the other, not the other way round,
  // which is what a right-to-left layout would make of it.
  auto pair = [&](const char* first, const char* second) {
    return Render([&](QtSurface& s) {
      s.SetFont({"Orvane Hebrew", 24, 0, kBlack});
      s.TextOut(20, 30, first);
      s.TextOut(20 + s.TextWidth(first), 30, second);
    });
  };
  QImage together = Render([&](QtSurface& s) {
    s.SetFont({"Orvane Hebrew", 24, 0, kBlack});
    s.TextOut(20, 30, "ai");
  });
  EXPECT_LT(Difference(together, pair("a", "i")) * 4, Difference(together, pair("i", "a")));
}

TEST_F(QtSurfaceTest, MeasuresConsistentlyAndDrawsWithinTheExtent) {
  QImage drawn = Render([&](QtSurface& s) {
    s.SetFont({"Arial", 12, 0, kBlack});
    Extent e = s.TextExtent("07225");
    EXPECT_GT(e.width, 0);
    EXPECT_GT(e.height, 0);
    EXPECT_EQ(s.TextExtent(""), (Extent{0, e.height}));
    EXPECT_EQ(s.TextExtent("07225"), e);  // the second answer comes from the cache
    EXPECT_LT(s.TextWidth("0722"), e.width);
    s.SetFontSize(24);
    EXPECT_GT(s.TextWidth("07225"), e.width * 3 / 2);
    EXPECT_GT(s.TextHeight(""), e.height * 3 / 2);
    s.SetFontSize(12);
    EXPECT_EQ(s.TextExtent("07225"), e);  // back to the first font's cache

    s.SetFont({"Orvane Hebrew", 24, 0, kBlack});
    Extent h = s.TextExtent("brawit");
    EXPECT_NEAR(h.width, s.TextWidth("bra") + s.TextWidth("wit"), 2);
    s.TextOut(100, 50, "brawit");
    lastExtent_ = QRect(100, 50, h.width, h.height);
  });
  QRect ink = Ink(drawn);
  ASSERT_FALSE(ink.isNull());
  // A little overhang either side is normal for italic-like glyph shapes.
  EXPECT_TRUE(lastExtent_.adjusted(-3, 0, 3, 0).contains(ink))
      << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
  EXPECT_GT(ink.width(), lastExtent_.width() / 2);
}

TEST_F(QtSurfaceTest, DrawsLinesAndTextInTheirOwnColoursOverTheFilledBackground) {
  QImage drawn = Render([&](QtSurface& s) {
    s.FillBackground({0, 0, 200, 100});
    s.SetPenColor(kBlue);
    s.MoveTo(10, 150);
    s.LineTo(300, 150);
    s.SetFont({"Arial", 20, kFontBold, kRed});
    s.TextOut(250, 20, "X");
  });
  EXPECT_EQ(drawn.pixel(5, 5), qRgb(255, 255, 255));
  EXPECT_EQ(drawn.pixel(250, 150), qRgb(0, 0, 255));
  EXPECT_EQ(drawn.pixel(5, 150), qRgb(255, 255, 255));
  bool red = false;
  for (int y = 20; y < 60; ++y) {
    for (int x = 250; x < 290; ++x) red |= drawn.pixel(x, y) == qRgb(255, 0, 0);
  }
  EXPECT_TRUE(red);
}

TEST_F(QtSurfaceTest, PrintsPagesToAPdf) {
  test::TempDir dir;
  QString file = QString::fromStdString(dir.File("out.pdf"));
  {
    QPdfWriter pdf(file);
    QtPrinterSurface printer(pdf);
    ASSERT_TRUE(printer.IsActive());
    Rect page = printer.ClipRect();
    // A4 or Letter at the writer's 1200 dots per inch.
    EXPECT_GT(page.Width(), 8000);
    EXPECT_GT(page.Height(), 11000);
    printer.SetFont({"Orvane Hebrew", 20, 0, kBlack});
    EXPECT_GT(printer.TextWidth("brawit"), 200);  // printer dots, not pixels
    printer.TextOut(100, 100, "brawit");
    ASSERT_TRUE(printer.NewPage());
    printer.SetFont({"Arial", 10, 0, kBlack});
    printer.TextOut(100, 100, "Gen 1:1");
    EXPECT_TRUE(printer.End());
  }
  QProcess info;
  info.start("pdfinfo", {file});
  if (!info.waitForFinished(10000) || info.exitCode() != 0) {
    GTEST_SKIP() << "pdfinfo is not available";
  }
  EXPECT_TRUE(info.readAllStandardOutput().contains("Pages:           2"));
}

TEST_F(QtSurfaceTest, APrinterThatCannotOpenPrintsNothing) {
  QPdfWriter pdf("/nonexistent-folder/out.pdf");
  QtPrinterSurface printer(pdf);
  EXPECT_FALSE(printer.IsActive());
  EXPECT_FALSE(printer.NewPage());
  EXPECT_FALSE(printer.End());
}

}  // namespace
}  // namespace orv::ui
