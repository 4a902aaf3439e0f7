// Measuring the page's words: the extent of every word on each of its
// lines, the box widths, and the vertical layout of a word column.
#pragma once

namespace orv {

class Surface;
struct Page;
struct PageLayout;
struct Settings;

// Measures buffer entries first..last with the layout's fonts: each box's
// Hebrew extent and line extents and its width (the widest of them, and at
// least "000000" in the small number font while a number row shows); the
// line table, the Hebrew glyph height, the number row's height and the row
// height. Lines 1 up to the highest line with a selection are measured,
// also those without one between them, so the column keeps its shape.
void MeasurePage(Surface& surface, PageLayout& layout, const Page& page, const Settings& settings,
                 int first, int last);

// Whether the number row shows: Strong's numbers, or thematic values.
bool NumberRowShown(const Settings& settings);

}  // namespace orv
