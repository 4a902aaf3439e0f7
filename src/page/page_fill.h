// Filling the page's word buffer: the words of one chapter from its first
// word, merged from the nine line sources in citation order, each with its
// Strong's number and thematic value.
#pragma once

#include "model/citation.h"
#include "page/view_state.h"

namespace orv {

struct Page;
struct PageEnv;

struct FillResult {
  // Entry of the page position, or of the first word after it. A position
  // past the chapter's end gives 1 and sets pastEnd; one past the words of a
  // chapter cut at entry 1279 gives 1280 - wanted (the last words there are).
  int first = 0;
  int last = 0;          // last entry loaded
  bool pastEnd = false;  // the position lies after the chapter's last word
};

// Makes the buffer hold `wanted` words from `position` on where the chapter
// has them, reading only what is missing. Empties the buffer first (writing
// pending interlinear edits) when `reloadWords` is not kValid or the buffer holds
// another chapter; sets `reloadWords` to kValid. A chapter longer than the buffer
// is cut at entry 1279.
//
// Each entry's citation is the smallest citation among the words the text
// sources hold next, so a word that one source lacks leaves only that line
// empty; a source's word waits until the entry with its citation comes.
// Line sources that cannot be placed, or fail while reading, leave their
// lines empty for the rest of the chapter. Strong's numbers come from CITE
// (when shown), matched to the entry by citation.
FillResult FillBuffer(Page& page, PageEnv& env, Citation position, int wanted,
                      WordReload& reloadWords);

// Empties the buffer, writing pending interlinear edits first.
void EmptyBuffer(Page& page, PageEnv& env);

}  // namespace orv
