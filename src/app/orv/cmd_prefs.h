// orv prefs: the display settings of the preferences dialog on the command
// line.
#pragma once

#include <iosfwd>

#include "app/orv/commands.h"
#include "config/settings.h"

namespace orv::cli {

// orv prefs show: one "KEY VALUE" line per setting (prefs/prefs_keys.h).
// orv prefs set KEY VALUE...: applies one setting through the dialog's OK
// rules (the words of VALUE joined by blanks, for fonts "SIZE NAME"),
// writes the settings file and prints the setting's line as it now is.
// Exit code 0 when applied, 1 for a value refused or a settings file that
// could not be written, 2 for a usage error.
int CmdPrefs(const Args& args, std::ostream& out, std::ostream& err);

// Writes `settings` to ORV.INI in the data root (replaced only once the new
// file is complete); false, with a line on `err`, when it cannot be written.
// Also used by orv sources.
bool SaveSettings(const Settings& settings, std::ostream& err);

}  // namespace orv::cli
