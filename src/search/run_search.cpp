#include "search/run_search.h"

#include "datastore/data_store.h"
#include "model/datastore_set.h"
#include "page/view_state.h"
#include "platform/user_interface.h"
#include "search/store_scan.h"

namespace orv {
namespace {

// The scan from the record after `after`: a jump on a match, else the end
// of the search with `endMessage`.
bool Scan(SearchEnv& env, int32_t after, SearchMode mode, const char* endMessage) {
  SearchState& s = env.search;
  RunScan scan;
  scan.code = kDSEnd;
  // A rebuild closes every store; the scan cannot go on then.
  if (DSIsOpen(env.stores.CiteDS.Handle()) && DSIsOpen(env.stores.FOc2DS.Handle())) {
    WaitCursor wait(env.ui);
    s.run->Reset();
    scan = ScanForRun(env.stores, *s.run, after);
  }
  if (scan.found) {
    s.mode = mode;
    s.pos = scan.last;
    GoToCiteRun(env.view, scan.start, scan.words);
    return true;
  }
  EndSearch(env, IsReadError(scan.code), endMessage);
  env.stores.FOc2DS.Release();
  s.run.reset();
  return false;
}

}  // namespace

bool StartRunSearch(SearchEnv& env, std::unique_ptr<RunFilter> filter, bool fromHere,
                    SearchMode mode) {
  const bool thematic = mode == SearchMode::kThematic;
  const char* noMatch = thematic ? kNoThematicMatches : kNoEmbeddedMatches;
  ReplaceSearch(env);
  SearchState& s = env.search;
  TDSControl* foc2 = OpenForSearch(env.stores.FOc2DS);
  TDSControl* cite = foc2 ? OpenForSearch(env.stores.CiteDS) : nullptr;
  if (!cite || !filter) {
    if (foc2) env.stores.FOc2DS.Close();
    env.ui.Message(noMatch);
    return false;
  }
  s.store = &env.stores.CiteDS;
  s.run = std::move(filter);
  return Scan(env, fromHere ? PositionBefore(env.stores, env.view.currentCite) : 0, mode, noMatch);
}

bool ContinueRunSearch(SearchEnv& env) {
  SearchState& s = env.search;
  const char* end =
      s.mode == SearchMode::kThematic ? kNoMoreThematicMatches : kNoMoreEmbeddedMatches;
  if (!s.run) {
    EndSearch(env, false, end);
    env.stores.FOc2DS.Release();
    return false;
  }
  return Scan(env, s.pos, s.mode, end);
}

}  // namespace orv
