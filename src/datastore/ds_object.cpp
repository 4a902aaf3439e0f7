// Opening, closing and the small operations on a store's header and cursor.
#include "datastore/ds_object.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <new>

#include "datastore/ds_control.h"

namespace orv {
namespace {

bool HasFileName(const std::string& path) {
  if (path.empty()) return false;
  char last = path.back();
  return last != '/' && last != '\\';
}

char NormalMode(char mode) {
  char m = static_cast<char>(std::tolower(static_cast<unsigned char>(mode)));
  return (m == 'w' || m == 'a' || m == 'u') ? m : 'r';
}

// A header with a non-zero record size and block size is taken as the file's
// own; these checks refuse one whose numbers cannot describe a real file, so
// no later access can run outside a block or past the file.
bool HeaderDamaged(const TDSHeader& h, uint64_t fileSize) {
  if (h.recordSize > kDSMaxRecordSize || h.blockSize > kDSMaxBlockSize) return true;
  if (h.recordsPerBlock == 0 || h.recordsPerBlock > 255) return true;
  if (static_cast<uint32_t>(h.recordsPerBlock) * h.recordSize + 1 > h.blockSize) return true;
  if (h.dataOffset != kDSHeaderArea) return true;
  uint64_t capacity = static_cast<uint64_t>(h.blockCount) * h.recordsPerBlock;
  if (capacity > 2147483647u) return true;
  if (h.recordCount < 0 || static_cast<uint64_t>(h.recordCount) > capacity) return true;
  return h.dataOffset + static_cast<uint64_t>(h.blockCount) * h.blockSize > fileSize;
}

void Initialise(TDSControl& c, const DSParams& p) {
  DSBlockShape shape = DSBlockRule(p.recordSize, p.blockSize);
  TDSHeader h;
  h.validMark = 1;
  h.dataOffset = c.named ? kDSHeaderArea : 0;
  h.recordSize = static_cast<uint16_t>(p.recordSize);
  h.blockSize = static_cast<uint16_t>(shape.blockSize);
  h.recordsPerBlock = static_cast<uint16_t>(shape.recordsPerBlock);
  h.recordLimit = p.recordLimit > 0 ? static_cast<uint32_t>(p.recordLimit) : kDSNoLimit;
  h.duplicates = p.duplicates ? 1 : 0;
  c.hdr = h;
}

// `rolledBack`, when set, is the store as of its last commit, read through
// a journal that a read-only open may not put back.
int32_t OpenNamed(TDSControl& c, const std::string& path, const DSParams& p,
                  std::unique_ptr<RandomAccessFile> rolledBack) {
  int32_t result = kDSOk;
  c.file = rolledBack ? std::move(rolledBack) : c.fs->Open(path, c.mode != 'r');
  bool usable = false;
  if (c.file) {
    uint8_t raw[kDSHeaderBytes];
    size_t got = c.file->ReadAt(0, raw, sizeof raw);
    // A header that is there but could not be read is a read error, not an
    // empty file: starting the file over would throw its records away.
    if (got != sizeof raw && c.file->Size() >= sizeof raw) return kDSShortRead;
    TDSHeader h = TDSHeader::Decode(raw);
    usable = got == sizeof raw && h.recordSize != 0 && h.blockSize != 0 &&
             !(c.mode == 'w' && h.recordSize != p.recordSize);
    if (usable) {
      if (HeaderDamaged(h, c.file->Size())) return kDSDamagedHeader;
      if (static_cast<int32_t>(h.recordLimit) <= 0) h.recordLimit = kDSNoLimit;
      c.hdr = h;
    }
  } else {
    if (p.recordSize <= 0 || p.recordSize > kDSMaxRecordSize) return kDSBadRecordSize;
    // Never truncate a file that exists but would not open: that is someone's data.
    c.file = c.fs->Create(path);
    if (!c.file) return kDSEnd;
    result = kDSCreated;
  }
  c.journal.fresh = !usable;
  if (!usable) {
    if (p.recordSize <= 0 || p.recordSize > kDSMaxRecordSize) return kDSBadRecordSize;
    Initialise(c, p);
    // A read-only open gives up an unusable file in memory only.
    if (c.mode != 'r' || result == kDSCreated) {
      static const uint8_t zeros[kDSHeaderArea] = {};
      if (!c.file->Truncate(0) || c.file->WriteAt(0, zeros, sizeof zeros) != sizeof zeros) {
        return kDSShortWrite;
      }
    }
  }
  return result;
}

}  // namespace

void TDSControlDeleter::operator()(TDSControl* c) const {
  if (!c) return;
  if (!c->named && c->file) {
    c->file.reset();
    c->fs->Remove(c->path);
  }
  delete c;
}

int32_t DSGuard(const TDSControl* h) {
  if (!h) return kDSNoHandle;
  if (h->hdr.validMark != 1) return kDSInvalidHandle;
  return kDSOk;
}

bool DSModeAllows(const TDSControl& c, char opClass) {
  if (c.mode == 'w') return true;
  return opClass != 'w' && c.mode == opClass;
}

int32_t DSGuardChange(const TDSControl* h, char opClass) {
  if (int32_t rc = DSGuard(h)) return rc;
  if (!DSModeAllows(*h, opClass)) return kDSNotAllowed;
  return kDSOk;
}

DSParams DSSetParams(int recordSize, int blockSize, int32_t recordLimit, bool duplicates) {
  DSParams p;
  p.recordSize = recordSize;
  p.blockSize = blockSize;
  p.recordLimit = recordLimit;
  p.duplicates = duplicates;
  return p;
}

int32_t DSOpen(const std::string& path, DSHandle& handle, char mode, const DSParams& params) {
  handle.reset();
  DSHandle c(new TDSControl);
  c->fs = params.fs ? params.fs : &DefaultFileSystem();
  c->mode = NormalMode(mode);
  c->spillDir = params.spillDir;
  c->named = HasFileName(path);
  int32_t result = kDSOk;
  if (c->named) {
    c->path = path;
    std::unique_ptr<RandomAccessFile> rolledBack;
    result = DSJournalRecover(*c->fs, path, c->mode == 'r', &rolledBack, &c->journal.recovery);
    if (result != kDSOk) return result;
    result = OpenNamed(*c, path, params, std::move(rolledBack));
    if (result != kDSOk && result != kDSCreated) {
      c->file.reset();
      return result;
    }
    c->journal.on = params.journal && c->mode != 'r';
    DSJournalBegin(*c);
  } else {
    if (params.recordSize <= 0 || params.recordSize > kDSMaxRecordSize) return kDSBadRecordSize;
    Initialise(*c, params);
  }

  if (params.bufferBudget > 0) {
    c->limit = std::max(params.bufferBudget, kDSMinBudget);
  } else {
    c->limit = c->mode == 'a' ? kDSAppendBudget : kDSDefaultBudget;
  }
  size_t want = c->hdr.blockCount == 0 ? 128 : (c->hdr.blockCount / 32 + 1) * 32;
  for (;;) {
    try {
      c->dir.reserve(want);
      break;
    } catch (const std::bad_alloc&) {
      if (want <= 32) {
        c->reuse = true;
        result = kDSNoDirectory;
        break;
      }
      want /= 2;
    }
  }
  handle = std::move(c);
  return result;
}

int32_t DSProbe(const std::string& path, FileSystem* fs) {
  if (!HasFileName(path)) return kDSEnd;
  FileSystem& files = fs ? *fs : DefaultFileSystem();
  std::unique_ptr<RandomAccessFile> f = files.Open(path, false);
  if (!f) return kDSEnd;
  uint8_t raw[kDSHeaderBytes];
  return f->ReadAt(0, raw, sizeof raw) == sizeof raw ? kDSOk : kDSEnd;
}

int32_t DSClose(DSHandle& handle) {
  if (!handle) return kDSNoHandle;
  TDSControl& c = *handle;
  if (c.hdr.validMark != 1) {
    handle.reset();
    return kDSInvalidHandle;
  }
  if (c.named) {
    if (int32_t rc = DSCommit(&c)) return rc;
  }
  handle.reset();
  return kDSOk;
}

// Written back is only worth anything once it lasts: a flush commits.
int32_t DSFlush(TDSControl* h) { return DSCommit(h); }

bool DSIsOpen(const TDSControl* h) { return DSGuard(h) == kDSOk; }

int32_t DSSetCompare(TDSControl* h, DSCompare key, DSCompare order, DSPrefix prefix) {
  if (int32_t rc = DSGuard(h)) return rc;
  h->keyCmp = std::move(key);
  h->orderCmp = std::move(order);
  h->prefixFn = std::move(prefix);
  h->usePrefix = static_cast<bool>(h->prefixFn);
  DSCacheRefreshAllPrefixes(*h);
  return kDSOk;
}

int32_t DSCount(const TDSControl* h) { return DSGuard(h) ? 0 : h->hdr.recordCount; }

const TDSHeader& DSGetHeader(const TDSControl* h) { return h->hdr; }

int32_t DSGetPos(TDSControl* h, int32_t& recNo) {
  if (int32_t rc = DSGuard(h)) return rc;
  int64_t n = h->curBlock * h->N() + h->curSlot + 1;
  recNo = static_cast<int32_t>(std::clamp<int64_t>(n, 0, 2147483647));
  return kDSOk;
}

int32_t DSSetPos(TDSControl* h, int32_t recNo) {
  if (int32_t rc = DSGuard(h)) return rc;
  if (recNo <= 0) {
    h->curBlock = 0;
    h->curSlot = -1;
  } else {
    h->curBlock = (recNo - 1) / h->N();
    h->curSlot = (recNo - 1) % h->N();
  }
  return kDSOk;
}

int32_t DSLastPos(TDSControl* h, int32_t& recNo) {
  if (int32_t rc = DSGuard(h)) return rc;
  if (h->hdr.blockCount == 0) return kDSEnd;
  uint8_t* buf;
  if (int32_t rc = DSCacheGet(*h, h->hdr.blockCount - 1, true, &buf)) return rc;
  recNo = static_cast<int32_t>((h->hdr.blockCount - 1) * h->N() + buf[0]);
  return kDSOk;
}

int32_t DSSlack(TDSControl* h, int64_t& bytes) {
  if (int32_t rc = DSGuard(h)) return rc;
  int64_t needed = (static_cast<int64_t>(h->hdr.recordCount) + h->N() - 1) / h->N();
  bytes = static_cast<int64_t>(h->B()) * (static_cast<int64_t>(h->hdr.blockCount) - needed);
  return kDSOk;
}

int32_t DSSetUserWord(TDSControl* h, int which, int16_t value) {
  if (int32_t rc = DSGuardChange(h, 'w')) return rc;
  if (which == 1) h->hdr.userWord1 = value;
  if (which == 2) h->hdr.userWord2 = value;
  h->headerChanged = true;
  return kDSOk;
}

int32_t DSSetUserLong(TDSControl* h, int which, int32_t value) {
  if (int32_t rc = DSGuardChange(h, 'w')) return rc;
  if (which == 1) h->hdr.userLong1 = value;
  if (which == 2) h->hdr.userLong2 = value;
  h->headerChanged = true;
  return kDSOk;
}

int32_t DSSetUserText(TDSControl* h, int which, const std::string& text) {
  if (int32_t rc = DSGuardChange(h, 'w')) return rc;
  if (which == 1) h->hdr.userText1 = DSTextField(text);
  if (which == 2) h->hdr.userText2 = DSTextField(text);
  h->headerChanged = true;
  return kDSOk;
}

int32_t DSGetUserLong(TDSControl* h, int which, int32_t& value) {
  if (int32_t rc = DSGuard(h)) return rc;
  if (which == 1) value = h->hdr.userLong1;
  if (which == 2) value = h->hdr.userLong2;
  return kDSOk;
}

}  // namespace orv
