// The start and Find Next of the searches for runs of words (thematic value
// and embedded word): the dialogs hand over a run filter (run_scan.h), and
// the scan walks CITE with FOC2 from Genesis 1:1 or from the page, jumping
// to each match with its words marked.
#pragma once

#include <memory>

#include "search/run_scan.h"
#include "search/search_env.h"

namespace orv {

inline constexpr const char kNoThematicMatches[] = "No matches to thematic value";
inline constexpr const char kNoMoreThematicMatches[] = "No more matches to thematic value";
inline constexpr const char kNoEmbeddedMatches[] = "No matches to embedded search term";
inline constexpr const char kNoMoreEmbeddedMatches[] = "No more matches to embedded term";

// Replaces the last search with a scan by `filter`: from the CITE record of
// the page's CurrentCite when `fromHere` (the next record when that word has
// none), else from the first record. A match sets `mode`, remembers the
// run's last record and jumps to the run (GoToCiteRun: its first word, its
// words marked); otherwise kNoThematicMatches or kNoEmbeddedMatches, mode
// kNone, and CITE and FOC2 released. True on a match.
// Requires: `mode` is kThematic or kEmbedded; `filter` is not null.
bool StartRunSearch(SearchEnv& env, std::unique_ptr<RunFilter> filter, bool fromHere,
                    SearchMode mode);

// Find Next in modes kThematic and kEmbedded: the filter is reset and the
// scan goes on after the last match's last word; at the end
// kNoMoreThematicMatches or kNoMoreEmbeddedMatches, mode kNone, releases as
// above.
bool ContinueRunSearch(SearchEnv& env);

}  // namespace orv
