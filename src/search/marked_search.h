// The Search submenu's walks over the user's own data: the marked words and
// the words whose definitions hold a text (XLAT, in word order), and the
// marked uses of words (CITE, in text order). Find Next goes on to the next
// one (find.h).
//
// A word found in XLAT is shown in the word definition editor with the null
// citation; a marked use first jumps to its place, then shows its word and
// citation in the editor. While SearchEnv::showWordEditor is empty (no
// editor yet) a word found in XLAT makes the page jump to the word's first
// occurrence (kWordNotFound when the text has none), and a marked use only
// jumps.
#pragma once

#include "search/search_env.h"

namespace orv {

inline constexpr const char kNoMarkedEntries[] = "No marked entries";
inline constexpr const char kNoMoreMarkedEntries[] = "No more marked entries";
inline constexpr const char kDefinitionCaption[] = "Word definition search";
inline constexpr const char kDefinitionPrompt[] = "Enter word to find in word definition";
inline constexpr const char kTextNotInDefinitions[] =
    "Text not found in any word definition entries";
inline constexpr const char kNoMoreMatches[] = "No more matches";
inline constexpr const char kCouldNotFindWord[] = "Internal error - Could not find word";

// `SearchMarkedWords`: the first marked XLAT entry (mode kMarkedWords), or
// kNoMarkedEntries. True when a word was shown.
bool SearchMarkedWords(SearchEnv& env);

// `SearchWordDefinitions`: asks for a text (kDefinitionCaption,
// kDefinitionPrompt; Cancel or empty input end it), then the first XLAT
// entry with the text in one of its six definitions, case counting (mode
// kDefinitions), or kTextNotInDefinitions. Definitions store blanks as
// hyphens, so typed blanks are sought as hyphens.
bool SearchWordDefinitions(SearchEnv& env);

// `SearchMarkedUses`: the first marked CITE record (mode kMarkedUses), or
// kNoMarkedEntries. With the editor, a use whose word cannot be read
// (its FOC2 record) gets kCouldNotFindWord after the jump.
bool SearchMarkedUses(SearchEnv& env);

// Find Next in modes kMarkedWords, kDefinitions and kMarkedUses: the next
// match after the last one, or the end: kNoMoreMarkedEntries
// (kNoMoreMatches for definitions) and mode kNone.
bool ContinueMarkedSearch(SearchEnv& env);

}  // namespace orv
