// Internal to the engine: the state behind a handle and the block cache that
// every block access goes through. Not for use outside src/datastore/.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "datastore/ds_journal.h"
#include "datastore/ds_object.h"

namespace orv {

inline constexpr int64_t kDSDefaultBudget = 2130706432;
inline constexpr int64_t kDSAppendBudget = 32;
inline constexpr int64_t kDSMinBudget = 4;

// The forward walk's read-ahead window: blocks that are not cached are read
// many at a time into this one buffer and not kept, so a walk through a
// whole store neither takes a buffer per block nor fills the cache. It holds
// file bytes only, and any write or cut of the file empties it (W1).
struct DSScanWindow {
  std::unique_ptr<uint8_t[]> buf;
  uint32_t capacity = 0;  // blocks the buffer can hold
  uint32_t first = 0;     // the first block held
  uint32_t count = 0;     // blocks held; 0 when empty
  uint32_t next = 1;      // blocks the last fill asked for
};

struct DSCacheEntry {
  uint32_t block = 0;
  std::unique_ptr<uint8_t[]> buf;
  bool changed = false;
  uint32_t prefix = 0;  // prefix value of the block's first record
};

// TDSControl: the engine's handle of one open store (file, header, block cache).
struct TDSControl {
  TDSHeader hdr;
  FileSystem* fs = nullptr;
  std::unique_ptr<RandomAccessFile> file;  // named file, or the spill file once made
  bool named = false;
  std::string path;  // named file's path, or the spill file's once made
  std::string spillDir;
  char mode = 'r';
  bool headerChanged = false;
  DSCompare keyCmp;
  DSCompare orderCmp;
  DSPrefix prefixFn;
  bool usePrefix = false;

  // Block cache: entries sorted by block number.
  std::vector<DSCacheEntry> dir;
  std::vector<std::unique_ptr<uint8_t[]>> spare;  // buffers of dropped entries
  int64_t limit = kDSDefaultBudget;               // the buffer budget
  int64_t allocated = 0;                          // buffers held, spare ones included
  bool reuse = false;                             // no further buffer may be allocated
  size_t roundRobin = 0;
  int64_t reuseHint = -1;  // directory index to take as the next victim
  size_t lookupHint = 0;
  // Blocks the current operation holds buffers of; never chosen as victims.
  int64_t pinA = -1;
  int64_t pinB = -1;
  // Set while an operation that moves many blocks runs: nothing is evicted,
  // so it can read every block it needs before changing any.
  bool pinAll = false;

  DSJournalState journal;
  DSScanWindow window;

  // Cursor: record number = block * N + slot + 1; before the first = (0, -1).
  int64_t curBlock = 0;
  int32_t curSlot = -1;

  int N() const { return hdr.recordsPerBlock; }
  int R() const { return hdr.recordSize; }
  int B() const { return hdr.blockSize; }
  uint8_t* Slot(uint8_t* buf, int slot) const { return buf + 1 + static_cast<size_t>(slot) * R(); }
  const uint8_t* Slot(const uint8_t* buf, int slot) const {
    return buf + 1 + static_cast<size_t>(slot) * R();
  }
};

// Looks up `block` in the cache, loading it from the file when `load` is set
// and it is not cached (a new entry without loading is an empty block).
// On success *out points to a buffer that stays valid until the next cache
// call that may evict, which never evicts the pinned blocks.
int32_t DSCacheGet(TDSControl& c, uint32_t block, bool load, uint8_t** out);
// Whether `block` has a cache entry; *buf is then its buffer (which may be
// null). Loads nothing.
bool DSCacheHas(TDSControl& c, uint32_t block, uint8_t** buf);
// Points *out at `block` for reading only: the cached buffer when there is
// one, else the block inside the read-ahead window (filled from the file
// when the block is not in it). Valid until the next cache or window call.
// Requires: block < blockCount.
int32_t DSScanBlock(TDSControl& c, uint32_t block, const uint8_t** out);
// Empties the read-ahead window; called before the file is written or cut.
void DSScanWindowDrop(TDSControl& c);
// Marks a cached block changed; refreshes its prefix value when asked.
void DSCacheTouch(TDSControl& c, uint32_t block, bool refreshPrefix);
// Changes the number of a cached block (used when blocks shift).
void DSCacheRenumber(TDSControl& c, uint32_t from, uint32_t to);
// Drops (without writing) every cached block numbered `first` or above, or
// exactly `block` for DSCacheDropOne.
void DSCacheDropFrom(TDSControl& c, uint32_t first);
void DSCacheDropOne(TDSControl& c, uint32_t block);
// Writes back every changed cached block below the block count.
int32_t DSCacheFlush(TDSControl& c);
// Loads blocks first..last into the cache. Requires: pinAll is set, so none
// of them leaves again before the operation ends.
int32_t DSCacheLoadRange(TDSControl& c, uint32_t first, uint32_t last);
// Gives up buffers beyond the budget, writing changed blocks back; a block
// whose write fails stays in memory for the close to try again.
void DSCacheTrim(TDSControl& c);
void DSCacheRefreshAllPrefixes(TDSControl& c);
uint64_t DSBlockOffset(const TDSControl& c, uint32_t block);

// 0, or 11 (no handle) / 12 (valid mark is not 1).
int32_t DSGuard(const TDSControl* h);

// Runs an operation that moves many blocks: it loads what it needs first, so
// a failed read changes nothing, and nothing is evicted half-way. Buffers
// taken beyond the budget are given back at the end.
class DSWholeStoreOp {
 public:
  explicit DSWholeStoreOp(TDSControl& c) : c_(c) { c_.pinAll = true; }
  ~DSWholeStoreOp() {
    c_.pinAll = false;
    DSCacheTrim(c_);
  }
  DSWholeStoreOp(const DSWholeStoreOp&) = delete;
  DSWholeStoreOp& operator=(const DSWholeStoreOp&) = delete;

 private:
  TDSControl& c_;
};
// Whether the open mode allows an operation of class 'w' (insert, delete,
// clear, pack, header fields), 'a' (append) or 'u' (update).
bool DSModeAllows(const TDSControl& c, char opClass);
// DSGuard, then the mode check (-17).
int32_t DSGuardChange(const TDSControl* h, char opClass);
// Moves blocks after `block` up by one number (making room for a block at
// block + 1) and raises the block count. Requires: blocks block+1 .. count-1
// are cached and the operation holds them (DSWholeStoreOp).
void DSShiftBlocksUp(TDSControl& c, uint32_t block);
// Moves blocks after the removed `block` down by one number and lowers the
// block count. Requires: the removed block is no longer cached; the later
// blocks are cached and held (DSWholeStoreOp).
void DSShiftBlocksDown(TDSControl& c, uint32_t block);
// Cuts the file (named or spill) after the last block in use.
void DSTruncateToBlocks(TDSControl& c);

struct DSPin {
  DSPin(TDSControl& c, int64_t a, int64_t b) : c_(c), oldA_(c.pinA), oldB_(c.pinB) {
    c.pinA = a;
    c.pinB = b;
  }
  ~DSPin() {
    c_.pinA = oldA_;
    c_.pinB = oldB_;
  }
  DSPin(const DSPin&) = delete;
  DSPin& operator=(const DSPin&) = delete;

 private:
  TDSControl& c_;
  int64_t oldA_;
  int64_t oldB_;
};

}  // namespace orv
