#include "page/page_stores.h"

#include "model/datastore_set.h"
#include "page/ilt_writeback.h"
#include "page/page_words.h"

namespace orv {

void OpenHebrewGroup(DatastoreSet& stores) {
  stores.BookDS.Open(true);
  stores.WordDS.Open(true);
  stores.FOc2DS.Open(true);
}

void OpenXlatGroup(DatastoreSet& stores) {
  stores.CiteDS.Open(true);
  stores.XlatDS.Open(true);
}

void CloseHebrewGroup(DatastoreSet& stores) {
  stores.BookDS.ForceClose();
  stores.WordDS.ForceClose();
  stores.FOc2DS.ForceClose();
}

void CloseXlatGroup(DatastoreSet& stores) {
  stores.CiteDS.ForceClose();
  TDSControl* xlat = stores.XlatDS.Handle();
  int64_t slack = 0;
  // Deleted definitions leave holes; a pack at close keeps the file small.
  if (DSIsOpen(xlat) && DSSlack(xlat, slack) == kDSOk && slack > 2048) DSPack(xlat);
  stores.XlatDS.ForceClose();
}

void FinishPage(Page& page, PageEnv& env) {
  WritePendingEdits(page, env);
  FOccView view = env.stores.CurrentFOccView();
  if (view != FOccView::kNone) {
    env.stores.SetFOccView(view, ClosingView(view), env.stores.BookFOccDS.CurrentBook());
  }
  CloseHebrewGroup(env.stores);
  CloseXlatGroup(env.stores);
  for (int n = 0; n <= page.lines.highestLine && n < kLineCount; ++n) {
    SourceClose(page.lines.source[static_cast<size_t>(n)]);
  }
}

}  // namespace orv
