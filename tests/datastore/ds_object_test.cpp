#include "datastore/ds_object.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "datastore/ds_store_test_util.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::KeyOf;
using test::MakeRec;
using test::OpenKeyed;
using test::ReadBytes;
using test::Rec16;
using test::TempDir;

constexpr size_t kHdr = 1024;
constexpr size_t kBlock16 = 4096;

// Count byte of block b of a closed 16-byte store.
int BlockCount(const std::vector<unsigned char>& file, size_t b) {
  return file.at(kHdr + b * kBlock16);
}

class DatastoreOps : public ::testing::Test {
 protected:
  std::string Path(const char* name = "s.xrd") const { return dir_.File(name); }
  void InsertRange(TDSControl* h, uint32_t from, uint32_t to, uint32_t step = 1) {
    for (uint32_t k = from; k < to; k += step) {
      Rec16 r = MakeRec(k, k);
      ASSERT_EQ(DSInsert(h, r.data()), 0) << k;
    }
  }
  TempDir dir_;
};

TEST_F(DatastoreOps, AscendingInsertsSplitThenPackFillsBlocks) {
  DSHandle h;
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSCreated);
  InsertRange(h.get(), 0, 300);
  int32_t last = 0;
  ASSERT_EQ(DSLastPos(h.get(), last), 0);
  EXPECT_EQ(last, 255 + 172);  // block 1 ends at slot 171
  ASSERT_EQ(DSClose(h), 0);
  auto file = ReadBytes(Path());
  EXPECT_EQ(BlockCount(file, 0), 128);
  EXPECT_EQ(BlockCount(file, 1), 172);
  TDSHeader hdr = TDSHeader::Decode(file.data());
  EXPECT_EQ(hdr.recordCount, 300);
  EXPECT_EQ(hdr.blockCount, 2u);

  ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSOk);
  ASSERT_EQ(DSPack(h.get()), 0);
  int64_t slack = -1;
  ASSERT_EQ(DSSlack(h.get(), slack), 0);
  EXPECT_EQ(slack, 0);
  ASSERT_EQ(DSLastPos(h.get(), last), 0);
  EXPECT_EQ(last, 300);
  Rec16 r{};
  for (int32_t n = 1; n <= 300; ++n) {
    ASSERT_EQ(DSReadAt(h.get(), n, r.data()), 0);
    ASSERT_EQ(KeyOf(r), static_cast<uint32_t>(n - 1));
  }
  ASSERT_EQ(DSClose(h), 0);
  file = ReadBytes(Path());
  EXPECT_EQ(file.size(), kHdr + 2 * kBlock16);
  EXPECT_EQ(BlockCount(file, 0), 255);
  EXPECT_EQ(BlockCount(file, 1), 45);
}

TEST_F(DatastoreOps, SplitKeepsHalfAndPlacesInsertionBySlot) {
  // A full block of 255 even keys, then one key landing at a chosen slot.
  struct Case {
    uint32_t key;
    int old, fresh;
  };
  // Key 2s - 1 lands at slot s.
  for (Case c : {Case{2 * 11 - 1, 128, 128}, Case{2 * 127 - 1, 128, 128},
                 Case{2 * 128 - 1, 129, 127}, Case{2 * 200 - 1, 128, 128}}) {
    std::filesystem::remove(Path());
    DSHandle h;
    ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSCreated);
    InsertRange(h.get(), 0, 510, 2);
    Rec16 r = MakeRec(c.key);
    ASSERT_EQ(DSInsert(h.get(), r.data()), 0);
    int32_t pos = 0;
    DSGetPos(h.get(), pos);
    Rec16 back{};
    ASSERT_EQ(DSReadAt(h.get(), pos, back.data()), 0);
    EXPECT_EQ(KeyOf(back), c.key) << "cursor is on the new record";
    ASSERT_EQ(DSClose(h), 0);
    auto file = ReadBytes(Path());
    EXPECT_EQ(BlockCount(file, 0), c.old) << c.key;
    EXPECT_EQ(BlockCount(file, 1), c.fresh) << c.key;
  }
}

