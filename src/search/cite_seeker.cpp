#include "search/cite_seeker.h"

namespace orv {

int32_t CiteSeeker::Find(CiteRec& place) {
  const Citation want = place.cite;
  if (atLast_ && last_.cite < want) {
    for (int step = 0; step < walkLimit_; ++step) {
      if (DSNext(h_, &last_) != kDSOk) break;
      if (last_.cite < want) continue;
      if (last_.cite == want) {
        place = last_;
        return kDSFound;
      }
      break;  // not there: the search gives its own answer
    }
  }
  int32_t recNo = 0;
  const int32_t rc = DSFind(h_, &place, recNo);
  atLast_ = rc == kDSFound;
  if (atLast_) last_ = place;
  return rc;
}

}  // namespace orv
