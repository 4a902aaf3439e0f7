// Reading an archive (see archive_format.h) back into XLAT and CITE, in
// full or for the Strong's numbers only, and loading the default Strong's
// numbers that come with the program.
#pragma once

#include <cstdint>
#include <string>

#include "archive/archive_format.h"
#include "datastore/data_store.h"
#include "model/datastore_set.h"

namespace orv {

struct ArchiveReadOptions {
  // Strong's-only mode: "*" definitions are ignored and "+" entries change
  // only the Strong's number.
  bool strongsOnly = false;
  // "Process only non-zero Strong's numbers": a Strong's number 0 in a "+"
  // or "#" entry leaves the occurrence's number as it is. ("&" values are
  // always set, 0 included.)
  bool nonZeroOnly = true;
};

// Reads the archive at `nativePath` into the stores, line by line:
//  - "*" (full mode) writes a whole XLAT record: the word, the four numbers
//    and the six translations (those not listed become empty), replacing
//    the record of an equal word or inserting a new one;
//  - "+" and "#" change the CITE record of their citation when it exists;
//  - "&" sets the Strong's numbers of words 1..n of a verse, even to 0;
//  - ";" comments, empty lines, lines of any other first character, lines
//    with a field that is not a number or does not fit its field (a byte;
//    0..65535 for a Strong's number), and entries whose citation is not in
//    CITE change nothing.
// The line after a "+" or "&" line is always taken as its values line.
// An "&" value that is not a number or does not fit takes its word but
// leaves it unchanged.
// Returns kArchiveOk; kArchiveCannotOpen when the file or a store cannot be
// opened (or the file cannot be read to its end); kArchiveNotArchive when line 1 is not "ORV Archive File" or line 2
// does not begin with "Version " (nothing changed); kArchiveShortValues when
// an "&" values line holds fewer numbers than announced;
// kArchiveNoPosition when an "&" word lies past the last CITE record (or
// CITE is empty); or the engine's code when a record could not be written.
// A failure in one line does not stop the reading; the last one is returned.
// Opens and closes both stores (balanced). Status: "Reading values for " +
// book name when an "&" line's book differs from the previous one's; ""
// at the end.
int32_t ReadArchive(TXRDataStore& xlat, TXRDataStore& cite, const std::string& nativePath,
                    const ArchiveReadOptions& options, const ArchiveStatus& status = {});
int32_t ReadArchive(DatastoreSet& ds, const std::string& nativePath,
                    const ArchiveReadOptions& options, const ArchiveStatus& status = {});

// Reads "Strongs.dat" from the program's folder `programDir` (native path)
// in Strong's-only mode: the default Strong's numbers, loaded after a build.
// Shows "Read default Strong's archive" first. Returns as ReadArchive.
int32_t SetStrDef(DatastoreSet& ds, const std::string& programDir, bool nonZeroOnly = true,
                  const ArchiveStatus& status = {});

// The message to show after a read that returned `result`: "Archive
// successfully read" (or, for the default Strong's numbers, "Default
// Strong's numbers successfully read"), or "** Error(s) reading archive **".
std::string ArchiveReadMessage(int32_t result, bool defaultStrongs);

}  // namespace orv
