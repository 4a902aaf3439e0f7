// Looking up many CITE records in rising citation order, as an occurrence
// list does: the next record is reached by walking on from the last one
// when it is near (the walk reads ahead and keeps no blocks), by a search
// when it is not.
#pragma once

#include <cstdint>

#include "datastore/ds_object.h"
#include "model/records.h"

namespace orv {

class CiteSeeker {
 public:
  // Records walked before a search is cheaper: a search loads and keeps
  // several blocks (some ten microseconds each), the walk reads about a
  // block of CITE (some 170 records) a microsecond.
  static constexpr int kWalkLimit = 8192;

  // Requires: `cite` is an open CITE store, used by nothing else while the
  // seeker is in use.
  explicit CiteSeeker(TDSControl* cite, int walkLimit = kWalkLimit)
      : h_(cite), walkLimit_(walkLimit) {}

  // DSFind's answer for the record of `place.cite`: kDSFound with the
  // record in `place`, or the search's own answer.
  int32_t Find(CiteRec& place);

 private:
  TDSControl* h_;
  int walkLimit_;
  CiteRec last_{};
  bool atLast_ = false;  // the cursor stands on `last_`
};

}  // namespace orv
