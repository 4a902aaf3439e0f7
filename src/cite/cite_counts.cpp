#include "cite/cite_counts.h"

#include "datastore/ds_object.h"
#include "model/datastore_set.h"
#include "model/records.h"

namespace orv {
namespace {

// The handle when the store is open and holds records. An empty store has
// nothing to count, and some engine walks refuse empty stores.
TDSControl* Usable(TXRDataStore& ds) {
  TDSControl* h = ds.Handle();
  if (!DSIsOpen(h) || DSCount(h) <= 0) return nullptr;
  return h;
}

template <typename Rec>
bool ReadLast(TDSControl* h, Rec& rec) {
  int32_t last = 0;
  return DSLastPos(h, last) == kDSOk && DSReadAt(h, last, &rec) == kDSOk;
}

// The record just before where `key` would go. DSFind answers -1 when the
// key sorts after a full last block, without placing the cursor; the record
// before is then the last one.
template <typename Rec>
bool RecordBefore(TDSControl* h, Rec key, Rec& rec) {
  int32_t recNo = 0;
  int32_t rc = DSFind(h, &key, recNo);
  if (rc == kDSEnd) return ReadLast(h, rec);
  if (rc != kDSOk && rc != kDSFound) return false;
  return DSPrev(h, &rec) == kDSOk;
}

bool FindBook(TDSControl* h, int book, int chapter, BookRec& rec) {
  rec = {};
  rec.book = static_cast<uint8_t>(book);
  rec.chapter = static_cast<uint8_t>(chapter);
  int32_t recNo = 0;
  return DSFind(h, &rec, recNo) == kDSFound;
}

}  // namespace

int DatastoreCounts::Chapters(int book) {
  TDSControl* h = Usable(set_.BookDS);
  if (!h) return book < 40 ? 10 : 3;
  BookRec rec;
  if (book >= 40) return ReadLast(h, rec) ? rec.chapter : 0;
  BookRec key;
  key.book = static_cast<uint8_t>(book + 1);
  key.chapter = 1;
  return RecordBefore(h, key, rec) ? rec.chapter : 0;
}

int DatastoreCounts::Verses(int book, int chapter) {
  TDSControl* h = Usable(set_.BookDS);
  BookRec rec;
  if (!h || !FindBook(h, book, chapter, rec)) return 20;
  return rec.verses;
}

int32_t DatastoreCounts::ChapterOffset(int book, int chapter) {
  TDSControl* h = Usable(set_.BookDS);
  BookRec rec;
  if (!h || !FindBook(h, book, chapter, rec)) return 0;
  return rec.offset;
}

int DatastoreCounts::Words(int book, int chapter, int verse) {
  constexpr int kUnknown = 20;
  TDSControl* bookH = Usable(set_.BookDS);
  BookRec chap;
  if (!bookH || !FindBook(bookH, book, chapter, chap)) return kUnknown;
  TDSControl* h = Usable(set_.CiteDS);
  if (!h) return kUnknown;

  CiteRec key;
  key.cite = {static_cast<uint8_t>(book), static_cast<uint8_t>(chapter),
              static_cast<uint8_t>(verse), 1};
  CiteRec rec;
  if (verse < chap.verses) {
    key.cite.verse = static_cast<uint8_t>(verse + 1);
    return RecordBefore(h, key, rec) ? rec.cite.word : kUnknown;
  }
  // The last verse has no next verse to stop at: walk its records instead.
  // DSFind overwrites its key buffer, so the verse is compared with a copy.
  const Citation want = key.cite;
  int32_t recNo = 0;
  int32_t rc = DSFind(h, &key, recNo);
  if (rc != kDSOk && rc != kDSFound) return kUnknown;
  // Step back one so that DSNext reads the record at the found place, which
  // may lie in the next block.
  if (DSBack(h) != kDSOk) return kUnknown;
  int words = 0;
  while (DSNext(h, &rec) == kDSOk && rec.cite.book == want.book &&
         rec.cite.chapter == want.chapter && rec.cite.verse == want.verse) {
    words = rec.cite.word;
  }
  return words > 0 ? words : kUnknown;
}

}  // namespace orv
