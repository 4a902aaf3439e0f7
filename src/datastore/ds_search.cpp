// Locating keys, and the operations built on it: lookup, keyed insertion with
// block splits, and appending.
#include <algorithm>
#include <cstring>
#include <vector>

#include "datastore/ds_control.h"

namespace orv {
namespace {

struct Locus {
  uint32_t block = 0;
  int32_t slot = 0;
};

class Locator {
 public:
  Locator(TDSControl& c, const void* key, bool inserting)
      : c_(c), key_(key), inserting_(inserting), tie_(c.hdr.duplicates ? (inserting ? 1 : -1) : 0) {}

  // 1 found, 0 not found, -1 no place (empty store, or after a full last
  // block when looking up), or an I/O code. `at` receives the position.
  int32_t Run(Locus& at);

 private:
  // With duplicates a comparison never answers "equal": inserting lands after
  // every equal record, looking up lands on the first one.
  int Cmp(const uint8_t* rec) const {
    int r = c_.keyCmp(key_, rec);
    return r == 0 ? tie_ : r;
  }
  void NarrowByPrefix(int64_t& low, int64_t& high) const;
  void NarrowByCache(int64_t& low, int64_t& high);
  // The key against block d's first record, remembered from the cache
  // search so the block walk does not read that record again.
  int CmpFirst(int64_t d, uint8_t* buf) {
    for (const auto& [block, r] : firstSeen_) {
      if (block == d) return r;
    }
    return Cmp(c_.Slot(buf, 0));
  }
  int32_t DuplicateCheck(Locus& at, int count);

