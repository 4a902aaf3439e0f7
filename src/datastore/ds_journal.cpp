// Writing the rollback journal and committing. The journal holds, for every
// range of the store this transaction overwrites, the bytes the range held
// at the last commit; ranges beyond the store's committed length need none,
// since a rollback cuts the store back to that length. See
// docs/file-format.md for the ordering every step keeps.
#include "datastore/ds_journal.h"

#include <array>
#include <cstring>
#include <random>

#include "datastore/ds_bytes.h"
#include "datastore/ds_control.h"

namespace orv {
namespace {

std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> t{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    t[n] = c;
  }
  return t;
}

size_t RangeLength(const TDSControl& c, uint64_t offset) {
  return offset == 0 ? static_cast<size_t>(kDSHeaderBytes) : static_cast<size_t>(c.B());
}

// Whether the range at `offset` needs its old bytes saved (and marks nothing).
bool NeedsSaving(const TDSControl& c, uint64_t offset) {
  const DSJournalState& j = c.journal;
  if (offset >= j.committedSize) return false;
  if (offset == 0) return !j.headerSaved;
  uint64_t block = (offset - c.hdr.dataOffset) / static_cast<uint64_t>(c.B());
  return block >= j.saved.size() || !j.saved[block];
}

void MarkSaved(TDSControl& c, uint64_t offset) {
  DSJournalState& j = c.journal;
  if (offset == 0) {
    j.headerSaved = true;
    return;
  }
  uint64_t block = (offset - c.hdr.dataOffset) / static_cast<uint64_t>(c.B());
  if (block >= j.saved.size()) j.saved.resize(block + 1, false);
  j.saved[block] = true;
}

// Makes the journal file; an old one there can only be a leftover whose
// store was rolled back at open, so it goes.
int32_t MakeJournal(TDSControl& c) {
  DSJournalState& j = c.journal;
  std::string path = DSJournalPath(c.path);
  j.file = c.fs->Create(path);
  if (!j.file && c.fs->Remove(path)) j.file = c.fs->Create(path);
  if (!j.file) return kDSJournalFailed;
  static std::mt19937 rng{std::random_device{}()};
  j.salt = static_cast<uint32_t>(rng());
  j.live = true;
  j.end = 0;
  return kDSOk;
}

}  // namespace

void DSJournalHeader::Encode(uint8_t* out) const {
  std::memset(out, 0, kDSJournalHeaderBytes);
  std::memcpy(out, kDSJournalMagic, sizeof kDSJournalMagic);
  DSPut16(out + 8, version);
  DSPut16(out + 10, blockSize);
  DSPut32(out + 12, salt);
  DSPut64(out + 16, storeSize);
  DSPut32(out + 28, DSChecksum(0, out, 28));
}

std::string DSJournalPath(const std::string& storePath) {
  return std::string(storePath).append(kDSJournalSuffix);
}

uint32_t DSSaltChecksum(uint32_t salt) {
  uint8_t raw[4];
  DSPut32(raw, salt);
  return DSChecksum(0, raw, sizeof raw);
}

std::string DSFolderOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

uint32_t DSChecksum(uint32_t crc, const void* data, size_t n) {
  static const std::array<uint32_t, 256> table = MakeCrcTable();
  const auto* p = static_cast<const uint8_t*>(data);
  crc = ~crc;
  for (size_t i = 0; i < n; ++i) crc = table[(crc ^ p[i]) & 0xFFu] ^ (crc >> 8);
  return ~crc;
}

void DSJournalBegin(TDSControl& c) {
  DSJournalState& j = c.journal;
  j.committedSize = c.file ? c.file->Size() : 0;
  j.saved.clear();
  j.headerSaved = false;
  j.storeWritten = false;
  j.truncatePending = false;
}

