// Strong's Hebrew dictionary for the definitions viewer: "Hebrew.def" read
// from the SWORD module of Debian's sword-dict-strongs-hebrew, and "OT.VRB",
// our own list of Hebrew verb stems and forms that a number's suffix can
// append to an entry's first line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "import/dict_markup.h"
#include "import/import_result.h"
#include "model/records.h"

namespace orv {

inline constexpr int kHebrewEntries = kStrongsCount;  // one entry per Strong's Hebrew number
inline constexpr size_t kDefColumns = 80;    // widest line of the dictionary file

// Writes outDir + "Hebrew.def" (CR LF, UTF-8): for every number 1..8674 in
// ascending order the header line "*" + number + " " + word; transliteration;
// pronunciation, then the definition's lines. No line is wider than 80
// characters and none but a header begins with "*". `swordModule` names the
// module (default "StrongsHebrew"); `swordDir` is a SWORD library folder
// holding mods.d (default: the system's SWORD configuration).
// Fails, naming the Debian package to install, when the module is missing,
// and naming the number when the module lacks an entry; then no file is
// written. Fails naming the file when it cannot be written.
ImportResult ImportDictionary(const std::string& outDir, const std::string& swordModule = "",
                              const std::string& swordDir = "");

// The lines (without line ends) of one dictionary entry as written to
// "Hebrew.def".
std::vector<std::string> FormatDictEntry(int number, const DictEntry& entry);

// Writes outDir + "OT.VRB" (CR LF, ASCII): numbered lines "N text" for the
// verb stems and forms, N from 1 upward, under unnumbered title lines.
ImportResult WriteSupplement(const std::string& outDir);

}  // namespace orv
