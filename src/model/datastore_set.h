// The seven datastore objects of the program, made once at start-up after
// the settings are read, and the first-occurrence view that marks first
// occurrences on the page.
#pragma once

#include "datastore/data_store.h"

namespace orv {

// First-occurrence views: which store the page tests first occurrences in.
// The negative values only close a view when switched to.
enum class FOccView {
  kCloseBook = -2,  // close BookFOccDS
  kCloseText = -1,  // close FOccDS
  kNone = 0,
  kText = 1,  // the whole text: FOccDS
  kBook = 2,  // the page's book: BookFOccDS
};

// The view the MarkFOcc setting stands for: 1 and 2 their views, -1 and -2
// (marking switched off) only close them, any other value none.
FOccView FOccViewSetting(int32_t markFOcc);

// The closing value of a view (kText -> kCloseText, kBook -> kCloseBook);
// kNone for any other.
FOccView ClosingView(FOccView view);

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

  // WordDS: every occurrence of every word; FOccDS: the first occurrence of
  // each word in the text, keyed by citation; FOc2DS: each word once with its
  // first citation, keyed by word; CiteDS: every word position with its
  // Strong's number and the user's choices; XlatDS: the user's definitions;
  // BookDS: the chapter offsets of the source files; BookFOccDS: the first
  // occurrences within one book, one file per book.
  TXRDataStore WordDS, FOccDS, FOc2DS, CiteDS, XlatDS, BookDS;
  TXRDS2 BookFOccDS;

  // The open first-occurrence store of the current view, nullptr when the
  // view is none or its store is not open. Always the store's live handle,
  // so a BookFOccDS.OpenBook for another book is followed automatically.
  TDSControl* ActiveFOcc() const;
  // The view last switched to (kNone, kText or kBook; a closing switch
  // leaves kNone).
  FOccView CurrentFOccView() const { return view_; }

  // `SetFOccView`: switches the first-occurrence view from `oldView` to `newView`:
  //  - equal views: nothing;
  //  - otherwise the old view's store is force-closed and the active handle
  //    cleared; from kText or kBook to a closing value that is all;
  //  - kCloseText/kCloseBook force-close FOccDS/BookFOccDS; kText opens
  //    FOccDS (with its prefix); kBook opens `currentBook`'s file in
  //    BookFOccDS, which fills it through its book filler when it is empty.
  // `oldView` is the caller's record of the view, taken as given.
  void SetFOccView(FOccView oldView, FOccView newView, int currentBook);

 private:
  FOccView view_ = FOccView::kNone;
};

}  // namespace orv
