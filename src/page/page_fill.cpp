#include "page/page_fill.h"

#include <algorithm>

#include "config/il_sources.h"
#include "config/settings.h"
#include "model/datastore_set.h"
#include "model/letter_values.h"
#include "model/letters.h"
#include "model/records.h"
#include "page/ilt_writeback.h"
#include "page/page_words.h"
#include "platform/utf8.h"

namespace orv {
namespace {

constexpr int kLastSlot = kPageSlots - 1;  // 1279

bool SameChapter(Citation a, Citation b) { return a.book == b.book && a.chapter == b.chapter; }

// Whether line n shows anything: the Hebrew line always, an interlinear line
// while it has a selection and a source set up.
bool LineShown(const Page& page, const Settings& settings, int n) {
  const LineSource& s = page.lines.source[static_cast<size_t>(n)];
  if (s.kind == SourceKind::kNone) return false;
  return n == 0 || (n <= page.lines.highestLine && settings.il.Selection(n) > 0);
}

uint32_t ChapterOffset(DatastoreSet& stores, Citation c) {
  TDSControl* h = stores.BookDS.Handle();
  if (!DSIsOpen(h)) return 0;
  BookRec key{};
  key.book = c.book;
  key.chapter = c.chapter;
  int32_t recNo = 0;
  if (DSFind(h, &key, recNo) != kDSFound || key.offset < 0) return 0;
  return static_cast<uint32_t>(key.offset);
}

void FollowBookView(PageEnv& env, int book) {
  if (FOccViewSetting(env.settings.markFOcc) != FOccView::kBook) return;
  DatastoreSet& s = env.stores;
  if (s.CurrentFOccView() != FOccView::kBook) {
    s.SetFOccView(s.CurrentFOccView(), FOccView::kBook, book);
  } else if (s.BookFOccDS.CurrentBook() != book || !DSIsOpen(s.BookFOccDS.Handle())) {
    // Also when a build has dropped the book files from under the view.
    s.BookFOccDS.OpenBook(book);
  }
}

void PlaceStrongsStream(Page& page, PageEnv& env, Citation start) {
  PageBuffer& b = page.buffer;
  b.strongsInUse = false;
  b.strongsCursor = 0;
  if (!env.settings.showStrongs) return;
  TDSControl* h = env.stores.CiteDS.Handle();
  if (!DSIsOpen(h)) return;
  CiteRec key{};
  key.cite = start;
  int32_t recNo = 0;
  if (DSFind(h, &key, recNo) != kDSFound) return;
  b.strongsInUse = true;
  b.strongsCursor = recNo;
}

// The Strong's number of `cite`; the stream skips records of words that no
// entry showed, so one gap cannot shift every number after it.
int32_t NextStrongs(Page& page, PageEnv& env, Citation cite) {
  PageBuffer& b = page.buffer;
  if (!b.strongsInUse) return 0;
  TDSControl* h = env.stores.CiteDS.Handle();
  CiteRec rec{};
  while (DSIsOpen(h) && DSReadAt(h, b.strongsCursor, &rec) == kDSOk) {
    if (cite < rec.cite) return 0;
    ++b.strongsCursor;
    if (rec.cite == cite) return rec.strongs;
  }
  b.strongsInUse = false;
  return 0;
}

void StartChapter(Page& page, PageEnv& env, Citation start) {
  for (int n = 0; n < kLineCount; ++n) {
    LineFeed& f = page.buffer.feed[static_cast<size_t>(n)];
    f = LineFeed{};
    if (!LineShown(page, env.settings, n)) continue;
    uint32_t hint = n == 0 ? ChapterOffset(env.stores, start) : 0;
    f.inUse = SourceSeek(page.lines.source[static_cast<size_t>(n)], start, hint) == 0;
  }
  FollowBookView(env, start.book);
  PlaceStrongsStream(page, env, start);
}

// Reads the next word of every text source whose last word has been placed.
void Refill(Page& page) {
  for (int n = 0; n < kLineCount; ++n) {
    LineFeed& f = page.buffer.feed[static_cast<size_t>(n)];
    LineSource& s = page.lines.source[static_cast<size_t>(n)];
    if (!f.inUse || f.hasPending || s.kind != SourceKind::kText) continue;
    if (SourceNextWord(s, f.text) != 0) {
      f.inUse = false;
      continue;
    }
    f.hasPending = true;
    f.cite = s.position;
  }
}

// The smallest citation among the words the text sources hold; false when
// none holds one (the text has ended).
bool NextCitation(const Page& page, Citation& next) {
  bool any = false;
  for (const LineFeed& f : page.buffer.feed) {
    if (!f.inUse || !f.hasPending) continue;
    if (!any || f.cite < next) next = f.cite;
    any = true;
  }
  return any;
}

// Builds entry k at `cite` from the sources' words.
void MakeEntry(Page& page, PageEnv& env, int k, Citation cite) {
  WordEntry& e = page.buffer.entry[static_cast<size_t>(k)];
  e = WordEntry{};
  e.cite = cite;
  std::string hebrewWord;  // storage letters, no joining hyphen
  LineFeed& heb = page.buffer.feed[0];
  if (heb.inUse && heb.hasPending && heb.cite == cite) {
    heb.hasPending = false;
    hebrewWord = heb.text;
    MapLetters(hebrewWord);
    if (!hebrewWord.empty() && hebrewWord.back() == '-') hebrewWord.pop_back();
    e.thematic = WordThematicValue(heb.text, env.settings.thematic);
    std::string shown = heb.text;
    if (env.settings.displayFont.name == "Orvane Hebrew") MapLetters(shown);
    e.hebrew = FitText(shown, kEntryTextCapacity);
  }
  e.strongs = NextStrongs(page, env, cite);
  for (int n = 1; n < kLineCount; ++n) {
    LineFeed& f = page.buffer.feed[static_cast<size_t>(n)];
    LineSource& s = page.lines.source[static_cast<size_t>(n)];
    if (!f.inUse) continue;
    std::string text;
    if (s.kind == SourceKind::kDatabase) {
      if (SourceNextWord(s, text, cite, hebrewWord) != 0) f.inUse = false;
    } else if (f.hasPending && f.cite == cite) {
      f.hasPending = false;
      text = f.text == "..." ? std::string() : f.text;
    }
    e.text[static_cast<size_t>(n)] = FitText(text, kEntryTextCapacity);
  }
}

// Index of the first entry at or after `p` (count + 1 when none).
int FindEntry(const PageBuffer& b, Citation p) {
  auto begin = b.entry.begin() + 1;
  auto it = std::lower_bound(begin, begin + b.count, p,
                             [](const WordEntry& e, Citation c) { return e.cite < c; });
  return static_cast<int>(it - b.entry.begin());
}

}  // namespace

void EmptyBuffer(Page& page, PageEnv& env) {
  WritePendingEdits(page, env);
  page.buffer.count = 0;
  page.buffer.endOfChapter = false;
}

FillResult FillBuffer(Page& page, PageEnv& env, Citation p, int wanted, WordReload& reloadWords) {
  PageBuffer& b = page.buffer;
  wanted = std::clamp(wanted, 1, kLastSlot);
  if (reloadWords != WordReload::kValid) EmptyBuffer(page, env);
  const Citation start{p.book, p.chapter, 1, 1};
  if (b.count > 0 && !SameChapter(b.entry[1].cite, start)) EmptyBuffer(page, env);

  int first = 0;  // 0 = not found yet
  int k = 1;
  if (b.count > 0 && !(p < b.entry[1].cite) && !(b.entry[static_cast<size_t>(b.count)].cite < p)) {
    first = FindEntry(b, p);
    if (first + wanted - 1 <= b.count || b.endOfChapter || b.count == kLastSlot) {
      reloadWords = WordReload::kValid;
      return {first, b.count};
    }
    if (first + wanted - 1 > kPageSlots) {
      // Not enough room after the page position: start the chapter again
      // and look for the position as the words come.
      first = 0;
      EmptyBuffer(page, env);
    } else {
      k = b.count + 1;
    }
  } else {
    EmptyBuffer(page, env);
  }
  if (k == 1) StartChapter(page, env, start);

  for (; k <= kLastSlot; ++k) {
    Refill(page);
    Citation cite;
    if (!NextCitation(page, cite) || !SameChapter(cite, start)) {
      b.endOfChapter = true;
      break;
    }
    MakeEntry(page, env, k, cite);
    b.count = k;
    if (first == 0 && !(cite < p)) first = k;
    if (first != 0 && k + 1 > first + wanted - 1) break;
  }
  bool pastEnd = false;
  if (first == 0) {
    // The position lies past the words a chapter longer than the buffer can
    // hold: the last words there are. Past the chapter's end, the caller
    // finds the page that ends the chapter, which only a layout can tell.
    pastEnd = b.count > 0 && b.count < kLastSlot;
    first = b.count == kLastSlot ? kPageSlots - wanted : 1;
  }
  reloadWords = WordReload::kValid;
  return {first, b.count, pastEnd};
}

}  // namespace orv
