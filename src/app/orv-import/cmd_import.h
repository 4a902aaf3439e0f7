// orv import [--hebrew DIR] [--only hebrew,kjv,dictionary,docs,interlinear]:
// the supplied data (Hebrew text and Strong's numbers, King James text,
// Strong's dictionary, documents, interlinear lines) written into the
// program folder.
#pragma once

#include <iosfwd>

#include "app/cli/command_line.h"

namespace orv::cli {

// Imports the parts named by --only (default: all) into ProgramDir(), the
// Hebrew XML read from --hebrew DIR, else $ORV_OSHB_DIR. Prints one line
// per part; on a terminal, standard error shows the progress in one line
// rewritten in place (nothing when it is not a terminal). Returns 0; 1
// when a part fails or the Hebrew folder is not named; 2 for an unknown
// option or part.
int CmdImport(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
