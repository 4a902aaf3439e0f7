// The two single-byte spellings of the Hebrew letters: storage letters key
// the datastores (and are what the user types); the source spelling is the
// source text's own code, with upper-case final forms. Both tables are built
// once, on first use.
#pragma once

#include <cstdint>
#include <string>

namespace orv {

// The 22 storage letters in database alphabet order (rank 1..22).
inline constexpr char kStorageLetters[] = "abwzidevthslkngopcqrmx";

// Rank 1..22 of a storage letter in the database alphabet; 0 for any other byte.
uint8_t LetterRank(uint8_t storageLetter);

// The storage letter for a source-spelling character; other bytes map to
// themselves.
uint8_t MapSourceLetter(uint8_t sourceChar);

// Maps every character of `text` from source spelling to storage letters.
void MapLetters(std::string& text);

}  // namespace orv
