// The three interlinear text sources made from the supplied data: "KJV
// gloss", "Morphology" and "Transliteration" (see model/supplied_sources.h),
// one ".ILT" file per book each, written as a new source's files are with
// every verse of the Hebrew text filled in.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "import/import_result.h"
#include "import/oshb_reader.h"
#include "import/verse_map.h"
#include "model/supplied_sources.h"

namespace orv {

// Time spent on each source, in seconds, and on reading what all three are
// made from (the Hebrew XML, unless given, and the King James files).
struct InterlinearTimes {
  double reading = 0;
  double kjvGloss = 0;
  double morphology = 0;
  double transliteration = 0;
};

// The three files' texts for book 1..39, in the order of kSuppliedSources,
// from its Hebrew words and its King James verses (verse -> tokens as in a
// ".str" file). `times`, when given, adds each source's time.
std::array<std::string, kSuppliedSources.size()> InterlinearBookTexts(
    int book, const OshbBook& hebrew, const std::map<VerseRef, std::string>& kjv,
    InterlinearTimes* times = nullptr);

// Reads the 39 OSHB books from `oshbDir` and the King James files
// kjvDir + code + ".str" (as the KJV import writes them), and writes
// outDir + folder + "/" + code + ".ILT" for each supplied source (paths
// native, trailing "/" optional). The n-th gloss of a verse belongs to its
// n-th Hebrew word. A Hebrew verse that the King James text does not have,
// or has without Strong's numbers, gets "..." for every word; a morphology
// code the table does not know is shown as the code itself. Fails naming
// the file on a missing or malformed book, a missing King James file (which
// the KJV import makes first) or a file that cannot be written; the files
// written so far are left for the caller to discard. `hebrew`, when it
// holds the 39 books (as ImportHebrew gave them), is used instead of
// reading them again. `bookDone` hears of each book written.
ImportResult ImportInterlinear(const std::string& oshbDir, const std::string& kjvDir,
                               const std::string& outDir, InterlinearTimes* times = nullptr,
                               const std::vector<OshbBook>* hebrew = nullptr,
                               const ImportBookDone& bookDone = nullptr);

}  // namespace orv
