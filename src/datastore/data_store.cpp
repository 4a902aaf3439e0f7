#include "datastore/data_store.h"

#include "datastore/ds_journal.h"
#include "platform/path_map.h"

namespace orv {

TXRDataStore::TXRDataStore(std::string path, bool duplicates, int recordSize, std::string tag,
                           uint32_t kind)
    : kind_(kind),
      tag_(tag.substr(0, 4)),
      recordSize_(recordSize),
      duplicates_(duplicates),
      path_(std::move(path)) {}

// Closing here rather than dropping the handle keeps a store that a caller
// forgot to close from losing its changes.
TXRDataStore::~TXRDataStore() {
  if (handle_) DSClose(handle_);
}

void TXRDataStore::SetCompare(DSCompare key, DSCompare order, DSPrefix prefix) {
  keyCmp_ = std::move(key);
  orderCmp_ = std::move(order);
  prefix_ = std::move(prefix);
}

DSParams TXRDataStore::Params() const {
  DSParams p = DSSetParams(recordSize_, 0, 0, duplicates_);
  p.fs = fs_;
  p.journal = journal_ && !replacing_;
  return p;
}

std::string TXRDataStore::NativeFile() const { return path_.empty() ? "" : NativePath(path_); }

std::string TXRDataStore::OpenFile() const {
  return replacing_ ? NativeFile().append(kReplaceSuffix) : NativeFile();
}

bool TXRDataStore::RolledBackInMemory() const {
  return handle_ && DSRecoveryAtOpen(handle_.get()) == DSRecovery::kRolledBackInMemory;
}

bool TXRDataStore::SaveCutShort() const {
  if (path_.empty()) return false;
  return (fs_ ? *fs_ : DefaultFileSystem()).Open(DSJournalPath(NativeFile()), false) != nullptr;
}

void TXRDataStore::BeginReplace() {
  if (replacing_ || !journal_) return;
  ForceClose();
  replacing_ = true;
  // A leftover of a build that died before moving its file into place.
  (fs_ ? *fs_ : DefaultFileSystem()).Remove(OpenFile());
}

int32_t TXRDataStore::FinishReplace() {
  if (!replacing_) return kDSOk;
  if (int32_t rc = ForceClose()) return rc;
  const std::string fresh = OpenFile();
  replacing_ = false;
  existence_ = 0;
  int32_t rc = DSReplaceStore(fresh, NativeFile(), fs_);
  if (rc != kDSOk) (fs_ ? *fs_ : DefaultFileSystem()).Remove(fresh);
  return rc;
}

void TXRDataStore::ApplyCompare(bool usePrefix) {
  DSSetCompare(handle_.get(), keyCmp_, orderCmp_, usePrefix ? prefix_ : nullptr);
}

TDSControl* TXRDataStore::Open(bool usePrefix) {
  ++openCount_;
  if (DSIsOpen(handle_.get())) return handle_.get();
  // A handle whose header turned out unusable is let go before opening again.
  if (handle_) DSClose(handle_);
  if (handle_) return handle_.get();
  ready_ = false;
  // The engine makes a missing file even in mode "r".
  if (readOnly_ && DSProbe(OpenFile(), fs_) != kDSOk) return nullptr;
  int32_t code = DSOpen(OpenFile(), handle_, readOnly_ ? 'r' : 'w', Params());
  if (!DSIsOpen(handle_.get())) return handle_.get();
  ApplyCompare(usePrefix);
  if (code == kDSOk && DSCount(handle_.get()) == 0 && !readOnly_) code = kDSCreated;
  if (code == kDSOk) {
    ready_ = true;
  } else if (code == kDSCreated) {
    DSSetUserWord(handle_.get(), 1, static_cast<int16_t>(kind_));
    DSSetUserText(handle_.get(), 1, tag_);
    ready_ = true;
  }
  return handle_.get();
}

int32_t TXRDataStore::CloseHandle() {
  if (!handle_) return kDSOk;
  const bool changed = DSChangedSinceOpen(handle_.get());
  int32_t rc = DSClose(handle_);
  // A replacement is the build's, not a change of what was there.
  if (!handle_ && !replacing_) changed_ = changed_ || changed;
  return rc;
}

bool TXRDataStore::ChangedThisRun() const {
  return changed_ || (handle_ && !replacing_ && DSChangedSinceOpen(handle_.get()));
}

int32_t TXRDataStore::Close() {
  if (openCount_ <= 0) return kDSOk;
  if (--openCount_ > 0) return kDSOk;
  return CloseHandle();
}

void TXRDataStore::Release() {
  if (openCount_ > 1) --openCount_;
}

int32_t TXRDataStore::ForceClose() {
  openCount_ = 0;
  return CloseHandle();
}

bool TXRDataStore::Exists() {
  if (existence_ != 0) return existence_ == 1;
  if (!DSIsOpen(handle_.get())) {
    if (!path_.empty() && DSProbe(OpenFile(), fs_) != kDSOk) return false;
    if (handle_) DSClose(handle_);
    if (handle_) return false;
    DSOpen(OpenFile(), handle_, 'r', Params());
    if (!DSIsOpen(handle_.get())) return false;
    // Later Open calls hand this read-only handle out as it is, so it gets
    // the comparisons they would have set.
    ApplyCompare(true);
  }
  if (DSCount(handle_.get()) == 0) return false;
  existence_ = 1;
  return true;
}

int32_t TXRDataStore::RecordCount() {
  if (DSIsOpen(handle_.get())) return DSCount(handle_.get());
  if (path_.empty() || DSProbe(OpenFile(), fs_) != kDSOk) return 0;
  int32_t n = DSCount(Open(false));
  ForceClose();
  return n;
}

TXRDS2::TXRDS2(TBookFileName bookFile, bool duplicates, int recordSize, std::string tag,
               uint32_t kind)
    : TXRDataStore("", duplicates, recordSize, std::move(tag), kind),
      bookFile_(std::move(bookFile)) {}

TDSControl* TXRDS2::OpenBook(int book) {
  if (!handle_) currentBook_ = 0;
  if (book == currentBook_) return handle_.get();
  std::string path = book > 0 && bookFile_ ? bookFile_(book) : std::string();
  if (path.empty()) return nullptr;
  if (currentBook_ > 0) {
    ForceClose();
    // A book file that could not be written stays open rather than lose data.
    if (handle_) return nullptr;
    currentBook_ = 0;
  } else if (!readOnly_) {
    size_t slash = path.find_last_of("\\/");
    if (slash != std::string::npos) MakeDirectory(NativePath(path.substr(0, slash + 1)));
  }
  path_ = std::move(path);
  currentBook_ = book;
  ready_ = false;
  if (readOnly_ && DSProbe(NativeFile(), fs_) != kDSOk) return nullptr;
  int32_t code = DSOpen(NativeFile(), handle_, readOnly_ ? 'r' : 'w', Params());
  if (!handle_) return nullptr;
  ApplyCompare(true);
  if (!readOnly_ && (code == kDSOk || code == kDSCreated) && DSCount(handle_.get()) == 0) {
    DSClear(handle_.get());
    DSSetUserWord(handle_.get(), 1, static_cast<int16_t>(kind_));
    DSSetUserText(handle_.get(), 1, tag_);
    if (filler_) filler_(handle_.get(), book);
    code = kDSOk;
  }
  if (code == kDSOk) ready_ = true;
  return handle_.get();
}

}  // namespace orv
