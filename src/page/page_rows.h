// Placing the page's words in rows, forwards from the page position and
// backwards from a page's last word.
#pragma once

#include <string>

#include "model/citation.h"

namespace orv {

class Surface;
struct Page;
struct PageEnv;
struct PageLayout;
struct Settings;
struct ViewState;

// Lays out the measured entries layout.firstLoaded..lastLoaded from the
// first row down: a verse label before each verse's first word, items from
// the right end (right-to-left page) or the left end, a new row when the
// next item does not fit, until the page is full, the chapter ends (header
// mode 2) or the words run out. A label stands in the row of its word: it
// opens a new row with the word when the word would, and is taken back when
// the word does not fit, so neither a row nor a page ends on a label. Rows
// of three items or more are
// justified, except the row of the chapter's or the loaded text's last
// word. Sets the placed range, the page range and view.nextPageCite (null
// when the loaded words ran out). A first row that does not fit places
// nothing.
void LayOutRows(Surface& surface, PageLayout& layout, const Page& page, const Settings& settings,
                ViewState& view);

// The citation of the first word of the page that ends with the word at
// `end`: the buffer is filled at `end`, the words before it are measured
// and placed backwards with the same rules until the page is full, the
// chapter's first word has been placed, or (header mode 2) a word of
// another chapter than `end`'s comes. Leaves view.relayoutNeeded set.
Citation BackwardLayout(Surface& surface, PageLayout& layout, Page& page, PageEnv& env,
                        ViewState& view, Citation end);

// Width that the row gives entry k: its box width, raised to the room its
// numbers need (Strong's number digits, plus one when more than one, and
// the thematic value's digits, each a small-font size wide).
int SlotWidth(const PageLayout& layout, const Page& page, const Settings& settings, int k);

// The verse label of entry k's verse, "(" + verse on a right-to-left page,
// verse + ")" otherwise.
std::string VerseLabelText(int verse, int direction);

}  // namespace orv
