#include "search/range_value.h"

#include "cite/cite_parse.h"
#include "datastore/ds_object.h"
#include "model/datastore_set.h"
#include "model/letter_values.h"
#include "model/records.h"
#include "model/text_utils.h"

namespace orv {
namespace {

RangeValues Failed(RangeValues r, const char* message) {
  r.original = r.traditional = 0;
  r.message = message;
  return r;
}

// Adds the words from the first record at or after r.start through r.end.
RangeValues Sum(DatastoreSet& set, RangeValues r) {
  TDSControl* cite = set.CiteDS.Handle();
  TDSControl* foc2 = set.FOc2DS.Handle();
  if (!DSIsOpen(cite) || !DSIsOpen(foc2)) return Failed(r, kDatastoreError);
  CiteRec rec;
  rec.cite = r.start;
  int32_t recNo = 0;
  const int32_t found = DSFind(cite, &rec, recNo);
  // DSFind leaves the cursor on the place found; one step back makes that
  // record the next one read.
  if ((found != kDSOk && found != kDSFound) || DSBack(cite) != kDSOk) {
    return Failed(r, kDatastoreError);
  }
  Foc2Rec word;
  for (;;) {
    if (DSNext(cite, &rec) != kDSOk) return Failed(r, kDatastoreError);
    // An end citation that names no word (a word number past its verse)
    // ends the range before the next word rather than taking it in.
    if (rec.cite > r.end) break;
    if (rec.foc2 > 0) {
      if (DSReadAt(foc2, rec.foc2, &word) != kDSOk) return Failed(r, kDatastoreError);
      r.original += WordThematicValue(word.source.View(), kOriginalValue);
      r.traditional += WordThematicValue(word.source.View(), kTraditionalValue);
    }
    if (rec.cite >= r.end) break;
  }
  return r;
}

}  // namespace

RangeValues RangeValue(DatastoreSet& set, CiteCounts& counts, std::string_view start,
                       std::string_view end) {
  RangeValues r;
  if (TrimBlanks(start).empty()) return Failed(r, kNoRangeStart);
  if (TrimBlanks(end).empty()) return Failed(r, kNoRangeEnd);
  r.start = kFirstCite;
  if (ParseCitation(start, r.start, counts) != kCiteOk) return Failed(r, kInvalidStartCite);
  r.end = r.start;
  if (ParseCitation(end, r.end, counts) != kCiteOk) return Failed(r, kInvalidEndCite);
  if (r.end < r.start) return Failed(r, kEndBeforeStart);
  r.read = true;
  return Sum(set, r);
}

}  // namespace orv
