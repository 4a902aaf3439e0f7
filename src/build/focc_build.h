// Per-book first occurrences: the FOCC file of one book ("FOCC\GEN.XRD" ...),
// built from the book's source file the first time the page needs it.
#pragma once

#include <cstdint>
#include <string>

#include "datastore/ds_object.h"

namespace orv {

class DatastoreSet;
class UserInterface;

// Appends to `focc` (an open, empty store in citation order) the first
// occurrence within `book` of every word of the book's source file in
// `sourceDir`, in text order. Messages: "** Cannot open input file " + code +
// " **" when the file cannot be read (result -1); "** Abnormal termination **"
// when the scratch store of words seen fails (result: its engine code; what
// was appended stays). Returns 0 otherwise.
int32_t BuildBookFOcc(TDSControl* focc, int book, const std::string& sourceDir, UserInterface& ui);

// Closes the per-book file and deletes every book's first-occurrence file,
// so that each is built again from the current text when next opened. Run
// after WORD is rebuilt: files built from an earlier text would mark the
// wrong words.
void DropBookFOccFiles(DatastoreSet& set);

// Makes `set.BookFOccDS` fill an empty book file through BuildBookFOcc when
// it opens it. `ui` must outlive `set`.
void InstallBookFOccBuilder(DatastoreSet& set, const std::string& sourceDir, UserInterface& ui);

}  // namespace orv
