// The datastores the page keeps open while it shows words, in two groups:
// BOOK, WORD and FOC2 (chapter offsets, words, first occurrences), and
// CITE and XLAT (Strong's numbers, definition selections, translations).
#pragma once

namespace orv {

class DatastoreSet;
struct Page;
struct PageEnv;

// Opens each store of the group with its prefix function (counted opens).
void OpenHebrewGroup(DatastoreSet& stores);
void OpenXlatGroup(DatastoreSet& stores);

// Closes each store of the group regardless of its open count. XLAT is
// packed first when packing would free more than 2048 bytes; CITE is
// closed before XLAT.
void CloseHebrewGroup(DatastoreSet& stores);
void CloseXlatGroup(DatastoreSet& stores);

// At the main window's close: writes pending interlinear edits, switches
// the first-occurrence view off, closes both groups and every line source.
void FinishPage(Page& page, PageEnv& env);

}  // namespace orv
