// The display form of a citation, as dialogs and lists show it.
#pragma once

#include <string>

#include "model/citation.h"

namespace orv {

// The book's three-character citation abbreviation (padded with blanks), one
// blank, then chapter ":" verse "." word, the numbers in decimal without
// leading zeros: "Gen 1:1.3", "Ex  2:3.1", "Ps  23:1.2". A book outside
// 1..39 is written as three blanks, so the text keeps its shape.
std::string CitationText(const Citation& cite);

}  // namespace orv