int32_t DSJournalSave(TDSControl& c, const std::vector<uint64_t>& offsets) {
  DSJournalState& j = c.journal;
  // A store whose header on disk is unusable reads as empty whatever its
  // blocks hold; its commit writes the header last instead.
  if (j.fresh) return kDSOk;
  std::vector<uint64_t> need;
  for (uint64_t off : offsets) {
    if (NeedsSaving(c, off)) need.push_back(off);
  }
  if (need.empty()) return kDSOk;
  if (!j.live) {
    if (int32_t rc = MakeJournal(c)) return rc;
  }
  const bool first = j.end == 0;
  uint64_t pos = first ? kDSJournalHeaderBytes : j.end;
  if (first) {
    DSJournalHeader h;
    h.blockSize = static_cast<uint16_t>(c.B());
    h.salt = j.salt;
    h.storeSize = j.committedSize;
    uint8_t raw[kDSJournalHeaderBytes];
    h.Encode(raw);
    if (j.file->WriteAt(0, raw, sizeof raw) != sizeof raw) return kDSShortWrite;
  }
  std::vector<uint8_t> entry;
  for (uint64_t off : need) {
    size_t len = RangeLength(c, off);
    entry.assign(kDSJournalEntryHead + len, 0);
    uint8_t* body = entry.data() + kDSJournalEntryHead;
    if (c.file->ReadAt(off, body, len) != len) return kDSShortRead;
    DSPut64(entry.data(), off);
    DSPut32(entry.data() + 8, static_cast<uint32_t>(len));
    uint32_t crc = DSSaltChecksum(j.salt);
    crc = DSChecksum(crc, entry.data(), 12);
    DSPut32(entry.data() + 12, DSChecksum(crc, body, len));
    if (j.file->WriteAt(pos, entry.data(), entry.size()) != entry.size()) return kDSShortWrite;
    pos += entry.size();
  }
  if (!j.file->Sync()) return kDSSyncFailed;
  // The journal's own name must last before the store is touched.
  if (first && !c.fs->SyncDirectory(DSFolderOf(c.path))) return kDSSyncFailed;
  j.end = pos;
  for (uint64_t off : need) MarkSaved(c, off);
  return kDSOk;
}

int32_t DSJournalFinish(TDSControl& c) {
  DSJournalState& j = c.journal;
  if (!j.live) return kDSOk;
  // Removed while still open, so a failed removal leaves everything as it
  // was for the next try.
  if (!c.fs->Remove(DSJournalPath(c.path))) return kDSJournalFailed;
  j.file.reset();
  j.live = false;
  j.end = 0;
  if (!c.fs->SyncDirectory(DSFolderOf(c.path))) return kDSSyncFailed;
  return kDSOk;
}

int32_t DSCommit(TDSControl* h) {
  if (int32_t rc = DSGuard(h)) return rc;
  TDSControl& c = *h;
  if (!c.named || c.mode == 'r') return kDSOk;
  DSJournalState& j = c.journal;
  std::vector<uint64_t> offsets;
  std::vector<uint32_t> blocks;
  for (const DSCacheEntry& e : c.dir) {
    if (!e.changed || e.block >= c.hdr.blockCount) continue;
    blocks.push_back(e.block);
    offsets.push_back(DSBlockOffset(c, e.block));
  }
  const bool header = c.headerChanged;
  if (header) offsets.push_back(0);
  if (offsets.empty() && !j.live && !j.storeWritten && !j.truncatePending) return kDSOk;
  if (!c.file) return kDSNoFile;
  j.committedChanges = j.committedChanges || !blocks.empty() || j.storeWritten;
  if (j.on) {
    if (int32_t rc = DSJournalSave(c, offsets)) return rc;
  }
  if (int32_t rc = DSCacheFlush(c)) return rc;
  // A fresh store's header goes last, after its blocks are lasting: until
  // then the file reads as empty, which is its last commit.
  if (j.fresh && header && !c.file->Sync()) return kDSSyncFailed;
  if (header) {
    uint8_t raw[kDSHeaderBytes];
    c.hdr.Encode(raw);
    if (c.file->WriteAt(0, raw, sizeof raw) != sizeof raw) return kDSNoFile;
    c.headerChanged = false;
  }
  if (!c.file->Sync()) {
    // What the failed sync covered may never reach the device: written
    // again by the next try.
    for (uint32_t b : blocks) DSCacheTouch(c, b, false);
    c.headerChanged = c.headerChanged || header;
    j.storeWritten = true;
    return kDSSyncFailed;
  }
  if (header) j.fresh = false;
  int32_t rc = DSJournalFinish(c);
  if (rc == kDSJournalFailed) return rc;
  // Cut only now: the blocks beyond the end were part of the last commit
  // until the journal went.
  if (j.truncatePending) {
    DSScanWindowDrop(c);
    c.file->Truncate(DSBlockOffset(c, c.hdr.blockCount));
  }
  DSJournalBegin(c);
  return rc;
}

bool DSChangedSinceOpen(const TDSControl* h) {
  if (!h) return false;
  const DSJournalState& j = h->journal;
  // The header alone changes when a new store is stamped: no records yet.
  if (j.committedChanges || j.storeWritten) return true;
  for (const DSCacheEntry& e : h->dir) {
    if (e.changed) return true;
  }
  return false;
}

DSRecovery DSRecoveryAtOpen(const TDSControl* h) {
  return h ? h->journal.recovery : DSRecovery::kNone;
}

}  // namespace orv
