// Reading a typed or listed citation: "Gen 3:16.4", "1 sam 3", ":7", "12",
// "Ps last", optionally followed by an angle-bracketed word as the occurrence
// lists write it ("Gen 1:1.1 <word>").
#pragma once

#include <string_view>

#include "cite/cite_counts.h"
#include "model/citation.h"

namespace orv {

inline constexpr int kCiteOk = 0;
inline constexpr int kCiteUnreadable = 1;  // the text cannot be read as a citation
inline constexpr int kCiteBeyond = 13;     // chapter or verse beyond the book's counts
// What the callers show when the parser does not answer kCiteOk.
inline constexpr const char kInvalidCiteMessage[] = "Invalid cite";

// Parses `text` into a citation. On entry `cite` is the starting citation,
// which supplies the book (and, when the text has no book, the chapter and
// verse) the text leaves out. Returns kCiteOk with the result in `cite`, or
// kCiteUnreadable / kCiteBeyond with `cite` unchanged. Always one of the three.
//
// The text is read as [book] [chapter][:verse][.word], from the right:
//  - "LAST" (any case) stands for the last book, chapter, verse or word;
//  - a trailing "<...>" is dropped ("<" at the very start makes it
//    unreadable); a number after any character other than blank, ":" or "."
//    is dropped with that character; a number reads its low byte only, and 0
//    counts as not given;
//  - a word number needs a verse, a verse a chapter; with a book, the parts
//    left out become 1 (not after a "last" part); without one, "N" is
//    chapter N verse 1 and ":V" / ".W" keep the starting chapter (and verse);
//  - the book text goes through MatchBook, so every book text names a book.
// Chapter and verse are checked against `counts`; the word number is not.
// An empty text (after dropping blanks and "<...>") is unreadable.
int ParseCitation(std::string_view text, Citation& cite, CiteCounts& counts);

}  // namespace orv
