// Failures under the journal: every read, write and sync of a save (the
// changes and their commit) and of a rollback fails once in turn, and the
// disk fills up at every point of a save. Whatever fails, the store reopens
// consistent and holds either its last commit or the whole save, never a
// mix; a save that reported success always lasts.
#include <gtest/gtest.h>

#include "datastore/ds_journal_support.h"
#include "support/fault_fs.h"

namespace orv {
namespace {

using test::Contents;
using test::Exists;

const Contents kBase = [] {
  Contents c;
  for (uint32_t k = 10; k <= 500; k += 10) c[k] = 1;
  return c;
}();
const Contents kAdd = [] {
  Contents c;
  for (uint32_t k = 10; k <= 500; k += 40) c[k] = 2;
  for (uint32_t k = 15; k <= 600; k += 70) c[k] = 3;
  return c;
}();
const std::vector<uint32_t> kDrop = {200, 210, 220, 230, 240, 250, 260, 270};

bool IsFailure(int32_t rc) {
  return rc == kDSShortWrite || rc == kDSShortRead || rc == kDSNoFile || rc == kDSSyncFailed ||
         rc == kDSJournalFailed;
}

class JournalFaults : public ::testing::Test {
 protected:
  std::string Store() const { return tmp_.File("F.XRD"); }

  JournalFaults() {
    quick_.syncToDevice = false;
    ffs_.syncToDevice = false;
    bfs_.syncToDevice = false;
  }

  void MakeBase() {
    std::filesystem::remove(Store());
    std::filesystem::remove(Store() + "-journal");
    DSHandle h;
    ASSERT_EQ(test::OpenJournaled(Store(), h, 'w', &quick_), kDSCreated);
    ASSERT_EQ(test::ApplyChanges(h.get(), kBase, {}), kDSOk);
    ASSERT_EQ(DSClose(h), kDSOk);
  }
  // Opens through `fs`, changes and commits; the first failing code, or 0.
  // `committing` tells whether the changes were all made.
  static int32_t Save(FileSystem& fs, const std::string& path, DSHandle& h,
                      bool* committing = nullptr) {
    if (committing) *committing = false;
    if (int32_t rc = test::OpenJournaled(path, h, 'w', &fs)) return rc;
    if (int32_t rc = test::ApplyChanges(h.get(), kAdd, kDrop)) return rc;
    if (committing) *committing = true;
    return DSCommit(h.get());
  }

