// What the thematic value dialog (TThemVal) shows after a computation: the
// text computation over `Ltrs` and the range computation over `VStart` and
// `VStop`. Every result and every message goes into `Orig` and `Trad`.
#pragma once

#include <string>
#include <string_view>

namespace orv {

class CiteCounts;
class DatastoreSet;

// What `Orig` and `Trad` show before and around a result.
inline constexpr char kNoValue[] = "---";

struct TextFields {
  std::string ltrs;   // the text as lowered (Unicode Hebrew as storage letters)
  std::string paleo;  // those letters reversed, final forms marked, for the Hebrew font
  std::string orig = kNoValue;
  std::string trad = kNoValue;
};

// The text computation: "No text was entered" for an empty text, "Illegal
// characters in input string" when the text has no value (`Trad` keeps
// "---"), else both values in decimal. `ltrs` and `paleo` are filled
// whenever the text is not empty.
TextFields ComputeTextFields(std::string_view typed);

struct RangeFields {
  bool rewritten = false;  // both citations were read: the fields show them anew
  std::string vStart;
  std::string vStop;
  std::string orig = kNoValue;
  std::string trad = kNoValue;
};

// The range computation (see RangeValue): the message in `orig` on failure
// (`trad` keeps "---"), else both sums in decimal; the citations in their
// normal form once both were read. Requires what RangeValue requires.
RangeFields ComputeRangeFields(DatastoreSet& set, CiteCounts& counts, std::string_view start,
                               std::string_view stop);

}  // namespace orv
