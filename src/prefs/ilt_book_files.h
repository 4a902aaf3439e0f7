// The 39 empty interlinear text files of a new interlinear source: each
// holds five header lines (book name, citation abbreviation, language,
// identifier, writing direction) and no verse yet.
#pragma once

#include <string>
#include <vector>

namespace orv {

// The header of book `book` (1..39), lines ending in CR LF:
// "*BOOK Genesis", "*CITE Gen", "*LANG " + language, "*WHAT " + identifier, "*L-R".
std::string BookFileHeader(int book, const std::string& language, const std::string& identifier);

// Writes the 39 files code + ".ILT" into the native folder `dir`. A file that exists already is
// kept as it is: it may hold a translation. Each file made is appended to `made`. Returns false at
// the first file that cannot be written (the files made stay; the caller decides).
bool WriteBookFiles(const std::string& dir, const std::string& language,
                    const std::string& identifier, std::vector<std::string>& made);

}  // namespace orv