TEST_F(DatastoreOps, DuplicatesInsertAfterEqualsAndFindTheFirst) {
  DSHandle h;
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', true), kDSCreated);
  for (uint32_t k : {5u, 9u}) {
    Rec16 r = MakeRec(k);
    DSInsert(h.get(), r.data());
  }
  for (uint32_t p = 1; p <= 3; ++p) {
    Rec16 r = MakeRec(7, p);
    EXPECT_EQ(DSInsert(h.get(), r.data()), p == 1 ? 0 : 1);
  }
  Rec16 key = MakeRec(7);
  int32_t n = 0;
  ASSERT_EQ(DSFind(h.get(), key.data(), n), 1);
  EXPECT_EQ(test::PayloadOf(key), 1u);
  EXPECT_EQ(n, 2);
  for (uint32_t p = 2; p <= 3; ++p) {
    ASSERT_EQ(DSNext(h.get(), key.data()), 0);
    EXPECT_EQ(test::PayloadOf(key), p);
  }
  int32_t at = 0;
  EXPECT_EQ(DSCheckOrder(h.get(), at), kDSOutOfOrder) << "key order alone repeats keys";
  DSSetCompare(h.get(), test::KeyCompare,
               [](const void* a, const void* b) { return std::memcmp(a, b, 8); }, nullptr);
  EXPECT_EQ(DSCheckOrder(h.get(), at), 0);
  EXPECT_EQ(at, 5);
}

TEST_F(DatastoreOps, UniqueStoreTakesEqualKeyBeforeTheOldOne) {
  DSHandle h;
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSCreated);
  Rec16 a = MakeRec(3, 1), b = MakeRec(3, 2);
  ASSERT_EQ(DSInsert(h.get(), a.data()), 0);
  ASSERT_EQ(DSInsert(h.get(), b.data()), 1);
  Rec16 r{};
  ASSERT_EQ(DSReadAt(h.get(), 1, r.data()), 0);
  EXPECT_EQ(test::PayloadOf(r), 2u);
  int32_t at = 0;
  EXPECT_EQ(DSCheckOrder(h.get(), at), kDSOutOfOrder);
  EXPECT_EQ(at, 2);
}

TEST_F(DatastoreOps, FindPastTheEndDependsOnRoomInLastBlock) {
  DSHandle h;
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSCreated);
  Rec16 big = MakeRec(100000);
  int32_t n = 0;
  EXPECT_EQ(DSFindPos(h.get(), big.data(), n), kDSEnd) << "empty store";
  InsertRange(h.get(), 0, 255);
  ASSERT_EQ(DSPack(h.get()), 0);
  EXPECT_EQ(DSFindPos(h.get(), big.data(), n), kDSEnd) << "last block full";
  ASSERT_EQ(DSDelete(h.get(), 1), 0);
  EXPECT_EQ(DSFindPos(h.get(), big.data(), n), 0);
  EXPECT_EQ(n, 255) << "just past the last record";
  Rec16 r{};
  EXPECT_EQ(DSNext(h.get(), r.data()), kDSEnd);
}

TEST_F(DatastoreOps, FindsDuplicateThatOpensBlockAfterRoomyBlock) {
  // Block 0 has room and block 1 starts with the key: the lookup must still
  // report the key as present, at its first record.
  DSHandle h;
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', true, 64), kDSCreated);  // 3 records a block
  for (uint32_t k : {1u, 2u, 3u, 5u, 5u}) {  // blocks [1 2] [3 5 5]
    Rec16 r = MakeRec(k, k);
    DSInsert(h.get(), r.data());
  }
  ASSERT_EQ(DSDelete(h.get(), 4), 0);  // blocks [1 2] [5 5]
  Rec16 key = MakeRec(5);
  int32_t n = 0;
  ASSERT_EQ(DSFind(h.get(), key.data(), n), 1);
  EXPECT_EQ(n, 4);
  EXPECT_EQ(KeyOf(key), 5u);
}

TEST_F(DatastoreOps, DeletingLastRecordOfBlockRemovesBlock) {
  DSHandle h;
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSCreated);
  InsertRange(h.get(), 0, 600);
  ASSERT_EQ(DSPack(h.get()), 0);  // 255 + 255 + 90
  ASSERT_EQ(DSClose(h), 0);
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSOk);
  for (int32_t n = 510; n > 255; --n) ASSERT_EQ(DSDelete(h.get(), n), 0);
  Rec16 r{};
  ASSERT_EQ(DSReadAt(h.get(), 256, r.data()), 0) << "former block 2 is now block 1";
  EXPECT_EQ(KeyOf(r), 510u);
  ASSERT_EQ(DSClose(h), 0);
  auto file = ReadBytes(Path());
  EXPECT_EQ(file.size(), kHdr + 2 * kBlock16);
  EXPECT_EQ(TDSHeader::Decode(file.data()).recordCount, 600 - 255);
}

