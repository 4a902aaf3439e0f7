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
  if (view_ == kFOccText) h = FOccDS.Handle();
  if (view_ == kFOccBook) h = BookFOccDS.Handle();
  return DSIsOpen(h) ? h : nullptr;
}

void DatastoreSet::SetFOccView(int oldView, int newView, int currentBook) {
  if (oldView == newView) return;
  if (oldView == kFOccText) FOccDS.ForceClose();
  if (oldView == kFOccBook) BookFOccDS.ForceClose();
  view_ = kFOccNone;
  if (oldView > 0 && newView < 0) return;
  switch (newView) {
    case -kFOccBook:
      BookFOccDS.ForceClose();
      break;
    case -kFOccText:
      FOccDS.ForceClose();
      break;
    case kFOccText:
      FOccDS.Open(true);
      view_ = kFOccText;
      break;
    case kFOccBook:
      BookFOccDS.OpenBook(currentBook);
      view_ = kFOccBook;
      break;
    default:
      break;
  }
}

}  // namespace orv
