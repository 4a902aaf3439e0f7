#include "session/navigation.h"

#include "cite/cite_counts.h"
#include "cite/cite_parse.h"
#include "model/books.h"
#include "model/datastore_set.h"
#include "model/records.h"
#include "page/view_state.h"

namespace orv {
namespace {

bool Move(ViewState& v, Citation to) {
  if (to == v.currentCite) return false;
  v.currentCite = to;
  return true;
}

Citation At(int book, int chapter, int verse) {
  return {static_cast<uint8_t>(book), static_cast<uint8_t>(chapter), static_cast<uint8_t>(verse),
          1};
}

}  // namespace

bool GoBackward(ViewState& v) {
  if (v.historyPos <= 1) return false;
  --v.historyPos;
  v.currentCite = v.history[static_cast<size_t>(v.historyPos)].cite;
  v.highlightCite = v.history[static_cast<size_t>(v.historyPos)].mark;
  return true;
}

bool GoForward(ViewState& v) {
  if (v.historyPos >= v.historyCount) return false;
  ++v.historyPos;
  v.currentCite = v.history[static_cast<size_t>(v.historyPos)].cite;
  v.highlightCite = v.history[static_cast<size_t>(v.historyPos)].mark;
  return true;
}

bool GoToVerse(ViewState& v, const std::string& text, CiteCounts& counts) {
  if (text.empty()) return true;
  Citation cite = v.currentCite;
  if (ParseCitation(text, cite, counts) != kCiteOk) return false;
  v.currentCite = cite;
  PushHistory(v, cite, kNullCite);
  v.relayoutNeeded = true;
  return true;
}

bool NextBook(ViewState& v) {
  if (v.currentCite.book >= kBookCount) return false;
  return Move(v, At(v.currentCite.book + 1, 1, 1));
}

bool NextChapter(ViewState& v, CiteCounts& counts) {
  const Citation c = v.currentCite;
  if (c.chapter >= counts.Chapters(c.book)) return NextBook(v);
  return Move(v, At(c.book, c.chapter + 1, 1));
}

bool NextVerse(ViewState& v, CiteCounts& counts) {
  const Citation c = v.currentCite;
  if (c.verse < counts.Verses(c.book, c.chapter))
    return Move(v, At(c.book, c.chapter, c.verse + 1));
  return NextChapter(v, counts);
}

bool NextPage(ViewState& v, CiteCounts& counts) {
  if (v.nextPageCite.book != 0 && v.nextPageCite.chapter != 0) return Move(v, v.nextPageCite);
  return NextChapter(v, counts);
}

bool PrevBook(ViewState& v) {
  const Citation c = v.currentCite;
  if (c.chapter == 1 && c.verse == 1 && c.word == 1) {
    if (c.book <= 1) return false;
    return Move(v, At(c.book - 1, 1, 1));
  }
  return Move(v, At(c.book, 1, 1));
}

bool PrevChapter(ViewState& v, CiteCounts& counts) {
  const Citation c = v.currentCite;
  if (c.chapter >= 2) return Move(v, At(c.book, c.chapter - 1, 1));
  if (c.book > 1) return Move(v, At(c.book - 1, counts.Chapters(c.book - 1), 1));
  if (c.verse == 1 || c.word == 1) return false;
  return Move(v, At(c.book, c.chapter, 1));
}

bool PrevVerse(ViewState& v, CiteCounts& counts) {
  const Citation c = v.currentCite;
  if (c.verse >= 2) return Move(v, At(c.book, c.chapter, c.verse - 1));
  if (c.chapter >= 2) {
    return Move(v, At(c.book, c.chapter - 1, counts.Verses(c.book, c.chapter - 1)));
  }
  if (c.book >= 2) {
    const int chapter = counts.Chapters(c.book - 1);
    return Move(v, At(c.book - 1, chapter, counts.Verses(c.book - 1, chapter)));
  }
  return false;
}

bool ChapterStart(ViewState& v) {
  const Citation c = v.currentCite;
  if (c.verse == 1 && c.word == 1) return false;
  return Move(v, At(c.book, c.chapter, 1));
}

bool BookStart(ViewState& v) {
  const Citation c = v.currentCite;
  if (c.chapter == 1 && c.verse == 1 && c.word == 1) return false;
  return Move(v, At(c.book, 1, 1));
}

bool WordBeforePage(const ViewState& v, DatastoreSet& stores, Citation& end) {
  const Citation c = v.currentCite;
  if (c.word >= 2) {
    end = c;
    --end.word;
    return true;
  }
  TDSControl* h = stores.CiteDS.Handle();
  if (!DSIsOpen(h)) return false;
  CiteRec key{};
  key.cite = At(c.book, c.chapter, c.verse);
  int32_t recNo = 0;
  const int32_t rc = DSFind(h, &key, recNo);
  if (rc != kDSFound && rc != kDSOk) return false;
  // The record found (or the place where the verse would stand) is the
  // verse's first; the one before it ends the previous page.
  if (recNo <= 1) return false;
  CiteRec before{};
  if (DSReadAt(h, recNo - 1, &before) != kDSOk) return false;
  end = before.cite;
  return true;
}

bool PrevPage(ViewState& v, DatastoreSet& stores,
              const std::function<Citation(Citation end)>& backward) {
  if (v.currentCite == kFirstCite) return false;
  Citation end;
  if (!WordBeforePage(v, stores, end)) return PrevBook(v);
  return Move(v, backward(end));
}

}  // namespace orv