TEST_F(DatastoreOps, CursorPositioningAndBackStep) {
  DSHandle h;
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSCreated);
  InsertRange(h.get(), 10, 20);
  Rec16 r{};
  DSSetPos(h.get(), 0);
  ASSERT_EQ(DSNext(h.get(), r.data()), 0);
  EXPECT_EQ(KeyOf(r), 10u);
  EXPECT_EQ(DSPrev(h.get(), r.data()), kDSEnd);
  EXPECT_EQ(DSBack(h.get()), 0) << "from the first record to before it";
  ASSERT_EQ(DSNext(h.get(), r.data()), 0);
  EXPECT_EQ(KeyOf(r), 10u);
  DSSetPos(h.get(), 6);
  ASSERT_EQ(DSNext(h.get(), r.data()), 0);
  EXPECT_EQ(KeyOf(r), 16u);
  ASSERT_EQ(DSPrev(h.get(), r.data()), 0);
  EXPECT_EQ(KeyOf(r), 15u);
  DSSetPos(h.get(), 10);
  EXPECT_EQ(DSNext(h.get(), r.data()), kDSEnd);
  DSSetPos(h.get(), 5000);  // far past the end: stepping back finds the last
  ASSERT_EQ(DSPrev(h.get(), r.data()), 0);
  EXPECT_EQ(KeyOf(r), 19u);
  EXPECT_EQ(DSReadAt(h.get(), 0, r.data()), kDSBadRecordNo);
  EXPECT_EQ(DSReadAt(h.get(), 11, r.data()), kDSEnd);
}

TEST_F(DatastoreOps, NextMatchRunsStatefulFilter) {
  DSHandle h;
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSCreated);
  InsertRange(h.get(), 0, 1000);
  int seen = 0;
  DSFilter everyHundredth = [&seen](const void* rec) {
    ++seen;
    Rec16 r;
    std::memcpy(r.data(), rec, 16);
    return KeyOf(r) % 100 == 99 ? 2 : 0;
  };
  DSSetPos(h.get(), 0);
  Rec16 r{};
  int hits = 0;
  int32_t rc;
  while ((rc = DSNextMatch(h.get(), everyHundredth, r.data())) != kDSEnd) {
    ASSERT_EQ(rc, 2);
    EXPECT_EQ(KeyOf(r) % 100, 99u);
    ++hits;
  }
  EXPECT_EQ(hits, 10);
  EXPECT_EQ(seen, 1000);
  EXPECT_EQ(DSNextMatch(h.get(), nullptr, r.data()), kDSEnd);
}

TEST_F(DatastoreOps, UpdateOverwritesInPlaceWithinBounds) {
  DSHandle h;
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSCreated);
  InsertRange(h.get(), 0, 3);
  Rec16 r = MakeRec(1, 77);
  ASSERT_EQ(DSUpdate(h.get(), 2, r.data()), 0);
  EXPECT_EQ(DSUpdate(h.get(), 4, r.data()), kDSSlotBeyond);
  EXPECT_EQ(DSUpdate(h.get(), 256, r.data()), kDSEnd);
  EXPECT_EQ(DSUpdate(h.get(), 0, r.data()), kDSBadRecordNo);
  ASSERT_EQ(DSClose(h), 0);
  ASSERT_EQ(OpenKeyed(Path(), h, 'u', false), kDSOk);
  Rec16 got{};
  ASSERT_EQ(DSReadAt(h.get(), 2, got.data()), 0);
  EXPECT_EQ(test::PayloadOf(got), 77u);
  EXPECT_EQ(DSUpdate(h.get(), 2, r.data()), 0);
  EXPECT_EQ(DSInsert(h.get(), r.data()), kDSNotAllowed);
  EXPECT_EQ(DSAppend(h.get(), r.data()), kDSNotAllowed);
  EXPECT_EQ(DSClose(h), 0);
}

