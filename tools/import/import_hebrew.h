// The Hebrew text and its default Strong's numbers, imported from the Open
// Scriptures Hebrew Bible (one OSIS XML file per book, Gen.xml .. Mal.xml).
#pragma once

#include <string>
#include <vector>

#include "import/import_result.h"
#include "import/oshb_reader.h"

namespace orv {

// What an import read, for its report and for tests.
struct HebrewImportStats {
  int books = 0;
  int chapters = 0;
  int verses = 0;
  long words = 0;
  int undottedShin = 0;  // shin letters with neither dot, written as shin
};

// The OSIS file name of book 1..39 ("Gen.xml" .. "Mal.xml"); "" outside.
std::string OshbFileName(int book);

// Reads the 39 books from `oshbDir` and writes outDir + "Source/" + code +
// ".OLF" for each (see olf_writer.h) and outDir + "Strongs.dat" (both paths
// native; a trailing "/" on either folder is optional). Fails with a message
// naming the file (and line) on a missing, unreadable or malformed book or
// a file that cannot be written; the files written so far are left for the
// caller to discard. `stats`, when given, receives the counts; `books`, when
// given, the 39 books as read (so that the interlinear lines need not read
// the XML again). `bookDone` hears of each book written.
ImportResult ImportHebrew(const std::string& oshbDir, const std::string& outDir,
                          HebrewImportStats* stats = nullptr,
                          std::vector<OshbBook>* books = nullptr,
                          const ImportBookDone& bookDone = nullptr);

}  // namespace orv
