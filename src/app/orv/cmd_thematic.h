// orv thematic VALUE [--window W] [--min A] [--max B] [--from CITE]
//                    [--order original|traditional] [--limit K]:
// the thematic value search, as the search dialog and Find Next run it.
#pragma once

#include <iosfwd>

#include "app/orv/commands.h"

namespace orv::cli {

// Checks the fields as the search dialog does (window, minimum and maximum
// default to 0), printing each "** ..." message to `err` (exit 1); then
// lists the runs (see ListRuns) in the numbering of --order, default the
// settings' own, or prints "No matches to thematic value". 2 for a usage
// error.
int CmdThematic(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
