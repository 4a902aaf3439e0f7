// The store header's fields at their file offsets, and the block shape
// chosen for a record size.
#include "datastore/ds_header.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace orv {
namespace {

TEST(DatastoreBlockRule, DefaultsAndRequestedSizes) {
  struct Row {
    int record, requested, block, perBlock;
  };
  for (Row r : {Row{8, 0, 2048, 255}, Row{12, 0, 2048, 170}, Row{16, 0, 4096, 255},
                Row{32, 0, 8192, 255}, Row{256, 0, 16384, 63}, Row{16, 1000, 1000, 62},
                Row{1, 4096, 256, 255}, Row{300, 200, 16384, 54}, Row{16383, 0, 16384, 1}}) {
    DSBlockShape s = DSBlockRule(r.record, r.requested);
    EXPECT_EQ(s.blockSize, r.block) << r.record << "/" << r.requested;
    EXPECT_EQ(s.recordsPerBlock, r.perBlock) << r.record << "/" << r.requested;
  }
}

TEST(DatastoreHeader, EncodesFieldsAtTheirOffsets) {
  TDSHeader h;
  h.validMark = 1;
  h.blockSize = 4096;
  h.recordSize = 16;
  h.recordsPerBlock = 255;
  h.recordLimit = kDSNoLimit;
  h.recordCount = 300;
  h.blockCount = 2;
  h.dataOffset = 1024;
  h.duplicates = 1;
  h.userWord1 = 4;
  h.userLong2 = -7;
  h.userText1 = DSTextField("WORD");
  uint8_t raw[kDSHeaderBytes];
  h.Encode(raw);
  EXPECT_EQ(raw[2] | raw[3] << 8, 4096);
  EXPECT_EQ(raw[8] | raw[9] << 8 | raw[10] << 16 | raw[11] << 24, 2147483647);
  EXPECT_EQ(raw[12] | raw[13] << 8, 300);
  EXPECT_EQ(raw[20] | raw[21] << 8, 1024);
  EXPECT_EQ(raw[22], 1);
  EXPECT_EQ(raw[23], 4);
  EXPECT_EQ(raw[31], 0xF9);
  EXPECT_EQ(raw[34], 0xFF);
  EXPECT_EQ(raw[35], 4);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(raw + 36), 4), "WORD");
  TDSHeader back = TDSHeader::Decode(raw);
  EXPECT_EQ(back.userLong2, -7);
  EXPECT_EQ(DSTextValue(back.userText1), "WORD");
}

}  // namespace
}  // namespace orv
