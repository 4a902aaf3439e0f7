// Internal to the engine: the rollback journal that keeps a named store
// crash-safe. Before a block or the header of the store is overwritten for
// the first time since the last commit, its old bytes go to
// "<store>-journal", which is synced before the store is touched; a commit
// syncs the store and removes the journal; an open that finds a journal
// puts the old bytes back first. Layout and ordering: docs/file-format.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "datastore/ds_object.h"

namespace orv {

struct TDSControl;

inline constexpr char kDSJournalSuffix[] = "-journal";
inline constexpr char kDSJournalMagic[8] = {'O', 'R', 'V', 'J', 'R', 'N', 'L', '\x1a'};
inline constexpr uint16_t kDSJournalVersionNo = 1;
inline constexpr size_t kDSJournalHeaderBytes = 32;
inline constexpr size_t kDSJournalEntryHead = 16;

// The journal's header, as read or about to be written.
struct DSJournalHeader {
  uint16_t version = kDSJournalVersionNo;
  uint16_t blockSize = 0;
  uint32_t salt = 0;
  uint64_t storeSize = 0;  // the store's length at its last commit

  void Encode(uint8_t* out) const;  // kDSJournalHeaderBytes, checksum included
};

// The state of a store's journal, kept in its handle.
struct DSJournalState {
  bool on = false;                         // changes of this store are journaled
  bool live = false;                       // a journal file exists for this transaction
  bool fresh = false;                      // the header on disk is unusable (a new store)
  bool storeWritten = false;               // the store was written since the last commit
  bool truncatePending = false;            // the store is to be cut after the commit
  std::unique_ptr<RandomAccessFile> file;  // the journal, while live
  uint64_t end = 0;                        // the journal's synced length; 0 = nothing synced
  uint32_t salt = 0;
  uint64_t committedSize = 0;  // the store's length at the last commit
  std::vector<bool> saved;     // blocks whose old bytes are in the journal
  bool headerSaved = false;
  bool committedChanges = false;            // a commit since the open wrote blocks
  DSRecovery recovery = DSRecovery::kNone;  // what the open found
};

std::string DSJournalPath(const std::string& storePath);
uint32_t DSChecksum(uint32_t crc, const void* data, size_t n);
// An entry's checksum starts from its journal's salt, so entries of an
// earlier journal never pass for this one's.
uint32_t DSSaltChecksum(uint32_t salt);
// The folder part of a native path, for syncing the folder ("." if none).
std::string DSFolderOf(const std::string& path);

// Starts a new transaction's bookkeeping (after an open or a commit).
void DSJournalBegin(TDSControl& c);
// Puts the old bytes of every store range at `offsets` (0 = the header, else
// a block's offset) that this transaction has not saved yet into the
// journal and syncs it, making the journal first. Requires: c.journal.on.
int32_t DSJournalSave(TDSControl& c, const std::vector<uint64_t>& offsets);
// After the store is synced: removes the journal, which commits.
int32_t DSJournalFinish(TDSControl& c);

// Rolls back the journal beside the store at `path`, if there is one. On
// disk unless `inMemory`; then `overlay` (when the store exists) receives
// the store as of its last commit, read-only. `what` says what was found.
// Returns 0, or an engine code with both files left for a later try.
int32_t DSJournalRecover(FileSystem& fs, const std::string& path, bool inMemory,
                         std::unique_ptr<RandomAccessFile>* overlay, DSRecovery* what);

}  // namespace orv
