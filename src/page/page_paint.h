// Painting the interlinear page: the header, verse labels, Hebrew words,
// first-occurrence underlines, the number row, the interlinear lines and
// the page range, and the King James column beside them.
#pragma once

namespace orv {

class Surface;
class TKJV;
struct Page;
struct PageEnv;
struct PageLayout;
struct ViewState;

// Paints the page. When view.relayoutNeeded is set the buffer is filled from
// view.currentCite (512 words, and the rest of the chapter when the page
// holds more), the words are measured and laid out, and the flag is
// cleared; otherwise the stored rows are drawn again. A position after its
// chapter's last word becomes the first word of the page that ends the
// chapter. When not one word fits, only the header is drawn.
void PaintPage(Surface& surface, PageLayout& layout, Page& page, PageEnv& env, ViewState& view);

// The King James text from the page position on, in the column right of
// the page, wrapped to its width; Strong's numbers in red, recorded for the
// hit test (at most 256). A missing King James file leaves it empty.
void PaintKjvColumn(Surface& surface, PageLayout& layout, TKJV& kjv, const PageEnv& env,
                    const ViewState& view);

// The screen's paint: the screen spacing, no footer, the page, and the King
// James column when `kjv` is given.
void PaintScreen(Surface& surface, PageLayout& layout, Page& page, PageEnv& env, ViewState& view,
                 TKJV* kjv);

}  // namespace orv
