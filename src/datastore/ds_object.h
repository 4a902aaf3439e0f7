// The record-file engine: keyed files of fixed-size records in blocks, with a
// block cache, ordered walking, access by record number, deletion and packing.
// File layout: docs/file-format.md. Result codes: ds_codes.h.
//
// Every operation takes the handle of an open store and works on that store
// alone. The engine is single-threaded and not reentrant: a comparison,
// prefix or filter function must not call back into the engine.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "datastore/ds_codes.h"
#include "datastore/ds_header.h"
#include "platform/file_system.h"

namespace orv {

// key comparison (key, record) and order-check comparison (earlier, later):
// negative, 0 or positive as the first sorts before, with or after the second.
using DSCompare = std::function<int(const void* a, const void* b)>;
// Monotone in key order: a before b implies prefix(a) <= prefix(b).
using DSPrefix = std::function<uint32_t(const void* rec)>;
// 0 = go on; anything else stops DSNextMatch, which returns that value.
using DSFilter = std::function<int(const void* rec)>;

struct TDSControl;
struct TDSControlDeleter {
  void operator()(TDSControl* c) const;
};
// The caller's handle variable. DSOpen fills it, DSClose empties it. Dropping
// a handle without DSClose frees it but writes nothing back.
using DSHandle = std::unique_ptr<TDSControl, TDSControlDeleter>;

// Parameters for an open that creates or initialises a file.
struct DSParams {
  int recordSize = 0;
  int blockSize = 0;        // 0 = the block-size rule's default
  int32_t recordLimit = 0;  // 0 or less = no limit
  bool duplicates = false;
  FileSystem* fs = nullptr;  // nullptr = the real file system
  // Most block buffers the store may hold; 0 = as many as memory allows
  // (32 in mode "a"). Values below 4 count as 4. A split, a block removal
  // or a pack reads every block it moves before changing any, and may hold
  // more buffers than this while it runs. A block whose write-back fails
  // stays in memory (beyond the budget) until the close writes it.
  int64_t bufferBudget = 0;
  std::string spillDir;  // folder of an unnamed store's spill file; "" = current folder
  // Changes of a named store go through a rollback journal, so a crash
  // leaves the store as of its last commit. Off only for a store that is
  // written whole under a temporary name and then moved into place
  // (DSReplaceStore).
  bool journal = true;
};

// What an open found beside the store.
enum class DSRecovery {
  kNone,                // no journal
  kRolledBack,          // a journal: the store was put back to its last commit
  kRolledBackInMemory,  // a journal, and a read-only open: the last commit is read
                        // through it, the files stay as they are
  kDiscarded,           // a journal written before the store was touched, or
                        // left by a store that no longer exists: removed
};

DSParams DSSetParams(int recordSize, int blockSize, int32_t recordLimit, bool duplicates);

// Opens the store at `path` in mode 'r', 'w', 'a' or 'u' (others count as 'r').
// An empty path, or one whose file-name part is empty, opens an unnamed store.
// A journal beside a named store is rolled back first (mode 'r': in memory
// only; DSRecoveryAtOpen tells).
// Returns 0 (opened), 1 (created), 86, 3, -1, 101 (could not initialise),
// 104 (damaged header; the file is left untouched), 106 (the journal is
// another version's) or the code of a rollback that failed (the journal is
// kept for a later try). No handle is made on 3, -1, 101, 104 or above.
// Requires: `handle` is empty.
int32_t DSOpen(const std::string& path, DSHandle& handle, char mode, const DSParams& params);
int32_t DSProbe(const std::string& path, FileSystem* fs = nullptr);
// Commits (DSCommit), closes and empties `handle`. On a failed commit the
// store stays open and the code is returned; 11 if `handle` is empty.
int32_t DSClose(DSHandle& handle);
// Makes every change of the store so far lasting: writes the changed blocks
// and the header, syncs the store and removes its journal. Returns 0 once
// the changes are on the device; on a failure the code, with the store as
// of its last commit on disk (the journal stays) and the changes still in
// memory for a later commit or close to try again. 0 at once for an
// unnamed store, a read-only one, or one without changes.
int32_t DSCommit(TDSControl* h);
DSRecovery DSRecoveryAtOpen(const TDSControl* h);
// Whether records were changed through this handle since its open: a
// commit wrote blocks, or changed blocks wait for one.
bool DSChangedSinceOpen(const TDSControl* h);
// Rolls back the journal of the store at `path`, if any, on disk.
int32_t DSRecover(const std::string& path, FileSystem* fs = nullptr);
// Moves the finished store at `from` (closed, written without a journal)
// over the store at `to` in one step, after rolling back any journal of
// `to`; syncs the folder. 0, or a code with `to` as it was.
int32_t DSReplaceStore(const std::string& from, const std::string& to, FileSystem* fs = nullptr);
bool DSIsOpen(const TDSControl* h);
// Writes back changed blocks and the header of a named store that stays
// open, so that what was changed is on disk: the same as DSCommit.
int32_t DSFlush(TDSControl* h);

int32_t DSSetCompare(TDSControl* h, DSCompare key, DSCompare order, DSPrefix prefix);
int32_t DSCount(const TDSControl* h);
int32_t DSClear(TDSControl* h);
int32_t DSInsert(TDSControl* h, const void* rec);
int32_t DSAppend(TDSControl* h, const void* rec);
// `keyBuf` must hold a whole record; on 0 or 1 it receives the slot at the position.
int32_t DSFind(TDSControl* h, void* keyBuf, int32_t& recNo);
int32_t DSFindPos(TDSControl* h, const void* key, int32_t& recNo);
int32_t DSNext(TDSControl* h, void* rec);
int32_t DSPrev(TDSControl* h, void* rec);
int32_t DSBack(TDSControl* h);
int32_t DSNextMatch(TDSControl* h, const DSFilter& filter, void* rec);
int32_t DSReadAt(TDSControl* h, int32_t recNo, void* rec);
int32_t DSUpdate(TDSControl* h, int32_t recNo, const void* rec);
int32_t DSDelete(TDSControl* h, int32_t recNo);
int32_t DSGetPos(TDSControl* h, int32_t& recNo);
int32_t DSSetPos(TDSControl* h, int32_t recNo);
int32_t DSLastPos(TDSControl* h, int32_t& recNo);
int32_t DSCheckOrder(TDSControl* h, int32_t& recNo);
int32_t DSPack(TDSControl* h);
int32_t DSSlack(TDSControl* h, int64_t& bytes);

int32_t DSSetUserWord(TDSControl* h, int which, int16_t value);
int32_t DSSetUserLong(TDSControl* h, int which, int32_t value);
int32_t DSSetUserText(TDSControl* h, int which, const std::string& text);
int32_t DSGetUserLong(TDSControl* h, int which, int32_t& value);

// The in-memory header (counts, shape and user fields) of an open store.
// Requires: h is not null.
const TDSHeader& DSGetHeader(const TDSControl* h);

// Checks the invariants of docs/file-format.md over the whole store: every
// block in use holds 1..N records, the counts add up to the header's, and keys
// never decrease across the store. (Equal keys in a store without the
// duplicates flag are the caller's doing; DSCheckOrder reports those.)
// Returns 0, or a code with a reason in `why`. Needs a key comparison.
int32_t DSCheckInvariants(TDSControl* h, std::string& why);

}  // namespace orv
