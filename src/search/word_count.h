// Plain counts of one word (over its WORD records) or one Strong's number
// (over CITE) in a chapter, a book or the whole text, and the texts counts
// are shown with.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/citation.h"
#include "search/store_scan.h"

namespace orv {

struct TDSControl;

// Which part of the text a plain count covers.
enum class CountScope { kChapter, kBook, kBible };

// The word count dialog's current book and chapter.
struct CountPlace {
  uint8_t book = 1;
  uint8_t chapter = 1;
};

inline constexpr const char kNoOccurrences[] = "No occurrences";

// "No times" for 0, "1 time" for 1, else n followed by " times".
std::string CountText(int32_t n);

// Whether `cite` lies in the part of the text `scope` and `place` name.
bool InCountScope(Citation cite, CountScope scope, CountPlace place);

struct PlainCount {
  SeekResult status = SeekResult::kFound;  // kAbsent: the word has no record
  int32_t count = 0;                       // valid for kFound
};

// Counts the records of exactly `word` (its first 11 letters) in the scope.
// Requires: `h` is the open WORD store (its cursor moves).
PlainCount CountWord(TDSControl* h, std::string_view word, CountScope scope, CountPlace place);

// Counts the CITE records of `number` in the scope (status kFound or kError).
// Requires: `h` is the open CITE store (its cursor moves).
PlainCount CountStrongs(TDSControl* h, int number, CountScope scope, CountPlace place);

// What a plain count shows: "aleim occurs 32 times in Genesis 1" (the bare
// number, " times" even for 1), "... in Genesis", "... in the Bible";
// kNoOccurrences for 0. `text` is the word or the number as typed.
std::string CountMessage(std::string_view text, int32_t count, CountScope scope, CountPlace place);

}  // namespace orv
