// Small string and token routines shared by the readers of the program's
// text files. Text is bytes; a space is character 32 only (a tab is an
// ordinary character).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// The text without its trailing spaces.
std::string TrimRight(std::string_view text);
// The text without its leading and trailing spaces.
std::string_view TrimBlanks(std::string_view text);
// The bytes of the text in reverse order (shows right-to-left text of
// single-byte letters left to right).
std::string Reverse(std::string_view text);

// Finds the next space-separated field of `line`. Columns are 1-based;
// `end` holds the previous field's last column (0 at the start of a line).
// Skips the spaces after `end`, then sets `start` to the field's first column
// and `end` to its last. Returns false when no field is left; `start` is then
// beyond the line's length and `end` is unchanged.
bool NextField(std::string_view line, int& start, int& end);

// NextField, then the field read as a decimal number: an optional sign and
// digits only. A field that is no such number, or whose value does not fit
// the type, gives 0. `value` is 0 too when no field is left (false).
bool NextByte(std::string_view line, int& start, int& end, uint8_t& value);
bool NextSmall(std::string_view line, int& start, int& end, int16_t& value);
bool NextLong(std::string_view line, int& start, int& end, int32_t& value);

// Characters of n in decimal, the minus sign included (1 for 0, 3 for -10).
int DigitCount(int32_t n);

}  // namespace orv
