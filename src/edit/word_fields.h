// Reading the word definition editor's fields before anything is stored:
// the six definitions as they are kept (blanks as hyphens), the use number
// and the Strong's number. Every field is checked first, so a bad one
// stores nothing at all.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "edit/word_editor.h"

namespace orv {

// The largest use number: the definitions are numbered 0..kMaxUse.
inline constexpr int kMaxUse = kDefinitionCount - 1;

// What the fields say, ready to be compared with the records.
struct ReadFields {
  std::array<std::string, kDefinitionCount> defs;  // stored form
  bool allEmpty = true;
  std::optional<int> use;      // absent: the field was empty
  std::optional<int> strongs;  // absent: the field was empty
};

// A definition as stored: trailing blanks removed, every blank a hyphen.
std::string StoredDefinition(std::string_view typed);

// Reads `fields`; the occurrence's fields only when `occurrence` is set.
// Returns "" and fills `out`, or the message for the first bad field:
// kDefinitionTooLong + the field's number (over kGlossCap bytes),
// kDefinitionControl + the number (a tab, line end or other control
// character, which no archive line could hold), kInvalidUseNumber (not
// 0..kMaxUse), kStrongsFieldInvalid (not 0..kStrongsCount; "H7225" and
// "07225" are read too).
std::string ReadWordFields(const WordEditFields& fields, bool occurrence, ReadFields& out);

}  // namespace orv
