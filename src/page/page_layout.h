// The laid-out interlinear page: where every word and verse label stands,
// the vertical layout of a word column, the page geometry and the spacing
// set, kept after painting for the hit tests, paging and printing.
//
// A word column, from its top: the number row (Strong's number and
// thematic value), the Hebrew word, then interlinear lines 1..8, each line
// `XlatSp` below the previous one. Rows run right to left on a
// right-to-left page; verse labels stand in the flow before a verse's
// first word.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/citation.h"
#include "page/page_words.h"
#include "platform/surface.h"

namespace orv {

struct Settings;

// With the King James column shown, the Hebrew takes this share of the width.
inline constexpr int kHebrewWidthPercent = 70;
inline constexpr int kMaxVerseLabels = 50;
inline constexpr int kMaxKjvHits = 256;

// Gaps and margins in device units; the screen and the printer differ.
struct SpacingSet {
  int titlSp = 5;   // above the header text; twice it is added to the header height
  int headSp = 0;   // between the header and the first row
  int xlatSp = 0;   // between the lines of a word column
  int rowSp = 8;    // below each row
  int indent = 10;  // kept free at the left end of every row
  int wordSp = 15;  // between the items of a row
  int footer = 0;   // kept free at the bottom
  int rightMargin = 10;
};

SpacingSet ScreenSpacing();
// The printer's set; `kjvShown` narrows the right margin to 60.
SpacingSet PrinterSpacing(bool kjvShown);

// The page's fonts, made from the settings: the display Hebrew font, the
// number font ("Arial" 10) and interlinear fonts 1..8 (index 0 unused).
struct PageFonts {
  FontSpec hebrew;
  FontSpec number{"Arial", 10, 0, kBlack};
  std::array<FontSpec, 9> line;
};
PageFonts MakePageFonts(const Settings& settings);

struct WordBox {
  int x = 0;
  int y = 0;      // top of the number row
  int width = 0;  // measured: Hebrew word, numbers and line texts
  int slot = 0;   // width the row gave it (at least `width`)
  int row = 0;
  int position = 0;  // 1-based within its row; labels count
  Extent hebrew;
  std::array<Extent, 9> line;  // [1..8]
};

struct VerseLabel {
  int x = 0;
  int y = 0;
  int width = 0;
  int row = 0;
  int position = 0;
  std::string text;
  int word = 0;  // the entry whose verse it opens
};

struct LineInfo {
  int offset = 0;  // from the top of a word column
  int height = 0;
  int direction = 1;
};

struct KjvHit {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int token = 0;
};

struct PageGeometry {
  Rect clip;
  int left = 0, right = 0, top = 0, bottom = 0;
  int usableWidth = 0, usableHeight = 0;
};

struct PageLayout {
  PageFonts fonts;
  SpacingSet spacing;
  PageGeometry geo;
  Rect savedClip;  // the screen's, restored after printing
  bool geometryChanged = true;
  bool printing = false;

  std::vector<WordBox> box = std::vector<WordBox>(kPageSlots);  // parallel to the buffer
  std::vector<VerseLabel> labels;
  std::array<LineInfo, 9> lines;  // [0] = the Hebrew word (offset = number row height)
  int highestLine = 0;
  int hebrewGlyphHeight = 0;
  int numberLineHeight = 0;
  int smallFontSize = 8;
  int rowHeight = 0;
  int headerHeight = 0;
  int firstRowY = 0;
  int direction = 1;  // the Hebrew source's: -1 right to left

  int firstLoaded = 0, lastLoaded = 0;  // entries the last fill gave
  int firstPlaced = 0, lastPlaced = 0;  // entries on the page; 0 when none
  Citation rangeFirst, rangeLast;       // first and last placed word

  std::vector<KjvHit> kjvHits;
};

// Reads the clipping rectangle into the geometry (a rectangle whose right
// edge is 0 or less changes nothing). `kjvShown` gives the King James column
// the right 30% of the width.
void DeriveGeometry(PageLayout& layout, const Rect& clip, bool kjvShown);

}  // namespace orv
