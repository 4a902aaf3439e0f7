// The "KJV gloss" interlinear line: under each Hebrew word, the King James
// words that carry its Strong's number in the same verse (both texts in the
// Hebrew verse numbering, the King James one as written by the KJV import).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "import/import_result.h"
#include "import/verse_map.h"

namespace orv {

// A run of King James words and the Strong's numbers that follow it: the
// tagged word and the untagged words before it (the "In the" of "In the
// beginning 7225"), except that untagged words up to one that closes a
// clause (ends in , ; : . ? !) go with the phrase before them ("created 1254
// he him; male 2145" gives "created-he-him" and "male"). Punctuation and
// brackets are dropped, words joined with "-".
struct KjvPhrase {
  std::string text;
  std::vector<uint16_t> numbers;
  friend bool operator==(const KjvPhrase&, const KjvPhrase&) = default;
};

// The phrases of one verse's tokens (as a ".str" file holds them, blank
// separated; a token of digits is a Strong's number). Numbers that follow
// one another tag the same phrase; words after the last number go with the
// last phrase up to the last one that closes a clause, the rest are dropped.
// A verse without numbers has no phrases.
std::vector<KjvPhrase> KjvPhrases(std::string_view tokens);

// The gloss of each Hebrew word, whose Strong's numbers are `hebrew` (0: the
// word has none), from the verse's phrases. For each number, its Hebrew
// words and the phrases that carry it are paired in order, the pairing that
// keeps their places in the verse (counted as fractions of the verse's
// words and phrases) closest; a phrase left over when the English has more
// than the Hebrew joins the gloss of the nearest paired word. A word with
// no phrase gets "".
std::vector<std::string> KjvGlosses(const std::vector<uint16_t>& hebrew,
                                    const std::vector<KjvPhrase>& phrases);

// The verses of the ".str" file at `path` (native): verse -> its tokens,
// continuation lines joined with a blank. Fails naming the file when it
// cannot be read.
ImportResult ReadKjvVerses(const std::string& path, std::map<VerseRef, std::string>& verses);

}  // namespace orv
