// The cursor walk, access by record number, and the order checks.
#include <cstring>
#include <vector>

#include "datastore/ds_control.h"

namespace orv {
namespace {

// Moves the cursor to the next record and points `rec` at it (inside the
// block buffer or the read-ahead window, valid until the next cache call).
int32_t StepNext(TDSControl& c, const uint8_t** rec) {
  const int64_t blocks = c.hdr.blockCount;
  if (c.curBlock < 0 || c.curBlock >= blocks) return kDSEnd;
  const uint8_t* buf;
  if (int32_t rc = DSScanBlock(c, static_cast<uint32_t>(c.curBlock), &buf)) return rc;
  int64_t block = c.curBlock;
  int32_t slot = c.curSlot + 1;
  while (slot >= buf[0]) {
    if (block + 1 >= blocks) return kDSEnd;
    ++block;
    slot = 0;
    if (int32_t rc = DSScanBlock(c, static_cast<uint32_t>(block), &buf)) return rc;
  }
  c.curBlock = block;
  c.curSlot = slot;
  *rec = c.Slot(buf, slot);
  return kDSOk;
}

int32_t StepPrev(TDSControl& c, const uint8_t** rec) {
  const int64_t blocks = c.hdr.blockCount;
  if (blocks == 0 || c.curBlock < 0 || (c.curBlock == 0 && c.curSlot <= 0)) return kDSEnd;
  int64_t block = c.curBlock;
  int32_t slot = c.curSlot;
  uint8_t* buf;
  if (block >= blocks) {
    block = blocks - 1;
    slot = 1 << 30;
  }
  if (int32_t rc = DSCacheGet(c, static_cast<uint32_t>(block), true, &buf)) return rc;
  if (slot > buf[0]) slot = buf[0];
  --slot;
  while (slot < 0) {
    if (block == 0) return kDSEnd;
    --block;
    if (int32_t rc = DSCacheGet(c, static_cast<uint32_t>(block), true, &buf)) return rc;
    slot = buf[0] - 1;
  }
  c.curBlock = block;
  c.curSlot = slot;
  *rec = c.Slot(buf, slot);
  return kDSOk;
}

// Splits a record number into block and slot; -1 when no record is there.
int32_t Address(TDSControl& c, int32_t recNo, uint8_t** buf, int32_t& slot) {
  uint32_t block = static_cast<uint32_t>((recNo - 1) / c.N());
  slot = (recNo - 1) % c.N();
  if (block >= c.hdr.blockCount) return kDSEnd;
  c.curBlock = block;
  c.curSlot = slot;
  if (int32_t rc = DSCacheGet(c, block, true, buf)) return rc;
  return kDSOk;
}

}  // namespace

int32_t DSNext(TDSControl* h, void* rec) {
  if (int32_t rc = DSGuard(h)) return rc;
  const uint8_t* p;
  if (int32_t rc = StepNext(*h, &p)) return rc;
  std::memcpy(rec, p, static_cast<size_t>(h->R()));
  return kDSOk;
}

int32_t DSPrev(TDSControl* h, void* rec) {
  if (int32_t rc = DSGuard(h)) return rc;
  const uint8_t* p;
  if (int32_t rc = StepPrev(*h, &p)) return rc;
  std::memcpy(rec, p, static_cast<size_t>(h->R()));
  return kDSOk;
}

int32_t DSBack(TDSControl* h) {
  if (int32_t rc = DSGuard(h)) return rc;
  if (h->curBlock == 0 && h->curSlot == 0) {
    h->curSlot = -1;
    return kDSOk;
  }
  const uint8_t* p;
  return StepPrev(*h, &p);
}

// As StepNext record by record, but each block is looked up once: a scan of
// a whole store spends its time in the filter, not in finding blocks. The
// cursor ends on the record that stopped the scan, or on the last record
// read when the store ends or a block cannot be read.
int32_t DSNextMatch(TDSControl* h, const DSFilter& filter, void* rec) {
  if (int32_t rc = DSGuard(h)) return rc;
  if (!filter) return kDSEnd;
  TDSControl& c = *h;
  const int64_t blocks = c.hdr.blockCount;
  if (c.curBlock < 0 || c.curBlock >= blocks) return kDSEnd;
  int64_t block = c.curBlock;
  int32_t slot = c.curSlot + 1;
  for (;;) {
    const uint8_t* buf;
    if (int32_t rc = DSScanBlock(c, static_cast<uint32_t>(block), &buf)) return rc;
    for (const int32_t count = buf[0]; slot < count; ++slot) {
      const uint8_t* p = c.Slot(buf, slot);
      if (int verdict = filter(p)) {
        c.curBlock = block;
        c.curSlot = slot;
        std::memcpy(rec, p, static_cast<size_t>(c.R()));
        return verdict;
      }
    }
    if (slot > 0) {
      c.curBlock = block;
      c.curSlot = slot - 1;
    }
    if (block + 1 >= blocks) return kDSEnd;
    ++block;
    slot = 0;
  }
}

int32_t DSReadAt(TDSControl* h, int32_t recNo, void* rec) {
  if (int32_t rc = DSGuard(h)) return rc;
  if (recNo < 1) return kDSBadRecordNo;
  uint8_t* buf;
  int32_t slot;
  if (int32_t rc = Address(*h, recNo, &buf, slot)) return rc;
  if (slot >= buf[0]) return kDSEnd;
  std::memcpy(rec, h->Slot(buf, slot), static_cast<size_t>(h->R()));
  return kDSOk;
}

int32_t DSUpdate(TDSControl* h, int32_t recNo, const void* rec) {
  if (int32_t rc = DSGuardChange(h, 'u')) return rc;
  if (recNo < 1) return kDSBadRecordNo;
  uint8_t* buf;
  int32_t slot;
  if (int32_t rc = Address(*h, recNo, &buf, slot)) return rc;
  if (slot >= buf[0]) return kDSSlotBeyond;
  std::memcpy(h->Slot(buf, slot), rec, static_cast<size_t>(h->R()));
  DSCacheTouch(*h, static_cast<uint32_t>(h->curBlock), slot == 0);
  return kDSOk;
}

int32_t DSCheckOrder(TDSControl* h, int32_t& recNo) {
  if (int32_t rc = DSGuard(h)) return rc;
  TDSControl& c = *h;
  const DSCompare& cmp = c.orderCmp ? c.orderCmp : c.keyCmp;
  if (!cmp) return kDSNoCompare;
  recNo = 0;
  if (c.hdr.recordCount < 2) return kDSOk;
  std::vector<uint8_t> prev(static_cast<size_t>(c.R()));
  bool havePrev = false;
  int64_t seen = 0;
  for (uint32_t b = 0; b < c.hdr.blockCount; ++b) {
    uint8_t* buf;
    if (DSCacheGet(c, b, true, &buf) != kDSOk) return kDSOrderUnreadable;
    for (int s = 0; s < buf[0]; ++s) {
      const uint8_t* rec = c.Slot(buf, s);
      ++seen;
      recNo = static_cast<int32_t>(b * c.N() + s + 1);
      if (havePrev && cmp(prev.data(), rec) >= 0) return kDSOutOfOrder;
      std::memcpy(prev.data(), rec, prev.size());
      havePrev = true;
    }
  }
  return seen == c.hdr.recordCount ? kDSOk : kDSCountMismatch;
}

int32_t DSCheckInvariants(TDSControl* h, std::string& why) {
  if (int32_t rc = DSGuard(h)) return rc;
  TDSControl& c = *h;
  if (!c.keyCmp) return kDSNoCompare;
  std::vector<uint8_t> prev(static_cast<size_t>(c.R()));
  bool havePrev = false;
  int64_t sum = 0;
  for (uint32_t b = 0; b < c.hdr.blockCount; ++b) {
    uint8_t* buf;
    if (int32_t rc = DSCacheGet(c, b, true, &buf)) {
      why = "block " + std::to_string(b) + " unreadable";
      return rc;
    }
    if (buf[0] == 0) {
      why = "block " + std::to_string(b) + " holds no record";
      return kDSOrderUnreadable;
    }
    for (int s = 0; s < buf[0]; ++s) {
      const uint8_t* rec = c.Slot(buf, s);
      if (havePrev && c.keyCmp(prev.data(), rec) > 0) {
        why = "record " + std::to_string(b * c.N() + s + 1) + " sorts before its predecessor";
        return kDSOutOfOrder;
      }
      std::memcpy(prev.data(), rec, prev.size());
      havePrev = true;
    }
    sum += buf[0];
  }
  if (sum != c.hdr.recordCount) {
    why = "header counts " + std::to_string(c.hdr.recordCount) + " records, blocks hold " +
          std::to_string(sum);
    return kDSCountMismatch;
  }
  why.clear();
  return kDSOk;
}

}  // namespace orv
