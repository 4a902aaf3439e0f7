// Letter values and thematic values. Every Hebrew letter has two numbers:
// its Original value, the weight of its place in the database alphabet
// order, and its Traditional value, the weight of its place in the
// traditional alphabet order. Places 1..10 weigh 1..10, 11..19 weigh
// 20..100 in tens, 20..22 weigh 200..400 in hundreds. The thematic value of
// a word or text is the sum of its letters' values.
//
// The tables are built once, on first use, and never change; building them
// at start-up (BuildLetterValueTables) keeps the first page paint from paying for it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// Which numbering a value function uses. kValueFromSettings stands for the
// numbering chosen in the settings (the absolute value of Settings::thematic).
inline constexpr int32_t kValueFromSettings = 0;
inline constexpr int32_t kOriginalValue = 1;
inline constexpr int32_t kTraditionalValue = 2;

// The 22 storage letters in traditional alphabet order.
inline constexpr char kTraditionalOrder[] = "abgdevzhtiklmnsopcqrwx";

// The message for a text that holds a character other than a storage letter,
// a space or a hyphen (or nothing but spaces and hyphens).
inline constexpr const char kIllegalCharacters[] = "Illegal characters in input string";
inline constexpr const char kNoTextEntered[] = "No text was entered";

// The weight of alphabet place 1..22; 0 for any other number.
int32_t PositionWeight(int position);

// Builds the tables now rather than on first use. Safe to call more than once.
void BuildLetterValueTables();

// The value of one storage letter (a..x, lower case only) in mode 1 or 2;
// 0 for any other byte or mode.
int32_t StorageLetterValue(uint8_t storageLetter, int32_t mode);

// The value of one source-spelling character in mode 1 or 2, final forms
// (K M N P U) counting like their ordinary letters; 0 for any other byte
// (including storage-only letters such as 'c' and 'i') or mode.
int32_t SourceLetterValue(uint8_t sourceChar, int32_t mode);

// Word thematic value of a word in source spelling: the sum of its
// characters' values; characters without a value add 0. `mode` is 1, 2, or
// 0 for `settingsMode` (Settings::thematic, whose sign only says whether the
// number row shows and is ignored here). Any mode that does not come out as
// 1 or 2 gives 0. Sums beyond INT32_MAX stop there.
int32_t WordThematicValue(std::string_view sourceWord, int32_t mode, int32_t settingsMode = 0);

// Text thematic value of a text in storage letters (mode 1 or 2): spaces and
// hyphens are skipped, every other character adds its value. Returns 0 when
// any other character has no value (the text is illegal), for a text of
// nothing but spaces and hyphens, and for any other mode. Upper-case letters
// have no value here; see ComputeTextValues. Sums beyond INT32_MAX stop there.
int32_t TextThematicValue(std::string_view storageText, int32_t mode);

// Both values of a typed text, as the thematic value dialog and `orv value`
// show them. Unicode Hebrew in the text is read as storage letters (see
// HebrewToStorage), then the text is lowered (ASCII A-Z only). On failure
// `message` holds the text to show (kNoTextEntered for an empty text,
// kIllegalCharacters when the Original value is 0) and both values are 0.
struct TextValues {
  int32_t original = 0;
  int32_t traditional = 0;
  std::string message;  // empty on success
  bool Ok() const { return message.empty(); }
};
TextValues ComputeTextValues(std::string_view typed);

// `text` with ASCII A-Z lowered; other bytes unchanged.
std::string LowerText(std::string_view text);

}  // namespace orv
