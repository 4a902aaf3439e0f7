// The range value and the two scans for runs of words over the real text,
// with CITE, FOC2 and BOOK held open as the page holds them:
//   - the range value of Genesis 1:1 to Malachi 3:24 (target under 100 ms);
//   - a thematic value scan of the whole text that finds nothing (value 1,
//     which every word overshoots, so the scan restarts at every word;
//     target under 1 s);
//   - an embedded word scan of the whole text that finds nothing (a term of
//     four q's at skip 1000; target under 300 ms).
// Each prints its mean and worst time over a few rounds against its target.
// The data is imported and built into a temporary folder with the `orv`
// program beside this one; without it the bench says so and exits 0.
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "bench_support.h"
#include "cite/cite_counts.h"
#include "config/settings.h"
#include "model/datastore_set.h"
#include "model/letter_values.h"
#include "search/embedded_filter.h"
#include "search/range_value.h"
#include "search/run_scan.h"
#include "search/thematic_filter.h"

namespace {

using orv::bench::Clock;
using orv::bench::MsSince;

constexpr int kRounds = 5;

// Times `work` kRounds times and prints the line; false when `work` said
// its result was wrong.
bool Time(const char* what, double targetMs, const std::function<bool(std::string&)>& work) {
  orv::bench::Tally runs;
  std::string result;
  bool ok = true;
  for (int r = 0; r < kRounds; ++r) {
    const auto start = Clock::now();
    ok = work(result) && ok;
    runs.Add(MsSince(start));
  }
  std::printf("%s: %s in %.1f ms (mean of %d, worst %.1f ms; target under %.0f ms)\n", what,
              result.c_str(), runs.Mean(), runs.count, runs.worst, targetMs);
  return ok;
}

}  // namespace

int main() {
  const orv::bench::ScratchFolder scratch("orvvaluebench");
  std::string why;
  if (!scratch.Import("hebrew", true, why)) return orv::bench::Skip("value search", why);
  setenv("ORV_ROOT", scratch.Root().c_str(), 1);
  orv::BuildLetterValueTables();
  orv::Settings settings;
  orv::ReadSettings(settings, orv::SettingsPath());  // where `orv build` put the stores
  orv::DatastoreSet set(settings.HebrewDatastoreDir(), settings.XlatDatastoreDir());
  for (orv::TXRDataStore* s : {&set.CiteDS, &set.FOc2DS, &set.BookDS}) {
    if (!s->Exists()) return orv::bench::Failed("value search", s->Tag() + " missing");
  }
  orv::DatastoreCounts counts(set);
  int status = 0;

  if (!Time("range value Gen 1:1 - Mal 3:24", 100, [&](std::string& result) {
        const orv::RangeValues v = orv::RangeValue(set, counts, "Gen 1:1", "Mal 3:24.last");
        result = v.Ok() ? "Original " + std::to_string(v.original) + " Traditional " +
                              std::to_string(v.traditional)
                        : v.message;
        return v.Ok();
      })) {
    status = 1;
  }

  const auto scan = [&](orv::RunFilter& filter, std::string& result) {
    const orv::RunScan r = orv::ScanForRun(set, filter, 0);
    result = r.found ? "a run found (the bench wants none)"
                     : "no run, end code " + std::to_string(r.code);
    return !r.found && r.code == orv::kDSEnd;
  };
  orv::ThematicParams params;
  params.value = 1;
  orv::ThematicFilter thematic(params, orv::kTraditionalValue);
  if (!Time("thematic scan, value 1", 1000,
            [&](std::string& result) { return scan(thematic, result); })) {
    status = 1;
  }
  orv::EmbeddedFilter embedded("qqqq", 1000);
  if (!Time("embedded scan, qqqq at skip 1000", 300,
            [&](std::string& result) { return scan(embedded, result); })) {
    status = 1;
  }
  for (orv::TXRDataStore* s : {&set.CiteDS, &set.FOc2DS, &set.BookDS}) s->ForceClose();
  return status;
}
