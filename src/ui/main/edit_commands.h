// The main window's ways into the word definition editor: a double-click on
// a Hebrew word, the word menu's Define, and the searches that show their
// finds in it (Find Next over marked words, definition texts and marked
// uses), which reach it through the session's showWordEditor hook.
#pragma once

#include <string>

#include "model/citation.h"

namespace orv::ui {

class TForm1;

// Loads the session's word editor with `word` (storage letters) and `cite`
// (null: no particular occurrence) and shows it modally; when an editor
// form is already open (beside the database browser) it is loaded and
// refreshed instead. A word that no datastore holds gets
// kNoWordToEdit. The page is repainted afterwards.
void ShowWordEditor(TForm1& form, const std::string& word, Citation cite);

// Installs ShowWordEditor as the session's showWordEditor hook and enables
// and attaches "Define1" (the right-clicked word at the clicked citation).
void WireEditCommands(TForm1& form);

}  // namespace orv::ui
