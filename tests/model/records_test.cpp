#include "model/records.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

namespace orv {
namespace {

TEST(RecordLayout, FieldOffsetsMatchTheFileLayout) {
  EXPECT_EQ(offsetof(WordRec, word), 0u);
  EXPECT_EQ(offsetof(WordRec, cite), 12u);
  EXPECT_EQ(offsetof(Foc2Rec, cite), 12u);
  EXPECT_EQ(offsetof(Foc2Rec, source), 16u);
  EXPECT_EQ(offsetof(Foc2Rec, reserved), 28u);
  EXPECT_EQ(offsetof(CiteRec, cite), 0u);
  EXPECT_EQ(offsetof(CiteRec, foc2), 4u);
  EXPECT_EQ(offsetof(CiteRec, use), 8u);
  EXPECT_EQ(offsetof(CiteRec, flags), 9u);
  EXPECT_EQ(offsetof(CiteRec, strongs), 10u);
  EXPECT_EQ(offsetof(XlatRec, status), 12u);
  EXPECT_EQ(offsetof(XlatRec, flags), 13u);
  EXPECT_EQ(offsetof(XlatRec, reserved1), 14u);
  EXPECT_EQ(offsetof(XlatRec, reserved2), 15u);
  EXPECT_EQ(offsetof(XlatRec, gloss), 16u);
  EXPECT_EQ(offsetof(BookRec, chapter), 1u);
  EXPECT_EQ(offsetof(BookRec, verses), 2u);
  EXPECT_EQ(offsetof(BookRec, offset), 4u);
}

TEST(RecordLayout, BytesAreLittleEndianAndCitationIsBookFirst) {
  CiteRec c;
  c.cite = {1, 2, 3, 4};
  c.foc2 = 0x01020304;
  c.strongs = 0xABCD;
  uint8_t raw[12];
  std::memcpy(raw, &c, sizeof raw);
  EXPECT_EQ(raw[0], 1);
  EXPECT_EQ(raw[3], 4);
  EXPECT_EQ(raw[4], 0x04);
  EXPECT_EQ(raw[7], 0x01);
  EXPECT_EQ(raw[10], 0xCD);
  EXPECT_EQ(raw[11], 0xAB);
  XlatRec x;
  x.gloss[5].Set("last");
  uint8_t big[256];
  std::memcpy(big, &x, sizeof big);
  EXPECT_EQ(big[216], 4);
  EXPECT_EQ(std::memcmp(big + 217, "last", 4), 0);
}

TEST(PText, SetPadsWithSpacesAndNeverSplitsUtf8) {
  Word12 w;
  w.Set("abc");
  EXPECT_EQ(w.len, 3);
  EXPECT_EQ(w.Str(), "abc");
  EXPECT_EQ(w.text[10], ' ');
  w.Set("abcdefghijklmn");
  EXPECT_EQ(w.Str(), "abcdefghijk") << "cut to the capacity";
  // Ten ASCII bytes and a two-byte sequence: the sequence would straddle the
  // cut, so it goes as a whole.
  w.Set("0123456789\xc3\xa9");
  EXPECT_EQ(w.Str(), "0123456789");
  w.len = 99;
  EXPECT_EQ(w.View().size(), 11u) << "a damaged length never reads past the field";
}

TEST(CitationValue, OrdersLikeTheFieldsAndRoundTrips) {
  Citation a{1, 2, 3, 4};
  EXPECT_EQ(a.Value(), 16909060u);
  EXPECT_EQ(Citation::FromValue(a.Value()), a);
  EXPECT_LT((Citation{1, 255, 255, 255}), (Citation{2, 0, 0, 0}));
  EXPECT_TRUE(kNullCite.IsNull());
  EXPECT_EQ(kFirstCite.Value(), 0x01010101u);
}

}  // namespace
}  // namespace orv
