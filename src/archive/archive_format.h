// The archive: a commented text file holding the user's own data, the word
// definitions of XLAT and, per occurrence in CITE, the definition selection,
// flags and Strong's number. Lines end in CR LF; numbers are decimal; a
// line's first character says what it holds:
//
//   ORV Archive File                      line 1
//   Version 1.9.1                         line 2 (the version is not read)
//   ; any text                            comment
//   *<word> <status> <flags> <a> <b>      a definition: XLAT bytes 0..15
//   <digit 0..5> <text>                   its translations, digits ascending
//   +<book> <chap> <verse> <word>         one occurrence; the next line holds
//     <selection> <flags> <strong>        its values
//   #<book> <chap> <verse> <word> <strong>   one occurrence's Strong's number
//   &<book> <chap> <verse> <n>            Strong's numbers of words 1..n; the
//   <strong> <strong> ...                 next line holds them (negative
//                                         numbers take no word)
//
// "&" lines are read (the default Strong's file "Strongs.dat" uses them) but
// never written.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "model/version.h"

namespace orv {

inline constexpr const char* kArchiveMagic = "ORV Archive File";
inline constexpr const char* kArchiveVersionPrefix = "Version ";
inline constexpr const char* kArchiveVersion = ORV_VERSION;
inline constexpr const char* kDefaultStrongsFile = "Strongs.dat";

// Results of reading an archive. Any value but kArchiveOk is a failure.
inline constexpr int32_t kArchiveOk = 0;
inline constexpr int32_t kArchiveCannotOpen = -1;    // the file (or a datastore) cannot be opened
inline constexpr int32_t kArchiveNotArchive = 101;   // the two header lines are wrong
inline constexpr int32_t kArchiveShortValues = 110;  // an "&" values line ran out of numbers
inline constexpr int32_t kArchiveNoPosition = 111;   // an "&" word has no record position in CITE

// Receives the progress texts the archive dialog shows in its status line
// ("" clears it). An empty function shows nothing.
using ArchiveStatus = std::function<void(const std::string& text)>;

}  // namespace orv
