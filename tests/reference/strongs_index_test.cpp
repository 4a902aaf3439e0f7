#include "reference/strongs_index.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <random>

#include "reference/dictionary_files.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using test::DefEntry;
using test::Entry;

// Entries for the numbers step, 2 step, ... count × step, one further line each.
std::vector<DefEntry> Numbered(int count, int step) {
  std::vector<DefEntry> entries;
  for (int i = 1; i <= count; ++i) {
    int n = i * step;
    entries.push_back(Entry(n, "word" + std::to_string(n), {"meaning of " + std::to_string(n)}));
  }
  return entries;
}

class StrongsIndexTest : public ::testing::Test {
 protected:
  std::string Dict() const { return dir.File("Hebrew.def"); }
  std::string Index() const { return dir.File("Hebrew.XRD"); }

  // Checks that every entry's number leads exactly to its header line.
  void ExpectEveryEntryExact(StrongsIndex& index, const std::vector<DefEntry>& entries) {
    std::vector<uint32_t> offsets = test::HeaderOffsets(entries);
    for (size_t i = 0; i < entries.size(); ++i) {
      uint32_t n = 0;
      ASSERT_TRUE(HeaderLineNumber(entries[i].header, n));
      IndexSpot spot;
      ASSERT_EQ(index.Locate(n, spot), kDSOk) << n;
      EXPECT_EQ(spot.offset, offsets[i]) << n;
      EXPECT_EQ(spot.exact, offsets[i] > 0) << n;
    }
  }

  // The age stored in the index file's header (-1 if it does not open).
  int32_t StoredAge() {
    DSHandle h;
    if (DSOpen(Index(), h, 'r', DSSetParams(8, 0, 0, false)) != kDSOk) return -1;
    int32_t age = -1;
    DSGetUserLong(h.get(), 1, age);
    DSClose(h);
    return age;
  }

  test::TempDir dir;
};

TEST(HeaderLineNumber, DigitsAfterTheStarUpToTheFirstBlank) {
  struct Row {
    const char* line;
    bool ok;
    uint32_t number;
  };
  for (Row r : {Row{"*7225 word", true, 7225}, Row{"*0042 x", true, 42}, Row{"*12", true, 12},
                Row{"*4294967295 max", true, 4294967295u}, Row{"*4294967296 over", false, 0},
                Row{"*12a word", false, 0}, Row{"* 12", false, 0}, Row{"*", false, 0},
                Row{"12 word", false, 0}, Row{"", false, 0}}) {
    uint32_t n = 0;
    EXPECT_EQ(HeaderLineNumber(r.line, n), r.ok) << r.line;
    if (r.ok) {
      EXPECT_EQ(n, r.number) << r.line;
    }
  }
}

TEST_F(StrongsIndexTest, BuildsOneRecordPerHeaderAndKeepsTheDictionaryAge) {
  std::vector<DefEntry> entries = {Entry(1, "ab", {"father", "of"}), Entry(2, "ab"),
                                   Entry(5, "abad", {"perish"})};
  test::WriteDict(Dict(), entries);
  StrongsIndex index(Index(), Dict());
  ASSERT_TRUE(index.Ensure());
  EXPECT_EQ(index.Count(), 3);
  ExpectEveryEntryExact(index, entries);
  int32_t age = 0;
  ASSERT_TRUE(DictionaryAge(Dict(), age));
  index.Close();
  EXPECT_EQ(StoredAge(), age);
}

TEST_F(StrongsIndexTest, MissingNumberLeadsToTheNextLowerEntryAcrossBlocks) {
  // 1000 entries fill four blocks, the last one partly; 510 fill exactly two,
  // so a number past the last one finds no room in the last block.
  for (int count : {1000, 510}) {
    std::vector<DefEntry> entries = Numbered(count, 2);
    test::WriteDict(Dict(), entries);
    test::Touch(Dict(), count);
    std::vector<uint32_t> offsets = test::HeaderOffsets(entries);
    StrongsIndex index(Index(), Dict());
    ASSERT_TRUE(index.Ensure());
    ASSERT_EQ(index.Count(), count);
    for (int n = 1; n <= 2 * count + 1; n += 2) {
      IndexSpot spot;
      ASSERT_EQ(index.Locate(static_cast<uint32_t>(n), spot), kDSOk) << n;
      EXPECT_FALSE(spot.exact) << n;
      EXPECT_EQ(spot.offset, n == 1 ? 0 : offsets[static_cast<size_t>(n / 2 - 1)]) << n;
    }
    IndexSpot far;
    ASSERT_EQ(index.Locate(4000000000u, far), kDSOk);
    EXPECT_EQ(far.offset, offsets.back());
  }
}

TEST_F(StrongsIndexTest, NumbersCompareUnsigned) {
  const std::vector<DefEntry> entries = {
      Entry(0, "zero"), Entry(5, "a"), {"*3000000000 b", {}}, {"*4000000000 c", {"line"}}};
  test::WriteDict(Dict(), entries);
  StrongsIndex index(Index(), Dict());
  ASSERT_TRUE(index.Ensure());
  ExpectEveryEntryExact(index, entries);
  IndexSpot spot;
  ASSERT_EQ(index.Locate(3500000000u, spot), kDSOk);
  EXPECT_EQ(spot.offset, test::HeaderOffsets(entries)[2]);
}

