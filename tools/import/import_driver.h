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

// Runs the import. `log` receives one line per finished part with its time.
ImportResult RunImport(const ImportOptions& options,
                       const std::function<void(const std::string&)>& log);

}  // namespace orv
