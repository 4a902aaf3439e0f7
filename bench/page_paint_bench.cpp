// Laying out and painting the interlinear page on the real text into an
// offscreen 1920x1080 image through QtSurface, as the main window paints:
// Strong's numbers, thematic values, first-occurrence marks and eight
// interlinear lines (six interlinear texts, two translation-database lines).
//   page paint   the page at the start of every chapter of Genesis, Psalms
//                and 1 Kings, each read, laid out and painted anew (after
//                one paint of Psalm 1 that loads the fonts, shown apart)
//   repaint      the same pages painted again from the stored layout
//   kept surface the first figure with one QtSurface for all pages, whose
//                laid-out texts then serve every page after the first
//   paging       Page Down from Genesis 1:1 to the end of Genesis, laying
//                out and painting every page
// Prints one line per figure with its target. The data is imported and
// built into a temporary folder with the `orv` program beside this one;
// without it the bench says so and exits 0.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench_page_data.h"
#include "bench_support.h"
#include "cite/cite_counts.h"
#include "page/line_assign.h"
#include "page/page_layout.h"
#include "page/page_paint.h"
#include "page/page_stores.h"
#include "page/page_words.h"
#include "page/view_state.h"
#include "session/navigation.h"
#include "ui/platform/qt_surface.h"

namespace {

using orv::bench::Clock;
using orv::bench::MsSince;

class Painter {
 public:
  Painter(orv::PageLayout& layout, orv::Page& page, orv::PageEnv& env, orv::ViewState& view)
      : layout_(layout),
        page_(page),
        env_(env),
        view_(view),
        image_(1920, 1080, QImage::Format_RGB32) {}

  // One paint event: a white background, then a painter and a surface made
  // for the event, as the window's paint handler does. Returns milliseconds.
  double Paint() {
    const auto start = Clock::now();
    image_.fill(Qt::white);
    QPainter painter(&image_);
    orv::ui::QtSurface surface(painter, kArea);
    orv::PaintScreen(surface, layout_, page_, env_, view_, nullptr);
    painter.end();
    return MsSince(start);
  }

  // The same on one painter and surface kept from paint to paint, so the
  // surface's laid-out texts serve the next pages too.
  double PaintKeepingSurface() {
    if (!kept_) {
      keptPainter_ = std::make_unique<QPainter>(&image_);
      kept_ = std::make_unique<orv::ui::QtSurface>(*keptPainter_, kArea);
    }
    const auto start = Clock::now();
    kept_->FillBackground(kArea);
    orv::PaintScreen(*kept_, layout_, page_, env_, view_, nullptr);
    return MsSince(start);
  }
  void DropKeptSurface() {
    kept_.reset();
    keptPainter_.reset();
  }

 private:
  static constexpr orv::Rect kArea{0, 0, 1920, 1080};
  orv::PageLayout& layout_;
  orv::Page& page_;
  orv::PageEnv& env_;
  orv::ViewState& view_;
  QImage image_;
  std::unique_ptr<QPainter> keptPainter_;
  std::unique_ptr<orv::ui::QtSurface> kept_;
};

// Every line of the page's first word must hold text, or the figures would
// not be those of a full page.
bool FullPage(const orv::PageLayout& layout, const orv::Page& page) {
  if (layout.lastPlaced < 1) return false;
  const orv::WordEntry& e = page.buffer.entry[static_cast<size_t>(layout.firstPlaced)];
  if (e.strongs == 0 && e.thematic == 0) return false;
  for (int n = 1; n <= 8; ++n) {
    if (e.text[static_cast<size_t>(n)].empty()) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const orv::bench::ScratchFolder scratch("orvpaintbench");
  std::string why;
  if (!scratch.Import("hebrew", true, why)) return orv::bench::Skip("page paint", why);
  setenv("ORV_ROOT", scratch.Root().c_str(), 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);

  const std::string prog = scratch.Prog();
  orv::BuildLetterValueTables();
  orv::Settings settings;
  orv::bench::SetUpEightLines(settings, scratch.Path(), prog, {1, 11, 19});
  orv::DatastoreSet set(settings.HebrewDatastoreDir(), settings.XlatDatastoreDir());
  orv::bench::FillXlat(set);
  orv::bench::SilentUI ui;
  orv::PageEnv env{settings, set, ui};
  orv::Page page;
  orv::PageLayout layout;
  orv::ViewState view;
  layout.fonts = orv::MakePageFonts(settings);
  set.SetFOccView(orv::FOccView::kNone, orv::FOccViewSetting(settings.markFOcc), 1);
  orv::AssignSources(page, env, prog, view.reloadWords);
  Painter painter(layout, page, env, view);

  int status = 0;
  // The very first paint loads the fonts and opens the files: apart.
  view.currentCite = {19, 1, 1, 1};
  view.relayoutNeeded = true;
  const double cold = painter.Paint();

  orv::bench::Tally paint, repaint, kept;
  orv::Citation worstAt;
  int words = 0;
  const struct { int book, chapters; } books[] = {{1, 50}, {19, 150}, {11, 22}};
  for (const auto& b : books) {
    for (int c = 1; c <= b.chapters; ++c) {
      view.currentCite = {static_cast<uint8_t>(b.book), static_cast<uint8_t>(c), 1, 1};
      view.relayoutNeeded = true;
      if (paint.Add(painter.Paint())) worstAt = view.currentCite;
      words += layout.lastPlaced - layout.firstPlaced + 1;
      if (!FullPage(layout, page) && status == 0) {
        std::printf("page paint: the page at %d %d:1 is not full (%d words placed)\n", b.book, c,
                    layout.lastPlaced);
        status = 1;
      }
      repaint.Add(painter.Paint());
    }
  }
  for (const auto& b : books) {
    for (int c = 1; c <= b.chapters; ++c) {
      view.currentCite = {static_cast<uint8_t>(b.book), static_cast<uint8_t>(c), 1, 1};
      view.relayoutNeeded = true;
      kept.Add(painter.PaintKeepingSurface());
    }
  }
  painter.DropKeptSurface();

  // Page Down through Genesis, as the key handler and the next paint do it.
  orv::DatastoreCounts counts(set);
  view.currentCite = orv::kFirstCite;
  view.relayoutNeeded = true;
  int pages = 0;
  const auto start = Clock::now();
  while (view.currentCite.book == 1) {
    painter.Paint();
    ++pages;
    if (!orv::NextPage(view, counts)) break;
    view.relayoutNeeded = true;
  }
  const double paging = MsSince(start);
  orv::FinishPage(page, env);

  std::printf(
      "page paint: %.3f ms mean, %.3f ms max (at %d %d:1) over %d pages of %d words on"
      " average (target under 10 ms)\n",
      paint.Mean(), paint.worst, worstAt.book, worstAt.chapter, paint.count,
      paint.count ? words / paint.count : 0);
  std::printf("first paint of the run (fonts loaded, files opened): %.3f ms\n", cold);
  std::printf("repaint without layout: %.3f ms mean, %.3f ms max\n", repaint.Mean(), repaint.worst);
  std::printf("page paint, one surface kept for all pages: %.3f ms mean, %.3f ms max\n",
              kept.Mean(), kept.worst);
  std::printf("paging through Genesis: %.0f ms for %d pages, %.3f ms a page (target under 3 s)\n",
              paging, pages, pages ? paging / pages : 0);
  if (pages < 50) {
    std::printf("paging: only %d pages for Genesis\n", pages);
    status = 1;
  }
  return status;
}
