// The fixed tables of the 39 books, by book number 1..39.
#pragma once

#include <string>

namespace orv {

inline constexpr int kBookCount = 39;

// Upper-case file-name code ("GEN", "EX", ... "MAL"); "" outside 1..39.
std::string BookCode(int book);
// Full name ("Genesis" ... "Malachi"); "UNKNOWN" outside 1..39.
std::string BookName(int book);
// The three-character abbreviation that citations are written with, padded
// with blanks ("Gen", "Ex ", "Ps "); "" outside 1..39.
std::string BookCiteAbbrev(int book);

}  // namespace orv
