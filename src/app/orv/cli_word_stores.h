// What the counting and listing commands of `orv` share: the word
// datastores looked for without creating them, and the citation of --at.
#pragma once

#include <iosfwd>
#include <string>

#include "model/citation.h"

namespace orv {
class DatastoreSet;
}

namespace orv::cli {

// Whether WORD and CITE hold records. Exists opens a present store
// read-only and never creates one, so a missing store stays missing; the
// missing one is named on `err` after "orv <command>: ".
bool WordStoresPresent(DatastoreSet& set, const std::string& command, std::ostream& err);

// Reads `text` as a citation from Genesis 1:1 on, with BOOK's chapter and
// verse counts when BOOK is there. False when it cannot be read.
bool ReadAtCite(DatastoreSet& set, const std::string& text, Citation& cite);

}  // namespace orv::cli
