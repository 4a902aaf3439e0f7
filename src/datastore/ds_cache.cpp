// The block cache. Blocks stay in memory until the buffer budget is spent;
// after that a victim's buffer is taken over, its block written back first
// when it changed. Victims come from the reuse hint (set by a split, so the
// block after the split one goes first) or from a round-robin pointer that
// steps over the blocks the current operation is holding.
//
// A victim whose write-back fails is not given up: the cache takes a buffer
// beyond the budget instead, so a failing write never loses a changed block
// or breaks an operation half-way; the close writes it (or reports it).
// A named store's block is journaled before its first write-back since the
// last commit (ds_journal.h).
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <random>

#include "datastore/ds_control.h"
#include "platform/path_map.h"

namespace orv {
namespace {

constexpr size_t kNone = static_cast<size_t>(-1);

size_t LowerBound(const TDSControl& c, uint32_t block) {
  auto it = std::lower_bound(c.dir.begin(), c.dir.end(), block,
                             [](const DSCacheEntry& e, uint32_t b) { return e.block < b; });
  return static_cast<size_t>(it - c.dir.begin());
}

// Where `block`'s entry is or would go. When every block is cached, entry i
// holds block i, so that and the last hit are tried before a binary search.
size_t FindIndex(const TDSControl& c, uint32_t block) {
  size_t n = c.dir.size();
  if (c.lookupHint < n && c.dir[c.lookupHint].block == block) return c.lookupHint;
  if (block < n && c.dir[block].block == block) return block;
  return LowerBound(c, block);
}

bool Pinned(const TDSControl& c, uint32_t block) {
  return static_cast<int64_t>(block) == c.pinA || static_cast<int64_t>(block) == c.pinB;
}

size_t ChooseVictim(TDSControl& c) {
  if (c.pinAll) return kNone;
  if (c.reuseHint >= 0) {
    size_t idx = static_cast<size_t>(c.reuseHint);
    c.reuseHint = -1;
    if (idx < c.dir.size() && !Pinned(c, c.dir[idx].block)) return idx;
  }
  size_t n = c.dir.size();
  for (size_t tries = 0; tries < n; ++tries) {
    size_t idx = c.roundRobin < n ? c.roundRobin : 0;
    c.roundRobin = idx + 1;
    if (!Pinned(c, c.dir[idx].block)) return idx;
  }
  return kNone;
}

std::string SpillName() {
  static std::mt19937 rng{std::random_device{}()};
  unsigned rnd = std::uniform_int_distribution<unsigned>(0, 65534)(rng);
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  auto ms = static_cast<uint32_t>(ts.tv_sec * 1000 + ts.tv_nsec / 1000000);
  char name[32];
  std::snprintf(name, sizeof name, "ORV%04X%08X.tmp", rnd, static_cast<unsigned>(ms));
  return name;
}

int32_t WriteBack(TDSControl& c, DSCacheEntry& e) {
  if (!c.file) {
    if (c.named) return kDSShortWrite;
    // An unnamed store makes its spill file on the first block that must
    // leave memory.
    for (int attempt = 0; attempt < 8 && !c.file; ++attempt) {
      c.path = JoinPath(c.spillDir, SpillName());
      c.file = c.fs->Create(c.path);
    }
    if (!c.file) {
      c.path.clear();
      return kDSShortWrite;
    }
  }
  const uint64_t offset = DSBlockOffset(c, e.block);
  if (c.named && c.journal.on) {
    if (int32_t rc = DSJournalSave(c, {offset})) return rc;
  }
  if (c.named) c.journal.storeWritten = true;
  DSScanWindowDrop(c);
  size_t put = c.file->WriteAt(offset, e.buf.get(), static_cast<size_t>(c.B()));
  if (put != static_cast<size_t>(c.B())) return kDSShortWrite;
  e.changed = false;
  return kDSOk;
}

uint32_t FirstPrefix(const TDSControl& c, uint8_t* buf) {
  return (c.usePrefix && c.prefixFn) ? c.prefixFn(buf + 1) : 0;
}

}  // namespace

uint64_t DSBlockOffset(const TDSControl& c, uint32_t block) {
  return static_cast<uint64_t>(c.hdr.dataOffset) + static_cast<uint64_t>(block) * c.B();
}

bool DSCacheHas(TDSControl& c, uint32_t block, uint8_t** buf) {
  size_t pos = FindIndex(c, block);
  if (pos >= c.dir.size() || c.dir[pos].block != block) return false;
  c.lookupHint = pos;
  *buf = c.dir[pos].buf.get();
  return true;
}

int32_t DSCacheGet(TDSControl& c, uint32_t block, bool load, uint8_t** out) {
  size_t pos = FindIndex(c, block);
  if (pos < c.dir.size() && c.dir[pos].block == block) {
    if (!c.dir[pos].buf) return kDSNoBuffer;
    c.lookupHint = pos;
    *out = c.dir[pos].buf.get();
    return kDSOk;
  }

  std::unique_ptr<uint8_t[]> buf;
  if (!c.spare.empty()) {
    buf = std::move(c.spare.back());
    c.spare.pop_back();
  } else {
    if (!c.reuse && c.allocated >= c.limit) c.reuse = true;
    if (!c.reuse) {
      buf.reset(new (std::nothrow) uint8_t[c.B()]);
      if (buf) {
        ++c.allocated;
      } else {
        c.reuse = true;
        c.limit = c.allocated;
      }
    }
    if (!buf) {
      size_t victim = ChooseVictim(c);
      if (victim != kNone) {
        DSCacheEntry& v = c.dir[victim];
        if (v.changed && v.block < c.hdr.blockCount && WriteBack(c, v) != kDSOk) victim = kNone;
      }
      if (victim != kNone) {
        buf = std::move(c.dir[victim].buf);
        c.dir.erase(c.dir.begin() + static_cast<std::ptrdiff_t>(victim));
        if (victim < pos) --pos;
      } else {
        buf.reset(new uint8_t[c.B()]);
        ++c.allocated;
      }
    }
  }

  std::memset(buf.get(), 0, static_cast<size_t>(c.B()));
  if (load) {
    if (!c.file) {
      c.spare.push_back(std::move(buf));
      return kDSNoFile;
    }
    size_t got = c.file->ReadAt(DSBlockOffset(c, block), buf.get(), static_cast<size_t>(c.B()));
    // A count byte above the slots of a block can only come from a damaged
    // file; treating the block as unreadable keeps every access inside it.
    if (got != static_cast<size_t>(c.B()) || buf[0] > c.N()) {
      c.spare.push_back(std::move(buf));
      return kDSShortRead;
    }
  }
  DSCacheEntry e;
  e.block = block;
  e.prefix = (load && buf[0] > 0) ? FirstPrefix(c, buf.get()) : 0;
  e.buf = std::move(buf);
  c.dir.insert(c.dir.begin() + static_cast<std::ptrdiff_t>(pos), std::move(e));
  if (c.roundRobin > pos) ++c.roundRobin;
  c.lookupHint = pos;
  *out = c.dir[pos].buf.get();
  return kDSOk;
}

void DSCacheTouch(TDSControl& c, uint32_t block, bool refreshPrefix) {
  size_t pos = FindIndex(c, block);
  if (pos >= c.dir.size() || c.dir[pos].block != block) return;
  DSCacheEntry& e = c.dir[pos];
  e.changed = true;
  if (refreshPrefix && e.buf[0] > 0) e.prefix = FirstPrefix(c, e.buf.get());
}

void DSCacheRenumber(TDSControl& c, uint32_t from, uint32_t to) {
  size_t pos = FindIndex(c, from);
  if (pos < c.dir.size() && c.dir[pos].block == from) {
    c.dir[pos].block = to;
    c.dir[pos].changed = true;
  }
}

void DSCacheDropFrom(TDSControl& c, uint32_t first) {
  size_t pos = LowerBound(c, first);
  for (size_t i = pos; i < c.dir.size(); ++i) c.spare.push_back(std::move(c.dir[i].buf));
  c.dir.erase(c.dir.begin() + static_cast<std::ptrdiff_t>(pos), c.dir.end());
  c.lookupHint = 0;
  if (c.roundRobin > c.dir.size()) c.roundRobin = 0;
}

void DSCacheDropOne(TDSControl& c, uint32_t block) {
  size_t pos = LowerBound(c, block);
  if (pos >= c.dir.size() || c.dir[pos].block != block) return;
  c.spare.push_back(std::move(c.dir[pos].buf));
  c.dir.erase(c.dir.begin() + static_cast<std::ptrdiff_t>(pos));
  c.lookupHint = 0;
  if (c.roundRobin > pos) --c.roundRobin;
}

int32_t DSCacheFlush(TDSControl& c) {
  for (DSCacheEntry& e : c.dir) {
    if (!e.changed || e.block >= c.hdr.blockCount) continue;
    int32_t rc = WriteBack(c, e);
    if (rc != kDSOk) return rc;
  }
  return kDSOk;
}

int32_t DSCacheLoadRange(TDSControl& c, uint32_t first, uint32_t last) {
  for (uint64_t b = first; b <= last; ++b) {
    uint8_t* buf;
    if (int32_t rc = DSCacheGet(c, static_cast<uint32_t>(b), true, &buf)) return rc;
  }
  return kDSOk;
}

void DSCacheTrim(TDSControl& c) {
  while (c.allocated > c.limit && !c.spare.empty()) {
    c.spare.pop_back();
    --c.allocated;
  }
  while (c.allocated > c.limit) {
    size_t victim = ChooseVictim(c);
    if (victim == kNone) return;
    DSCacheEntry& v = c.dir[victim];
    if (v.changed && v.block < c.hdr.blockCount && WriteBack(c, v) != kDSOk) return;
    c.dir.erase(c.dir.begin() + static_cast<std::ptrdiff_t>(victim));
    --c.allocated;
  }
  c.lookupHint = 0;
}

void DSCacheRefreshAllPrefixes(TDSControl& c) {
  for (DSCacheEntry& e : c.dir) e.prefix = e.buf[0] > 0 ? FirstPrefix(c, e.buf.get()) : 0;
}

}  // namespace orv
