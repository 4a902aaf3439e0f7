// orv concordance FILE and orv first-occurrences FILE: the two reports of
// the Tools menu, written without the save dialog.
#pragma once

#include <iosfwd>

#include "app/orv/commands.h"

namespace orv::cli {

// Each writes its report into FILE (replacing it) and returns 0; 1 when
// the word datastores are missing, the file cannot be written ("Cannot
// create concordance file", "Cannot create first occurrence file", nothing
// written) or a store could not be read ("Error accessing datastore"; the
// report so far is kept); 2 for a usage error.
int CmdConcordance(const Args& args, std::ostream& out, std::ostream& err);
int CmdFirstOccurrences(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
