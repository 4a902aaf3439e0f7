// orv sources: the sources manager on the command line.
#pragma once

#include <iosfwd>

#include "app/orv/commands.h"

namespace orv::cli {

// orv sources list                          both tables with their source numbers
// orv sources create-ilt NAME LANGUAGE DIR  a new interlinear text in DIR under
//                                           the data root, with its 39 book files
// orv sources add-ilt DIR | add-db DIR      an existing folder as a new source
// orv sources delete ilt|db N               removes entry N (not the first)
// Each change goes through the dialog's code, prints its messages and is
// written to the settings file. Exit code 0 when done, 1 when refused or
// the settings could not be written, 2 for a usage error.
int CmdSources(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
