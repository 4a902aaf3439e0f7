#include <gtest/gtest.h>

#include <filesystem>

#include "datastore/ds_object.h"
#include "datastore/ds_store_test_util.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::MakeRec;
using test::OpenKeyed;
using test::ReadBytes;
using test::Rec16;
using test::TempDir;
using test::WriteBytes;

class DatastoreOpen : public ::testing::Test {
 protected:
  std::string Path() const { return dir_.File("s.xrd"); }
  // A small closed store of 16-byte records, returned as its bytes.
  std::vector<unsigned char> MakeStore(uint32_t records) {
    DSHandle h;
    OpenKeyed(Path(), h, 'w', false);
    for (uint32_t k = 0; k < records; ++k) {
      Rec16 r = MakeRec(k);
      DSInsert(h.get(), r.data());
    }
    DSPack(h.get());
    DSClose(h);
    return ReadBytes(Path());
  }
  TempDir dir_;
};

TEST_F(DatastoreOpen, UnchangedNewStoreIsZerosAndReopensEmpty) {
  DSHandle h;
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSCreated);
  ASSERT_EQ(DSClose(h), 0);
  auto file = ReadBytes(Path());
  ASSERT_EQ(file.size(), 1024u);
  EXPECT_EQ(std::count(file.begin(), file.end(), 0), 1024);
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSOk);
  EXPECT_EQ(DSCount(h.get()), 0);
  EXPECT_EQ(DSGetHeader(h.get()).blockSize, 4096);
}

TEST_F(DatastoreOpen, ModeWWithOtherRecordSizeStartsAfresh) {
  MakeStore(20);
  DSHandle h;
  ASSERT_EQ(DSOpen(Path(), h, 'r', DSSetParams(32, 0, 0, false)), kDSOk);
  EXPECT_EQ(DSCount(h.get()), 20) << "a reader takes the file's own shape";
  DSClose(h);
  ASSERT_EQ(DSOpen(Path(), h, 'w', DSSetParams(32, 0, 0, false)), kDSOk);
  EXPECT_EQ(DSCount(h.get()), 0);
  EXPECT_EQ(DSGetHeader(h.get()).recordSize, 32);
  EXPECT_EQ(DSGetHeader(h.get()).blockSize, 8192);
}

TEST_F(DatastoreOpen, ProbeAndMissingFiles) {
  EXPECT_EQ(DSProbe(Path()), kDSEnd);
  EXPECT_FALSE(std::filesystem::exists(Path()));
  DSHandle h;
  EXPECT_EQ(DSOpen(Path(), h, 'w', DSSetParams(0, 0, 0, false)), kDSBadRecordSize);
  EXPECT_FALSE(h);
  EXPECT_FALSE(std::filesystem::exists(Path())) << "a refused open creates nothing";
  EXPECT_EQ(DSOpen(dir_.File("no/such/dir.xrd"), h, 'w', DSSetParams(16, 0, 0, false)), kDSEnd);
  EXPECT_FALSE(h);
  // A directory in the file's place is neither opened nor replaced.
  std::filesystem::create_directory(Path());
  EXPECT_EQ(DSOpen(Path(), h, 'w', DSSetParams(16, 0, 0, false)), kDSEnd);
  EXPECT_TRUE(std::filesystem::is_directory(Path()));
  std::filesystem::remove(Path());
  MakeStore(1);
  EXPECT_EQ(DSProbe(Path()), 0);
}

// Each damaged header is refused with 104 and the file keeps every byte.
TEST_F(DatastoreOpen, DamagedHeadersAreRefusedAndLeftAlone) {
  auto good = MakeStore(300);  // 2 blocks
  struct Damage {
    const char* what;
    void (*apply)(TDSHeader&);
  };
  const Damage damages[] = {
      {"slots overflow block", [](TDSHeader& h) { h.recordsPerBlock = 300; }},
      {"slots exceed block bytes", [](TDSHeader& h) { h.recordSize = 17; }},
      {"record size too big", [](TDSHeader& h) { h.recordSize = 20000; }},
      {"block size too big", [](TDSHeader& h) { h.blockSize = 40000; }},
      {"negative count", [](TDSHeader& h) { h.recordCount = -5; }},
      {"count beyond capacity", [](TDSHeader& h) { h.recordCount = 511; }},
      {"blocks beyond file end", [](TDSHeader& h) { h.blockCount = 3; }},
      {"huge block count", [](TDSHeader& h) { h.blockCount = 0xFFFFFFFFu; }},
      {"data offset moved", [](TDSHeader& h) { h.dataOffset = 0; }},
      {"no slots", [](TDSHeader& h) { h.recordsPerBlock = 0; }},
  };
  for (const Damage& d : damages) {
    auto bytes = good;
    TDSHeader h = TDSHeader::Decode(bytes.data());
    d.apply(h);
    h.Encode(bytes.data());
    WriteBytes(Path(), bytes);
    for (char mode : {'r', 'w', 'a', 'u'}) {
      DSHandle s;
      EXPECT_EQ(DSOpen(Path(), s, mode, DSSetParams(h.recordSize, 0, 0, false)), kDSDamagedHeader)
          << d.what << " mode " << mode;
      EXPECT_FALSE(s);
    }
    EXPECT_EQ(ReadBytes(Path()), bytes) << d.what;
  }
}

