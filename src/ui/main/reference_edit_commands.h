// The main window's ways into the Strong's number editor, the ILT editor
// and the database browser: the word menu's "Strong's Entry" and "ILT
// Entry" (enabled when the menu opens only where they can work: Strong's
// numbers shown, a line showing an interlinear text), its "Browse DB", and
// Edit > Browse DB. Sync Edit in the browser opens the word definition
// editor (TWordEdit) beside it, over the session's WordEditor.
#pragma once

namespace orv::ui {

class TForm1;

// Shows the database browser modally; `fromMenu` opens it at WORD's cursor
// rather than at the right-clicked word.
void ShowBrowser(TForm1& form, bool fromMenu);

// Attaches "StrongsEntry1", "ILTEntry1", "BrowseDB1" and "BrowseDB2".
void WireReferenceEditCommands(TForm1& form);

}  // namespace orv::ui
