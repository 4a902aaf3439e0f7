#include "model/datastore_set.h"

#include "datastore/ds_object.h"
#include "model/books.h"
#include "model/key_orders.h"

namespace orv {

DatastoreSet::DatastoreSet(const std::string& hebrewDir, const std::string& xlatDir)
    : WordDS(hebrewDir + "WORD.XRD", true, 16, "WORD", 1),
      FOccDS(hebrewDir + "FOCC.XRD", false, 16, "FOCC", 1),
      FOc2DS(hebrewDir + "FOC2.XRD", false, 32, "FOC2", 1),
      CiteDS(xlatDir + "CITE.XRD", false, 12, "CITE", 2),
      XlatDS(xlatDir + "XLAT.XRD", false, 256, "XLAT", 3),
      BookDS(hebrewDir + "BOOK.XRD", false, 8, "BOOK", 4),
      BookFOccDS(
          [hebrewDir](int book) {
            return book <= kBookCount ? hebrewDir + "FOCC\\" + BookCode(book) + ".XRD"
                                      : std::string();
          },
          false, 16, "FOCC", 1) {
  // WORD keeps a word's occurrences in text order, which the word order alone
  // cannot see; the other stores' keys are unique, so their key comparison
  // is their order check.
  WordDS.SetCompare(WordOrder, WordCiteOrder, WordPrefix);
  FOccDS.SetCompare(FoccCiteOrder, nullptr, FoccCitePrefix);
  FOc2DS.SetCompare(WordOrder, nullptr, WordPrefix);
  CiteDS.SetCompare(CiteOrder, nullptr, CitePrefix);
  XlatDS.SetCompare(WordOrder, nullptr, WordPrefix);
  BookDS.SetCompare(BookOrder, nullptr, BookPrefix);
  BookFOccDS.SetCompare(FoccCiteOrder, nullptr, FoccCitePrefix);
}

// Computed from the view rather than remembered: a remembered pointer would
// dangle once the per-book store moves to another book's file.
TDSControl* DatastoreSet::ActiveFOcc() const {
  TDSControl* h = nullptr;
  if (view_ == FOccView::kText) h = FOccDS.Handle();
  if (view_ == FOccView::kBook) h = BookFOccDS.Handle();
  return DSIsOpen(h) ? h : nullptr;
}

FOccView FOccViewSetting(int32_t markFOcc) {
  switch (markFOcc) {
    case -2:
      return FOccView::kCloseBook;
    case -1:
      return FOccView::kCloseText;
    case 1:
      return FOccView::kText;
    case 2:
      return FOccView::kBook;
    default:
      return FOccView::kNone;
  }
}

FOccView ClosingView(FOccView view) {
  if (view == FOccView::kText) return FOccView::kCloseText;
  if (view == FOccView::kBook) return FOccView::kCloseBook;
  return FOccView::kNone;
}

void DatastoreSet::SetFOccView(FOccView oldView, FOccView newView, int currentBook) {
  if (oldView == newView) return;
  if (oldView == FOccView::kText) FOccDS.ForceClose();
  if (oldView == FOccView::kBook) BookFOccDS.ForceClose();
  view_ = FOccView::kNone;
  const bool oldOpen = oldView == FOccView::kText || oldView == FOccView::kBook;
  const bool newCloses = newView == FOccView::kCloseText || newView == FOccView::kCloseBook;
  if (oldOpen && newCloses) return;
  switch (newView) {
    case FOccView::kCloseBook:
      BookFOccDS.ForceClose();
      break;
    case FOccView::kCloseText:
      FOccDS.ForceClose();
      break;
    case FOccView::kText:
      FOccDS.Open(true);
      view_ = FOccView::kText;
      break;
    case FOccView::kBook:
      BookFOccDS.OpenBook(currentBook);
      view_ = FOccView::kBook;
      break;
    case FOccView::kNone:
      break;
  }
}

}  // namespace orv
