#include "search/find.h"

#include <string>

#include "datastore/data_store.h"
#include "model/datastore_set.h"
#include "model/records.h"
#include "model/text_utils.h"
#include "model/typed_input.h"
#include "page/view_state.h"
#include "platform/user_interface.h"
#include "search/filters.h"
#include "search/marked_search.h"
#include "search/run_search.h"
#include "search/store_scan.h"
#include "search/wildcard.h"

namespace orv {
namespace {

FindResult FindNumber(SearchEnv& env, int number, std::string_view typed) {
  SearchState& s = env.search;
  TDSControl* h = OpenForSearch(env.stores.CiteDS);
  if (!h) {
    env.ui.Message(kCiteEmpty);
    return FindResult::kNothing;
  }
  s.text.assign(typed);
  s.number = number;
  s.store = &env.stores.CiteDS;
  s.filter = StrongsNumberFilter(number);
  CiteRec rec;
  const int32_t rc = WalkFrom(env, 0, &rec);
  if (rc != 1) {
    EndSearch(env, IsReadError(rc), kStrongsNotFound);
    return FindResult::kNothing;
  }
  s.mode = SearchMode::kStrongs;
  GoToCite(env.view, rec.cite);
  return FindResult::kFound;
}

FindResult FindWord(SearchEnv& env, const std::string& word) {
  SearchState& s = env.search;
  WildPattern pattern;
  const std::string problem = ValidatePattern(word, pattern);
  if (!problem.empty()) {
    env.ui.Message(problem);
    return FindResult::kNothing;
  }
  if (!EnsureWordStore(env)) return FindResult::kNothing;
  TDSControl* h = OpenForSearch(env.stores.WordDS);
  if (!h) {
    env.ui.Message(kWordEmpty);
    return FindResult::kNothing;
  }
  s.store = &env.stores.WordDS;
  s.text = word;
  if (pattern.kind != PatternKind::kPlain) {
    s.mode =
        pattern.kind == PatternKind::kPercent ? SearchMode::kPercentList : SearchMode::kStarList;
    bool listed = false;
    if (!ChooseWildcardMatch(env.ui, h, pattern, s.text, listed)) {
      s.mode = SearchMode::kNone;
      s.text.clear();
      env.stores.WordDS.Release();
      return listed ? FindResult::kListed : FindResult::kNothing;
    }
  }
  s.mode = SearchMode::kWord;
  const SeekResult seek = SeekWord(h, s.text);
  WordRec rec;
  const int32_t rc = seek == SeekResult::kFound ? DSNext(h, &rec) : kDSEnd;
  if (rc != kDSOk) {
    EndSearch(env, seek == SeekResult::kError || IsReadError(rc), kWordNotFound);
    return FindResult::kNothing;
  }
  DSGetPos(h, s.pos);
  GoToCite(env.view, rec.cite);
  return FindResult::kFound;
}

// The WORD records of one word follow each other in text order, so the
// next occurrence is simply the next record.
bool NextWordOccurrence(SearchEnv& env) {
  SearchState& s = env.search;
  TDSControl* h = s.store ? s.store->Handle() : nullptr;
  int32_t rc = kDSEnd;
  WordRec rec;
  if (DSIsOpen(h)) {
    DSSetPos(h, s.pos);
    rc = DSNext(h, &rec);
  }
  if (rc == kDSOk && SameWord(rec, s.text)) {
    DSGetPos(h, s.pos);
    GoToCite(env.view, rec.cite);
    return true;
  }
  EndSearch(env, IsReadError(rc), std::string(kNoMoreOccurrences).append(s.text));
  return false;
}

bool NextNumberOccurrence(SearchEnv& env) {
  CiteRec rec;
  const int32_t rc = WalkFrom(env, env.search.pos, &rec);
  if (rc == 1) {
    GoToCite(env.view, rec.cite);
    return true;
  }
  EndSearch(env, IsReadError(rc), std::string(kNoMoreOccurrences).append(env.search.text));
  return false;
}

}  // namespace

FindResult FindWordOrNumber(SearchEnv& env) {
  std::string typed;
  if (!env.ui.InputBox(kFindCaption, kFindPrompt, typed)) return FindResult::kNothing;
  return FindText(env, typed);
}

FindResult FindText(SearchEnv& env, std::string_view typed) {
  const std::string_view trimmed = TrimBlanks(typed);
  if (trimmed.empty()) return FindResult::kNothing;
  ReplaceSearch(env);
  const StrongsReading number = ReadStrongsNumber(trimmed);
  if (number.reading == NumberReading::kOutOfRange) {
    env.ui.Message(kNumberOutOfRange);
    return FindResult::kNothing;
  }
  if (number.reading == NumberReading::kNumber) return FindNumber(env, number.number, trimmed);
  const std::string word = TypedWord(trimmed);
  // Nothing left of it (only points or accents were typed): as empty input.
  if (word.empty()) return FindResult::kNothing;
  return FindWord(env, word);
}

bool FindNext(SearchEnv& env) {
  switch (env.search.mode) {
    case SearchMode::kWord:
      return NextWordOccurrence(env);
    case SearchMode::kStrongs:
      return NextNumberOccurrence(env);
    case SearchMode::kMarkedWords:
    case SearchMode::kDefinitions:
    case SearchMode::kMarkedUses:
      return ContinueMarkedSearch(env);
    case SearchMode::kThematic:
    case SearchMode::kEmbedded:
      return ContinueRunSearch(env);
    case SearchMode::kNone:
    case SearchMode::kPercentList:
    case SearchMode::kStarList:
      break;
  }
  return FindWordOrNumber(env) == FindResult::kFound;
}

}  // namespace orv
