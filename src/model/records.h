// The six datastore record types, byte for byte as they lie in the files.
// Integers are little-endian (the only byte order this program builds for);
// words are length-prefixed texts of capacity 11 in storage letters.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/citation.h"
#include "platform/utf8.h"

namespace orv {

static_assert(std::endian::native == std::endian::little, "record layouts assume little-endian");

inline constexpr int kWordCap = 11;
inline constexpr int kGlossCap = 39;  // a definition, and a gloss on the page

// Strong's Hebrew numbers run 1..kStrongsCount.
inline constexpr int kStrongsCount = 8674;

// A length-prefixed text of capacity N: one length byte, then N bytes. The
// builder pads unused bytes with spaces.
template <int N>
struct PText {
  uint8_t len = 0;
  std::array<char, N> text{};

  std::string_view View() const { return {text.data(), len <= N ? len : static_cast<size_t>(N)}; }
  std::string Str() const { return std::string(View()); }
  // Cuts `s` to N bytes (never inside a UTF-8 sequence) and pads with spaces.
  void Set(std::string_view s) {
    const size_t n = Utf8FitLength(s, static_cast<size_t>(N));
    len = static_cast<uint8_t>(n);
    text.fill(' ');
    for (size_t i = 0; i < n; ++i) text[i] = s[i];
  }
};

using Word12 = PText<kWordCap>;
using Gloss40 = PText<kGlossCap>;
static_assert(sizeof(Word12) == 12 && sizeof(Gloss40) == 40);

#pragma pack(push, 1)

// One per word occurrence; also the FOCC record (first occurrence of a word
// in the whole text or in one book).
struct WordRec {
  Word12 word;
  Citation cite;
};
using FoccRec = WordRec;

// One per distinct word; once FOC2 is packed its record number is the word's
// place in word order.
struct Foc2Rec {
  Word12 word;
  Citation cite;  // first occurrence in the text
  Word12 source;  // the word in source spelling (filled by the pointer pass)
  int32_t reserved = 0;
};

// The mark bit of `flags` in CiteRec (Mark Use) and XlatRec (Mark Word).
inline constexpr uint8_t kMarkFlag = 1;

// One per word occurrence, in text order.
struct CiteRec {
  Citation cite;
  int32_t foc2 = 0;   // record number of the word's FOC2 record
  uint8_t use = 0;    // definition selection 0..5
  uint8_t flags = 0;  // bit 0: occurrence marked
  uint16_t strongs = 0;
};

// One per word with a definition: the translation database.
struct XlatRec {
  Word12 word;
  uint8_t status = 0;
  uint8_t flags = 0;  // bit 0: word marked
  uint8_t reserved1 = 0;
  uint8_t reserved2 = 0;
  std::array<Gloss40, 6> gloss;
};

// One per chapter.
struct BookRec {
  uint8_t book = 0;
  uint8_t chapter = 0;
  int16_t verses = 0;  // highest verse number seen in the chapter
  int32_t offset = 0;  // byte offset of the chapter's line in the book's source file
};

#pragma pack(pop)

static_assert(sizeof(WordRec) == 16);
static_assert(sizeof(Foc2Rec) == 32);
static_assert(sizeof(CiteRec) == 12);
static_assert(sizeof(XlatRec) == 256);
static_assert(sizeof(BookRec) == 8);

}  // namespace orv
