// Shared by the journal tests: a 16-byte keyed store opened through any file
// system with a small block cache (so changes reach the file before the
// commit), its contents as a key -> payload map, whole-file snapshots, and
// a "crash": the handle dropped without a close.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "datastore/ds_object.h"
#include "datastore/ds_store_test_util.h"
#include "support/temp_dir.h"

namespace orv::test {

using Contents = std::map<uint32_t, uint32_t>;
using Bytes = std::vector<unsigned char>;

inline constexpr int kJournalTestBlock = 128;  // 7 records a block
inline constexpr int kJournalTestBudget = 4;

inline int32_t OpenJournaled(const std::string& path, DSHandle& h, char mode,
                             FileSystem* fs = nullptr) {
  DSParams p = DSSetParams(16, kJournalTestBlock, 0, false);
  p.fs = fs;
  p.bufferBudget = kJournalTestBudget;
  int32_t rc = DSOpen(path, h, mode, p);
  if (h) DSSetCompare(h.get(), KeyCompare, nullptr, KeyPrefix);
  return rc;
}

inline Contents ReadContents(TDSControl* h) {
  Contents c;
  Rec16 r;
  DSSetPos(h, 0);
  while (DSNext(h, r.data()) == kDSOk) c[KeyOf(r)] = PayloadOf(r);
  return c;
}

// Inserts or updates every key of `add`; removes every key of `drop`.
inline int32_t ApplyChanges(TDSControl* h, const Contents& add, const std::vector<uint32_t>& drop) {
  for (const auto& [key, payload] : add) {
    Rec16 r = MakeRec(key, payload);
    int32_t at = 0;
    Rec16 probe = r;
    int32_t rc = DSFind(h, probe.data(), at);
    if (rc != kDSOk && rc != kDSFound && rc != kDSEnd) return rc;
    rc = rc == kDSFound ? DSUpdate(h, at, r.data()) : DSInsert(h, r.data());
    if (rc < 0 || rc > kDSFound) return rc;
  }
  for (uint32_t key : drop) {
    int32_t at = 0;
    Rec16 probe = MakeRec(key);
    int32_t rc = DSFind(h, probe.data(), at);
    if (rc == kDSOk || rc == kDSEnd) continue;
    if (rc != kDSFound) return rc;
    if (int32_t rc2 = DSDelete(h, at)) return rc2;
  }
  return kDSOk;
}

inline Contents Changed(Contents c, const Contents& add, const std::vector<uint32_t>& drop) {
  for (const auto& [k, v] : add) c[k] = v;
  for (uint32_t k : drop) c.erase(k);
  return c;
}

inline bool Exists(const std::string& path) { return std::filesystem::exists(path); }

// Opens the store with the real file system and checks its invariants;
// its contents, or an empty map with a failure.
inline Contents ReopenChecked(const std::string& path, const std::string& where) {
  DSHandle h;
  int32_t rc = OpenJournaled(path, h, 'w');
  if (rc != kDSOk && rc != kDSCreated) {
    ADD_FAILURE() << where << ": reopening answered " << rc;
    return {};
  }
  std::string why;
  EXPECT_EQ(DSCheckInvariants(h.get(), why), 0) << where << ": " << why;
  int32_t at = 0;
  EXPECT_EQ(DSCheckOrder(h.get(), at), 0) << where;
  Contents c = ReadContents(h.get());
  EXPECT_EQ(DSClose(h), kDSOk) << where;
  EXPECT_FALSE(Exists(path + "-journal")) << where << ": journal left after a clean close";
  return c;
}

}  // namespace orv::test
