// The database browser's search for the next undefined word over a whole
// book of the real text: every word of Genesis is given a definition, and
// the search with "Book" selected walks from Genesis 1:1 to the book's end
// without a find, as it does for a user who has defined the book. Prints
//   undefined search Genesis: N occurrences in X ms (mean of R, worst Y ms;
//   target under 100 ms)
// The data is imported and built into a temporary folder with the `orv`
// program beside this one; without it the bench says so and exits 0.
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "bench_support.h"
#include "config/settings.h"
#include "edit/db_browser.h"
#include "model/datastore_set.h"
#include "page/view_state.h"

namespace {

using orv::bench::Clock;
using orv::bench::MsSince;

constexpr double kTargetMs = 100;
constexpr int kRounds = 10;
constexpr uint8_t kGenesis = 1;

// Gives every word of Genesis a definition; returns the book's occurrences.
int DefineGenesis(orv::DatastoreSet& set) {
  orv::TDSControl* cite = set.CiteDS.Handle();
  orv::TDSControl* foc2 = set.FOc2DS.Handle();
  orv::TDSControl* xlat = set.XlatDS.Handle();
  std::set<int32_t> done;
  int occurrences = 0;
  orv::CiteRec c{};
  orv::DSSetPos(cite, 0);
  while (orv::DSNext(cite, &c) == orv::kDSOk && c.cite.book == kGenesis) {
    ++occurrences;
    orv::Foc2Rec f{};
    if (!done.insert(c.foc2).second || orv::DSReadAt(foc2, c.foc2, &f) != orv::kDSOk) continue;
    orv::XlatRec x{};
    x.word = f.word;
    x.gloss[0].Set("defined");
    orv::DSInsert(xlat, &x);
  }
  return occurrences;
}

}  // namespace

int main() {
  const orv::bench::ScratchFolder scratch("orvundefbench");
  std::string why;
  if (!scratch.Import("hebrew", true, why)) return orv::bench::Skip("undefined search", why);
  setenv("ORV_ROOT", scratch.Root().c_str(), 1);
  orv::Settings settings;
  orv::ReadSettings(settings, orv::SettingsPath());
  orv::DatastoreSet set(settings.HebrewDatastoreDir(), settings.XlatDatastoreDir());
  // Held open as the page holds them.
  for (orv::TXRDataStore* s : {&set.WordDS, &set.FOc2DS, &set.CiteDS, &set.XlatDS}) s->Open(true);
  const int occurrences = DefineGenesis(set);
  orv::bench::SilentUI ui;
  orv::ViewState view;
  orv::BrowserState state;
  orv::DbBrowser browser(set, ui, view, state);
  if (!browser.Open()) return orv::bench::Failed("undefined search", "no WORD datastore");

  orv::bench::Tally runs;
  bool found = false;
  for (int r = 0; r < kRounds; ++r) {
    browser.SetSync(false);
    view.clickedCite = orv::kFirstCite;
    browser.SetSync(true);
    const auto start = Clock::now();
    found = browser.FindUndefined(orv::UndefinedScope::kBook);
    runs.Add(MsSince(start));
  }
  std::printf(
      "undefined search Genesis: %d occurrences in %.2f ms (mean of %d, worst %.2f ms; target "
      "under %.0f ms)\n",
      occurrences, runs.Mean(), runs.count, runs.worst, kTargetMs);
  browser.SetSync(false);
  for (orv::TXRDataStore* s : {&set.WordDS, &set.FOc2DS, &set.CiteDS, &set.XlatDS}) {
    s->ForceClose();
  }
  // Every word was defined: a find is a fault.
  return found || occurrences == 0 ? 1 : 0;
}
