// Writing the archive files (see archive_format.h): the full archive of the
// definitions and the per-occurrence data, and the Strong's archive of the
// Strong's numbers alone.
//
// The archive is written to a temporary file beside the target and renamed
// over it once complete, so the target is always either the old file or the
// whole new one: a failed write leaves no partial file under the target's
// name and never destroys an existing file.
#pragma once

#include <cstdint>
#include <string>

#include "archive/archive_format.h"
#include "datastore/data_store.h"
#include "model/datastore_set.h"

namespace orv {

// Results of writing. 0 = the archive is in place; kArchiveCannotCreate =
// the file (or a datastore) could not be opened, nothing was written;
// any other value, the errno of a failed file write or the engine code of a
// failed walk, means the target was left as it was.
inline constexpr int32_t kArchiveCannotCreate = -1;

// Writes every XLAT record in key order as a "*" line and its translation
// lines (translation 0 always, 1..5 when not blank), then every CITE record
// whose definition selection or Strong's number is not 0 as a "+" line and
// its values line. `nativePath` names the archive file. Opens and closes
// the stores (balanced Open/Close). Status texts: "Write Xlat DS" during the
// definitions, "Scan " + book name whenever the book changes in CITE.
int32_t WriteFullArchive(TXRDataStore& xlat, TXRDataStore& cite, const std::string& nativePath,
                         const ArchiveStatus& status = {});
int32_t WriteFullArchive(DatastoreSet& ds, const std::string& nativePath,
                         const ArchiveStatus& status = {});

// Writes a "#" line for every CITE record whose Strong's number is not 0,
// or for every record when `nonZeroOnly` is false ("Process only non-zero
// Strong's numbers" unchecked).
int32_t WriteStrongsArchive(TXRDataStore& cite, const std::string& nativePath, bool nonZeroOnly,
                            const ArchiveStatus& status = {});
int32_t WriteStrongsArchive(DatastoreSet& ds, const std::string& nativePath, bool nonZeroOnly,
                            const ArchiveStatus& status = {});

}  // namespace orv
