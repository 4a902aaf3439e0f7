// orv kjv CITE [--numbers]: the King James text of a verse's chapter from
// that verse on, as the column beside the page shows it.
#pragma once

#include <iosfwd>

#include "app/orv/commands.h"

namespace orv::cli {

// Prints the tokens of CITE's chapter from CITE's verse on, one line per
// verse ("1) In the beginning God ..."), with the Strong's numbers only when
// --numbers is given, and returns 0. The book files come from the program
// folder, the index from the data root (built there when missing). Prints a
// message to `err` and returns 1 when the verse is not in the text or a book
// file cannot be read; returns 2 for a citation it cannot read. CITE is read
// as the citation entry reads it ("Gen 1:1", "joel 3", "Ps last").
int CmdKjv(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
