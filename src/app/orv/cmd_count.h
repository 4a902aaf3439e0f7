// orv count: the word count dialog on the command line.
#pragma once

#include <iosfwd>

#include "app/orv/commands.h"

namespace orv::cli {

// orv count WORD|NUMBER [--chapter|--book|--bible|--all-counts|--match N]
//           [--at CITE]
// Counts as the dialog's Count button does, with the dialog's current book
// and chapter those of --at (Genesis 1 without it): a plain count (the
// chapter by default) prints its message; --all-counts and --match N print
// the listing's caption and lines, or the message; --match N without a
// word lists every word with that count. Returns 0 when the count ran
// (whatever it found), 1 when what was typed was refused or a store is
// missing or cannot be read, 2 for a usage error.
int CmdCount(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