TEST_F(DatastoreOps, RecordLimitRefusesInsertAndAppend) {
  DSHandle h;
  DSParams p = DSSetParams(16, 0, 3, false);
  ASSERT_EQ(DSOpen(Path(), h, 'w', p), kDSCreated);
  DSSetCompare(h.get(), test::KeyCompare, nullptr, nullptr);
  InsertRange(h.get(), 0, 3);
  Rec16 r = MakeRec(9);
  EXPECT_EQ(DSInsert(h.get(), r.data()), kDSEnd);
  EXPECT_EQ(DSAppend(h.get(), r.data()), kDSEnd);
  EXPECT_EQ(DSCount(h.get()), 3);
}

TEST_F(DatastoreOps, ReadOnlyStoreRefusesChangesAndIsNeverWritten) {
  DSHandle h;
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSCreated);
  InsertRange(h.get(), 0, 50);
  ASSERT_EQ(DSClose(h), 0);
  auto before = ReadBytes(Path());
  ASSERT_EQ(OpenKeyed(Path(), h, 'r', false), kDSOk);
  Rec16 r = MakeRec(1000);
  EXPECT_EQ(DSInsert(h.get(), r.data()), kDSNotAllowed);
  EXPECT_EQ(DSAppend(h.get(), r.data()), kDSNotAllowed);
  EXPECT_EQ(DSUpdate(h.get(), 1, r.data()), kDSNotAllowed);
  EXPECT_EQ(DSDelete(h.get(), 1), kDSNotAllowed);
  EXPECT_EQ(DSClear(h.get()), kDSNotAllowed);
  EXPECT_EQ(DSPack(h.get()), kDSNotAllowed);
  EXPECT_EQ(DSSetUserWord(h.get(), 1, 5), kDSNotAllowed);
  EXPECT_EQ(DSCount(h.get()), 50);
  ASSERT_EQ(DSClose(h), 0);
  EXPECT_EQ(ReadBytes(Path()), before);
}

TEST_F(DatastoreOps, ClosingTwiceAndEmptyHandlesReportNoHandle) {
  DSHandle h;
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSCreated);
  EXPECT_EQ(DSClose(h), 0);
  EXPECT_EQ(DSClose(h), kDSNoHandle);
  Rec16 r{};
  EXPECT_EQ(DSNext(nullptr, r.data()), kDSNoHandle);
  EXPECT_EQ(DSCount(nullptr), 0);
  EXPECT_FALSE(DSIsOpen(nullptr));
}

TEST_F(DatastoreOps, ClearEmptiesStoreAndFile) {
  DSHandle h;
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSCreated);
  InsertRange(h.get(), 0, 700);
  ASSERT_EQ(DSClose(h), 0);
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSOk);
  ASSERT_EQ(DSClear(h.get()), 0);
  Rec16 r{};
  DSSetPos(h.get(), 0);
  EXPECT_EQ(DSNext(h.get(), r.data()), kDSEnd);
  InsertRange(h.get(), 5, 6);
  ASSERT_EQ(DSClose(h), 0);
  auto file = ReadBytes(Path());
  EXPECT_EQ(file.size(), kHdr + kBlock16);
  EXPECT_EQ(TDSHeader::Decode(file.data()).recordCount, 1);
}

TEST_F(DatastoreOps, UnnamedStoreSpillsAndRemovesSpillFile) {
  DSHandle h;
  DSParams p = DSSetParams(16, 256, 0, false);  // 15 records a block
  p.bufferBudget = 4;
  p.spillDir = dir_.path();
  ASSERT_EQ(DSOpen("", h, 'w', p), kDSOk);
  DSSetCompare(h.get(), test::KeyCompare, nullptr, test::KeyPrefix);
  for (uint32_t i = 0; i < 2000; ++i) {
    Rec16 r = MakeRec((i * 7919) % 2000, i);
    ASSERT_EQ(DSInsert(h.get(), r.data()), 0);
  }
  int spills = 0;
  for (auto& e : std::filesystem::directory_iterator(dir_.path())) {
    std::string name = e.path().filename().string();
    spills += name.size() == 19 && name.rfind("ORV", 0) == 0 && name.substr(15) == ".tmp";
  }
  EXPECT_EQ(spills, 1);
  std::string why;
  EXPECT_EQ(DSCheckInvariants(h.get(), why), 0) << why;
  Rec16 key = MakeRec(1234);
  int32_t n = 0;
  ASSERT_EQ(DSFind(h.get(), key.data(), n), 1);
  EXPECT_EQ(KeyOf(key), 1234u);
  ASSERT_EQ(DSClose(h), 0);
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
}

