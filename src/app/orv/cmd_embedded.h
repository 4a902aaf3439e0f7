// orv embedded TERM [--skip S] [--from CITE] [--limit K]: the embedded word
// search, as its dialog and Find Next run it.
#pragma once

#include <iosfwd>

#include "app/orv/commands.h"

namespace orv::cli {

// Checks the term (storage letters or Unicode Hebrew) and the skip factor
// (default 1) as the dialog does, printing the "** ..." message to `err`
// (exit 1); then lists the runs (see ListRuns) or prints "No matches to
// embedded search term". 2 for a usage error.
int CmdEmbedded(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
