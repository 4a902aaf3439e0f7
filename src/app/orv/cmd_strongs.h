// orv strongs TEXT: the Strong's dictionary entry for TEXT ("7225",
// "1254-2"), read from Hebrew.def and OT.VRB in the program folder through
// the index \ORV\Hebrew.XRD (made or rebuilt as needed).
#pragma once

#include <iosfwd>

#include "app/orv/commands.h"

namespace orv::cli {

// Prints the caption and then the entry's lines to `out` (exit code 0), or
// the viewer's message to `err` (exit code 1). Exit code 2 unless exactly
// one argument is given.
int CmdStrongs(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
