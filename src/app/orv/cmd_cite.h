// orv cite TEXT [--from CITE]: reads a citation as "Go to verse" does.
#pragma once

#include <iosfwd>

#include "app/orv/commands.h"

namespace orv::cli {

// Parses TEXT (the arguments other than --from, joined by blanks) starting
// from the --from citation, itself parsed from the settings' position (the
// position otherwise). Prints the parser's result code and, on success, the
// citation text ("0 Gen 3:16.4") and returns 0; on failure prints the code
// alone ("1" or "13"), writes "Invalid cite" to `err` and returns 1.
// Returns 2 for a usage error or a --from that cannot be read. Counts come
// from the BOOK and CITE datastores when they exist; without BOOK the
// parser's default counts apply and a note goes to `err`.
int CmdCite(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
