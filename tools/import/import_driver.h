// The whole import: runs the chosen parts into a temporary folder inside the
// program folder and only then moves each finished file into place, so an
// interrupted or failed import never leaves a half-written file where the
// program reads its data, and a failed one replaces nothing.
#pragma once

#include <functional>
#include <string>

#include "import/import_result.h"

namespace orv {

struct ImportOptions {
  std::string programDir;   // native; where the supplied data goes
  std::string hebrewDir;    // native folder of the OSHB XML files and VerseMap.xml
  bool hebrew = true;       // Source/*.OLF and Strongs.dat
  bool kjv = true;          // KJV/*.str (needs VerseMap.xml from hebrewDir)
  bool dictionary = true;   // Hebrew.def and OT.VRB
  bool docs = true;         // README.RTF and HELP.RTF
  bool interlinear = true;  // Interlinear/*/*.ILT (needs the KJV files, this run's or in place)
};

// Reads a --only list ("hebrew,kjv,dictionary,docs,interlinear", any subset) into the
// part flags; false (with the unknown name in `bad`) on a name it does not know.
bool ParseImportParts(const std::string& list, ImportOptions& options, std::string& bad);

// How far the import is, for a progress display: the label of the part
// running, the steps done and the steps in all (a part that goes book by
// book counts each book, the others count one; `total` stays the same for
// one run). Returns false to ask the import to stop.
using ImportProgress = std::function<bool(const std::string& part, int done, int total)>;

// The label of the last progress call, before the finished files are moved.
inline constexpr const char kMovingIntoPlace[] = "Moving the files into place";

// Runs the import. `log` receives one line per finished part with its time.
// `progress` (may be empty) is told when each part starts and after each of
// its steps, and once more, with done == total, just before the finished
// files are moved into place. When it asks to stop, the import ends at once
// and fails with kImportStopped; the temporary folder is removed and the
// program folder is left as it was. Once the files are being moved into
// place the import is no longer asked.
ImportResult RunImport(const ImportOptions& options,
                       const std::function<void(const std::string&)>& log,
                       const ImportProgress& progress = nullptr);

}  // namespace orv