TEST_F(StrongsIndexTest, UnchangedDictionaryKeepsItsIndexAndAnEditedOneIsReindexed) {
  test::WriteDict(Dict(), {Entry(1, "a"), Entry(2, "b")});
  {
    StrongsIndex index(Index(), Dict());
    ASSERT_TRUE(index.Ensure());
  }
  // New contents under the old modification time: the index is taken as it is.
  auto when = std::filesystem::last_write_time(Dict());
  std::vector<DefEntry> longer = {Entry(1, "a", {"one more line"}), Entry(2, "b")};
  test::WriteDict(Dict(), longer);
  std::filesystem::last_write_time(Dict(), when);
  {
    StrongsIndex index(Index(), Dict());
    ASSERT_TRUE(index.Ensure());
    IndexSpot spot;
    ASSERT_EQ(index.Locate(2, spot), kDSOk);
    EXPECT_EQ(spot.offset, 6u);  // after "*1 a\r\n"
  }
  test::Touch(Dict(), 60);
  StrongsIndex index(Index(), Dict());
  ASSERT_TRUE(index.Ensure());
  IndexSpot spot;
  ASSERT_EQ(index.Locate(2, spot), kDSOk);
  EXPECT_EQ(spot.offset, test::HeaderOffsets(longer)[1]);
  int32_t age = 0;
  ASSERT_TRUE(DictionaryAge(Dict(), age));
  index.Close();
  EXPECT_EQ(StoredAge(), age);
}

// Each damage leaves a file that the engine refuses or reports on; the index
// is then built again from the dictionary.
TEST_F(StrongsIndexTest, DamagedIndexIsRebuilt) {
  const std::vector<DefEntry> entries = Numbered(600, 1);  // three blocks
  test::WriteDict(Dict(), entries);
  using Bytes = std::vector<unsigned char>;
  struct Damage {
    const char* what;
    std::function<void(Bytes&)> apply;
  };
  auto put32 = [](Bytes& b, size_t at, uint32_t v) { std::memcpy(&b[at], &v, 4); };
  const size_t block0 = 1024, block1 = 1024 + 2048;
  const std::vector<Damage> damages = {
      {"empty file", [](Bytes& b) { b.clear(); }},
      {"short header", [](Bytes& b) { b.resize(30); }},
      {"header only", [](Bytes& b) { b.resize(1024); }},
      {"cut inside a block", [](Bytes& b) { b.resize(1024 + 2048 + 700); }},
      {"all zeros", [](Bytes& b) { std::fill(b.begin(), b.end(), 0); }},
      {"random bytes",
       [](Bytes& b) {
         std::mt19937 rng(7);
         for (auto& c : b) c = static_cast<unsigned char>(rng());
       }},
      {"valid mark 0", [](Bytes& b) { b[0] = 0; }},
      {"record count above capacity", [&](Bytes& b) { put32(b, 12, 100000); }},
      {"record count below the blocks' sum", [&](Bytes& b) { put32(b, 12, 10); }},
      {"block count beyond the file", [&](Bytes& b) { put32(b, 16, 9); }},
      {"emptied block", [&](Bytes& b) { b[block1] = 0; }},
      {"keys out of order",
       [&](Bytes& b) {
         put32(b, block0 + 1 + 8 * 3, 999);  // record 4 says 999
       }},
      {"stale age", [&](Bytes& b) { put32(b, 27, 12345); }},
  };
  int32_t age = 0;
  ASSERT_TRUE(DictionaryAge(Dict(), age));
  {
    StrongsIndex index(Index(), Dict());
    ASSERT_TRUE(index.Ensure());
  }
  const Bytes good = test::ReadBytes(Index());
  ASSERT_EQ(good.size(), 1024u + 3 * 2048u);
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.what);
    Bytes bad = good;
    d.apply(bad);
    test::WriteBytes(Index(), bad);
    StrongsIndex index(Index(), Dict());
    ASSERT_TRUE(index.Ensure());
    EXPECT_EQ(index.Count(), 600);
    ExpectEveryEntryExact(index, entries);
    index.Close();
    EXPECT_EQ(StoredAge(), age);
  }
}

TEST_F(StrongsIndexTest, StoreOfAnotherRecordSizeAtThePathIsReplaced) {
  test::WriteDict(Dict(), {Entry(1, "a"), Entry(2, "b")});
  int32_t age = 0;
  ASSERT_TRUE(DictionaryAge(Dict(), age));
  {
    DSHandle h;
    ASSERT_EQ(DSOpen(Index(), h, 'w', DSSetParams(16, 0, 0, false)), kDSCreated);
    uint8_t rec[16] = {1};
    ASSERT_EQ(DSAppend(h.get(), rec), kDSOk);
    DSSetUserLong(h.get(), 1, age);
    ASSERT_EQ(DSClose(h), kDSOk);
  }
  StrongsIndex index(Index(), Dict());
  ASSERT_TRUE(index.Ensure());
  EXPECT_EQ(index.Count(), 2);
  IndexSpot spot;
  ASSERT_EQ(index.Locate(2, spot), kDSOk);
  EXPECT_EQ(spot.offset, 6u);  // after "*1 a\r\n"
}

TEST_F(StrongsIndexTest, NoIndexWithoutADictionaryOrAFolderForIt) {
  StrongsIndex noDict(Index(), Dict());
  EXPECT_FALSE(noDict.Ensure());
  EXPECT_FALSE(std::filesystem::exists(Index()));

  test::WriteDict(Dict(), {Entry(1, "a")});
  StrongsIndex noFolder(dir.File("missing/Hebrew.XRD"), Dict());
  EXPECT_FALSE(noFolder.Ensure());
  EXPECT_FALSE(noFolder.IsOpen());
}

}  // namespace
}  // namespace orv
