#include "model/letter_values.h"

#include <array>
#include <cstdlib>
#include <limits>

#include "model/letters.h"
#include "model/typed_input.h"

namespace orv {
namespace {

// Every character of the source spelling that stands for a letter; the
// storage letter each one means comes from MapSourceLetter. Storage-only
// letters ('c', 'i') are not in it: in source text they mean nothing.
constexpr std::string_view kSourceLetters = "abgdhwzxjykKlmMnNoepPuUqrsvt";

using ValueTable = std::array<int32_t, 256>;

struct ValueTables {
  // Index 0 is unused so that a mode (1 or 2) indexes directly.
  std::array<ValueTable, 3> storage{};
  std::array<ValueTable, 3> source{};

  ValueTables() {
    for (const char* p = kStorageLetters; *p; ++p) {
      const auto letter = static_cast<uint8_t>(*p);
      storage[kOriginalValue][letter] = PositionWeight(LetterRank(letter));
    }
    for (int i = 0; kTraditionalOrder[i] != '\0'; ++i) {
      storage[kTraditionalValue][static_cast<uint8_t>(kTraditionalOrder[i])] =
          PositionWeight(i + 1);
    }
    for (char ch : kSourceLetters) {
      const auto c = static_cast<uint8_t>(ch);
      const uint8_t letter = MapSourceLetter(c);
      source[kOriginalValue][c] = storage[kOriginalValue][letter];
      source[kTraditionalValue][c] = storage[kTraditionalValue][letter];
    }
  }
};

const ValueTables& Tables() {
  static const ValueTables tables;
  return tables;
}

bool ValidMode(int32_t mode) { return mode == kOriginalValue || mode == kTraditionalValue; }

// Sums are kept in 64 bits and capped, so that an absurdly long input gives
// a large number instead of overflowing.
int32_t Capped(int64_t sum) {
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(sum > kMax ? kMax : sum);
}

}  // namespace

int32_t PositionWeight(int position) {
  if (position < 1 || position > 22) return 0;
  if (position <= 10) return position;
  if (position <= 19) return 10 * (position - 9);
  return 100 * (position - 18);
}

void BuildLetterValueTables() { Tables(); }

int32_t StorageLetterValue(uint8_t storageLetter, int32_t mode) {
  return ValidMode(mode) ? Tables().storage[static_cast<size_t>(mode)][storageLetter] : 0;
}

int32_t SourceLetterValue(uint8_t sourceChar, int32_t mode) {
  return ValidMode(mode) ? Tables().source[static_cast<size_t>(mode)][sourceChar] : 0;
}

int32_t WordThematicValue(std::string_view sourceWord, int32_t mode, int32_t settingsMode) {
  // The settings' sign only hides or shows the number row; INT32_MIN has no
  // absolute value and is no numbering anyway.
  if (mode == kValueFromSettings) {
    mode = settingsMode == std::numeric_limits<int32_t>::min() ? 0 : std::abs(settingsMode);
  }
  if (!ValidMode(mode)) return 0;
  const ValueTable& table = Tables().source[static_cast<size_t>(mode)];
  int64_t sum = 0;
  for (char ch : sourceWord) sum += table[static_cast<uint8_t>(ch)];
  return Capped(sum);
}

int32_t TextThematicValue(std::string_view storageText, int32_t mode) {
  if (!ValidMode(mode)) return 0;
  const ValueTable& table = Tables().storage[static_cast<size_t>(mode)];
  int64_t sum = 0;
  for (char ch : storageText) {
    if (ch == ' ' || ch == '-') continue;
    const int32_t v = table[static_cast<uint8_t>(ch)];
    if (v == 0) return 0;
    sum += v;
  }
  return Capped(sum);
}

std::string LowerText(std::string_view text) {
  std::string lowered(text);
  for (char& ch : lowered) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return lowered;
}

TextValues ComputeTextValues(std::string_view typed) {
  TextValues result;
  if (typed.empty()) {
    result.message = kNoTextEntered;
    return result;
  }
  // A Hebrew keyboard types Unicode letters; they count as the storage
  // letters they stand for.
  const std::string text = LowerText(HebrewToStorage(typed));
  // Every letter is worth at least 1, so an Original value of 0 means an
  // illegal character or no letter at all, whatever the numbering.
  const int32_t original = TextThematicValue(text, kOriginalValue);
  if (original == 0) {
    result.message = kIllegalCharacters;
    return result;
  }
  result.original = original;
  result.traditional = TextThematicValue(text, kTraditionalValue);
  return result;
}

}  // namespace orv
