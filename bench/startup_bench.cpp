// Start-up of the main window's state to its first painted page, on the
// real text with the datastores already built: the letter tables, the
// Session (settings, fonts, datastores, line sources, the King James text)
// and its first paint into an offscreen 1920x1080 image, with Strong's
// numbers, thematic values, eight interlinear lines and, when the King
// James text could be imported, its column. The first start also builds
// the King James chapter index and is reported on its own. Prints
//   start-up: X ms mean, X ms max over N starts (target under 1 s)
// Then `orv` as a whole process, start-up included, for commands that do
// not paint:
//   orv cite "Gen 1:1" as a process: X ms mean, X ms max over N runs;
//     processor time X ms mean (target under 10 ms)
//   orv occurrences 7225 as a process: ...
// The data is imported and built into a temporary folder with the `orv`
// program beside this one; without it the bench says so and exits 0.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_page_data.h"
#include "bench_process.h"
#include "bench_support.h"
#include "config/settings.h"
#include "session/session.h"
#include "ui/platform/qt_surface.h"

namespace {

using orv::bench::Clock;
using orv::bench::MsSince;

// One start: returns milliseconds to the end of the first paint, and in
// `full` whether the page shows words and, with `kjv`, the King James column
// its Strong's numbers.
double StartOnce(const std::string& prog, const std::string& settingsPath, bool kjv, bool& full) {
  orv::bench::SilentUI ui;
  QImage image(1920, 1080, QImage::Format_RGB32);
  const auto start = Clock::now();
  orv::BuildLetterValueTables();
  orv::Session session(ui, prog, settingsPath, {});
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    orv::ui::QtSurface surface(painter, {0, 0, image.width(), image.height()});
    session.Paint(surface);
  }
  const double ms = MsSince(start);
  full = session.layout.lastPlaced > 0 && (!kjv || !session.layout.kjvHits.empty());
  session.Close();
  return ms;
}

constexpr int kProcessRuns = 30;
constexpr double kProcessTargetMs = 10;

// Times `orv ARGS` as a process and prints its line; false when a run
// failed or its output lacks `expected`.
bool TimeOrv(const std::string& scratch, const std::vector<std::string>& args,
             const std::string& shown, const std::string& expected) {
  std::vector<std::string> argv = {
      (std::filesystem::path(orv::ExecutablePath()).parent_path() / "orv").string()};
  argv.insert(argv.end(), args.begin(), args.end());
  const std::string out = scratch + "/orv.out";
  const orv::bench::ProcessTally t = orv::bench::RunProcesses(argv, out, kProcessRuns);
  if (!t.ok || orv::bench::FileText(out).find(expected) == std::string::npos) {
    std::printf("orv %s as a process: failed or printed no %s\n", shown.c_str(), expected.c_str());
    return false;
  }
  std::printf(
      "orv %s as a process: %.1f ms mean, %.1f ms max over %d runs; processor time %.1f ms mean "
      "(target under %.0f ms%s)\n",
      shown.c_str(), t.wall.Mean(), t.wall.worst, t.wall.count, t.cpu.Mean(), kProcessTargetMs,
      t.wall.Mean() < kProcessTargetMs ? "" : ": MISSED");
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const orv::bench::ScratchFolder scratch("orvstartbench");
  std::string why;
  bool kjv = true;
  if (!scratch.Import("hebrew,kjv", true, why)) {
    kjv = false;  // no SWORD module: start without the King James column
    if (!scratch.Import("hebrew", true, why)) return orv::bench::Skip("start-up", why);
  }
  const std::string prog = scratch.Prog();
  setenv("ORV_ROOT", scratch.Root().c_str(), 1);
  setenv("ORV_PROGRAM_DIR", prog.c_str(), 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const auto start = Clock::now();
  QGuiApplication app(argc, argv);
  const double appMs = MsSince(start);

  const std::string settingsPath = scratch.Path() + "/ORV.INI";
  {
    orv::Settings settings;
    orv::bench::SetUpEightLines(settings, scratch.Path(), prog, {1});
    settings.showKJV = kjv;
    orv::DatastoreSet set(settings.HebrewDatastoreDir(), settings.XlatDatastoreDir());
    orv::bench::FillXlat(set);
    orv::WriteSettings(settings, settingsPath);
  }

  bool full = false;
  const double first = StartOnce(prog, settingsPath, kjv, full);
  int status = full ? 0 : 1;
  orv::bench::Tally starts;
  for (int i = 0; i < 20; ++i) {
    starts.Add(StartOnce(prog, settingsPath, kjv, full));
    if (!full) status = 1;
  }
  std::printf("application object: %.1f ms\n", appMs);
  std::printf("first start (builds the King James index%s): %.1f ms\n", kjv ? "" : ", none here",
              first);
  std::printf("start-up: %.1f ms mean, %.1f ms max over %d starts%s (target under 1 s)\n",
              starts.Mean(), starts.worst, starts.count, kjv ? " with the King James column" : "");
  if (status) std::printf("start-up: the first page was not painted in full\n");
  if (!TimeOrv(scratch.Path(), {"cite", "Gen 1:1"}, "cite \"Gen 1:1\"", "0 Gen 1:1.1")) status = 1;
  if (!TimeOrv(scratch.Path(), {"occurrences", "7225"}, "occurrences 7225", "Gen 1:1.1 ")) {
    status = 1;
  }
  return status;
}
