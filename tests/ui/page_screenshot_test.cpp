// Real pages painted through QtSurface for review: Genesis 1, Psalm 119 and
// Malachi 3 from the imported Hebrew text, with Strong's numbers, thematic
// values, an interlinear text, a translation database line and the King
// James column, each written as a 1920x1080 PNG into "screenshots" beside
// the test program. The checks catch a blank page or an empty column; what
// the pages look like is for a person to judge.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "config/settings.h"
#include "kjv/kjv_index.h"
#include "kjv/kjv_text.h"
#include "model/books.h"
#include "model/datastore_set.h"
#include "model/letter_values.h"
#include "model/records.h"
#include "page/line_assign.h"
#include "page/page_fill.h"
#include "page/page_layout.h"
#include "page/page_paint.h"
#include "page/page_stores.h"
#include "page/view_state.h"
#include "platform/program_dir.h"
#include "support/real_hebrew.h"
#include "support/real_kjv.h"
#include "support/scripted_ui.h"
#include "support/store_records.h"
#include "support/temp_dir.h"
#include "ui/platform/qt_surface.h"
#include "ui/qt_app.h"

namespace orv::ui {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// Pixels of an image region by kind.
struct Ink {
  int dark = 0;   // grey below 128
  int red = 0;    // Strong's numbers
  int green = 0;  // thematic values and first-occurrence marks
};

Ink CountInk(const QImage& image, int left, int right) {
  Ink ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = std::max(left, 0); x < std::min(right, image.width()); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qGray(p) < 128) ++ink.dark;
      if (qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90) ++ink.red;
      if (qGreen(p) > 90 && qRed(p) < 70 && qBlue(p) < 70) ++ink.green;
    }
  }
  return ink;
}

class PageScreenshot : public ::testing::Test {
 protected:
  void SetUp() override {
    const test::RealHebrew& data = test::RealHebrew::Get();
    if (!data.ok) GTEST_SKIP() << data.why;
    const test::RealKjv& kjv = test::RealKjv::Get();
    if (!kjv.ok) GTEST_SKIP() << kjv.why;
    test::TestApp();
    BuildLetterValueTables();
    programDir_ = data.programDir;
    set_ = std::make_unique<DatastoreSet>(data.hebrewDir, data.xlatDir);
    env_ = std::make_unique<PageEnv>(PageEnv{settings_, *set_, ui_});
    settings_.showStrongs = true;
    settings_.thematic = kTraditionalValue;
    settings_.showKJV = true;
    settings_.il.AddInterlinearText("Glosses", "English", ilt_.path() + "/");
    settings_.il.AddTranslationDatabase("Words", "English", "Xlat\\");
    AddXlat("aleim", "God");
    AddXlat("ewmim", "heavens");
    AddXlat("earc", "the-earth");
    AddXlat("ieve", "LORD");
    AddXlat("awri", "blessed");
    AddXlat("enni", "behold-me");
    kjvIndex_ = std::make_unique<KjvIndex>(kjv.programDir, kjv.indexFile);
    kjv_ = std::make_unique<TKJV>(*kjvIndex_);
  }
  void TearDown() override {
    if (env_) FinishPage(page_, *env_);
  }

  void AddXlat(const std::string& word, const std::string& gloss) {
    test::AddXlat(*set_, word, {gloss});
  }

  // An interlinear text for the page's words at `at`: the Hebrew line is
  // read first, then each of its words gets a gloss from a short list
  // (some hyphenated, of varied widths) in a file of the book's own.
  void WriteInterlinear(Citation at) {
    settings_.il.SetSelection(1, 0);
    settings_.il.SetSelection(2, 0);
    AssignSources(page_, *env_, programDir_, view_.reloadWords);
    if (!glossed_) return;
    // The whole chapter from `at`, so a page larger than one fill is glossed too.
    const FillResult r = FillBuffer(page_, *env_, at, kPageSlots - 1, view_.reloadWords);
    static const char* const kGlosses[] = {"and",     "the-earth", "in-beginning", "he-said",
                                           "God",     "to-them",   "over",         "the-LORD",
                                           "blessed", "the-way-of"};
    std::map<int, std::vector<std::string>> verses;
    for (int k = r.first; k <= r.last; ++k) {
      const Citation c = page_.buffer.entry[static_cast<size_t>(k)].cite;
      verses[c.verse].push_back(kGlosses[(c.verse * 7 + c.word) % 10]);
    }
    std::ofstream out(ilt_.File(BookCode(at.book) + ".ILT"), std::ios::binary);
    out << "*BOOK " << BookCode(at.book) << " glosses\r\n*L-R\r\n*" << int{at.chapter} << "\r\n";
    for (const auto& [verse, glosses] : verses) {
      out << verse;
      for (const std::string& g : glosses) out << ' ' << g;
      out << "\r\n";
    }
    settings_.il.SetSelection(1, 1);
    settings_.il.SetSelection(2, 2);
    AssignSources(page_, *env_, programDir_, view_.reloadWords);
  }

