// What the word count dialog's Count button does: the checks of what was
// typed, in their order, and the plain count or listing they lead to. Every
// result and refusal is shown through UserInterface.
#pragma once

#include <string>

#include "search/word_count.h"

namespace orv {

class DatastoreSet;
class UserInterface;

// The dialog's five radio buttons: RadioButton1..4 and RBMatch.
enum class CountChoice { kChapter, kBook, kBible, kAllCounts, kMatch };

struct CountRequest {
  std::string word;        // SWord as typed: a word, Unicode Hebrew, or a Strong's number
  std::string matchCount;  // MatchCount as typed; read only with kMatch
  CountChoice choice = CountChoice::kChapter;
  CountPlace place;  // the dialog's current book and chapter
};

inline constexpr const char kCountWordTooLong[] = "Word too long";
inline constexpr const char kInvalidMatchCount[] = "Invalid match count";
inline constexpr const char kMatchCountNotPositive[] = "Match count must be greater than zero";
inline constexpr const char kInvalidStrongsNumber[] = "Invalid Strong's number";
inline constexpr const char kMustEnterWord[] = "Must enter a word or Strong's number";

enum class CountOutcome {
  kRefused,   // what was typed was refused; the message said why
  kAnswered,  // a count, a listing, or the message that there is none
  kFailed,    // a datastore could not be read (kErrorAccessingDatastore)
};

// Checks, in order: the match count (with kMatch: empty counts as 0; not a
// whole number: kInvalidMatchCount; 0 or less: kMatchCountNotPositive);
// the word (more than 11 characters once read as storage letters:
// kCountWordTooLong); a whole number outside 1..8674 ("H7225" and "07225" read
// as 7225): kInvalidStrongsNumber. Then, for kChapter/kBook/kBible, the
// plain count (empty word: kMustEnterWord); for kAllCounts or kMatch with a
// word or number, its count listing; for kMatch with an empty word, every
// word with that count (kAllCounts with an empty word: kMustEnterWord).
// Words are shown in storage letters, numbers as typed. The wait cursor is
// on while a store is scanned.
//
// WORD is opened when it is not open and left open for the session (the
// dialog's close releases it, as Find does); CITE is opened for a number
// and closed again. A missing store is never created: the count then shows
// kErrorAccessingDatastore.
CountOutcome RunWordCount(DatastoreSet& set, UserInterface& ui, const CountRequest& request);

}  // namespace orv
