// Typed words with wildcards for Find: "%" stands for any one letter (as
// many as wanted, anywhere), one "*" for any run of letters, none included.
// A pattern is checked before any datastore is read; its matches are the
// distinct words of WORD that fit it, in word order, from which the user
// picks one in the list dialog.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "datastore/ds_object.h"

namespace orv {

class UserInterface;

inline constexpr const char kWordTooLong[] = "Word too long - maximum is 11 characters";
inline constexpr const char kInvalidWildcards[] = "Invalid use of wildcards";
inline constexpr const char kTooGeneral[] = "Too general - supply more characters";
inline constexpr const char kNoWildcardMatches[] = "No matches for wildcard search";
inline constexpr const char kWildcardCaption[] = "Matches to wildcard search";

inline constexpr char kAnyLetter = '%';
inline constexpr char kAnyRun = '*';

enum class PatternKind {
  kPlain,    // no wildcard: a word
  kPercent,  // one or more "%"
  kStar,     // exactly one "*"
};

// `WildPattern`, `WildLength` and `StarPos` of a validated pattern.
struct WildPattern {
  std::string text;  // lower case, wildcards included; at most 11 characters
  PatternKind kind = PatternKind::kPlain;
  int starPos = 0;  // 1-based place of the "*"; 0 without one

  int Length() const { return static_cast<int>(text.size()); }
};

// Pattern validation of a typed word already in lower case (characters are
// bytes): "" with `pattern` filled, or the message to show, in this order:
// 12 characters or more: kWordTooLong; both "%" and "*", or two "*":
// kInvalidWildcards; a "*" in fewer than 3 characters: kTooGeneral.
// "%" alone is a valid pattern (every one-letter word).
std::string ValidatePattern(std::string_view typed, WildPattern& pattern);

// The wildcard filter's answers for one WORD record.
inline constexpr int kWildSkip = 0;
inline constexpr int kWildAccept = 1;
inline constexpr int kWildStop = 2;  // no later word can match

// The filter of a percent or star pattern over WORD records: accepts a
// fitting word unless it equals `lastListed` (the word accepted last, which
// an accept replaces), so each word is listed once. When the pattern begins
// with a letter, a word whose first letter ranks after it stops the walk.
// `lastListed` must outlive the filter.
// Requires: pattern.kind is kPercent or kStar.
DSFilter WildcardFilter(const WildPattern& pattern, std::string& lastListed);

// The distinct words of WORD that fit the pattern, in word order. The walk
// starts at the first word of the pattern's first letter, or at the first
// record when the pattern begins with a wildcard; it ends at the filter's
// stop, at the end or at an engine error.
// Requires: `word` is the open WORD store; pattern.kind is not kPlain.
std::vector<std::string> WildcardMatches(TDSControl* word, const WildPattern& pattern);

// The match list: the matches in the list dialog (kWildcardCaption, the
// first selected, to be picked from); true with the picked word in
// `chosen`. With no match kNoWildcardMatches is shown; `listed` tells
// whether a list was shown. The wait cursor shows while the list is built.
// Requires: as WildcardMatches.
bool ChooseWildcardMatch(UserInterface& ui, TDSControl* word, const WildPattern& pattern,
                         std::string& chosen, bool& listed);

}  // namespace orv
