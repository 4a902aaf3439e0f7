// The checks of the thematic value search dialog (TTheoSearch): the four
// typed fields against the search's parameters, with the messages to show.
#pragma once

#include <string>
#include <vector>

#include "search/search_state.h"

namespace orv {

inline constexpr char kInvalidThematicValue[] = "** Invalid thematic value";
inline constexpr char kInvalidThematicRange[] = "** Invalid thematic range";
inline constexpr char kInvalidMinimumWords[] = "** Invalid minimum word count";
inline constexpr char kInvalidMaximumWords[] = "** Invalid maximum word count";
inline constexpr char kMinimumAboveMaximum[] = "** Minimum word count greater than maximum";

// The dialog's fields as typed: SValue, SWindow, MinWords, MaxWords and
// CBFromBegin.
struct ThematicFields {
  std::string value;
  std::string window;
  std::string minWords;
  std::string maxWords;
  bool fromBegin = false;
};

// What the dialog shows when it opens: the parameters in decimal, and
// CBFromBegin checked when the search does not start at the page.
ThematicFields ThematicFieldsOf(const ThematicParams& params);

// Checks the fields in turn: the value must be a whole number of 1 or more,
// the window and the word counts whole numbers of 0 or more, and a maximum
// above 0 no smaller than the minimum. Whole numbers are those of the
// 32-bit range (see ReadWholeNumber); a larger one is refused like any
// other text. Each valid field is stored into `params` at once, and
// `fromHere` becomes the opposite of `fromBegin`. Returns the failures'
// messages in field order, one message box each; empty when every field is
// valid (the dialog then closes with OK).
std::vector<std::string> CheckThematicFields(const ThematicFields& typed, ThematicParams& params);

}  // namespace orv
