// Find and Find Next: a typed Hebrew word (wildcards allowed) or Strong's
// number is looked up and the page jumps to its first occurrence; Find Next
// continues whatever search ran last (a word's or number's occurrences, the
// Search submenu's walks of marked_search.h, the runs of run_search.h).
#pragma once

#include <string_view>

#include "search/search_env.h"

namespace orv {

inline constexpr const char kFindCaption[] = "Hebrew word & number search";
inline constexpr const char kFindPrompt[] = "Enter word or Strong's number";
inline constexpr const char kNumberOutOfRange[] = "Strong's number out of range";
inline constexpr const char kStrongsNotFound[] = "Strong number not found";
inline constexpr const char kCiteEmpty[] = "Cite datastore is empty";
inline constexpr const char kWordNotFound[] = "Word not found";
inline constexpr const char kWordEmpty[] = "Word datastore is empty";
inline constexpr const char kNoMoreOccurrences[] = "No more occurrences of ";

// What a Find came to.
enum class FindResult {
  kNothing,  // cancelled, declined, or a message said why not
  kListed,   // a pattern's match list was shown and no word chosen
  kFound,    // the page jumped to the first occurrence
};

// `FindWordOrNumber`: the input box (kFindCaption, kFindPrompt), then
// FindText. Cancel or empty input leave everything as it was.
FindResult FindWordOrNumber(SearchEnv& env);

// Find of typed text, blanks around it ignored. A whole number is a
// Strong's number (ReadStrongsNumber: "7225", "H7225", "07225"): outside
// 1..8674 kNumberOutOfRange; else the first CITE record holding it
// (mode kStrongs). Anything else is a word: Unicode Hebrew becomes storage
// letters, then lower case; it is validated (wildcard.h), WORD is ensured,
// a pattern's match list lets the user choose the word, and its first WORD
// record is the find (mode kWord). Failures show their message (see the
// constants above) and leave mode kNone. Replaces the last search once
// the text is not empty.
FindResult FindText(SearchEnv& env, std::string_view typed);

// `FindNext`: the next match of the last search; with none running, a new
// Find. When nothing more is found the message says so ("No more
// occurrences of " and the text searched, or the walk's own message) and
// the search ends (mode kNone; the next Find Next starts a new Find).
// True when the page jumped or the word editor was shown.
bool FindNext(SearchEnv& env);

}  // namespace orv
