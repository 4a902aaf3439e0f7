#include "page/page_rows.h"

#include <algorithm>
#include <string>

#include "config/settings.h"
#include "page/page_fill.h"
#include "page/page_layout.h"
#include "page/page_measure.h"
#include "page/view_state.h"
#include "platform/surface.h"

namespace orv {
namespace {

// The cursor of a forward layout.
struct Cursor {
  int x = 0;
  int y = 0;
  int row = 1;
  int position = 0;
  bool full = false;
};

bool Fits(const PageLayout& l, int y) {
  return !(l.geo.usableHeight + l.spacing.rowSp < y + l.rowHeight);
}

// Places an item of width w; false (nothing changed) when the page is full.
bool Place(PageLayout& l, Cursor& c, int w, int& x, int& y, int& row, int& position) {
  const SpacingSet& s = l.spacing;
  const PageGeometry& g = l.geo;
  Cursor next = c;
  bool newRow;
  if (l.direction < 0) {
    newRow = next.x < g.left + s.indent + w + s.wordSp;
    next.x = newRow ? g.right - s.rightMargin - w : next.x - s.wordSp - w;
  } else {
    newRow = g.right - s.rightMargin < w + s.wordSp + next.x;
    next.x = newRow ? g.left + s.indent : next.x + s.wordSp;
  }
  if (newRow) {
    next.y += l.rowHeight;
    ++next.row;
    next.position = 0;
  }
  if (!Fits(l, next.y)) return false;
  ++next.position;
  x = next.x;
  y = next.y;
  row = next.row;
  position = next.position;
  if (l.direction > 0) next.x += w;
  c = next;
  return true;
}

int DigitCount(int32_t v) { return static_cast<int>(std::to_string(v).size()); }

// Moves the items of every row so the row fills its width, but for `keepRow`.
void Justify(PageLayout& l, int keepRow) {
  struct RowItems {
    int items = 0;
    int lastX = 0;
    int lastWidth = 0;
    int lastPos = 0;
  };
  const int lastRow = l.lastPlaced ? l.box[static_cast<size_t>(l.lastPlaced)].row : 0;
  std::vector<RowItems> rows(static_cast<size_t>(std::max(lastRow, 1)) + 1);
  auto note = [&](int row, int pos, int x, int w) {
    if (row < 1 || row >= static_cast<int>(rows.size())) return;
    RowItems& r = rows[static_cast<size_t>(row)];
    ++r.items;
    if (pos > r.lastPos) r = {r.items, x, w, pos};
  };
  for (int k = l.firstPlaced; k && k <= l.lastPlaced; ++k) {
    const WordBox& b = l.box[static_cast<size_t>(k)];
    note(b.row, b.position, b.x, b.slot);
  }
  for (const VerseLabel& v : l.labels) note(v.row, v.position, v.x, v.width);
  auto shift = [&](int row, int pos) {
    const RowItems& r = rows[static_cast<size_t>(row)];
    if (row == keepRow || r.items <= 2) return 0;
    const int free = l.direction < 0
                         ? l.geo.left + l.spacing.indent - r.lastX
                         : l.geo.right - l.spacing.rightMargin - (r.lastX + r.lastWidth);
    return free * (pos - 1) / (r.items - 1);
  };
  for (int k = l.firstPlaced; k && k <= l.lastPlaced; ++k) {
    WordBox& b = l.box[static_cast<size_t>(k)];
    b.x += shift(b.row, b.position);
  }
  for (VerseLabel& v : l.labels) v.x += shift(v.row, v.position);
}

// The cursor at the end of its row, so that the next item opens a new row.
Cursor EndOfRow(const PageLayout& l, Cursor c) {
  c.x = l.direction < 0 ? l.geo.left : l.geo.right;
  return c;
}

Cursor StartCursor(const PageLayout& l) {
  Cursor c;
  c.y = l.firstRowY;
  c.x = l.direction < 0 ? l.geo.right + l.spacing.wordSp - l.spacing.rightMargin
                        : l.geo.left + l.spacing.indent - l.spacing.wordSp;
  return c;
}

}  // namespace

std::string VerseLabelText(int verse, int direction) {
  // Appended: for "(" + std::to_string(...), or an insert at 0, GCC 12 at
  // -O3 reports a false -Wrestrict inside std::string (GCC bug 105651).
  return direction < 0 ? std::string("(").append(std::to_string(verse))
                       : std::to_string(verse) + ")";
}

int SlotWidth(const PageLayout& layout, const Page& page, const Settings& settings, int k) {
  const WordEntry& e = page.buffer.entry[static_cast<size_t>(k)];
  int estimate = 0;
  if (settings.showStrongs) {
    int digits = DigitCount(e.strongs);
    estimate += (digits + (digits > 1 ? 1 : 0)) * layout.smallFontSize;
  }
  if (settings.thematic > 0) estimate += DigitCount(e.thematic) * layout.smallFontSize;
  return std::max(layout.box[static_cast<size_t>(k)].width, estimate);
}

void LayOutRows(Surface& surface, PageLayout& l, const Page& page, const Settings& settings,
                ViewState& view) {
  surface.SetFont(l.fonts.hebrew);
  l.labels.clear();
  l.firstPlaced = l.lastPlaced = 0;
  view.nextPageCite = kNullCite;
  Cursor c = StartCursor(l);
  int k = l.firstLoaded;
  for (; k >= 1 && k <= l.lastLoaded; ++k) {
    const WordEntry& e = page.buffer.entry[static_cast<size_t>(k)];
    if (settings.header == 2 &&
        (e.cite.book != view.currentCite.book || e.cite.chapter != view.currentCite.chapter)) {
      break;
    }
    const Cursor before = c;
    WordBox& b = l.box[static_cast<size_t>(k)];
    b.slot = SlotWidth(l, page, settings, k);
    if (e.cite.word == 1 && l.labels.size() < kMaxVerseLabels) {
      // A verse label stands in the row of its verse's first word: when the
      // word opens a new row, so does the label; when the word does not fit
      // on the page, neither does the label.
      VerseLabel v;
      v.text = VerseLabelText(e.cite.verse, l.direction);
      v.width = surface.TextWidth(v.text);
      v.word = k;
      if (!Place(l, c, v.width, v.x, v.y, v.row, v.position)) break;
      if (!Place(l, c, b.slot, b.x, b.y, b.row, b.position)) {
        c = before;
        break;
      }
      if (b.row != v.row) {
        c = EndOfRow(l, before);
        Place(l, c, v.width, v.x, v.y, v.row, v.position);
        Place(l, c, b.slot, b.x, b.y, b.row, b.position);
      }
      l.labels.push_back(v);
    } else if (!Place(l, c, b.slot, b.x, b.y, b.row, b.position)) {
      break;
    }
    if (!l.firstPlaced) l.firstPlaced = k;
    l.lastPlaced = k;
  }
  if (k >= 1 && k <= l.lastLoaded)
    view.nextPageCite = page.buffer.entry[static_cast<size_t>(k)].cite;
  if (!l.lastPlaced) return;
  l.rangeFirst = page.buffer.entry[static_cast<size_t>(l.firstPlaced)].cite;
  l.rangeLast = page.buffer.entry[static_cast<size_t>(l.lastPlaced)].cite;
  // The text's last row, and a chapter's, stays as it was placed.
  const bool runOut = l.lastPlaced == l.lastLoaded;
  const bool chapterEnds = view.nextPageCite.IsNull() ||
                           view.nextPageCite.chapter != l.rangeLast.chapter ||
                           view.nextPageCite.book != l.rangeLast.book;
  const int keepRow = runOut || chapterEnds ? l.box[static_cast<size_t>(l.lastPlaced)].row : 0;
  Justify(l, keepRow);
}

Citation BackwardLayout(Surface& surface, PageLayout& l, Page& page, PageEnv& env, ViewState& view,
                        Citation end) {
  view.relayoutNeeded = true;  // the buffer and the boxes no longer match the page
  FillResult r = FillBuffer(page, env, end, kPageWanted, view.reloadWords);
  const int last = std::min(r.first, page.buffer.count);
  if (last < 1) return end;
  MeasurePage(surface, l, page, env.settings, 1, last);
  // Rows from the page's end upwards: the same widths and gaps, the first
  // item of a row being the one nearest its end.
  const SpacingSet& s = l.spacing;
  const int rowRoom = l.geo.right - s.rightMargin - (l.geo.left + s.indent);
  int rows = 0;
  while (Fits(l, l.firstRowY + rows * l.rowHeight)) ++rows;
  if (rows == 0) return page.buffer.entry[static_cast<size_t>(last)].cite;
  surface.SetFont(l.fonts.hebrew);
  int row = 1;
  int used = -s.wordSp;
  int earliest = last;
  auto place = [&](int w) {
    if (used + s.wordSp + w > rowRoom && used > -s.wordSp) {
      if (++row > rows) return false;
      used = -s.wordSp;
    }
    used += s.wordSp + w;
    return true;
  };
  for (int k = last; k >= 1; --k) {
    const WordEntry& e = page.buffer.entry[static_cast<size_t>(k)];
    // The page ends with `end`, so with chapter headings it lies in end's
    // chapter (the page position may still be in the next one).
    if (env.settings.header == 2 && (e.cite.book != end.book || e.cite.chapter != end.chapter)) {
      break;
    }
    int& slot = l.box[static_cast<size_t>(k)].slot;
    slot = SlotWidth(l, page, env.settings, k);
    // A verse label shares the row of its verse's first word, as forwards.
    const int w =
        e.cite.word == 1
            ? slot + s.wordSp + surface.TextWidth(VerseLabelText(e.cite.verse, l.direction))
            : slot;
    if (!place(w)) break;
    earliest = k;
  }
  return page.buffer.entry[static_cast<size_t>(earliest)].cite;
}

}  // namespace orv
