// A place in the text: book (1..39), chapter, verse and word number (from 1
// within the verse), each one unsigned byte, compared in that order.
#pragma once

#include <compare>
#include <cstdint>

namespace orv {

struct Citation {
  uint8_t book = 0;
  uint8_t chapter = 0;
  uint8_t verse = 0;
  uint8_t word = 0;

  // book * 2^24 + chapter * 2^16 + verse * 2^8 + word: orders like the citation.
  uint32_t Value() const {
    return (uint32_t{book} << 24) | (uint32_t{chapter} << 16) | (uint32_t{verse} << 8) | word;
  }
  static Citation FromValue(uint32_t v) {
    return {static_cast<uint8_t>(v >> 24), static_cast<uint8_t>(v >> 16),
            static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)};
  }
  bool IsNull() const { return Value() == 0; }
  friend auto operator<=>(const Citation& a, const Citation& b) { return a.Value() <=> b.Value(); }
  friend bool operator==(const Citation& a, const Citation& b) = default;
};
static_assert(sizeof(Citation) == 4);

inline constexpr Citation kNullCite{0, 0, 0, 0};
inline constexpr Citation kFirstCite{1, 1, 1, 1};  // Genesis 1:1 word 1

}  // namespace orv
