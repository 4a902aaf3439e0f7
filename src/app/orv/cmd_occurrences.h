// orv occurrences WORD|NUMBER [--at CITE]: the occurrence list of a word or
// a Strong's number, as the pop-up menus' "Occurrences" shows it.
#pragma once

#include <iosfwd>

#include "app/orv/commands.h"

namespace orv::cli {

// Prints the list's caption ("Occurrences of aleim   (2598)") and then its
// lines; a Strong's number may be typed "7225", "H7225" or "07225", a word
// in storage letters or Unicode Hebrew. --at names the clicked occurrence
// (the line the dialog would preselect). Returns 0 when the list was shown,
// 1 when the word is not in the database, the number is out of range or a
// store is missing or cannot be read, 2 for a usage error.
int CmdOccurrences(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
