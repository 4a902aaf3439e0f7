// The count listings of the word count dialog: every chapter, book and
// Bible total of one word or Strong's number (all of them, or those equal
// to a match count), and every word whose total in some chapter, book or
// the Bible equals a match count.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/user_interface.h"
#include "search/store_scan.h"

namespace orv {

struct TDSControl;

inline constexpr const char kNoMatchesForCount[] = "No matches for given count";

// A listing to show, or the message to show instead.
struct CountListing {
  SeekResult status = SeekResult::kFound;  // kAbsent: the word has no record
  std::string message;  // with kFound: kNoMatchesForCount when no line was listed
  ListRequest list;     // caption and lines; nothing selected, nothing to pick
};

// `match` 0 lists every total, each line prefixed with its count text and
// " in " ("3 times in Genesis 1", "12 times in Bible"); a positive `match`
// lists only the totals equal to it. `text` is the word or the number as
// the caption shows it: "All counts of '" text "'" or "Where '" text "'
// occurs " + the count text of `match`.

// Over the records of exactly `word`. Requires: `h` is the open WORD store.
CountListing ListWordCounts(TDSControl* h, std::string_view word, int32_t match);

// Over the CITE records of `number`. Requires: `h` is the open CITE store.
CountListing ListNumberCounts(TDSControl* h, int number, std::string_view text, int32_t match);

// "Words appearing " + the count text of `match` (1 or more): one line per
// chapter, book or Bible total of a word equal to it ("'aleim' in Genesis
// 1", "'aleim' in Genesis", "'aleim' in Bible"), words in WORD order.
// Requires: `h` is the open WORD store; match >= 1.
CountListing ListWordsWithCount(TDSControl* h, int32_t match);

}  // namespace orv
