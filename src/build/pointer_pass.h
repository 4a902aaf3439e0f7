// The pointer pass of a build: links every CITE record to its word's FOC2
// record and gives each FOC2 record its word in source spelling.
#pragma once

#include "build/build_context.h"

namespace orv {

// Reads the 39 source files again and, for every word, looks it up in FOC2;
// when found, fills the record's source spelling if it is still empty (the
// token without its joining hyphen, cut to 11 bytes) and sets the FOC2
// record number of the word's CITE record. Status texts: "Assigning pointers
// to Cite datastore", then "Closing FOc2 datastore", "Closing Cite
// datastore", " "; the book field ends as "-------". Clears the cancel flag
// when it starts; a cancel stops it after the current line.
//
// Requires: FOC2 is packed (a build always packs it), so that its record
// numbers are the words' places in word order. An empty FOC2 leaves every
// CITE pointer 0. The pass does its work whenever FOC2 holds records, so a
// CITE built without WORD in the same run (the low-memory two-pass build, a
// rebuild of CITE alone) is linked to the FOC2 of the last WORD build too.
void PointerPass(BuildContext& ctx);

}  // namespace orv