TEST_F(DatastoreOpen, DamagedBlockCountByteIsAReadError) {
  auto bytes = MakeStore(300);
  bytes[1024 + 4096] = 0xFF;  // block 1 claims 255 records of 255 slots: fine
  bytes[1024] = 0;            // block 0 empty: tolerated, flagged by the invariant check
  WriteBytes(Path(), bytes);
  DSHandle h;
  ASSERT_EQ(DSOpen(Path(), h, 'r', DSSetParams(16, 0, 0, false)), kDSOk);
  DSSetCompare(h.get(), test::KeyCompare, nullptr, nullptr);
  std::string why;
  EXPECT_NE(DSCheckInvariants(h.get(), why), 0);
  DSClose(h);

  // Record size 32 in 8192-byte blocks gives 255 slots; with record size 12
  // (170 slots) a count byte of 200 would run past the block.
  DSHandle t;
  ASSERT_EQ(DSOpen(Path() + "12", t, 'w', DSSetParams(12, 0, 0, false)), kDSCreated);
  DSSetCompare(t.get(), test::KeyCompare, nullptr, nullptr);
  uint8_t rec[12] = {};
  for (int i = 0; i < 100; ++i) {
    rec[3] = static_cast<uint8_t>(i);
    DSInsert(t.get(), rec);
  }
  DSClose(t);
  auto small = ReadBytes(Path() + "12");
  small[1024] = 200;
  WriteBytes(Path() + "12", small);
  ASSERT_EQ(DSOpen(Path() + "12", t, 'r', DSSetParams(12, 0, 0, false)), kDSOk);
  DSSetCompare(t.get(), test::KeyCompare, nullptr, nullptr);
  int32_t n = 0;
  EXPECT_EQ(DSReadAt(t.get(), 1, rec), kDSShortRead);
  EXPECT_EQ(DSNext(t.get(), rec), kDSShortRead);
  EXPECT_EQ(DSFindPos(t.get(), rec, n), kDSShortRead);
  EXPECT_EQ(DSCheckOrder(t.get(), n), kDSOrderUnreadable);
}

TEST_F(DatastoreOpen, InvalidMarkOpensButRefusesEverything) {
  auto bytes = MakeStore(10);
  bytes[0] = 7;
  WriteBytes(Path(), bytes);
  DSHandle h;
  ASSERT_EQ(OpenKeyed(Path(), h, 'w', false), kDSOk);
  EXPECT_FALSE(DSIsOpen(h.get()));
  Rec16 r{};
  int32_t n = 0;
  EXPECT_EQ(DSNext(h.get(), r.data()), kDSInvalidHandle);
  EXPECT_EQ(DSInsert(h.get(), r.data()), kDSInvalidHandle);
  EXPECT_EQ(DSFindPos(h.get(), r.data(), n), kDSInvalidHandle);
  EXPECT_EQ(DSCount(h.get()), 0);
  EXPECT_EQ(DSClose(h), kDSInvalidHandle);
  EXPECT_FALSE(h);
  EXPECT_EQ(ReadBytes(Path()), bytes);
}

TEST_F(DatastoreOpen, ShortAndRandomFilesNeverCrash) {
  auto good = MakeStore(300);
  uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
  for (int trial = 0; trial < 200; ++trial) {
    auto bytes = good;
    if (trial % 2 == 0) {
      bytes.resize(next() % bytes.size());
    } else {
      for (int flips = 0; flips < 8; ++flips) bytes[next() % 64] ^= static_cast<uint8_t>(next());
    }
    WriteBytes(Path(), bytes);
    DSHandle h;
    int32_t rc = OpenKeyed(Path(), h, 'r', false);
    if (!h) {
      EXPECT_TRUE(rc == kDSDamagedHeader || rc == kDSBadRecordSize) << rc;
      continue;
    }
    std::vector<uint8_t> r(kDSMaxRecordSize);  // the file decides the record size
    int32_t n = 0;
    int steps = 0;
    while (DSNext(h.get(), r.data()) == 0 && steps < 100000) ++steps;
    DSFindPos(h.get(), r.data(), n);
    DSCheckOrder(h.get(), n);
    DSClose(h);
    EXPECT_EQ(ReadBytes(Path()), bytes) << "mode r never writes";
  }
}

}  // namespace
}  // namespace orv
