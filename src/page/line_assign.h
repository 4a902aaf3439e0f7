// Giving each of the nine lines of a word column its source: line 0 the
// Hebrew source files, lines 1..8 the interlinear texts and translation
// databases that the eight line selections name.
#pragma once

#include <string>

#include "page/view_state.h"

namespace orv {

struct Page;
struct PageEnv;

// A source's stored directory as the line sources use it: "\ORV\" is put in
// front of an empty or relative path (one that starts with neither "\" nor
// "/" and has no ":" as its second character), and a "\" is added at the
// end when missing. "ILT_X\" -> "\ORV\ILT_X\", "C:\Data" -> "C:\Data\".
std::string ResolveSourcePath(const std::string& path);

// Sets up the line sources from the settings. The Hebrew line reads
// `programDir` (native) joined with the settings' data directory; when that
// changes the BOOK, WORD and FOC2 group is closed and opened again around
// the change. The CITE and XLAT group is closed while the lines are set up
// and opened again afterwards. A line whose directory or kind changed is
// closed and set up anew (a failed source thus gets another try); the
// others keep their open files. Records the highest line with a selection
// and the first line that shows an interlinear text, and sets
// `reloadWords` to kReadAgain.
void AssignSources(Page& page, PageEnv& env, const std::string& programDir,
                   WordReload& reloadWords);

}  // namespace orv
