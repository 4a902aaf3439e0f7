// The first start: the interlinear text sources that come with the program
// (model/supplied_sources.h) are copied from the read-only program folder
// into the data root, where the ILT editor can write, registered in the
// settings' interlinear table and shown, so that a new user sees glosses
// under the words at once.
#pragma once

#include <string>

#include "config/settings.h"

namespace orv {

// What SetUpSuppliedSources did.
struct FirstStartResult {
  int registered = 0;   // sources added to the interlinear table
  std::string missing;  // names of supplied sources that could not be set up, ", "-separated
};

// Whether `s`, as read, is a first start's: no settings file, or one naming
// no interlinear text source (the table holds only the default entry that
// reading adds then: "ILT Translation" at "ILT_X\").
bool IsFirstStart(const Settings& s, bool hadSettingsFile);

// On a first start (IsFirstStart) copies each supplied source's ".ILT"
// files from programDir + "/" + folder into dataRoot + "/" + folder (native
// folders; a file already there is kept, since it may hold the user's
// edits), registers the source under the stored path folder + "\" (read
// below the data root) and, when no line shows a source yet, shows the
// registered ones on lines 1, 2, 3. Without a settings file, once a source
// is registered, Strong's numbers and letter values are shown too (a
// program folder without the supplied lines starts as before). Any other
// start changes nothing.
// With a settings file, a source whose folder the data root already holds
// was set up before and removed by the user, and is left out silently.
// A source the program folder lacks (the import has not made it) or whose
// files cannot be copied is not registered and is named in `missing`.
FirstStartResult SetUpSuppliedSources(Settings& s, bool hadSettingsFile,
                                      const std::string& programDir, const std::string& dataRoot);

}  // namespace orv
