// The data import as the import dialog runs it. The dialog's layer may not
// reach the importer, so the program hands it the import as a function.
#pragma once

#include <functional>
#include <string>

namespace orv::ui {

// What an import came to: ok, or the reason it failed (shown to the user).
struct ImportOutcome {
  bool ok = true;
  std::string message;
};

// How far the import is: the part running, the steps done and the steps in
// all. Returns false to ask the import to stop.
using ImportProgressFn = std::function<bool(const std::string& part, int done, int total)>;

// Imports the supplied data from `oshbDir` (the folder of the Open
// Scriptures Hebrew Bible's XML) into `programDir` (both native), telling
// `progress` as it goes; an import asked to stop ends soon after, not ok,
// leaving the program folder as it was.
// Requires: may be run on a thread other than the window's; `progress` may
// be called from that thread.
using ImportFunction = std::function<ImportOutcome(
    const std::string& oshbDir, const std::string& programDir, const ImportProgressFn& progress)>;

}  // namespace orv::ui
