// orv define WORD [--at CITE] [--def N TEXT]... [--mark-word on|off]
//            [--use N] [--strongs N] [--mark-use on|off]:
// the word definition editor without its window.
#pragma once

#include <iosfwd>

#include "app/orv/commands.h"

namespace orv::cli {

// Loads the editor with WORD (storage letters or Unicode Hebrew) and, with
// --at, the occurrence at CITE, as the program does; applies the changes
// given through the editor's own save; then prints the six definitions
// ("0 TEXT" .. "5 TEXT", blanks stored as hyphens), "Mark Word on|off" and,
// with --at, "CITE Strong's N Use U Mark Use on|off". Without change
// options it only prints. --use, --strongs and --mark-use need --at.
// Returns 0 when done, 1 when the word is in no datastore, does not occur
// at CITE, a field is refused or the save failed (the message on `err`,
// nothing stored), 2 for a usage error.
int CmdDefine(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
