// The rollback journal: what a commit leaves on disk, and what an open does
// with the journal a crash left behind, whole, cut short, damaged, of
// another version or shape, or beside a store that is gone.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "datastore/data_store.h"
#include "datastore/ds_journal_support.h"

namespace orv {
namespace {

using test::Bytes;
using test::Contents;
using test::Exists;
using test::Rec16;

constexpr size_t kJHeader = 32;  // journal header bytes (docs/file-format.md)
constexpr size_t kJEntryHead = 16;

Contents Numbered(uint32_t count, uint32_t payload) {
  Contents c;
  for (uint32_t i = 1; i <= count; ++i) c[i * 10] = payload;
  return c;
}

// Updates spread over the store, inserts that split blocks and a run of
// deletions that empties whole blocks.
const Contents kAdd = [] {
  Contents c;
  for (uint32_t k = 10; k <= 600; k += 30) c[k] = 2;
  for (uint32_t k = 15; k <= 600; k += 50) c[k] = 3;
  return c;
}();
const std::vector<uint32_t> kDrop = {100, 110, 120, 130, 140, 150, 160, 170, 180, 190};

class Journal : public ::testing::Test {
 protected:
  std::string Store() const { return tmp_.File("J.XRD"); }
  std::string JournalFile() const { return Store() + "-journal"; }

  void MakeCommitted() {
    base_ = Numbered(60, 1);
    DSHandle h;
    ASSERT_EQ(test::OpenJournaled(Store(), h, 'w'), kDSCreated);
    ASSERT_EQ(test::ApplyChanges(h.get(), base_, {}), kDSOk);
    ASSERT_EQ(DSClose(h), kDSOk);
    ASSERT_FALSE(Exists(JournalFile()));
    changed_ = test::Changed(base_, kAdd, kDrop);
  }
  // The files a run leaves when it dies after changing the store without a
  // commit: the small cache has written blocks back, so the store is touched.
  void Crash() {
    ASSERT_NO_FATAL_FAILURE(MakeCommitted());
    committedBytes_ = test::ReadBytes(Store());
    DSHandle h;
    ASSERT_EQ(test::OpenJournaled(Store(), h, 'w'), kDSOk);
    ASSERT_EQ(test::ApplyChanges(h.get(), kAdd, kDrop), kDSOk);
    h.reset();
    ASSERT_TRUE(Exists(JournalFile()));
    ASSERT_NE(test::ReadBytes(Store()), committedBytes_) << "the store should have been touched";
  }

