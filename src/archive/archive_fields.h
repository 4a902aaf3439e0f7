// Strict reading of the numeric fields of archive lines. Unlike NextLong and
// its kin (which read a field that is not a number as 0), these tell a
// number from anything else, so a damaged line is skipped instead of
// writing zeros into the datastores.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/citation.h"

namespace orv {

enum class ArchiveField {
  kNone,       // no field left on the line
  kNotNumber,  // a field that is not an optional sign followed by digits
  kNumber,     // a decimal number (values beyond 18 digits saturate)
};

// Takes the next space-separated field after column `end` (1-based columns
// as NextField counts them; `end` is the previous field's last column, or
// the column before the first field) and reads it as a decimal number.
ArchiveField NextArchiveNumber(std::string_view line, int& end, int64_t& value);

// The next field as a number in lo..hi; false when it is missing, not a
// number or out of range.
bool NextArchiveValue(std::string_view line, int& end, int64_t lo, int64_t hi, int64_t& value);

// Book, chapter, verse and word number, each 0..255, from the fields after
// column `end`; false (and `cite` unspecified) when any is unreadable.
bool NextArchiveCitation(std::string_view line, int& end, Citation& cite);

}  // namespace orv
