// orv value TEXT: the thematic value of a typed text (storage letters or
// Unicode Hebrew); orv value --range START END: that of a stretch of the
// text, as the thematic value dialog computes them.
#pragma once

#include <iosfwd>

#include "app/orv/commands.h"

namespace orv::cli {

// Prints "Original N Traditional M" for the text (the arguments joined by
// blanks, which count for nothing) and returns 0; prints the message ("No
// text was entered", "Illegal characters in input string") to `out` and
// returns 1 when there are no values. With --range, the same for the words
// from START to END, or the dialog's message ("Invalid starting citation",
// "Ending citation before first", "Error in datastores", ...). 2 without
// arguments, or with --range and not exactly two citations.
int CmdValue(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
