// Moving the reading position: jumps that the history records, the steps by
// page, verse, chapter and book, and the history's Backward and Foreward.
// Each step returns whether the position changed; the caller then asks for
// a new layout and a repaint. Chapter and verse counts come from BOOK.
#pragma once

#include <functional>
#include <string>

#include "model/citation.h"
#include "page/view_state.h"

namespace orv {

class CiteCounts;
class DatastoreSet;
struct ViewState;

inline constexpr const char kInvalidCite[] = "Invalid cite";

// The history's steps (PushHistory, GoToCite and GoToCiteRun are in
// page/view_state.h, where the searches reach them too).
bool GoBackward(ViewState& v);
bool GoForward(ViewState& v);

// Go to verse: `text` read by the citation parser from the current
// position. Empty text changes nothing and returns true. A citation that
// does not parse returns false (the caller shows kInvalidCite). Otherwise
// it becomes the position (word included) and goes into the history with
// no mark.
bool GoToVerse(ViewState& v, const std::string& text, CiteCounts& counts);

bool NextBook(ViewState& v);
bool NextChapter(ViewState& v, CiteCounts& counts);
bool NextVerse(ViewState& v, CiteCounts& counts);
bool NextPage(ViewState& v, CiteCounts& counts);
bool PrevBook(ViewState& v);
bool PrevChapter(ViewState& v, CiteCounts& counts);
bool PrevVerse(ViewState& v, CiteCounts& counts);
bool ChapterStart(ViewState& v);
bool BookStart(ViewState& v);

// The last word before the page position: one word back within the verse,
// else the CITE record before the verse's first word. False when there is
// none (Genesis 1:1, CITE not open or no earlier record).
bool WordBeforePage(const ViewState& v, DatastoreSet& stores, Citation& end);

// Prev Page: nothing at Genesis 1:1 word 1; else the page that ends just
// before the position, found by `backward` (the backward layout), or the
// book's start when no word lies before it.
bool PrevPage(ViewState& v, DatastoreSet& stores,
              const std::function<Citation(Citation end)>& backward);

}  // namespace orv
