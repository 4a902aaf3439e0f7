#include "page/page_paint.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "config/settings.h"
#include "kjv/kjv_line.h"
#include "kjv/kjv_text.h"
#include "model/datastore_set.h"
#include "model/hebrew_glyphs.h"
#include "model/records.h"
#include "page/gloss_reverse.h"
#include "page/page_fill.h"
#include "page/page_layout.h"
#include "page/page_measure.h"
#include "page/page_rows.h"
#include "page/view_state.h"
#include "platform/surface.h"

namespace orv {
namespace {

FontSpec WithSize(FontSpec f, int size, Rgb color = kBlack) {
  f.size = size;
  f.color = color;
  return f;
}

const WordEntry& Entry(const Page& page, int k) {
  return page.buffer.entry[static_cast<size_t>(k)];
}

// The header of the page at `c`: the book title (header mode 1, at the
// book's start) or the chapter heading (mode 2, at a chapter's start) with
// its font size; size 0 for none.
struct Header {
  std::string text;
  int size = 0;
};

Header HeaderAt(const Page& page, const Settings& st, Citation c) {
  const std::string& title = page.lines.source[0].bookTitle;
  if (st.header == 1 && c.chapter == 1 && c.verse == 1 && c.word == 1) return {title, st.titleSize};
  if (st.header == 2 && c.verse == 1 && c.word == 1) {
    return {title + " " + std::to_string(c.chapter), st.chapterSize};
  }
  return {};
}

// Sets the header's height, the first row's y and the page's direction;
// draws the header when `draw`.
void LayOutHeader(Surface& s, PageLayout& l, const Page& page, const Settings& st,
                  const ViewState& v, bool draw) {
  const SpacingSet& sp = l.spacing;
  s.SetFont(WithSize(l.fonts.number, 10));
  const Header h = HeaderAt(page, st, v.currentCite);
  if (h.size > 0) {
    s.SetFont(WithSize(l.fonts.number, h.size));
    const Extent e = s.TextExtent(h.text);
    if (draw) s.TextOut(l.geo.clip.left + (l.geo.clip.Width() - e.width) / 2, sp.titlSp, h.text);
    l.headerHeight = e.height + 2 * sp.titlSp;
  } else {
    l.headerHeight = s.TextHeight("XXX123") + 2 * sp.titlSp;
  }
  l.firstRowY = l.headerHeight + sp.headSp;
  l.direction = page.lines.source[0].direction < 0 ? -1 : 1;
}

// Fills the buffer with `wanted` words from the page position and measures
// them.
FillResult LoadWords(Surface& s, PageLayout& l, Page& page, PageEnv& env, ViewState& view,
                     int wanted) {
  FillResult r = FillBuffer(page, env, view.currentCite, wanted, view.reloadWords);
  l.firstLoaded = r.first;
  l.lastLoaded = std::min(r.last, page.buffer.count);
  MeasurePage(s, l, page, env.settings, l.firstLoaded, l.lastLoaded);
  for (int n = 0; n < kLineCount; ++n) {
    l.lines[static_cast<size_t>(n)].direction = page.lines.source[static_cast<size_t>(n)].direction;
  }
  return r;
}

// Whether the rows stopped only because the loaded words ran out while the
// chapter has more that the buffer can take.
bool RanOutOfWords(const PageLayout& l, const Page& page) {
  return l.lastPlaced > 0 && l.lastPlaced == l.lastLoaded && !page.buffer.endOfChapter &&
         page.buffer.count < kPageSlots - 1;
}

// Lays out the rows from the page position. A page that holds more words
// than were loaded must not end early (the next page would skip the rest of
// the chapter): the rest of the chapter is loaded and the rows laid out again.
void LayOutPage(Surface& s, PageLayout& l, Page& page, PageEnv& env, ViewState& view) {
  LayOutRows(s, l, page, env.settings, view);
  if (!RanOutOfWords(l, page)) return;
  LoadWords(s, l, page, env, view, kPageSlots - l.firstLoaded);
  LayOutRows(s, l, page, env.settings, view);
}

void PaintLabels(Surface& s, const PageLayout& l) {
  s.SetFont(WithSize(l.fonts.number, l.fonts.hebrew.size));
  for (const VerseLabel& v : l.labels) s.TextOut(v.x, v.y + l.numberLineHeight, v.text);
}

void PaintHebrew(Surface& s, const PageLayout& l, const Page& page, const ViewState& v) {
  FontSpec font = l.fonts.hebrew;
  int countdown = 0;
  bool marking = false;
  for (int k = l.firstPlaced; k <= l.lastPlaced; ++k) {
    const WordEntry& e = Entry(page, k);
    const WordBox& b = l.box[static_cast<size_t>(k)];
    if (!v.highlightCite.IsNull() && e.cite == v.highlightCite) {
      marking = true;
      countdown = v.highlightRun;
    }
    font.color = marking ? kBlue : kBlack;
    s.SetFont(font);
    // Storage letters have no final forms; the display font draws them from
    // upper-case marks set while the word is still in reading order.
    const std::string shown = font.name == "Orvane Hebrew" ? MarkFinalForms(e.hebrew) : e.hebrew;
    const std::string text = l.direction < 0 ? ReverseWord(shown) : shown;
    s.TextOut(b.x + (b.width - b.hebrew.width) / 2, b.y + l.numberLineHeight, text);
    if (countdown < 1)
      marking = false;
    else
      --countdown;
  }
}

void PaintFirstOccurrences(Surface& s, const PageLayout& l, const Page& page, PageEnv& env) {
  TDSControl* focc = env.stores.ActiveFOcc();
  if (env.settings.markFOcc <= 0 || !focc) return;
  s.SetPenColor(kGreen);
  for (int k = l.firstPlaced; k <= l.lastPlaced; ++k) {
    FoccRec key{};
    key.cite = Entry(page, k).cite;
    int32_t recNo = 0;
    if (DSFind(focc, &key, recNo) != kDSFound) continue;
    const WordBox& b = l.box[static_cast<size_t>(k)];
    const int x0 = b.x + (b.width - b.hebrew.width) / 2;
    const int yb = b.y + l.numberLineHeight + b.hebrew.height - 3;
    s.MoveTo(x0, yb);
    s.LineTo(x0 + b.hebrew.width, yb);
  }
  s.SetPenColor(kBlack);
}

void PaintStrongs(Surface& s, const PageLayout& l, const Page& page, const Settings& st) {
  if (!st.showStrongs) return;
  s.SetFont(WithSize(l.fonts.number, l.smallFontSize, kRed));
  const int z = s.TextWidth("0");
  for (int k = l.firstPlaced; k <= l.lastPlaced; ++k) {
    std::string text = std::to_string(Entry(page, k).strongs);
    if (text != "0") text = "0" + text;
    const WordBox& b = l.box[static_cast<size_t>(k)];
    const int x = b.x + b.width / 2;
    s.TextOut(st.thematic > 0 ? x + z : x - s.TextWidth(text) / 2, b.y, text);
  }
}

// Each word's value in the number row, and under each verse label the sum
// of the verse before it (the page's last verse has no sum drawn).
void PaintThematic(Surface& s, const PageLayout& l, const Page& page, const Settings& st) {
  if (st.thematic <= 0) return;
  s.SetFont(WithSize(l.fonts.number, l.smallFontSize, kGreen));
  const Citation first = Entry(page, l.firstPlaced).cite;
  int verse = first.verse;
  size_t label = first.word == 1 ? 1 : 0;
  int64_t sum = 0;
  const int end = l.geo.right - l.spacing.rightMargin;
  for (int k = l.firstPlaced; k <= l.lastPlaced; ++k) {
    const WordEntry& e = Entry(page, k);
    const WordBox& b = l.box[static_cast<size_t>(k)];
    const std::string text = std::to_string(e.thematic);
    const int w = s.TextWidth(text);
    const int centre = b.x + b.width / 2;
    s.TextOut(st.showStrongs ? centre - w : centre - w / 2, b.y, text);
    if (e.cite.verse != verse) {
      if (label > 0 && label <= l.labels.size()) {
        const VerseLabel& v = l.labels[label - 1];
        const std::string total = std::to_string(sum);
        const int tw = s.TextWidth(total);
        s.TextOut(std::min(v.x, end - tw), v.y, total);
      }
      ++label;
      verse = e.cite.verse;
      sum = 0;
    }
    sum += e.thematic;
  }
}

void PaintLines(Surface& s, const PageLayout& l, const Page& page, const Settings& st) {
  for (int n = 1; n <= l.highestLine; ++n) {
    if (st.il.Selection(n) <= 0) continue;
    const int d = page.lines.source[static_cast<size_t>(n)].direction < 0 ? -1 : 1;
    const int mode = st.flowWith && d != l.direction ? 2 : d;
    s.SetFont(l.fonts.line[static_cast<size_t>(n)]);
    for (int k = l.firstPlaced; k <= l.lastPlaced; ++k) {
      const std::string& text = Entry(page, k).text[static_cast<size_t>(n)];
      const WordBox& b = l.box[static_cast<size_t>(k)];
      const int x = b.x + (b.width - b.line[static_cast<size_t>(n)].width) / 2;
      const int y = b.y + l.lines[static_cast<size_t>(n)].offset;
      s.TextOut(x, y, mode == 1 ? text : ReverseHyphenatedGloss(text));
    }
  }
}

void PaintRange(Surface& s, const PageLayout& l, const Page& page) {
  s.SetFont(WithSize(l.fonts.number, 10));
  std::string label = page.lines.source[0].citeStyle;
  while (!label.empty() && label.back() == ' ') label.pop_back();
  const Citation a = l.rangeFirst;
  const Citation z = l.rangeLast;
  const std::string text = label + " " + std::to_string(a.chapter) + ":" + std::to_string(a.verse) +
                           "-" + std::to_string(z.chapter) + ":" + std::to_string(z.verse);
  s.TextOut(l.geo.clip.right - l.spacing.rightMargin - s.TextWidth(text), l.spacing.titlSp, text);
}

}  // namespace

void PaintPage(Surface& surface, PageLayout& l, Page& page, PageEnv& env, ViewState& view) {
  const Settings& st = env.settings;
  FillResult loaded;
  if (view.relayoutNeeded) loaded = LoadWords(surface, l, page, env, view, kPageWanted);
  if (l.geometryChanged) {
    const Rect clip = surface.ClipRect();
    if (clip.right > 0) {
      DeriveGeometry(l, clip, st.showKJV);
      if (!l.printing) l.savedClip = clip;
      l.geometryChanged = false;
    }
  }
  if (loaded.pastEnd) {
    // A position after the chapter's last word shows the page that ends the
    // chapter.
    LayOutHeader(surface, l, page, st, view, false);
    const Citation last = page.buffer.entry[static_cast<size_t>(page.buffer.count)].cite;
    view.currentCite = BackwardLayout(surface, l, page, env, view, last);
    LoadWords(surface, l, page, env, view, kPageWanted);
  }
  LayOutHeader(surface, l, page, st, view, true);
  if (view.relayoutNeeded) {
    LayOutPage(surface, l, page, env, view);
    view.relayoutNeeded = false;
  }
  if (l.lastPlaced == 0) return;
  PaintLabels(surface, l);
  PaintHebrew(surface, l, page, view);
  PaintFirstOccurrences(surface, l, page, env);
  PaintStrongs(surface, l, page, st);
  PaintThematic(surface, l, page, st);
  PaintLines(surface, l, page, st);
  PaintRange(surface, l, page);
}

void PaintKjvColumn(Surface& s, PageLayout& l, TKJV& kjv, const PageEnv& env,
                    const ViewState& view) {
  l.kjvHits.clear();
  FontSpec font = WithSize(l.fonts.number, 10);
  s.SetFont(font);
  const int x0 = l.geo.right + l.spacing.rightMargin;
  const int limit = l.geo.clip.right - l.spacing.indent;
  const int lineHeight = s.TextHeight("A");
  const int lowest = l.geo.bottom - lineHeight;
  const int blank = s.TextWidth(" ");
  int y = l.headerHeight;
  if (y > lowest) return;
  kjv.SetShowNumbers(env.settings.showStrongs);
  int i = 0;
  try {
    i = kjv.LoadVerse(view.currentCite);
  } catch (const KjvError&) {
    return;  // no King James text for this book: the column stays empty
  }
  if (!kjv.VerseFound()) return;
  int x = x0;
  auto wrapFor = [&](int w) {
    if (x == x0 || x + w <= limit) return true;
    x = x0;
    y += lineHeight;
    // A line may start above the lowest line start, never at it.
    return y < lowest;
  };
  for (; i != 0; i = kjv.NextToken()) {
    const std::string token(kjv.TokenText(i));
    const int w = s.TextWidth(token);
    if (!wrapFor(w)) break;
    if (IsKjvVerseMarker(token) && x != x0) {
      x += 2 * blank;
      if (!wrapFor(w)) break;
    }
    const bool number = !token.empty() && std::isdigit(static_cast<unsigned char>(token.back()));
    font.color = number ? kRed : kBlack;
    s.SetFont(font);
    s.TextOut(x, y, token);
    if (number && l.kjvHits.size() < kMaxKjvHits) l.kjvHits.push_back({x, y, w, lineHeight, i});
    x += w + blank;
  }
}

void PaintScreen(Surface& surface, PageLayout& layout, Page& page, PageEnv& env, ViewState& view,
                 TKJV* kjv) {
  layout.spacing = ScreenSpacing();
  PaintPage(surface, layout, page, env, view);
  if (kjv && env.settings.showKJV) PaintKjvColumn(surface, layout, *kjv, env, view);
}

}  // namespace orv
