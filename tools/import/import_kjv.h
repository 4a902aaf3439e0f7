// Importing the King James text with Strong's numbers from a SWORD module
// into one ".str" file per Old Testament book, numbered as the Hebrew text.
//
// The file "KJV/" + BookCode(book) + ".str" holds one line per verse,
// chapter ":" verse, a blank and the verse's tokens separated by blanks:
// words with their punctuation, each followed by the Strong's numbers of
// the Hebrew word it translates as tokens of digits; no other token ends in
// a digit. Long verses go on in lines that begin with a blank. Notes,
// section headings (the letters of Psalm 119), paragraph signs and all
// markup are left out. UTF-8, CR LF.
//
// Verse numbers follow the Hebrew text through VerseMap.xml (see
// VerseMap::HebrewVerse): KJV Joel 2:28 is Hebrew 3:1, KJV Malachi 4:1 is
// 3:19, and KJV verses mapped to one Hebrew verse are joined there (Psalm
// 13:5-6 in Hebrew 13:6, Isaiah 64:1 after 63:19). A KJV verse is never
// split: it goes whole to the Hebrew verse that VerseMap::HebrewVerse names.
// A psalm's title, which the KJV prints before verse 1, stands at the front
// of Hebrew verse 1, which holds it in the Hebrew text; in Psalms 51, 52, 54
// and 60 the Hebrew title fills verses 1 and 2, and the whole title goes in
// verse 1, leaving verse 2 a verse line without text. Every verse of the
// Hebrew text has its line, read from the Hebrew book files (Gen.xml ...
// Mal.xml) that stand beside VerseMap.xml; one that no KJV text reached is a
// verse line without text.
#pragma once

#include <string>

#include "import/import_result.h"

namespace orv {

// Writes outDir + "KJV/" + code + ".str" for the 39 books (outDir native,
// trailing '/' optional). `swordModule` names the installed SWORD module to
// read; empty means FindKjvModule().
// Fails naming the Debian package sword-text-kjv when no such module is
// installed; naming the file and line when VerseMap.xml or a Hebrew book
// file beside it is missing or malformed; naming the module and verse when
// an entry's markup cannot be read; naming the file when a file cannot be
// written. Files already written stay: the caller's folder is temporary.
// `bookDone` hears of each book written.
ImportResult ImportKjv(const std::string& verseMapPath, const std::string& outDir,
                       const std::string& swordModule = "",
                       const ImportBookDone& bookDone = nullptr);

// The name of an installed King James Bible module: one named "KJV" or
// whose abbreviation is "KJV", preferring one with Strong's numbers; "" when
// there is none.
std::string FindKjvModule();

}  // namespace orv
