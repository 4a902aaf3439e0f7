#include "page/page_print.h"

#include "config/settings.h"
#include "page/page_layout.h"
#include "page/page_paint.h"
#include "page/view_state.h"
#include "platform/surface.h"

namespace orv {
namespace {

void PaintFooter(Surface& s, const PageLayout& l) {
  FontSpec f = s.Font();
  FontSpec footer = f;
  footer.size = 12;
  footer.color = kBlack;
  s.SetFont(footer);
  const Rect& clip = l.geo.clip;
  s.TextOut(clip.left + (clip.Width() - s.TextWidth(kPrintFooter)) / 2,
            clip.bottom + l.spacing.titlSp - l.spacing.footer, kPrintFooter);
  s.SetFont(f);
}

}  // namespace

int PrintPages(PrinterSurface& printer, PageLayout& layout, Page& page, PageEnv& env,
               ViewState& view, TKJV* kjv, PrintScope scope) {
  // The job runs on its own copy of the settings: chapter headings on.
  Settings jobSettings = env.settings;
  jobSettings.header = 2;
  PageEnv job{jobSettings, env.stores, env.ui};

  layout.spacing = PrinterSpacing(env.settings.showKJV);
  layout.printing = true;
  layout.geometryChanged = true;
  FontSpec f = layout.fonts.number;
  f.size = 12;
  printer.SetFont(f);
  layout.spacing.footer = printer.TextHeight(kPrintFooter) + 2 * layout.spacing.titlSp;

  const Citation saved = view.currentCite;
  if (scope == PrintScope::kChapter) {
    view.currentCite.verse = 1;
    view.currentCite.word = 1;
  }
  int pages = 0;
  while (true) {
    view.relayoutNeeded = true;
    PaintPage(printer, layout, page, job, view);
    if (kjv && env.settings.showKJV) PaintKjvColumn(printer, layout, *kjv, job, view);
    PaintFooter(printer, layout);
    ++pages;
    const Citation next = view.nextPageCite;
    // A page that placed nothing, or did not move on, would print forever.
    if (scope == PrintScope::kPage || layout.lastPlaced == 0 ||
        next.book != view.currentCite.book || next.chapter != view.currentCite.chapter ||
        !(view.currentCite < next)) {
      break;
    }
    if (!printer.NewPage()) break;
    view.currentCite = next;
  }

  view.currentCite = saved;
  layout.printing = false;
  view.relayoutNeeded = true;
  layout.spacing = ScreenSpacing();
  DeriveGeometry(layout, layout.savedClip, env.settings.showKJV);
  layout.geometryChanged = true;
  return pages;
}

}  // namespace orv
