// The first-occurrence report: verse by verse, the words that occur there
// for the first time in the whole text (FOCC, in citation order).
//
// Layout (lines end in CR LF): an empty line; then per verse holding first
// occurrences a line of the verse ("Gen  1: 1": the three-character book
// abbreviation, the chapter in 3 characters, ":", the verse in 2; wider
// numbers take the room they need) and up to five words, each two blanks
// and the word padded to 12 characters (at least one blank); further words
// go on lines that begin with 9 blanks. The file ends with a line end.
#pragma once

#include <string>

#include "search/report_file.h"

namespace orv {

class DatastoreSet;
class UserInterface;

inline constexpr const char kFirstOccurrencesName[] = "FIRST";
inline constexpr const char kCannotCreateFirstOccurrences[] = "Cannot create first occurrence file";

// Writes the report into `path` (native), replacing a file there. FOCC is
// read through the handle the whole-text first-occurrence view keeps open;
// with another view (the book's, or marking off) FOCC is opened for the
// report and closed again, so the report is always that of the whole text.
// Messages: kErrorAccessingDatastore when FOCC is missing or empty
// (nothing written) or a read fails half-way (the report so far is kept,
// with its final line end); kCannotCreateFirstOccurrences when the file
// cannot be made or written (nothing of it written). `progress`, when
// given, hears how far it has come.
ReportOutcome WriteFirstOccurrences(DatastoreSet& set, UserInterface& ui, const std::string& path,
                                    const ReportProgress& progress = {});

// `Firstoccurance1Click`'s work: the save dialog (kFirstOccurrencesName in
// the data root), then WriteFirstOccurrences.
ReportOutcome RunFirstOccurrences(DatastoreSet& set, UserInterface& ui);

}  // namespace orv