  // Paints the page at `at` on an image of width x height and writes it as
  // `name`.png; returns the image.
  QImage Shoot(Citation at, const std::string& name, int width = kWidth, int height = kHeight) {
    WriteInterlinear(Citation{at.book, at.chapter, 1, 1});
    set_->SetFOccView(set_->CurrentFOccView(), FOccViewSetting(settings_.markFOcc), at.book);
    layout_.fonts = MakePageFonts(settings_);
    layout_.geometryChanged = true;
    view_.currentCite = at;
    view_.relayoutNeeded = true;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      QtSurface surface(painter, {0, 0, width, height});
      PaintScreen(surface, layout_, page_, *env_, view_, kjv_.get());
    }
    const fs::path dir = fs::path(ExecutablePath()).parent_path() / "screenshots";
    fs::create_directories(dir);
    const fs::path file = dir / (name + ".png");
    EXPECT_TRUE(image.save(QString::fromStdString(file.string()), "PNG")) << file;
    std::printf("screenshot: %s\n", file.string().c_str());
    return image;
  }

  // What every screenshot must show: words with both number kinds in the
  // page, both interlinear lines filled somewhere, and King James text with
  // its red Strong's numbers in the column.
  void ExpectFullPage(const QImage& image) {
    ASSERT_GT(layout_.lastPlaced, 0) << "no word was placed";
    EXPECT_GT(layout_.lastPlaced - layout_.firstPlaced, 40);
    int ilt = 0, db = 0;
    for (int k = layout_.firstPlaced; k <= layout_.lastPlaced; ++k) {
      const WordEntry& e = page_.buffer.entry[static_cast<size_t>(k)];
      ilt += !e.text[1].empty();
      db += !e.text[2].empty();
    }
    EXPECT_EQ(ilt, layout_.lastPlaced - layout_.firstPlaced + 1) << "a word without its gloss";
    EXPECT_GT(db, 0) << "no translation database gloss on the page";

    const int split = layout_.geo.right + layout_.spacing.rightMargin;
    ASSERT_LT(split, image.width() - 200) << "no room for the King James column";
    const Ink page = CountInk(image, 0, split);
    EXPECT_GT(page.dark, 20000) << "the page is nearly blank";
    EXPECT_GT(page.red, 500) << "no Strong's numbers";
    EXPECT_GT(page.green, 500) << "no thematic values";
    const Ink kjv = CountInk(image, split, image.width());
    EXPECT_GT(kjv.dark, 5000) << "the King James column is empty";
    EXPECT_GT(kjv.red, 100) << "no Strong's numbers in the King James column";
    EXPECT_FALSE(layout_.kjvHits.empty());
  }

  bool glossed_ = true;  // false: no interlinear lines, as after a first start
  test::TempDir ilt_;
  test::ScriptedUI ui_;
  Settings settings_;
  std::string programDir_;
  std::unique_ptr<DatastoreSet> set_;
  std::unique_ptr<PageEnv> env_;
  std::unique_ptr<KjvIndex> kjvIndex_;
  std::unique_ptr<TKJV> kjv_;
  Page page_;
  PageLayout layout_;
  ViewState view_;
};

TEST_F(PageScreenshot, GenesisOne) {
  const QImage image = Shoot({1, 1, 1, 1}, "genesis-1");
  ExpectFullPage(image);
  EXPECT_EQ(page_.buffer.entry[3].text[2], "God");
  EXPECT_EQ(page_.buffer.entry[3].strongs, 430);
}

TEST_F(PageScreenshot, PsalmOneHundredNineteen) {
  ExpectFullPage(Shoot({19, 119, 1, 1}, "psalm-119"));
}

TEST_F(PageScreenshot, MalachiThree) { ExpectFullPage(Shoot({39, 3, 1, 1}, "malachi-3")); }

// Without interlinear lines a page on a large screen holds more words than
// one fill loads: the first page of Numbers 7 is full to its last row, and
// the second goes on with the next word.
TEST_F(PageScreenshot, NumbersSevenOnALargeScreen) {
  glossed_ = false;
  Shoot({4, 7, 1, 1}, "numbers-7-page-1", 2560, 1440);
  EXPECT_GT(layout_.lastPlaced - layout_.firstPlaced + 1, kPageWanted);
  const int lastRow = layout_.box[static_cast<size_t>(layout_.lastPlaced)].row;
  const int rowsThatFit = (layout_.geo.usableHeight - layout_.firstRowY) / layout_.rowHeight;
  EXPECT_GE(lastRow, rowsThatFit) << "the page ends before its last row";
  const Citation next = view_.nextPageCite;
  ASSERT_FALSE(next.IsNull());
  const Citation last = layout_.rangeLast;
  Shoot(next, "numbers-7-page-2", 2560, 1440);
  EXPECT_EQ(layout_.rangeFirst, next);
  EXPECT_LT(last, layout_.rangeFirst);
  EXPECT_EQ(layout_.rangeFirst.chapter, 7);
}

}  // namespace
}  // namespace orv::ui
