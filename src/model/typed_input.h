// What people type where a Strong's number or a Hebrew word is asked for.
// Users of other Bible programs write Strong's numbers as "H7225" or
// "07225", and a Hebrew keyboard gives Unicode Hebrew, pointed or not; both
// read here as the program's own forms.
#pragma once

#include <string>
#include <string_view>

namespace orv {

enum class NumberReading {
  kNotANumber,  // not a whole number: to be read as a word
  kNumber,      // a Strong's number, 1..kStrongsCount
  kOutOfRange,  // a whole number, but no Strong's number
};

struct StrongsReading {
  NumberReading reading = NumberReading::kNotANumber;
  int number = 0;  // set for kNumber only
};

// Reads a typed Strong's number: blanks around it are ignored; an optional
// "H" or "h" before the digits, or a sign, and leading zeros are allowed
// ("7225", "H7225", "h07225", "07225", "+5"). A whole number outside
// 1..kStrongsCount (0, 8675, "-3", "H0", one too long for any integer) is
// out of range; anything else ("12abc", "", "H", "4.5") is not a number.
StrongsReading ReadStrongsNumber(std::string_view text);

// `text` with Unicode Hebrew turned into storage letters: each Hebrew letter
// (final forms and the letters of the presentation forms too) becomes its
// storage letter, the maqqef becomes "-", and points, accents and the other
// Hebrew marks are dropped. Every other character is kept as it is, so
// storage letters pass unchanged and a stray character still shows up as
// one for the caller to refuse.
std::string HebrewToStorage(std::string_view text);

}  // namespace orv
