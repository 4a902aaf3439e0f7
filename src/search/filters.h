// The record filters of the searches that walk CITE and XLAT (the wildcard
// filters over WORD are in wildcard.h, the run filters in run_scan.h). Each
// answers 0 to go on and 1 for a match, as DSNextMatch expects.
#pragma once

#include <string>

#include "datastore/ds_object.h"

namespace orv {

// CITE: the record's Strong's number is `number`.
DSFilter StrongsNumberFilter(int number);
// XLAT: the record's word is marked (flags bit 0).
DSFilter MarkedWordFilter();
// XLAT: `text` occurs, as typed (case counts), in one of the record's six
// definitions.
DSFilter DefinitionTextFilter(std::string text);
// CITE: the occurrence is marked (flags bit 0).
DSFilter MarkedUseFilter();

}  // namespace orv
