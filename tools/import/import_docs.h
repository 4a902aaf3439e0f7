// The two documents supplied with the program and shown by its document
// viewer: "README.RTF" (release notes, credits and licences) and "HELP.RTF"
// (getting started).
#pragma once

#include <string>

#include "import/import_result.h"

namespace orv {

// Writes outDir + "README.RTF" and outDir + "HELP.RTF". Both use only a
// small part of RTF: one group "{\rtf1 ... }" holding plain ASCII text and
// the control words \par, \b, \b0, \i, \i0 and \fsN, each followed by a
// blank or a line end; no nested groups, escapes or other symbols. CR LF
// line ends, one paragraph per line. Fails naming the file it cannot write.
ImportResult WriteDocs(const std::string& outDir);

}  // namespace orv
