// The main window's counting and listing commands: Tools > Count Word...,
// the word and number pop-up menus' Count and Occurrences, and the Tools
// menu's Concordance and First occurrences reports. Each runs the core
// (search/count_dialog.h, search/occurrences.h, search/concordance.h,
// search/first_occurrences.h) over the window's session.
#pragma once

#include <string>

#include "model/citation.h"

namespace orv::ui {

class TForm1;
class TWordCount;

// The window's word count dialog, made on first use and kept.
TWordCount& WordCountDialog(TForm1& form);

// Shows the word count dialog modally, counting in `where`'s book and
// chapter, with `preset` (may be empty) in its word field.
void ShowWordCount(TForm1& form, const std::string& preset, Citation where);

// Enables and attaches "CountWord1", "Count1", "CountS", "OccurW",
// "OccurS", "Concordance1" and "Firstoccurance1".
void WireCountCommands(TForm1& form);

}  // namespace orv::ui
