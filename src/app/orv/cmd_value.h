// orv value TEXT: the thematic value of a typed text in storage letters.
#pragma once

#include <iosfwd>

#include "app/orv/commands.h"

namespace orv::cli {

// Prints "Original N Traditional M" for the text (the arguments joined by
// blanks, which count for nothing) and returns 0; prints the message ("No
// text was entered", "Illegal characters in input string") to `err` and
// returns 1 when there are no values; returns 2 without arguments.
int CmdValue(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
