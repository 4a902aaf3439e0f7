// The state of the last search, which Find Next continues: one object for
// the whole run, owned by the session. A new Find or Search command replaces
// it; a search that finds no (further) match sets the mode back to kNone.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "datastore/ds_object.h"
#include "search/run_scan.h"

namespace orv {

class TXRDataStore;

// `SearchMode`: which search Find Next continues.
enum class SearchMode {
  kNone,         // Find Next behaves like Find
  kWord,         // occurrences of a word (WORD)
  kStrongs,      // occurrences of a Strong's number (CITE)
  kPercentList,  // "%" wildcard list, only while it is built
  kStarList,     // "*" wildcard list, only while it is built
  kMarkedWords,  // marked words (XLAT)
  kDefinitions,  // word definitions holding a text (XLAT)
  kMarkedUses,   // marked uses (CITE)
  kThematic,     // runs of a thematic value (CITE with FOC2)
  kEmbedded,     // an embedded word (CITE with FOC2)
};

// The thematic-value search's parameters, kept while the program runs.
struct ThematicParams {
  int32_t value = 120;   // target value, 1 or more
  int32_t window = 0;    // the run sum may differ from the target by this much
  int32_t minWords = 0;  // 0: no limit
  int32_t maxWords = 0;  // 0: no limit
  bool fromHere = true;  // start at the page position, else at Genesis 1:1
};

// The embedded-word search's parameters (the dialog starts from these each
// time it is made).
struct EmbeddedParams {
  std::string term;  // storage letters
  int32_t skip = 1;  // 0 or more
  bool fromHere = true;
};

struct SearchState {
  SearchMode mode = SearchMode::kNone;
  std::string text;               // `SearchText`: the word (lower case) or number as typed
  int number = 0;                 // `SearchNumber`: the Strong's number, 0 for none
  TXRDataStore* store = nullptr;  // `SearchStore`: the datastore walked
  DSFilter filter;                // `SearchFilter`
  int32_t pos = 0;                // `SearchPos`: record number of the last match
  // The word of the last XLAT match: the editor shown for it may add or
  // remove words, which moves record numbers, so the walk goes on after it.
  std::string lastWord;
  std::string definitionText;      // `DefinitionText`
  std::unique_ptr<RunFilter> run;  // the thematic or embedded filter of modes 8 and 9

  ThematicParams thematic;
  EmbeddedParams embedded;
};

}  // namespace orv
