#include "search/marked_search.h"

#include <string>

#include "datastore/data_store.h"
#include "model/datastore_set.h"
#include "model/records.h"
#include "page/view_state.h"
#include "platform/user_interface.h"
#include "search/filters.h"
#include "search/find.h"
#include "search/store_scan.h"

namespace orv {
namespace {

// Where the walk over XLAT goes on: after the last match's word, found
// again, since the editor shown for it may have added or removed words
// before it; when the word itself is gone, at the word now in its place.
int32_t AfterLastWord(SearchEnv& env) {
  SearchState& s = env.search;
  TDSControl* h = s.store ? s.store->Handle() : nullptr;
  if (!DSIsOpen(h) || s.lastWord.empty()) return s.pos;
  XlatRec probe{};
  probe.word.Set(s.lastWord);
  int32_t recNo = 0;
  switch (DSFindPos(h, &probe, recNo)) {
    case kDSFound:
      return recNo;
    case kDSOk:
      return recNo - 1;
    case kDSEnd:
      return DSCount(h);
    default:
      return s.pos;
  }
}

// A word of XLAT in the editor; without one, its first occurrence.
void ShowEntry(SearchEnv& env, const std::string& word) {
  env.search.lastWord = word;
  if (env.showWordEditor) {
    env.showWordEditor(word, kNullCite);
    return;
  }
  TXRDataStore& store = env.stores.WordDS;
  TDSControl* h = OpenForSearch(store);
  WordRec first;
  if (h && SeekWord(h, word) == SeekResult::kFound && DSNext(h, &first) == kDSOk) {
    GoToCite(env.view, first.cite);
  } else {
    env.ui.Message(kWordNotFound);
  }
  if (h) store.Close();
}

// The word of a CITE record, from the FOC2 record it names: what the page
// would show at that place, without laying the page out first.
bool WordOfUse(DatastoreSet& stores, const CiteRec& use, std::string& word) {
  TDSControl* h = OpenForSearch(stores.FOc2DS);
  if (!h) return false;
  Foc2Rec rec;
  const bool read = use.foc2 > 0 && DSReadAt(h, use.foc2, &rec) == kDSOk;
  stores.FOc2DS.Close();
  if (read) word = rec.word.Str();
  return read && !word.empty();
}

void ShowUse(SearchEnv& env, const CiteRec& use) {
  GoToCite(env.view, use.cite);
  if (!env.showWordEditor) return;
  std::string word;
  if (!WordOfUse(env.stores, use, word)) {
    env.ui.Message(kCouldNotFindWord);
    return;
  }
  env.showWordEditor(word, use.cite);
}

// The first match of a walk from the start of `store`. On a match the
// search holds the store open (released when it ends); otherwise
// `noMatch` is shown.
bool StartWalk(SearchEnv& env, TXRDataStore& store, DSFilter filter, SearchMode mode, void* rec,
               const char* noMatch) {
  SearchState& s = env.search;
  if (!OpenForSearch(store)) {
    env.ui.Message(noMatch);
    return false;
  }
  s.store = &store;
  s.filter = std::move(filter);
  const int32_t rc = WalkFrom(env, 0, rec);
  if (rc == 1) {
    s.mode = mode;
    return true;
  }
  EndSearch(env, IsReadError(rc), noMatch);
  return false;
}

}  // namespace

bool SearchMarkedWords(SearchEnv& env) {
  ReplaceSearch(env);
  XlatRec rec;
  if (!StartWalk(env, env.stores.XlatDS, MarkedWordFilter(), SearchMode::kMarkedWords, &rec,
                 kNoMarkedEntries)) {
    return false;
  }
  ShowEntry(env, rec.word.Str());
  return true;
}

bool SearchWordDefinitions(SearchEnv& env) {
  std::string text;
  if (!env.ui.InputBox(kDefinitionCaption, kDefinitionPrompt, text) || text.empty()) return false;
  ReplaceSearch(env);
  for (char& c : text) {
    if (c == ' ') c = '-';
  }
  env.search.definitionText = text;
  XlatRec rec;
  if (!StartWalk(env, env.stores.XlatDS, DefinitionTextFilter(text), SearchMode::kDefinitions, &rec,
                 kTextNotInDefinitions)) {
    return false;
  }
  ShowEntry(env, rec.word.Str());
  return true;
}

bool SearchMarkedUses(SearchEnv& env) {
  ReplaceSearch(env);
  CiteRec rec;
  if (!StartWalk(env, env.stores.CiteDS, MarkedUseFilter(), SearchMode::kMarkedUses, &rec,
                 kNoMarkedEntries)) {
    return false;
  }
  ShowUse(env, rec);
  return true;
}

bool ContinueMarkedSearch(SearchEnv& env) {
  SearchState& s = env.search;
  if (s.mode == SearchMode::kMarkedUses) {
    CiteRec rec;
    const int32_t rc = WalkFrom(env, s.pos, &rec);
    if (rc == 1) {
      ShowUse(env, rec);
      return true;
    }
    EndSearch(env, IsReadError(rc), kNoMoreMarkedEntries);
    return false;
  }
  XlatRec rec;
  const int32_t rc = WalkFrom(env, AfterLastWord(env), &rec);
  if (rc == 1) {
    ShowEntry(env, rec.word.Str());
    return true;
  }
  EndSearch(env, IsReadError(rc),
            s.mode == SearchMode::kMarkedWords ? kNoMoreMarkedEntries : kNoMoreMatches);
  return false;
}

}  // namespace orv
