// Key orders and prefix functions of the record types. Comparisons take
// pointers to records (or keys laid out as records) and return negative, 0 or
// positive; prefixes are monotone in their order.
#pragma once

#include <cstdint>

namespace orv {

// Word order (WORD, FOC2, XLAT): the first differing byte decides by letter
// rank alone, so two bytes of equal rank count as equal; otherwise the
// shorter word first. Words are at offset 0 of the record.
int WordOrder(const void* a, const void* b);
// Word order, then citation (bytes 12..15): the WORD order check.
int WordCiteOrder(const void* a, const void* b);
// Citation order for FOCC (citation at offset 12).
int FoccCiteOrder(const void* a, const void* b);
// Citation order for CITE (citation at offset 0).
int CiteOrder(const void* a, const void* b);
// Book, then chapter (BOOK records).
int BookOrder(const void* a, const void* b);

// Up to six ranks of the word, 5 bits each (rank - 1), plus 1; packing stops
// at the first non-letter, as if the word ended there.
uint32_t WordPrefix(const void* rec);
uint32_t FoccCitePrefix(const void* rec);
uint32_t CitePrefix(const void* rec);
uint32_t BookPrefix(const void* rec);

}  // namespace orv
