// One change of one record, made durable: the change in the store, then a
// flush to disk. When either fails the change is undone and flushed again,
// so the file holds what it held before; a change that was made can also be
// undone later (when a second store of the same save fails).
#pragma once

#include <cstdint>
#include <vector>

namespace orv {

struct TDSControl;

enum class RecordChangeKind { kUpdate, kInsert, kDelete };

// RecordChange: a record replaced, added or removed in an open store.
class RecordChange {
 public:
  // `before` (update, delete) and `after` (update, insert) hold whole
  // records of `size` bytes; `recNo` names the record (update, delete).
  RecordChange(TDSControl* h, RecordChangeKind kind, int32_t recNo, const void* before,
               const void* after, int size);

  // Makes the change and flushes the store. Returns 0, or the engine's code
  // of the failure (the store is then as before, as far as it can be
  // written). Requires: not applied yet.
  int32_t Apply();
  // Undoes an applied change and flushes; 0 or the failure's code.
  int32_t Undo();
  bool Applied() const { return applied_; }

 private:
  int32_t Reverse();

  TDSControl* h_;
  RecordChangeKind kind_;
  int32_t recNo_;
  std::vector<uint8_t> before_;
  std::vector<uint8_t> after_;
  bool applied_ = false;
};

}  // namespace orv
