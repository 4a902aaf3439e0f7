// Scans for runs of consecutive words in text order (the thematic-value and
// embedded-word searches): a filter sees each CITE record with its word and
// answers go on, match, or restart; a restart begins again one word after
// the failed run's first word.
#pragma once

#include <cstdint>

#include "model/citation.h"
#include "model/records.h"

namespace orv {

class DatastoreSet;

// The filter's answers, as DSNextMatch hands them back.
inline constexpr int kRunGoOn = 0;
inline constexpr int kRunMatch = 1;
inline constexpr int kRunRestart = 2;

// A run filter: called for each CITE record in text order with the word of
// its FOC2 record (nullptr when the record names none or it cannot be read).
class RunFilter {
 public:
  virtual ~RunFilter() = default;
  // Forgets the run in progress: the next record begins a new run.
  virtual void Reset() = 0;
  // kRunGoOn, kRunMatch (RunStart and RunWords describe the run) or
  // kRunRestart (no run can begin at RunStart).
  virtual int Step(const CiteRec& record, const Foc2Rec* word) = 0;
  virtual Citation RunStart() const = 0;
  virtual int RunWords() const = 0;
};

// How a scan ended.
struct RunScan {
  bool found = false;
  Citation start;    // the run's first word (found)
  int words = 0;     // the words the run covers (found)
  int32_t last = 0;  // CITE record number of the run's last word (found)
  int32_t code = 0;  // the engine's code when the scan ended without a match
};

// Scans CITE from the record after `after` (0: from the first record) with
// `filter`, restarting after each kRunRestart, until a match or the end.
// The filter is reset first. Each record's FOC2 record is read when its
// number is above 0 (a FOC2 store that is not open gives every word none).
// On a restart the scan goes on with the record after the one that began
// the failed run. Without a match `code` holds the engine's code (kDSEnd at
// the end of CITE; kDSNoHandle when CITE is not open).
// Requires: set.CiteDS and set.FOc2DS are open.
RunScan ScanForRun(DatastoreSet& set, RunFilter& filter, int32_t after);

// The `after` that starts a scan at `cite`: the number of the CITE record
// just before the first record at or after `cite` (0 when that is the first
// record; the last record's number when every record lies before `cite`).
// Moves CITE's cursor. Requires: set.CiteDS is open.
int32_t PositionBefore(DatastoreSet& set, Citation cite);

}  // namespace orv
