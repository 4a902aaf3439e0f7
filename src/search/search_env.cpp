#include "search/search_env.h"

#include "datastore/data_store.h"
#include "model/datastore_set.h"
#include "platform/user_interface.h"
#include "search/store_scan.h"

namespace orv {
namespace {

// The modes whose search keeps its store open between Find and Find Next.
bool HoldsStore(SearchMode mode) {
  return mode != SearchMode::kNone && mode != SearchMode::kPercentList &&
         mode != SearchMode::kStarList;
}

bool RunMode(SearchMode mode) {
  return mode == SearchMode::kThematic || mode == SearchMode::kEmbedded;
}

}  // namespace

bool EnsureWordStore(SearchEnv& env) {
  return env.ensureDatastores ? env.ensureDatastores() : env.stores.WordDS.Exists();
}

TDSControl* OpenForSearch(TXRDataStore& store) {
  // A missing store is not made (Open would create an empty file). Exists
  // is not asked: the read-only handle it leaves would be the one the search
  // holds, and the editor shown for a match could not save through it.
  if (!DSIsOpen(store.Handle()) && store.RecordCount() <= 0) return nullptr;
  TDSControl* h = store.Open(true);
  if (DSIsOpen(h) && DSCount(h) > 0) return h;
  store.Close();
  return nullptr;
}

void ReplaceSearch(SearchEnv& env) {
  SearchState& s = env.search;
  if (HoldsStore(s.mode) && s.store) s.store->Release();
  if (RunMode(s.mode)) env.stores.FOc2DS.Release();
  s.mode = SearchMode::kNone;
  s.text.clear();
  s.number = 0;
  s.store = nullptr;
  s.filter = nullptr;
  s.pos = 0;
  s.definitionText.clear();
  s.lastWord.clear();
  s.run.reset();
}

int32_t WalkFrom(SearchEnv& env, int32_t after, void* rec) {
  SearchState& s = env.search;
  TDSControl* h = s.store ? s.store->Handle() : nullptr;
  // A rebuild closes every store; what the search remembered is gone then.
  if (!DSIsOpen(h) || !s.filter) return kDSEnd;
  DSSetPos(h, after);
  WaitCursor wait(env.ui);
  const int32_t rc = DSNextMatch(h, s.filter, rec);
  if (rc == 1) DSGetPos(h, s.pos);
  return rc;
}

void EndSearch(SearchEnv& env, bool readFailed, const std::string& message) {
  SearchState& s = env.search;
  env.ui.Message(readFailed ? std::string(kErrorAccessingDatastore) : message);
  s.mode = SearchMode::kNone;
  s.text.clear();
  if (s.store) s.store->Release();
}

}  // namespace orv
