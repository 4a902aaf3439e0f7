#include "edit/record_write.h"

#include <cstring>

#include "datastore/ds_object.h"

namespace orv {
namespace {

std::vector<uint8_t> Copy(const void* rec, int size) {
  std::vector<uint8_t> out(static_cast<size_t>(size));
  if (rec) std::memcpy(out.data(), rec, out.size());
  return out;
}

// DSInsert answers 1 when an equal key was there already (letters of equal
// rank); the record is inserted all the same.
bool Inserted(int32_t rc) { return rc == kDSOk || rc == kDSFound; }

}  // namespace

RecordChange::RecordChange(TDSControl* h, RecordChangeKind kind, int32_t recNo, const void* before,
                           const void* after, int size)
    : h_(h), kind_(kind), recNo_(recNo), before_(Copy(before, size)), after_(Copy(after, size)) {}

int32_t RecordChange::Apply() {
  int32_t rc = kDSOk;
  switch (kind_) {
    case RecordChangeKind::kUpdate:
      rc = DSUpdate(h_, recNo_, after_.data());
      break;
    case RecordChangeKind::kInsert:
      rc = DSInsert(h_, after_.data());
      if (Inserted(rc)) rc = DSGetPos(h_, recNo_);
      break;
    case RecordChangeKind::kDelete:
      rc = DSDelete(h_, recNo_);
      break;
  }
  // A refused change (read-only store, unreadable block) left the store as
  // it was.
  if (rc != kDSOk) return rc;
  applied_ = true;
  rc = DSFlush(h_);
  if (rc == kDSOk) return rc;
  // A short write may have left part of a block on disk: the undone block
  // is written again, which puts the old bytes back when the disk allows.
  Reverse();
  DSFlush(h_);
  applied_ = false;
  return rc;
}

int32_t RecordChange::Undo() {
  if (!applied_) return kDSOk;
  int32_t rc = Reverse();
  const int32_t flushed = DSFlush(h_);
  applied_ = false;
  return rc != kDSOk ? rc : flushed;
}

int32_t RecordChange::Reverse() {
  switch (kind_) {
    case RecordChangeKind::kUpdate:
      return DSUpdate(h_, recNo_, before_.data());
    case RecordChangeKind::kInsert:
      return DSDelete(h_, recNo_);
    case RecordChangeKind::kDelete: {
      const int32_t rc = DSInsert(h_, before_.data());
      return Inserted(rc) ? kDSOk : rc;
    }
  }
  return kDSOk;
}

}  // namespace orv
