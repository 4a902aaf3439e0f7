#include "page/page_layout.h"

#include "config/settings.h"

namespace orv {
namespace {

// A font size the settings left at 0 (never chosen) gets a readable one.
int SizeOr(int size, int fallback) { return size > 0 ? size : fallback; }

}  // namespace

SpacingSet ScreenSpacing() { return SpacingSet{}; }

SpacingSet PrinterSpacing(bool kjvShown) {
  SpacingSet s;
  s.titlSp = 5;
  s.headSp = 60;
  s.xlatSp = 6;
  s.rowSp = 36;
  s.indent = 150;
  s.wordSp = 40;
  s.rightMargin = kjvShown ? 60 : 150;
  return s;
}

PageFonts MakePageFonts(const Settings& settings) {
  PageFonts f;
  f.hebrew = FontSpec{settings.displayFont.name, SizeOr(settings.displayFont.size, 20), 0, kBlack};
  for (size_t n = 1; n < f.line.size(); ++n) {
    const FontSetting& il = settings.ilFont[n - 1];
    f.line[n] = FontSpec{il.name.empty() ? "Arial" : il.name, SizeOr(il.size, 10), 0, kBlack};
  }
  return f;
}

void DeriveGeometry(PageLayout& layout, const Rect& clip, bool kjvShown) {
  if (clip.right <= 0) return;
  PageGeometry& g = layout.geo;
  g.clip = clip;
  g.left = clip.left;
  g.right = kjvShown ? clip.right * kHebrewWidthPercent / 100 : clip.right;
  g.top = clip.top;
  g.bottom = clip.bottom - layout.spacing.footer;
  g.usableWidth = g.right - g.left;
  g.usableHeight = g.bottom - g.top;
}

}  // namespace orv
