// Rolling back a store from the journal it was left with. Every entry that
// reads whole and checks out holds bytes of the last commit, so they are
// put back in order up to the first that does not: the store was only ever
// written after the entries covering the write were synced, so the rest of
// a cut-short journal covers nothing that changed.
#include <cstring>
#include <map>
#include <vector>

#include "datastore/ds_bytes.h"
#include "datastore/ds_journal.h"

namespace orv {
namespace {

struct Entry {
  uint64_t offset = 0;
  std::vector<uint8_t> bytes;
};

enum class JournalKind { kUnusable, kReadError, kOtherVersion, kForOtherShape, kUsable };

// Reads the journal's header, judging it against the store's own header
// (`storeBlockSize`, 0 when the store's header is unusable).
JournalKind ReadHeader(RandomAccessFile& j, uint16_t storeBlockSize, DSJournalHeader& h) {
  uint8_t raw[kDSJournalHeaderBytes];
  if (j.Size() < sizeof raw) return JournalKind::kUnusable;
  if (j.ReadAt(0, raw, sizeof raw) != sizeof raw) return JournalKind::kReadError;
  if (std::memcmp(raw, kDSJournalMagic, sizeof kDSJournalMagic) != 0) {
    return JournalKind::kUnusable;
  }
  h.version = DSGet16(raw + 8);
  if (h.version != kDSJournalVersionNo) return JournalKind::kOtherVersion;
  if (DSGet32(raw + 28) != DSChecksum(0, raw, 28)) return JournalKind::kUnusable;
  h.blockSize = DSGet16(raw + 10);
  h.salt = DSGet32(raw + 12);
  h.storeSize = DSGet64(raw + 16);
  if (h.blockSize == 0 || h.blockSize > kDSMaxBlockSize || h.storeSize < kDSHeaderArea) {
    return JournalKind::kUnusable;
  }
  // A store of another shape was put in place of the journal's own.
  if (storeBlockSize != 0 && storeBlockSize != h.blockSize) return JournalKind::kForOtherShape;
  return JournalKind::kUsable;
}

enum class EntryRead { kEntry, kEnd, kReadError };

// The next whole, checked entry at `pos`; kEnd at the first that is not. A
// read that comes back short inside the journal's length is no end but a
// failing device: putting back only part would mix old and new.
EntryRead ReadEntry(RandomAccessFile& j, uint64_t size, const DSJournalHeader& h, uint64_t& pos,
                    Entry& e) {
  uint8_t head[kDSJournalEntryHead];
  if (pos + sizeof head > size) return EntryRead::kEnd;
  if (j.ReadAt(pos, head, sizeof head) != sizeof head) return EntryRead::kReadError;
  e.offset = DSGet64(head);
  uint32_t len = DSGet32(head + 8);
  bool shaped = (e.offset == 0 && len == kDSHeaderBytes) ||
                (len == h.blockSize && e.offset >= kDSHeaderArea &&
                 (e.offset - kDSHeaderArea) % h.blockSize == 0);
  if (!shaped || e.offset + len > h.storeSize) return EntryRead::kEnd;
  if (pos + sizeof head + len > size) return EntryRead::kEnd;
  e.bytes.resize(len);
  if (j.ReadAt(pos + sizeof head, e.bytes.data(), len) != len) return EntryRead::kReadError;
  uint32_t crc = DSSaltChecksum(h.salt);
  crc = DSChecksum(crc, head, 12);
  if (DSGet32(head + 12) != DSChecksum(crc, e.bytes.data(), len)) return EntryRead::kEnd;
  pos += sizeof head + len;
  return EntryRead::kEntry;
}

// The store as of its last commit, read through the journal's entries
// without writing anything.
class RolledBackFile final : public RandomAccessFile {
 public:
  RolledBackFile(std::unique_ptr<RandomAccessFile> base, uint64_t size, std::vector<Entry> entries)
      : base_(std::move(base)), size_(size) {
    // The first entry for a range is the oldest; later ones repeat it.
    for (Entry& e : entries) entries_.emplace(e.offset, std::move(e.bytes));
  }
  size_t ReadAt(uint64_t offset, void* buf, size_t n) override {
    if (offset >= size_) return 0;
    n = static_cast<size_t>(std::min<uint64_t>(n, size_ - offset));
    size_t got = base_->ReadAt(offset, buf, n);
    auto* out = static_cast<uint8_t*>(buf);
    for (const auto& [at, bytes] : entries_) {
      uint64_t from = std::max(at, offset);
      uint64_t to = std::min<uint64_t>(at + bytes.size(), offset + n);
      if (from >= to) continue;
      std::memcpy(out + (from - offset), bytes.data() + (from - at), to - from);
      if (to - offset > got && from - offset <= got) got = static_cast<size_t>(to - offset);
    }
    return got;
  }
  size_t WriteAt(uint64_t, const void*, size_t) override { return 0; }
  bool Truncate(uint64_t) override { return false; }
  uint64_t Size() override { return size_; }
  bool Sync() override { return true; }

