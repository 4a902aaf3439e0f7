#include "search/word_count.h"

#include "datastore/ds_object.h"
#include "model/books.h"
#include "model/records.h"

namespace orv {
namespace {

// DSNextMatch's answer when a scan has passed the last record it can count.
constexpr int kPastScope = 1;

}  // namespace

std::string CountText(int32_t n) {
  if (n == 0) return "No times";
  if (n == 1) return "1 time";
  return std::to_string(n).append(" times");
}

bool InCountScope(Citation cite, CountScope scope, CountPlace place) {
  if (scope == CountScope::kBible) return true;
  if (cite.book != place.book) return false;
  return scope == CountScope::kBook || cite.chapter == place.chapter;
}

PlainCount CountWord(TDSControl* h, std::string_view word, CountScope scope, CountPlace place) {
  PlainCount result;
  result.status = SeekWord(h, word);
  if (result.status != SeekResult::kFound) return result;
  const std::string_view key = WordKey(word);
  // The word's records come in text order: the scope is one stretch of them.
  bool inside = false;
  WordRec rec;
  int32_t code;
  while ((code = DSNext(h, &rec)) == kDSOk && SameWord(rec, key)) {
    if (InCountScope(rec.cite, scope, place)) {
      inside = true;
      ++result.count;
    } else if (inside) {
      return result;
    }
  }
  if (IsReadError(code)) result.status = SeekResult::kError;
  return result;
}

PlainCount CountStrongs(TDSControl* h, int number, CountScope scope, CountPlace place) {
  PlainCount result;
  if (!DSIsOpen(h)) {
    result.status = SeekResult::kError;
    return result;
  }
  // CITE is in text order, so the scope starts where its first citation
  // would stand; the records before it could only be skipped.
  DSSetPos(h, 0);
  if (scope != CountScope::kBible) {
    CiteRec start{};
    start.cite = {place.book, scope == CountScope::kChapter ? place.chapter : uint8_t{0}, 0, 0};
    int32_t recNo = 0;
    const int32_t at = DSFindPos(h, &start, recNo);
    if (at == kDSEnd) return result;
    if (at != kDSOk && at != kDSFound) {
      result.status = SeekResult::kError;
      return result;
    }
    DSSetPos(h, recNo - 1);
  }
  int32_t count = 0;
  const DSFilter filter = [&](const void* r) {
    const CiteRec& rec = *static_cast<const CiteRec*>(r);
    if (!InCountScope(rec.cite, scope, place)) return kPastScope;
    if (rec.strongs == number) ++count;
    return 0;
  };
  CiteRec rec;
  const int32_t code = DSNextMatch(h, filter, &rec);
  if (code != kPastScope && IsReadError(code)) result.status = SeekResult::kError;
  result.count = count;
  return result;
}

std::string CountMessage(std::string_view text, int32_t count, CountScope scope, CountPlace place) {
  if (count <= 0) return kNoOccurrences;
  std::string m(text);
  m.append(" occurs ").append(std::to_string(count)).append(" times in ");
  switch (scope) {
    case CountScope::kChapter:
      return m.append(BookName(place.book)).append(" ").append(std::to_string(place.chapter));
    case CountScope::kBook:
      return m.append(BookName(place.book));
    case CountScope::kBible:
      break;
  }
  return m.append("the Bible");
}

}  // namespace orv
