// orv find TEXT [--all]: Find of a typed Hebrew word (storage letters or
// Unicode Hebrew, "%" and "*" wildcards) or Strong's number ("7225",
// "H7225"), as the main window's Find does it.
#pragma once

#include <iosfwd>

#include "app/orv/commands.h"

namespace orv::cli {

// Prints the citation text of the first occurrence ("Gen 1:1.3"); with
// --all, then one line per Find Next until the end, whose message ("No more
// occurrences of " and the text) ends the output. A wildcard pattern prints
// the match list instead: its caption, then one word a line (with or
// without --all: no word is chosen from it). Returns 0 when something was
// found or listed, 1 when a message said why not (the message goes to
// `out`, as the program shows it), 2 for a usage error.
int CmdFind(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
