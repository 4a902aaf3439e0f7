#include "search/run_scan.h"

#include "datastore/ds_object.h"
#include "model/datastore_set.h"

namespace orv {

RunScan ScanForRun(DatastoreSet& set, RunFilter& filter, int32_t after) {
  RunScan out;
  TDSControl* cite = set.CiteDS.Handle();
  TDSControl* foc2 = set.FOc2DS.Handle();
  if (!DSIsOpen(cite)) {
    out.code = kDSNoHandle;
    return out;
  }
  const bool haveWords = DSIsOpen(foc2);
  filter.Reset();
  DSSetPos(cite, after);
  // The record that began the run in progress. The scan walks with DSNext
  // rather than DSNextMatch so that it knows each record's number: a
  // restart then goes back by number instead of looking the run's first
  // citation up again, and the FOC2 reads stay outside the engine's walk
  // (which must not be entered again from its filter).
  int32_t firstOfAttempt = -1;
  int32_t runStartPos = -1;
  CiteRec rec;
  Foc2Rec word;
  for (;;) {
    const int32_t rc = DSNext(cite, &rec);
    if (rc != kDSOk) {
      out.code = rc;
      return out;
    }
    int32_t pos = 0;
    DSGetPos(cite, pos);
    if (firstOfAttempt < 0) firstOfAttempt = pos;
    const bool read = haveWords && rec.foc2 > 0 && DSReadAt(foc2, rec.foc2, &word) == kDSOk;
    const int verdict = filter.Step(rec, read ? &word : nullptr);
    if (filter.RunStart() == rec.cite) runStartPos = pos;
    if (verdict == kRunMatch) {
      out.found = true;
      out.start = filter.RunStart();
      out.words = filter.RunWords();
      out.last = pos;
      return out;
    }
    if (verdict == kRunRestart) {
      // A run start the scan has not seen in this attempt cannot be gone
      // back to; the attempt's own first record keeps the scan moving on.
      const int32_t back = runStartPos >= firstOfAttempt ? runStartPos : firstOfAttempt;
      filter.Reset();
      DSSetPos(cite, back);
      firstOfAttempt = -1;
      runStartPos = -1;
    }
  }
}

int32_t PositionBefore(DatastoreSet& set, Citation cite) {
  TDSControl* h = set.CiteDS.Handle();
  if (!DSIsOpen(h)) return 0;
  CiteRec key;
  key.cite = cite;
  int32_t recNo = 0;
  const int32_t rc = DSFind(h, &key, recNo);
  if (rc == kDSOk || rc == kDSFound) {
    // DSFind leaves the cursor on the place found; one step back is the
    // record before it, wherever the blocks' gaps lie.
    if (DSBack(h) != kDSOk) return 0;
    int32_t before = 0;
    DSGetPos(h, before);
    return before;
  }
  int32_t last = 0;
  return DSLastPos(h, last) == kDSOk ? last : 0;
}

}  // namespace orv
