// What every search command works on: the datastores, the search state that
// Find Next continues, the view it jumps in and the user; and the steps the
// searches share: opening a store to walk, walking it with the search's
// filter, and ending a search that found no (further) match.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "model/citation.h"
#include "search/search_state.h"

namespace orv {

class DatastoreSet;
class TXRDataStore;
class UserInterface;
struct ViewState;

// The word definition editor, modal, loaded with a word (storage letters)
// and a citation (the null citation: no particular use of the word).
using WordEditorFn = std::function<void(const std::string& word, Citation cite)>;

struct SearchEnv {
  DatastoreSet& stores;
  SearchState& search;
  ViewState& view;
  UserInterface& ui;
  // `EnsureDatastores`: true when WORD exists (it may offer a build first).
  // Empty: WORD must exist already.
  std::function<bool()> ensureDatastores;
  // Empty until the editor exists; the searches then jump instead (see
  // marked_search.h).
  WordEditorFn showWordEditor;
};

// Whether WORD is there for a word search (ensureDatastores, else Exists).
bool EnsureWordStore(SearchEnv& env);

// One more counted Open of `store` for a walk; nullptr when the store holds
// no records or cannot be opened, and then nothing is created and the open
// count is as before.
TDSControl* OpenForSearch(TXRDataStore& store);

// A new Find or Search command replaces the last search: the stores it
// still holds open are released and the state is cleared (the thematic and
// embedded parameters stay).
void ReplaceSearch(SearchEnv& env);

// Walks search.store with search.filter from the record after `after` (0:
// from the first record), showing the wait cursor. On a match (1) `rec`
// holds the record and search.pos its record number. Returns DSNextMatch's
// answer; kDSEnd when the store is no longer open.
// Requires: `rec` holds a whole record of the store.
int32_t WalkFrom(SearchEnv& env, int32_t after, void* rec);

// Ends the search without a (further) match: `message`
// (kErrorAccessingDatastore instead when the store could not be read),
// mode kNone, the text cleared and Release on the store walked.
void EndSearch(SearchEnv& env, bool readFailed, const std::string& message);

}  // namespace orv
