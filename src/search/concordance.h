// The concordance report: every distinct word of WORD, in WORD order, with
// every place it occurs.
//
// Layout (lines end in CR LF): "Collating sequence"; " 1-11: " and
// "12-22: ", each followed by the letters of those ranks, each letter and
// one blank; two empty lines; then per word a line of the word padded to 12
// characters (at least one blank) and up to six citations, each two blanks,
// the three-character book abbreviation, the chapter in 3 characters, ":"
// and the verse in 2 ("  Gen  1: 1"; wider numbers take the room they
// need); further citations go on lines that begin with 12 blanks. The file
// ends with a line end.
#pragma once

#include <string>

#include "search/report_file.h"

namespace orv {

class DatastoreSet;
class UserInterface;

inline constexpr const char kConcordanceName[] = "CONCORD";
inline constexpr const char kCannotCreateConcordance[] = "Cannot create concordance file";

// Writes the concordance into `path` (native), replacing a file there.
// WORD is opened and closed again (never created). Messages:
// kErrorAccessingDatastore when WORD is missing or empty (nothing written) or a read fails half-way
// (the report so far is kept, without its final line end); kCannotCreateConcordance when the file
// cannot be made or written (nothing of it written). The wait cursor is on while it writes;
// `progress`, when given, hears how far it has come.
ReportOutcome WriteConcordance(DatastoreSet& set, UserInterface& ui, const std::string& path,
                               const ReportProgress& progress = {});

// `Concordance1Click`'s work: the save dialog (kConcordanceName in the data
// root), then WriteConcordance.
ReportOutcome RunConcordance(DatastoreSet& set, UserInterface& ui);

}  // namespace orv
