// The forward walk reads blocks that are not cached many at a time without
// keeping them: a whole-store walk costs a handful of reads, and it always
// sees the records as they are now (changed blocks, blocks written back).
#include <gtest/gtest.h>

#include <vector>

#include "datastore/ds_object.h"
#include "datastore/ds_store_test_util.h"
#include "support/fault_fs.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::MakeRec;
using test::Rec16;

constexpr int kBlockSize = 128;  // 7 records a block
constexpr int32_t kRecords = 1000;

DSParams Params(FileSystem* fs, int64_t budget) {
  DSParams p = DSSetParams(16, kBlockSize, 0, false);
  p.fs = fs;
  p.bufferBudget = budget;
  return p;
}

// Key and payload of every record, walking from the start.
std::vector<std::pair<uint32_t, uint32_t>> Walk(TDSControl* h) {
  std::vector<std::pair<uint32_t, uint32_t>> out;
  Rec16 r;
  DSSetPos(h, 0);
  while (DSNext(h, r.data()) == kDSOk) out.emplace_back(test::KeyOf(r), test::PayloadOf(r));
  return out;
}

class ScanWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    DSHandle h;
    ASSERT_GE(test::OpenKeyed(path_, h, 'w', false, kBlockSize), 0);
    for (int32_t k = 0; k < kRecords; ++k) ASSERT_EQ(DSAppend(h.get(), MakeRec(k, k).data()), 0);
    ASSERT_EQ(DSClose(h), 0);
  }
  test::TempDir dir_;
  std::string path_ = dir_.File("WIN.XRD");
  test::FaultFS files_;
};

TEST_F(ScanWindow, WholeWalkTakesFewReadsAndKeepsNoBlocks) {
  DSHandle h;
  ASSERT_EQ(DSOpen(path_, h, 'r', Params(&files_, 0)), kDSOk);
  files_.FailAt(0);
  const auto all = Walk(h.get());
  ASSERT_EQ(all.size(), size_t{kRecords});
  for (uint32_t k = 0; k < all.size(); ++k) ASSERT_EQ(all[k].first, k);
  // 143 blocks: 1 + 2 + 4 + ... blocks a read, never one read per block.
  EXPECT_LE(files_.ops(), 10);
  files_.FailAt(0);
  Walk(h.get());
  EXPECT_LE(files_.ops(), 10) << "a second walk reads again rather than holding the store";
  DSClose(h);
}

TEST_F(ScanWindow, WalkSeesChangesBeforeAndAfterWriteBack) {
  for (const int64_t budget : {int64_t{0}, int64_t{4}}) {  // kept in memory; written back
    SCOPED_TRACE(budget);
    DSHandle h;
    ASSERT_EQ(DSOpen(path_, h, 'w', Params(&files_, budget)), kDSOk);
    DSSetCompare(h.get(), test::KeyCompare, nullptr, nullptr);
    // A walk of 22 records leaves blocks 3 to 6 in the window; record 30
    // (block 4) changes, and with a budget the block is written back while
    // later blocks come in. Read again where the window stands.
    Rec16 r;
    DSSetPos(h.get(), 0);
    for (int i = 0; i < 22; ++i) ASSERT_EQ(DSNext(h.get(), r.data()), 0);
    ASSERT_EQ(DSUpdate(h.get(), 30, MakeRec(29, 8).data()), 0);
    for (int32_t recNo = 700; recNo < 800; recNo += 7)
      ASSERT_EQ(DSReadAt(h.get(), recNo, r.data()), 0);
    DSSetPos(h.get(), 29);
    ASSERT_EQ(DSNext(h.get(), r.data()), 0);
    EXPECT_EQ(test::PayloadOf(r), 8u);
    for (int32_t recNo = 1; recNo < kRecords; recNo += 50) {
      ASSERT_EQ(DSUpdate(h.get(), recNo, MakeRec(recNo - 1, 7).data()), 0);
    }
    ASSERT_EQ(DSInsert(h.get(), MakeRec(kRecords + 5, 9).data()), 0);
    const auto all = Walk(h.get());
    ASSERT_EQ(all.size(), size_t{kRecords} + 1);
    for (uint32_t k = 0; k < kRecords; ++k) {
      ASSERT_EQ(all[k].second, k % 50 == 0 ? 7 : (k == 29 ? 8 : k)) << "record " << k;
    }
    EXPECT_EQ(all.back().second, 9u);
    ASSERT_EQ(DSClose(h), 0);
    ASSERT_EQ(DSOpen(path_, h, 'w', Params(nullptr, 0)), kDSOk);
    DSSetCompare(h.get(), test::KeyCompare, nullptr, nullptr);
    EXPECT_EQ(Walk(h.get()), all);
    // As it was, for the next budget.
    ASSERT_EQ(DSDelete(h.get(), kRecords + 1), 0);
    for (int32_t recNo = 1; recNo <= kRecords; ++recNo) {
      ASSERT_EQ(DSUpdate(h.get(), recNo, MakeRec(recNo - 1, recNo - 1).data()), 0);
    }
    ASSERT_EQ(DSClose(h), 0);
  }
}

}  // namespace
}  // namespace orv
