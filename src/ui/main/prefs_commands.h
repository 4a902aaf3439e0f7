// The main window's Edit > Preferences, the background menu's Preferences
// and Tools > Archive: the preferences dialog over the session (the page is
// laid out again and repainted with the new settings afterwards) and the
// archive dialog (the page read again after a read).
#pragma once

namespace orv::ui {

class TArchive;
class TForm1;
class TPreferences;

// Shows the preferences dialog modally; afterwards the page is laid out
// again and repainted, and the line sources are assigned again when the
// sources manager changed a table even if the dialog was cancelled.
void OpenPreferences(TForm1& form);

// The window's archive dialog, made on first use and kept.
TArchive& ArchiveDialog(TForm1& form);

// Enables and attaches "Preferences1", "Preferences2" and "Archive1".
void WirePrefsCommands(TForm1& form);

}  // namespace orv::ui
