// The seven datastore objects of the program, made once at start-up after
// the settings are read, and the first-occurrence view that marks first
// occurrences on the page.
#pragma once

#include "datastore/data_store.h"

namespace orv {

// First-occurrence views: which store the page tests first occurrences in.
inline constexpr int kFOccNone = 0;
inline constexpr int kFOccText = 1;  // the whole text: FOccDS
inline constexpr int kFOccBook = 2;  // the page's book: BookFOccDS

// Owns the datastore objects; opens nothing itself (the commands open what
// they need). Not copyable.
class DatastoreSet {
 public:
  // `hebrewDir` and `xlatDir` are stored directory paths ending in a
  // backslash, e.g. "\\ORV\\Source\\" (see platform/path_map.h). WORD, FOCC,
  // FOC2, BOOK and the per-book FOCC files live under hebrewDir; CITE and
  // XLAT under xlatDir. Every object gets its key comparison, order check and
  // prefix function here.
  DatastoreSet(const std::string& hebrewDir, const std::string& xlatDir);
  DatastoreSet(const DatastoreSet&) = delete;
  DatastoreSet& operator=(const DatastoreSet&) = delete;

  TXRDataStore WordDS, FOccDS, FOc2DS, CiteDS, XlatDS, BookDS;
  TXRDS2 BookFOccDS;

  // The open first-occurrence store of the current view, nullptr when the
  // view is none or its store is not open. Always the store's live handle,
  // so a BookFOccDS.OpenBook for another book is followed automatically.
  TDSControl* ActiveFOcc() const;
  // The view last switched to (0, 1 or 2; a closing switch leaves 0).
  int FOccView() const { return view_; }

  // Switches the first-occurrence view from `oldView` to `newView` (0 none,
  // 1 whole text, 2 the page's book; -1 and -2 only close view 1 or 2):
  //  - equal views: nothing;
  //  - otherwise the old view's store is force-closed and the active handle
  //    cleared; from a view above 0 to a negative one that is all;
  //  - new -1/-2 force-close FOccDS/BookFOccDS; new 1 opens FOccDS (with
  //    its prefix); new 2 opens `currentBook`'s file in BookFOccDS, which
  //    fills it through its book filler when it is empty.
  // `oldView` is the caller's record of the view, taken as given.
  void SetFOccView(int oldView, int newView, int currentBook);

 private:
  int view_ = kFOccNone;
};

}  // namespace orv