  test::TempDir tmp_;
  Contents base_, changed_;
  Bytes committedBytes_;
};

// Offsets of the journal's entries and where each begins in the journal.
std::vector<std::pair<uint64_t, size_t>> Entries(const Bytes& j) {
  std::vector<std::pair<uint64_t, size_t>> out;
  for (size_t pos = kJHeader; pos + kJEntryHead <= j.size();) {
    uint64_t off = 0;
    uint32_t len = 0;
    for (int i = 7; i >= 0; --i) off = off << 8 | j[pos + i];
    for (int i = 3; i >= 0; --i) len = len << 8 | j[pos + 8 + i];
    out.emplace_back(off, pos);
    pos += kJEntryHead + len;
  }
  return out;
}

TEST_F(Journal, CommitsLastAndWhatFollowsThemIsRolledBack) {
  struct Row {
    const char* name;
    std::function<void(TDSControl*)> run;  // then the handle is dropped
    bool changedLasts;
  };
  const Row rows[] = {
      {"no commit", [](TDSControl*) {}, false},
      {"commit", [](TDSControl* h) { EXPECT_EQ(DSCommit(h), kDSOk); }, true},
      {"commit twice",
       [](TDSControl* h) {
         EXPECT_EQ(DSCommit(h), kDSOk);
         EXPECT_EQ(DSCommit(h), kDSOk);
       },
       true},
      {"commit, then more changes",
       [](TDSControl* h) {
         EXPECT_EQ(DSCommit(h), kDSOk);
         EXPECT_EQ(DSClear(h), kDSOk);
       },
       true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_NO_FATAL_FAILURE(MakeCommitted());
    DSHandle h;
    ASSERT_EQ(test::OpenJournaled(Store(), h, 'w'), kDSOk);
    ASSERT_EQ(test::ApplyChanges(h.get(), kAdd, kDrop), kDSOk);
    row.run(h.get());
    h.reset();
    DSHandle again;
    ASSERT_EQ(test::OpenJournaled(Store(), again, 'w'), kDSOk);
    EXPECT_EQ(test::ReadContents(again.get()), row.changedLasts ? changed_ : base_);
    EXPECT_FALSE(Exists(JournalFile()));
    EXPECT_EQ(DSClose(again), kDSOk);
    std::filesystem::remove(Store());
  }
}

TEST_F(Journal, CommitWithoutChangesWritesNothing) {
  ASSERT_NO_FATAL_FAILURE(MakeCommitted());
  Bytes before = test::ReadBytes(Store());
  DSHandle h;
  ASSERT_EQ(test::OpenJournaled(Store(), h, 'w'), kDSOk);
  EXPECT_EQ(test::ReadContents(h.get()), base_);
  EXPECT_EQ(DSCommit(h.get()), kDSOk);
  EXPECT_FALSE(Exists(JournalFile()));
  EXPECT_EQ(DSClose(h), kDSOk);
  EXPECT_EQ(test::ReadBytes(Store()), before);
}

TEST_F(Journal, OpenPutsBackWhatTheJournalAllows) {
  struct Row {
    const char* name;
    // Changes the crash's files into the case; may use the committed bytes.
    std::function<void(const std::string& store, const std::string& journal, const Bytes& old)>
        make;
    int32_t openCode;
    DSRecovery recovery;
    bool empty;  // else the last commit
  };
  auto cutLastEntry = [](const std::string& store, const std::string& journal, bool cut) {
    // The run died while the last entry was being written: the store was
    // never written where it points. Its bytes go back into the store,
    // then the entry is damaged or cut.
    Bytes j = test::ReadBytes(journal);
    auto entries = Entries(j);
    auto [off, pos] = entries.back();
    Bytes s = test::ReadBytes(store);
    size_t len = off == 0 ? 59 : test::kJournalTestBlock;
    std::copy(j.begin() + static_cast<long>(pos + kJEntryHead),
              j.begin() + static_cast<long>(pos + kJEntryHead + len),
              s.begin() + static_cast<long>(off));
    test::WriteBytes(store, s);
    if (cut) {
      j.resize(pos + kJEntryHead + len / 2);
    } else {
      j[pos + kJEntryHead + 3] ^= 0x5A;
    }
    test::WriteBytes(journal, j);
  };
  const Row rows[] = {
      {"whole journal", [](auto&, auto&, auto&) {}, kDSOk, DSRecovery::kRolledBack, false},
      {"header cut short before the store was touched",
       [](const std::string& s, const std::string& j, const Bytes& old) {
         test::WriteBytes(s, old);
         Bytes b = test::ReadBytes(j);
         b.resize(20);
         test::WriteBytes(j, b);
       },
       kDSOk, DSRecovery::kDiscarded, false},
      {"header damaged before the store was touched",
       [](const std::string& s, const std::string& j, const Bytes& old) {
         test::WriteBytes(s, old);
         Bytes b = test::ReadBytes(j);
         b[17] ^= 1;
         test::WriteBytes(j, b);
       },
       kDSOk, DSRecovery::kDiscarded, false},
      {"noise of a journal's length",
       [](const std::string& s, const std::string& j, const Bytes& old) {
         test::WriteBytes(s, old);
         Bytes b(test::ReadBytes(j).size());
         std::mt19937 rng(7);
         for (auto& x : b) x = static_cast<unsigned char>(rng());
         test::WriteBytes(j, b);
       },
       kDSOk, DSRecovery::kDiscarded, false},
      {"last entry damaged", [&](auto& s, auto& j, auto&) { cutLastEntry(s, j, false); }, kDSOk,
       DSRecovery::kRolledBack, false},
      {"journal cut inside its last entry",
       [&](auto& s, auto& j, auto&) { cutLastEntry(s, j, true); }, kDSOk, DSRecovery::kRolledBack,
       false},
      {"store deleted", [](const std::string& s, auto&, auto&) { std::filesystem::remove(s); },
       kDSCreated, DSRecovery::kDiscarded, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_NO_FATAL_FAILURE(Crash());
    row.make(Store(), JournalFile(), committedBytes_);
    Bytes storeBefore = test::ReadBytes(Store());
    Bytes journalBefore = test::ReadBytes(JournalFile());
    Contents want = row.empty ? Contents{} : base_;
    if (!row.empty) {
      // A read-only open reads the last commit and writes nothing.
      DSHandle r;
      ASSERT_EQ(test::OpenJournaled(Store(), r, 'r'), kDSOk);
      EXPECT_EQ(DSRecoveryAtOpen(r.get()), row.recovery == DSRecovery::kRolledBack
                                               ? DSRecovery::kRolledBackInMemory
                                               : DSRecovery::kDiscarded);
      EXPECT_EQ(test::ReadContents(r.get()), want);
      std::string why;
      EXPECT_EQ(DSCheckInvariants(r.get(), why), 0) << why;
      EXPECT_EQ(DSClose(r), kDSOk);
      EXPECT_EQ(test::ReadBytes(Store()), storeBefore);
      EXPECT_EQ(test::ReadBytes(JournalFile()), journalBefore);
    }
    DSHandle h;
    ASSERT_EQ(test::OpenJournaled(Store(), h, 'w'), row.openCode);
    EXPECT_EQ(DSRecoveryAtOpen(h.get()), row.recovery);
    EXPECT_FALSE(Exists(JournalFile()));
    EXPECT_EQ(test::ReadContents(h.get()), want);
    EXPECT_EQ(DSClose(h), kDSOk);
    EXPECT_EQ(test::ReopenChecked(Store(), row.name), want);
    std::filesystem::remove(Store());
  }
}

TEST_F(Journal, ForeignJournalsLeaveTheStoreAlone) {
  // Another version's journal cannot be read: the open is refused and both
  // files stay for the program that wrote it.
  ASSERT_NO_FATAL_FAILURE(Crash());
  Bytes j = test::ReadBytes(JournalFile());
  j[8] = 2;
  test::WriteBytes(JournalFile(), j);
  Bytes store = test::ReadBytes(Store());
  for (char mode : {'w', 'r'}) {
    DSHandle h;
    EXPECT_EQ(test::OpenJournaled(Store(), h, mode), kDSJournalVersion) << mode;
    EXPECT_FALSE(h);
  }
  EXPECT_EQ(test::ReadBytes(Store()), store);
  EXPECT_EQ(test::ReadBytes(JournalFile()), j);

  // A journal of a store of another block size is not this store's.
  std::filesystem::remove(JournalFile());
  std::filesystem::remove(Store());
  ASSERT_NO_FATAL_FAILURE(MakeCommitted());
  Bytes committed = test::ReadBytes(Store());
  const std::string other = tmp_.File("OTHER.XRD");
  {
    DSParams p = DSSetParams(16, 256, 0, false);
    p.bufferBudget = 4;
    DSHandle h;
    ASSERT_EQ(DSOpen(other, h, 'w', p), kDSCreated);
    DSSetCompare(h.get(), test::KeyCompare, nullptr, nullptr);
    ASSERT_EQ(test::ApplyChanges(h.get(), Numbered(200, 1), {}), kDSOk);
    ASSERT_EQ(DSClose(h), kDSOk);
    ASSERT_EQ(DSOpen(other, h, 'w', p), kDSOk);
    DSSetCompare(h.get(), test::KeyCompare, nullptr, nullptr);
    ASSERT_EQ(test::ApplyChanges(h.get(), Numbered(200, 5), {}), kDSOk);
    h.reset();
  }
  std::filesystem::rename(other + "-journal", JournalFile());
  DSHandle h;
  ASSERT_EQ(test::OpenJournaled(Store(), h, 'w'), kDSOk);
  EXPECT_EQ(DSRecoveryAtOpen(h.get()), DSRecovery::kDiscarded);
  EXPECT_EQ(DSClose(h), kDSOk);
  EXPECT_EQ(test::ReadBytes(Store()), committed);
}

TEST_F(Journal, ReplacingAStoreTakesTheNewOneWhole) {
  ASSERT_NO_FATAL_FAILURE(Crash());
  const std::string fresh = tmp_.File("J.XRD-new");
  DSParams p = DSSetParams(16, test::kJournalTestBlock, 0, false);
  p.journal = false;
  DSHandle h;
  ASSERT_EQ(DSOpen(fresh, h, 'w', p), kDSCreated);
  DSSetCompare(h.get(), test::KeyCompare, nullptr, nullptr);
  ASSERT_EQ(test::ApplyChanges(h.get(), Numbered(30, 9), {}), kDSOk);
  ASSERT_EQ(DSClose(h), kDSOk);
  EXPECT_FALSE(Exists(fresh + "-journal"));
  // The old store's journal is put back into the old store first, never
  // into the new one.
  EXPECT_EQ(DSReplaceStore(fresh, Store()), kDSOk);
  EXPECT_FALSE(Exists(JournalFile()));
  EXPECT_FALSE(Exists(fresh));
  EXPECT_EQ(test::ReopenChecked(Store(), "replaced"), Numbered(30, 9));
}

TEST_F(Journal, AReadOnlyDatastoreSaysItReadsTheLastCommit) {
  ASSERT_NO_FATAL_FAILURE(Crash());
  TXRDataStore store(Store(), false, 16, "TEST", 7);
  store.SetCompare(test::KeyCompare, nullptr, nullptr);
  store.SetReadOnly(true);
  TDSControl* h = store.Open(false);
  ASSERT_TRUE(DSIsOpen(h));
  EXPECT_TRUE(store.RolledBackInMemory());
  EXPECT_EQ(test::ReadContents(h), base_);
  store.ForceClose();
  EXPECT_TRUE(Exists(JournalFile())) << "a read-only open writes nothing";
  EXPECT_FALSE(store.ChangedThisRun());

  store.SetReadOnly(false);
  h = store.Open(false);
  ASSERT_TRUE(DSIsOpen(h));
  EXPECT_FALSE(store.RolledBackInMemory());
  EXPECT_FALSE(Exists(JournalFile()));
  EXPECT_EQ(test::ReadContents(h), base_);
  EXPECT_FALSE(store.ChangedThisRun()) << "a rollback is no change of the user's";
  Rec16 r = test::MakeRec(7, 7);
  ASSERT_EQ(DSInsert(h, r.data()), kDSOk);
  EXPECT_TRUE(store.ChangedThisRun());
  EXPECT_EQ(store.ForceClose(), kDSOk);
  EXPECT_TRUE(store.ChangedThisRun());
}

}  // namespace
}  // namespace orv