  test::TempDir tmp_;
  test::BrokenFS quick_;
  test::FaultFS ffs_;
  test::BrokenFS bfs_;
  const Contents changed_ = test::Changed(kBase, kAdd, kDrop);
};

TEST_F(JournalFaults, EveryFailedTransferOfASaveKeepsTheLastCommitOrTheSave) {
  test::FaultFS& ffs = ffs_;
  ASSERT_NO_FATAL_FAILURE(MakeBase());
  DSHandle h;
  ffs.FailAt(0);
  ASSERT_EQ(Save(ffs, Store(), h), kDSOk);
  ASSERT_EQ(DSClose(h), kDSOk);
  const int64_t total = ffs.ops();
  ASSERT_GT(total, 20);
  int syncs = 0;
  for (int64_t n = 1; n <= total; ++n) {
    // Then the run dies (a), or tries the commit again (b).
    for (bool retry : {false, true}) {
      std::string where = "transfer " + std::to_string(n) + (retry ? ", retried" : ", crashed");
      ASSERT_NO_FATAL_FAILURE(MakeBase());
      ffs.FailAt(n);
      bool committing = false;
      int32_t rc = Save(ffs, Store(), h, &committing);
      ASSERT_TRUE(ffs.fired()) << where;
      syncs += ffs.failedSync() ? 1 : 0;
      if (rc != kDSOk) {
        EXPECT_TRUE(IsFailure(rc)) << where << " answered " << rc;
      }
      if (retry && h && committing) {
        ffs.FailAt(0);
        EXPECT_EQ(DSCommit(h.get()), kDSOk) << where;
        EXPECT_EQ(DSClose(h), kDSOk) << where;
        EXPECT_EQ(test::ReopenChecked(Store(), where), changed_) << where;
        continue;
      }
      h.reset();
      Contents now = test::ReopenChecked(Store(), where);
      if (rc == kDSOk) {
        EXPECT_EQ(now, changed_) << where << ": a reported save was lost";
      } else {
        EXPECT_TRUE(now == kBase || now == changed_) << where << ": " << now.size() << " records";
      }
    }
  }
  EXPECT_GE(syncs, 6) << "the syncs of the journal, the store and the folder should all fail once";
}

TEST_F(JournalFaults, EveryFailedTransferOfARollbackLeavesItForTheNextOpen) {
  test::FaultFS& ffs = ffs_;
  auto crash = [&] {
    MakeBase();
    DSHandle h;
    ASSERT_EQ(test::OpenJournaled(Store(), h, 'w', &quick_), kDSOk);
    ASSERT_EQ(test::ApplyChanges(h.get(), kAdd, kDrop), kDSOk);
    h.reset();
    ASSERT_TRUE(Exists(Store() + "-journal"));
  };
  ASSERT_NO_FATAL_FAILURE(crash());
  DSHandle h;
  ffs.FailAt(0);
  ASSERT_EQ(test::OpenJournaled(Store(), h, 'w', &ffs), kDSOk);
  ASSERT_EQ(DSRecoveryAtOpen(h.get()), DSRecovery::kRolledBack);
  h.reset();
  const int64_t total = ffs.ops();
  for (int64_t n = 1; n <= total; ++n) {
    std::string where = "transfer " + std::to_string(n);
    ASSERT_NO_FATAL_FAILURE(crash());
    ffs.FailAt(n);
    int32_t rc = test::OpenJournaled(Store(), h, 'w', &ffs);
    ASSERT_TRUE(ffs.fired()) << where;
    if (rc == kDSOk) {
      EXPECT_EQ(test::ReadContents(h.get()), kBase) << where;
      EXPECT_EQ(DSClose(h), kDSOk);
    } else {
      EXPECT_TRUE(IsFailure(rc)) << where << " answered " << rc;
      EXPECT_FALSE(h) << where;
    }
    EXPECT_EQ(test::ReopenChecked(Store(), where), kBase) << where;
  }
}

TEST_F(JournalFaults, AFullDiskFailsTheSaveWithoutHarm) {
  test::BrokenFS& bfs = bfs_;
  ASSERT_NO_FATAL_FAILURE(MakeBase());
  int failed = 0;
  for (int64_t room = 0; room <= 8000; room += 131) {
    for (bool freed : {false, true}) {
      std::string where = std::to_string(room) + " bytes free" + (freed ? ", then freed" : "");
      ASSERT_NO_FATAL_FAILURE(MakeBase());
      bfs.diskFree = room;
      DSHandle h;
      bool committing = false;
      int32_t rc = Save(bfs, Store(), h, &committing);
      bfs.diskFree = -1;
      if (rc == kDSOk) {
        EXPECT_EQ(DSClose(h), kDSOk) << where;
        EXPECT_EQ(test::ReopenChecked(Store(), where), changed_) << where;
        continue;
      }
      ++failed;
      EXPECT_TRUE(IsFailure(rc)) << where << " answered " << rc;
      if (freed && h && committing) {
        EXPECT_EQ(DSClose(h), kDSOk) << where;
        EXPECT_EQ(test::ReopenChecked(Store(), where), changed_) << where;
      } else {
        h.reset();
        EXPECT_EQ(test::ReopenChecked(Store(), where), kBase) << where;
      }
    }
  }
  EXPECT_GT(failed, 20);
}

}  // namespace
}  // namespace orv
