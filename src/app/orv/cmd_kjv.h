// orv kjv CITE [--numbers]: the King James text of a verse's chapter from
// that verse on, as the column beside the page shows it.
#pragma once

#include <iosfwd>
#include <string>

#include "app/orv/commands.h"
#include "model/citation.h"

namespace orv::cli {

// Reads a citation written "BOOK:CHAPTER:VERSE" (book number 1..39) or
// "CODE CHAPTER:VERSE" with a book's file code in any case ("gen 1:1",
// "JOEL 3:1"); chapter and verse 1..255. The word number is set to 1.
// False for anything else.
bool ParseKjvCite(const std::string& text, Citation& cite);

// Prints the tokens of CITE's chapter from CITE's verse on, one line per
// verse ("1) In the beginning God ..."), with the Strong's numbers only when
// --numbers is given, and returns 0. The book files come from the program
// folder, the index from the data root (built there when missing). Prints a
// message to `err` and returns 1 when the verse is not in the text or a book
// file cannot be read; returns 2 for a citation it cannot read.
int CmdKjv(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace orv::cli