  TDSControl& c_;
  const void* key_;
  bool inserting_;
  int tie_;
  std::vector<uint8_t> prevLast_;  // last record of the block before `low`, when seen
  int64_t prevLastBlock_ = -1;
  std::pair<int64_t, int> firstSeen_[2] = {{-1, 0}, {-1, 0}};  // the final low and high
};

void Locator::NarrowByPrefix(int64_t& low, int64_t& high) const {
  uint32_t p = c_.prefixFn(key_);
  auto below = std::partition_point(c_.dir.begin(), c_.dir.end(),
                                    [p](const DSCacheEntry& e) { return e.prefix < p; });
  if (below != c_.dir.begin()) low = std::max<int64_t>(low, std::prev(below)->block);
  auto above = std::partition_point(below, c_.dir.end(),
                                    [p](const DSCacheEntry& e) { return e.prefix <= p; });
  if (above != c_.dir.end()) high = std::min<int64_t>(high, static_cast<int64_t>(above->block) - 1);
  // Only a prefix function that is not monotone can cross the bounds.
  if (high < low) high = low;
}

void Locator::NarrowByCache(int64_t& low, int64_t& high) {
  const auto& dir = c_.dir;
  const auto n = static_cast<int64_t>(dir.size());
  // With every block cached, entry i holds block i: no search needed.
  auto first = (low < n && dir[low].block == low)
                   ? dir.begin() + low
                   : std::lower_bound(dir.begin(), dir.end(), low,
                                      [](const DSCacheEntry& e, int64_t b) { return e.block < b; });
  auto last = (high < n && dir[high].block == high)
                  ? dir.begin() + high + 1
                  : std::upper_bound(first, dir.end(), high,
                                     [](int64_t b, const DSCacheEntry& e) { return b < e.block; });
  while (first < last) {
    auto mid = first + (last - first) / 2;
    int r = Cmp(mid->buf.get() + 1);
    if (r < 0) {
      high = mid->block;
      last = mid;
      firstSeen_[1] = {high, r};
    } else {
      low = mid->block;
      first = mid + 1;
      firstSeen_[0] = {low, r};
    }
  }
}

int32_t Locator::Run(Locus& at) {
  const int64_t blocks = c_.hdr.blockCount;
  if (blocks == 0) return kDSEnd;
  const int N = c_.N();
  int64_t low = 0;
  int64_t high = blocks - 1;
  if (c_.usePrefix && c_.prefixFn && !c_.dir.empty()) NarrowByPrefix(low, high);
  NarrowByCache(low, high);

  bool inside = false;
  uint8_t* buf = nullptr;
  int64_t d = -1;
  while (low < high) {
    if (d < 0) d = low + (high - low) / 2;
    DSPin pin(c_, d, d + 1);
    if (int32_t rc = DSCacheGet(c_, static_cast<uint32_t>(d), true, &buf)) return rc;
    int count = buf[0];
    if (count == 0) {  // only in a damaged file; step over it
      low = d + 1;
      d = -1;
      continue;
    }
    int r = CmpFirst(d, buf);
    if (r < 0) {
      high = std::max<int64_t>(d - 1, 0);
      d = -1;
      continue;
    }
    if (r == 0) {
      at = {static_cast<uint32_t>(d), 0};
      return kDSFound;
    }
    low = d;
    r = Cmp(c_.Slot(buf, count - 1));
    if (r < 0) {
      high = d;
      inside = true;
      break;
    }
    if (r == 0) {
      at = {static_cast<uint32_t>(d), count - 1};
      return kDSFound;
    }
    prevLast_.assign(c_.Slot(buf, count - 1), c_.Slot(buf, count - 1) + c_.R());
    prevLastBlock_ = d;
    if (count >= N) {
      low = d + 1;
      d = -1;
    } else if (high == d + 1) {
      d = d + 1;  // the key is after this block: look at the next one at once
    } else if (high > d + 1) {
      d = -1;
    } else {
      break;
    }
  }

  at.block = static_cast<uint32_t>(low);
  if (low >= blocks) {
    at.slot = 0;
    return inserting_ ? kDSOk : kDSEnd;
  }
  DSPin pin(c_, low, low - 1);
  if (int32_t rc = DSCacheGet(c_, at.block, true, &buf)) return rc;
  int count = buf[0];
  int lo = inside ? 1 : 0;
  int hi = inside ? count - 1 : count;
  while (lo < hi) {
    int m = lo + (hi - lo) / 2;
    int r = Cmp(c_.Slot(buf, m));
    if (r == 0) {
      at.slot = m;
      return kDSFound;
    }
    if (r < 0) {
      hi = m;
    } else {
      lo = m + 1;
    }
  }
  at.slot = lo;
  // Past the end of a full last block there is no place for the key: a
  // lookup says so, whichever step narrowed the search to that block.
  if (!inserting_ && at.block + 1 == blocks && lo >= count && count >= N) return kDSEnd;
  return c_.hdr.duplicates ? DuplicateCheck(at, count) : kDSOk;
}

// With duplicates the search never stops on an equal record; whether the
// key is present is decided next to the landing place.
int32_t Locator::DuplicateCheck(Locus& at, int count) {
  uint8_t* buf = nullptr;
  if (!inserting_) {
    if (at.slot < count) {
      if (int32_t rc = DSCacheGet(c_, at.block, true, &buf)) return rc;
      return c_.keyCmp(key_, c_.Slot(buf, at.slot)) == 0 ? kDSFound : kDSOk;
    }
    // The first equal record may open the next block while this one has room
    // left at its end: report it there rather than miss it.
    if (at.block + 1 < c_.hdr.blockCount) {
      DSPin pin(c_, at.block, at.block + 1);
      if (int32_t rc = DSCacheGet(c_, at.block + 1, true, &buf)) return rc;
      if (buf[0] > 0 && c_.keyCmp(key_, c_.Slot(buf, 0)) == 0) {
        at = {at.block + 1, 0};
        return kDSFound;
      }
    }
    return kDSOk;
  }
  if (at.slot > 0) {
    if (int32_t rc = DSCacheGet(c_, at.block, true, &buf)) return rc;
    return c_.keyCmp(key_, c_.Slot(buf, at.slot - 1)) == 0 ? kDSFound : kDSOk;
  }
  if (at.block == 0) return kDSOk;
  if (prevLastBlock_ != static_cast<int64_t>(at.block) - 1) {
    DSPin pin(c_, at.block, at.block - 1);
    if (int32_t rc = DSCacheGet(c_, at.block - 1, true, &buf)) return rc;
    if (buf[0] == 0) return kDSOk;
    prevLast_.assign(c_.Slot(buf, buf[0] - 1), c_.Slot(buf, buf[0] - 1) + c_.R());
  }
  return c_.keyCmp(key_, prevLast_.data()) == 0 ? kDSFound : kDSOk;
}

int32_t FindCommon(TDSControl* h, const void* key, int32_t& recNo, Locus& at) {
  if (int32_t rc = DSGuard(h)) return rc;
  if (!h->keyCmp) return kDSNoCompare;
  int32_t rc = Locator(*h, key, false).Run(at);
  if (rc != kDSOk && rc != kDSFound) return rc;
  h->curBlock = at.block;
  h->curSlot = at.slot;
  recNo = static_cast<int32_t>(at.block * h->N() + at.slot + 1);
  return rc;
}

// Splits the full block `at.block` in two and moves `at` to where the new
// record goes.
int32_t Split(TDSControl& c, Locus& at) {
  const uint32_t b = at.block;
  const int N = c.N();
  DSWholeStoreOp op(c);
  if (int32_t rc = DSCacheLoadRange(c, b, c.hdr.blockCount - 1)) return rc;
  DSShiftBlocksUp(c, b);
  uint8_t* old = nullptr;
  uint8_t* fresh = nullptr;
  // Both are in memory or made fresh: nothing can fail from here on.
  if (int32_t rc = DSCacheGet(c, b, true, &old)) return rc;
  c.reuseHint = static_cast<int64_t>(c.lookupHint) + 1;
  int32_t rc = DSCacheGet(c, b + 1, false, &fresh);
  c.reuseHint = -1;
  if (rc != kDSOk) return rc;
  int kept = N / 2 + (at.slot > N / 2 ? 1 : 0);
  std::memcpy(c.Slot(fresh, 0), c.Slot(old, kept), static_cast<size_t>(N - kept) * c.R());
  fresh[0] = static_cast<uint8_t>(N - kept);
  old[0] = static_cast<uint8_t>(kept);
  DSCacheTouch(c, b, false);
  DSCacheTouch(c, b + 1, true);
  if (at.slot > kept) at = {b + 1, at.slot - kept};
  return kDSOk;
}

}  // namespace

int32_t DSFind(TDSControl* h, void* keyBuf, int32_t& recNo) {
  Locus at;
  int32_t rc = FindCommon(h, keyBuf, recNo, at);
  if (rc != kDSOk && rc != kDSFound) return rc;
  uint8_t* buf;
  if (DSCacheGet(*h, at.block, true, &buf) == kDSOk && at.slot < buf[0]) {
    std::memcpy(keyBuf, h->Slot(buf, at.slot), static_cast<size_t>(h->R()));
  }
  return rc;
}

int32_t DSFindPos(TDSControl* h, const void* key, int32_t& recNo) {
  Locus at;
  return FindCommon(h, key, recNo, at);
}

int32_t DSInsert(TDSControl* h, const void* rec) {
  if (int32_t rc = DSGuardChange(h, 'w')) return rc;
  if (!h->keyCmp) return kDSNoCompare;
  TDSControl& c = *h;
  if (static_cast<uint32_t>(c.hdr.recordCount) >= c.hdr.recordLimit) return kDSEnd;
  Locus at;
  int32_t found = Locator(c, rec, true).Run(at);
  if (found == kDSEnd) {
    found = kDSOk;
    at = {c.hdr.blockCount, 0};
  }
  if (found != kDSOk && found != kDSFound) return found;

  uint8_t* buf;
  if (at.block >= c.hdr.blockCount) {
    at = {c.hdr.blockCount, 0};
    ++c.hdr.blockCount;
    c.headerChanged = true;
    if (int32_t rc = DSCacheGet(c, at.block, false, &buf)) {
      --c.hdr.blockCount;
      return rc;
    }
  }
  if (int32_t rc = DSCacheGet(c, at.block, true, &buf)) return rc;
  if (buf[0] >= c.N()) {
    if (int32_t rc = Split(c, at)) return rc;
    if (int32_t rc = DSCacheGet(c, at.block, true, &buf)) return rc;
  }
  int count = buf[0];
  std::memmove(c.Slot(buf, at.slot + 1), c.Slot(buf, at.slot),
               static_cast<size_t>(count - at.slot) * c.R());
  std::memcpy(c.Slot(buf, at.slot), rec, static_cast<size_t>(c.R()));
  buf[0] = static_cast<uint8_t>(count + 1);
  DSCacheTouch(c, at.block, at.slot == 0);
  c.headerChanged = true;
  c.curBlock = at.block;
  c.curSlot = at.slot;
  ++c.hdr.recordCount;
  return found;
}

int32_t DSAppend(TDSControl* h, const void* rec) {
  if (int32_t rc = DSGuardChange(h, 'a')) return rc;
  TDSControl& c = *h;
  if (static_cast<uint32_t>(c.hdr.recordCount) >= c.hdr.recordLimit) return kDSEnd;
  uint8_t* buf = nullptr;
  bool fresh = c.hdr.blockCount == 0;
  if (!fresh) {
    if (int32_t rc = DSCacheGet(c, c.hdr.blockCount - 1, true, &buf)) return rc;
    fresh = buf[0] >= c.N();
  }
  if (fresh) {
    ++c.hdr.blockCount;
    c.headerChanged = true;
    if (int32_t rc = DSCacheGet(c, c.hdr.blockCount - 1, false, &buf)) {
      --c.hdr.blockCount;
      return rc;
    }
  }
  int slot = buf[0];
  std::memcpy(c.Slot(buf, slot), rec, static_cast<size_t>(c.R()));
  buf[0] = static_cast<uint8_t>(slot + 1);
  DSCacheTouch(c, c.hdr.blockCount - 1, slot == 0);
  ++c.hdr.recordCount;
  c.headerChanged = true;
  return kDSOk;
}

}  // namespace orv
