// Find and Find Next to the end on the real text: every occurrence of the
// word "aleim" (a walk of WORD) and of Strong's number 7225 (a filtered walk
// of CITE), one by one as the main window's Find (Ctrl+F) and Find Next (F3)
// give them, with the datastores held open as the page holds them. Prints
//   find aleim: N occurrences in X ms (mean of R, worst Y ms; target under 10 ms)
// and the same for 7225. The data is imported and built into a temporary
// folder with the `orv` program beside this one; without it the bench says
// so and exits 0.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_support.h"
#include "config/settings.h"
#include "model/datastore_set.h"
#include "page/view_state.h"
#include "search/find.h"
#include "search/search_state.h"

namespace {

using orv::bench::Clock;
using orv::bench::MsSince;

constexpr double kTargetMs = 10;
constexpr int kRounds = 20;

// Find, then Find Next until the end; the number of occurrences reached.
int FindAll(orv::SearchEnv& env, const std::string& text) {
  if (orv::FindText(env, text) != orv::FindResult::kFound) return 0;
  int found = 1;
  while (orv::FindNext(env)) ++found;
  return found;
}

}  // namespace

int main() {
  const orv::bench::ScratchFolder scratch("orvfindbench");
  std::string why;
  if (!scratch.Import("hebrew", true, why)) return orv::bench::Skip("find", why);
  setenv("ORV_ROOT", scratch.Root().c_str(), 1);
  orv::Settings settings;
  orv::ReadSettings(settings, orv::SettingsPath());  // where `orv build` put the stores
  orv::DatastoreSet set(settings.HebrewDatastoreDir(), settings.XlatDatastoreDir());
  set.WordDS.Open(true);
  set.CiteDS.Open(true);
  orv::bench::SilentUI ui;
  orv::ViewState view;
  orv::SearchState search;
  orv::SearchEnv env{set, search, view, ui, {}, {}};

  int status = 0;
  for (const std::string text : {"aleim", "7225"}) {
    orv::bench::Tally runs;
    int found = 0;
    for (int r = 0; r < kRounds; ++r) {
      const auto start = Clock::now();
      found = FindAll(env, text);
      runs.Add(MsSince(start));
    }
    if (found == 0) status = 1;
    std::printf(
        "find %s: %d occurrences in %.2f ms (mean of %d, worst %.2f ms; target under %.0f ms)\n",
        text.c_str(), found, runs.Mean(), runs.count, runs.worst, kTargetMs);
  }
  set.WordDS.ForceClose();
  set.CiteDS.ForceClose();
  return status;
}
