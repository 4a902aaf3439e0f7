// The thematic value of a stretch of the text between two typed citations,
// in both numberings: the range computation of the thematic value dialog
// and of `orv value --range`.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/citation.h"

namespace orv {

class CiteCounts;
class DatastoreSet;

inline constexpr char kNoRangeStart[] = "The start of range was not entered";
inline constexpr char kNoRangeEnd[] = "The end of range was not entered";
inline constexpr char kInvalidStartCite[] = "Invalid starting citation";
inline constexpr char kInvalidEndCite[] = "Invalid ending citation";
inline constexpr char kEndBeforeStart[] = "Ending citation before first";
inline constexpr char kDatastoreError[] = "Error in datastores";

struct RangeValues {
  int64_t original = 0;
  int64_t traditional = 0;
  std::string message;  // empty on success
  // Both citations, once both were read and the end is not before the
  // start (the fields are then rewritten in the normal citation form, also
  // when the walk fails).
  bool read = false;
  Citation start;
  Citation end;
  bool Ok() const { return message.empty(); }
};

// Reads `start` (parts left out from Genesis 1:1) and `end` (parts left
// out from the start) with `counts`; a citation without a word number
// stands for the first word of its verse. Then sums the Original and
// Traditional word values of every CITE record from the first at or after
// the start up to the end citation, both included, each from the FOC2
// record the CITE record names (a record naming none adds nothing).
// Failures, in this order: kNoRangeStart, kNoRangeEnd (blank fields),
// kInvalidStartCite, kInvalidEndCite, kEndBeforeStart, and kDatastoreError
// when CITE or FOC2 is not open, a record cannot be read, or CITE ends
// before the end citation is reached (an end beyond the last word).
// Moves the cursors of CITE and FOC2; changes no store.
RangeValues RangeValue(DatastoreSet& set, CiteCounts& counts, std::string_view start,
                       std::string_view end);

}  // namespace orv