 private:
  std::unique_ptr<RandomAccessFile> base_;
  uint64_t size_;
  std::map<uint64_t, std::vector<uint8_t>> entries_;
};

uint16_t StoreBlockSize(RandomAccessFile& store) {
  uint8_t raw[kDSHeaderBytes];
  if (store.ReadAt(0, raw, sizeof raw) != sizeof raw) return 0;
  TDSHeader h = TDSHeader::Decode(raw);
  return h.recordSize != 0 ? h.blockSize : 0;
}

int32_t RemoveJournal(FileSystem& fs, const std::string& jpath, const std::string& path) {
  if (!fs.Remove(jpath)) return kDSJournalFailed;
  return fs.SyncDirectory(DSFolderOf(path)) ? kDSOk : kDSSyncFailed;
}

}  // namespace

int32_t DSJournalRecover(FileSystem& fs, const std::string& path, bool inMemory,
                         std::unique_ptr<RandomAccessFile>* overlay, DSRecovery* what) {
  *what = DSRecovery::kNone;
  const std::string jpath = DSJournalPath(path);
  std::unique_ptr<RandomAccessFile> j = fs.Open(jpath, false);
  if (!j) return kDSOk;
  std::unique_ptr<RandomAccessFile> store = fs.Open(path, !inMemory);
  if (!store && !inMemory && fs.Open(path, false)) return kDSJournalFailed;
  DSJournalHeader h;
  JournalKind kind = store ? ReadHeader(*j, StoreBlockSize(*store), h) : JournalKind::kUnusable;
  if (kind == JournalKind::kOtherVersion) return kDSJournalVersion;
  if (kind == JournalKind::kReadError) return kDSJournalFailed;
  if (kind != JournalKind::kUsable) {
    // Cut short before the store was touched, left by a store that is gone,
    // or not this store's: there is nothing to put back.
    *what = DSRecovery::kDiscarded;
    j.reset();
    return inMemory ? kDSOk : RemoveJournal(fs, jpath, path);
  }
  std::vector<Entry> entries;
  uint64_t pos = kDSJournalHeaderBytes;
  const uint64_t size = j->Size();
  for (;;) {
    Entry e;
    EntryRead got = ReadEntry(*j, size, h, pos, e);
    if (got == EntryRead::kReadError) return kDSJournalFailed;
    if (got == EntryRead::kEnd) break;
    if (!inMemory && store->WriteAt(e.offset, e.bytes.data(), e.bytes.size()) != e.bytes.size()) {
      return kDSShortWrite;
    }
    if (inMemory) entries.push_back(std::move(e));
  }
  if (inMemory) {
    *what = DSRecovery::kRolledBackInMemory;
    *overlay = std::make_unique<RolledBackFile>(std::move(store), h.storeSize, std::move(entries));
    return kDSOk;
  }
  if (!store->Truncate(h.storeSize)) return kDSShortWrite;
  if (!store->Sync()) return kDSSyncFailed;
  j.reset();
  *what = DSRecovery::kRolledBack;
  return RemoveJournal(fs, jpath, path);
}

int32_t DSRecover(const std::string& path, FileSystem* fs) {
  DSRecovery what;
  return DSJournalRecover(fs ? *fs : DefaultFileSystem(), path, false, nullptr, &what);
}

int32_t DSReplaceStore(const std::string& from, const std::string& to, FileSystem* fs) {
  FileSystem& files = fs ? *fs : DefaultFileSystem();
  // A journal left beside the old store would otherwise be put back into
  // the new one at its next open.
  if (int32_t rc = DSRecover(to, &files)) return rc;
  if (!files.Rename(from, to)) return kDSReplaceFailed;
  return files.SyncDirectory(DSFolderOf(to)) ? kDSOk : kDSSyncFailed;
}

}  // namespace orv
