// The preferences dialog over the real text with the datastores built and
// all eight interlinear lines shown (six interlinear texts for Genesis, two
// translation-database lines): opening it (made, every control filled from
// the settings, shown offscreen), and OK with all eight line selections
// changed followed by the page laid out again and painted at 1920x1080.
// Prints
//   open Preferences: X ms mean, X ms max over N (target under 100 ms)
//   OK with eight lines changed and the page laid out: X ms mean, X ms max
//   over N (target under 50 ms)
// The data is imported and built into a temporary folder with the `orv`
// program beside this one; without it the bench says so and exits 0.
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_page_data.h"
#include "bench_support.h"
#include "platform/path_map.h"
#include "session/session.h"
#include "ui/platform/qt_surface.h"
#include "ui/prefs/orv_prefs.h"

namespace {

using orv::bench::Clock;
using orv::bench::MsSince;

constexpr int kRuns = 20;

// Paints the page once, as the window's paint event does; true when words
// were placed.
bool Paint(orv::Session& session, QImage& image) {
  image.fill(Qt::white);
  QPainter painter(&image);
  orv::ui::QtSurface surface(painter, {0, 0, image.width(), image.height()});
  session.Paint(surface);
  return session.layout.lastPlaced > 0;
}

orv::ui::PrefsSession Of(orv::Session& s) {
  return {s.settings,
          s.layout.fonts,
          *s.stores,
          s.view,
          s.view.currentCite.book,
          s.programDir,
          orv::DataRoot(),
          [&s] { s.ReassignSources(); },
          {},
          {}};
}

}  // namespace

int main(int argc, char** argv) {
  const orv::bench::ScratchFolder scratch("orvprefsbench");
  std::string why;
  if (!scratch.Import("hebrew", true, why)) return orv::bench::Skip("prefs", why);
  const std::string prog = scratch.Prog();
  setenv("ORV_ROOT", scratch.Root().c_str(), 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);

  const std::string settingsPath = scratch.Path() + "/ORV.INI";
  {
    orv::Settings settings;
    orv::bench::SetUpEightLines(settings, scratch.Path(), prog, {1});
    orv::DatastoreSet set(settings.HebrewDatastoreDir(), settings.XlatDatastoreDir());
    orv::bench::FillXlat(set);
    orv::WriteSettings(settings, settingsPath);
  }
  orv::bench::SilentUI ui;
  orv::Session session(ui, prog, settingsPath, {});
  QImage image(1920, 1080, QImage::Format_RGB32);
  if (!Paint(session, image)) return orv::bench::Failed("prefs", "the first page is empty");

  orv::bench::Tally open;
  orv::bench::Tally ok;
  bool painted = true;
  const int sources = session.settings.il.SourceCount();
  for (int run = 0; run < kRuns; ++run) {
    auto start = Clock::now();
    orv::ui::TPreferences dialog(Of(session), ui);
    dialog.show();
    open.Add(MsSince(start));
    // Every line moves on to the next source.
    for (size_t i = 0; i < dialog.CBILTSelect.size(); ++i) {
      const int now = dialog.CBILTSelect[i]->currentIndex();
      dialog.CBILTSelect[i]->setCurrentIndex(now % sources + 1);
    }
    start = Clock::now();
    dialog.OKClick();
    painted = Paint(session, image) && painted;
    ok.Add(MsSince(start));
  }
  session.Close();
  std::printf("open Preferences: %.1f ms mean, %.1f ms max over %d (target under 100 ms)\n",
              open.Mean(), open.worst, open.count);
  std::printf(
      "OK with eight lines changed and the page laid out: %.1f ms mean, %.1f ms max over %d "
      "(target under 50 ms)\n",
      ok.Mean(), ok.worst, ok.count);
  if (!painted) std::printf("prefs: a page after OK was empty\n");
  return painted ? 0 : 1;
}