TEST_F(DatastoreOps, AppendModeWritesBackBeyondItsBufferBudget) {
  DSHandle h;
  ASSERT_EQ(OpenKeyed(Path(), h, 'a', false, 256), kDSCreated);
  for (uint32_t i = 0; i < 15 * 40; ++i) {
    Rec16 r = MakeRec(i);
    ASSERT_EQ(DSAppend(h.get(), r.data()), 0);
  }
  // 40 blocks through 32 buffers: the first ones are already on disk.
  EXPECT_GE(std::filesystem::file_size(Path()), kHdr + 8 * 256);
  ASSERT_EQ(DSClose(h), 0);
  ASSERT_EQ(OpenKeyed(Path(), h, 'r', false), kDSOk);
  std::string why;
  EXPECT_EQ(DSCheckInvariants(h.get(), why), 0) << why;
  EXPECT_EQ(DSCount(h.get()), 600);
}

TEST_F(DatastoreOps, PrefixNarrowingFindsSameRecordsAsPlainSearch) {
  DSHandle plain, narrowed;
  ASSERT_EQ(OpenKeyed(Path("a"), plain, 'w', true, 256), kDSCreated);
  ASSERT_EQ(OpenKeyed(Path("b"), narrowed, 'w', true, 256, true), kDSCreated);
  for (uint32_t i = 0; i < 3000; ++i) {
    Rec16 r = MakeRec(((i * 2654435761u) >> 8) % 200000, i);
    DSInsert(plain.get(), r.data());
    DSInsert(narrowed.get(), r.data());
  }
  for (uint32_t k = 0; k < 200000; k += 97) {
    Rec16 a = MakeRec(k), b = MakeRec(k);
    int32_t na = 0, nb = 0;
    int32_t ra = DSFind(plain.get(), a.data(), na);
    ASSERT_EQ(ra, DSFind(narrowed.get(), b.data(), nb)) << k;
    if (ra == 1) {
      EXPECT_EQ(a, b) << k;
    }
  }
  // A prefix that breaks its promise gives wrong answers, never a crash.
  DSSetCompare(narrowed.get(), test::KeyCompare, nullptr,
               [](const void* r) { return ~test::KeyPrefix(r); });
  for (uint32_t k = 0; k < 200000; k += 997) {
    Rec16 b = MakeRec(k);
    int32_t nb = 0;
    DSFind(narrowed.get(), b.data(), nb);
  }
}

TEST_F(DatastoreOps, UserFieldsPersistAndTextIsCut) {
  DSHandle h;
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSCreated);
  DSSetUserWord(h.get(), 1, -2);
  DSSetUserLong(h.get(), 2, 123456789);
  DSSetUserText(h.get(), 1, "ABCDEFGHIJKLMNOP");
  DSSetUserText(h.get(), 2, "\xd7\x90\xd7\x91\xd7\x92\xd7\x93\xd7\x94\xd7\x95");  // six 2-byte letters
  ASSERT_EQ(DSClose(h), 0);
  auto file = ReadBytes(Path());
  TDSHeader hdr = TDSHeader::Decode(file.data());
  EXPECT_EQ(hdr.userWord1, -2);
  EXPECT_EQ(hdr.userLong2, 123456789);
  EXPECT_EQ(DSTextValue(hdr.userText1), "ABCDEFGHIJK");
  EXPECT_EQ(DSTextValue(hdr.userText2).size(), 10u) << "never half a UTF-8 letter";
  EXPECT_EQ(file[35], 11);  // length byte of user text 1
  ASSERT_EQ(OpenKeyed(Path(), h, 'r', false), kDSOk);
  int32_t v = 0;
  DSGetUserLong(h.get(), 2, v);
  EXPECT_EQ(v, 123456789);
}

}  // namespace
}  // namespace orv
