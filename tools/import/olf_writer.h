// The text of a source file (code + ".OLF") and of the default Strong's
// numbers ("Strongs.dat") made from books read by oshb_reader.h.
#pragma once

#include <string>

#include "import/oshb_reader.h"

namespace orv {

// Longest line of a source file; a verse goes on over continuation lines.
inline constexpr size_t kOlfLineWidth = 80;

// The three-character citation abbreviation of book 1..39 ("Gen", "Ex ",
// "Ps "), blank-padded; "" outside 1..39.
std::string CitationAbbrev(int book);

// The whole source file of book `book` (1..39): the directives *BOOK, *CITE,
// *LANG Hebrew, *WHAT (crediting the Open Scriptures Hebrew Bible) and *R-L;
// "*" + number before each chapter; each verse as its number in column 1
// followed by its tokens, separated by single blanks and carried on to
// lines that begin with a blank so that no line passes kOlfLineWidth
// columns (only a token too long for any line could). Lines end in CR LF.
std::string OlfText(int book, const OshbBook& text);

// The header of "Strongs.dat": the two archive lines and comments crediting
// the source and showing the line format. CR LF line ends.
std::string StrongsHeader();

// The "&" line of each verse of book `book` ("&" book chapter verse words)
// and the line of its words' Strong's numbers, 0 where a word has none.
std::string StrongsVerses(int book, const OshbBook& text);

}  // namespace orv
