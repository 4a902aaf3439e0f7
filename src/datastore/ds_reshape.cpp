// Operations that change which blocks exist: shifting block numbers for a
// split or a removed block, deletion, clearing and packing.
#include <algorithm>
#include <cstring>

#include "datastore/ds_control.h"

namespace orv {

// Every block involved is cached and held, so shifting is renumbering. The
// count is raised first so the renumbered last block counts as in use.
void DSShiftBlocksUp(TDSControl& c, uint32_t block) {
  const uint32_t last = c.hdr.blockCount;
  ++c.hdr.blockCount;
  c.headerChanged = true;
  for (int64_t k = static_cast<int64_t>(last) - 1; k > static_cast<int64_t>(block); --k) {
    DSCacheRenumber(c, static_cast<uint32_t>(k), static_cast<uint32_t>(k + 1));
  }
}

void DSShiftBlocksDown(TDSControl& c, uint32_t block) {
  const uint32_t count = c.hdr.blockCount;
  for (uint32_t k = block + 1; k < count; ++k) DSCacheRenumber(c, k, k - 1);
  c.hdr.blockCount = count - 1;
  c.headerChanged = true;
}

// A journaled store is cut at its commit: until then the blocks past the
// end still belong to the last commit.
void DSTruncateToBlocks(TDSControl& c) {
  if (c.named && c.journal.on) {
    c.journal.truncatePending = true;
    return;
  }
  DSScanWindowDrop(c);
  if (c.file && c.mode != 'r') c.file->Truncate(DSBlockOffset(c, c.hdr.blockCount));
}

int32_t DSDelete(TDSControl* h, int32_t recNo) {
  if (int32_t rc = DSGuardChange(h, 'w')) return rc;
  TDSControl& c = *h;
  if (c.hdr.recordCount <= 0 || c.hdr.blockCount == 0) return kDSEnd;
  if (recNo < 1) return kDSBadRecordNo;
  uint32_t block = static_cast<uint32_t>((recNo - 1) / c.N());
  int slot = (recNo - 1) % c.N();
  if (block >= c.hdr.blockCount) return kDSEnd;
  uint8_t* buf;
  if (int32_t rc = DSCacheGet(c, block, true, &buf)) return rc;
  int count = buf[0];
  if (slot >= count) return kDSEnd;
  c.curBlock = block;
  c.curSlot = slot;
  if (count > 1) {
    std::memmove(c.Slot(buf, slot), c.Slot(buf, slot + 1),
                 static_cast<size_t>(count - 1 - slot) * c.R());
    buf[0] = static_cast<uint8_t>(count - 1);
    DSCacheTouch(c, block, slot == 0);
  } else {
    // Read every later block before anything changes: a failed read then
    // leaves the store as it was. The emptied block leaves the cache before
    // the later blocks move down onto its number.
    DSWholeStoreOp op(c);
    if (block + 1 < c.hdr.blockCount) {
      if (int32_t rc = DSCacheLoadRange(c, block + 1, c.hdr.blockCount - 1)) return rc;
    }
    DSCacheDropOne(c, block);
    DSShiftBlocksDown(c, block);
    DSTruncateToBlocks(c);
  }
  --c.hdr.recordCount;
  c.headerChanged = true;
  return kDSOk;
}

int32_t DSClear(TDSControl* h) {
  if (int32_t rc = DSGuardChange(h, 'w')) return rc;
  TDSControl& c = *h;
  c.hdr.recordCount = 0;
  c.hdr.blockCount = 0;
  DSCacheDropFrom(c, 0);
  c.headerChanged = true;
  c.curBlock = 0;
  c.curSlot = -1;
  DSTruncateToBlocks(c);
  return kDSOk;
}

// Moves records forward in order so that every block but the last is full.
// The whole store is read first, so a failed read changes nothing.
int32_t DSPack(TDSControl* h) {
  if (int32_t rc = DSGuardChange(h, 'w')) return rc;
  TDSControl& c = *h;
  const uint32_t blocks = c.hdr.blockCount;
  if (blocks <= 1) return kDSOk;
  const int N = c.N();
  const size_t R = static_cast<size_t>(c.R());
  DSWholeStoreOp op(c);
  if (int32_t rc = DSCacheLoadRange(c, 0, blocks - 1)) return rc;
  uint32_t t = 0;  // block being filled
  int64_t total = 0;
  for (uint32_t s = 0; s < blocks; ++s) {
    DSPin pin(c, t, s);
    uint8_t* src;
    if (int32_t rc = DSCacheGet(c, s, true, &src)) return rc;
    total += src[0];
    while (t < s && src[0] > 0) {
      c.pinA = t;
      uint8_t* dst;
      if (int32_t rc = DSCacheGet(c, t, true, &dst)) return rc;
      int j = dst[0];
      if (j >= N) {
        ++t;
        continue;
      }
      int n = src[0];
      int chunk = std::min(n, N - j);
      std::memcpy(c.Slot(dst, j), c.Slot(src, 0), chunk * R);
      dst[0] = static_cast<uint8_t>(j + chunk);
      DSCacheTouch(c, t, j == 0);
      std::memmove(c.Slot(src, 0), c.Slot(src, chunk), (n - chunk) * R);
      src[0] = static_cast<uint8_t>(n - chunk);
      DSCacheTouch(c, s, true);
      if (j + chunk == N) ++t;
    }
    if (t == s && src[0] == N) ++t;
  }
  uint32_t used = t;
  if (t < blocks) {
    uint8_t* buf;
    if (int32_t rc = DSCacheGet(c, t, true, &buf)) return rc;
    if (buf[0] > 0) ++used;
  }
  c.hdr.recordCount = static_cast<int32_t>(total);
  c.hdr.blockCount = used;
  DSCacheDropFrom(c, used);
  DSTruncateToBlocks(c);
  c.headerChanged = true;
  DSCacheRefreshAllPrefixes(c);
  return kDSOk;
}

}  // namespace orv
