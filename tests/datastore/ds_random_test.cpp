// Seeded random operation sequences against a block-exact model of the store.
// The model keeps the records block by block, so it predicts record numbers,
// splits, block removal and packing; the only freedom it grants the engine is
// the one the locate step has: a record that belongs between two blocks may
// go to the end of the earlier block or the front of the later one (and past
// the last record, into the last block or a new block).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "datastore/block_model.h"
#include "datastore/ds_object.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::BlockModel;
using test::Field;
using test::FileMismatch;
using test::Pos;
using test::Rec;

uint32_t KeyOf(const void* p) {
  const auto* b = static_cast<const uint8_t*>(p);
  return (uint32_t{b[0]} << 24) | (uint32_t{b[1]} << 16) | (uint32_t{b[2]} << 8) | b[3];
}
uint32_t SerialOf(const void* p) {
  uint32_t s;
  std::memcpy(&s, static_cast<const uint8_t*>(p) + 4, 4);
  return s;
}
Rec MakeRec(int size, uint32_t key, uint32_t serial, uint32_t version) {
  Rec r(static_cast<size_t>(size));
  for (int i = 0; i < 4; ++i) r[static_cast<size_t>(i)] = static_cast<uint8_t>(key >> (24 - 8 * i));
  std::memcpy(r.data() + 4, &serial, 4);
  for (size_t i = 8; i < r.size(); ++i) r[i] = static_cast<uint8_t>(serial * 31 + version * 7 + i);
  return r;
}
// "ORV", 12 upper-case hexadecimal digits, ".tmp".
bool IsSpillName(const std::string& n) {
  if (n.size() != 19 || n.compare(0, 3, "ORV") != 0 || n.compare(15, 4, ".tmp") != 0) return false;
  return std::all_of(n.begin() + 3, n.begin() + 15,
                     [](char c) { return std::isdigit(c) || (c >= 'A' && c <= 'F'); });
}
int Cmp(uint32_t a, uint32_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

struct Config {
  const char* name;
  bool named, dups;
  int recSize, blockSize, budget;
  bool prefix;
  uint32_t keySpace;
  size_t target;
};

const Config kConfigs[] = {
    {"NamedDupN15", true, true, 16, 256, 4, true, 40, 160},
    {"NamedUniqueN6", true, false, 40, 256, 5, false, 500, 180},
    {"UnnamedDupN3", false, true, 16, 64, 4, false, 30, 120},
    {"UnnamedUniqueN4", false, false, 40, 200, 6, true, 400, 150},
};

class RandomOps : public ::testing::TestWithParam<std::tuple<int, int>> {
 protected:
  void SetUp() override {
    cfg_ = kConfigs[std::get<0>(GetParam())];
    seed_ = static_cast<uint32_t>(std::get<1>(GetParam()));
    rng_.seed(seed_);
    dir_ = tmp_.path();
    path_ = cfg_.named ? (dir_ / "STORE.XRD").string() : std::string();
    params_ = DSSetParams(cfg_.recSize, cfg_.blockSize, 0, cfg_.dups);
    params_.bufferBudget = cfg_.budget;
    params_.spillDir = dir_.string();
    n_ = static_cast<size_t>((cfg_.blockSize - 1) / cfg_.recSize);
    model_ = BlockModel(n_);
  }
  void TearDown() override {
    if (h_) DSClose(h_);
  }

  size_t Rand(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }
  std::string Where() const {
    return std::string(cfg_.name) + " seed " + std::to_string(seed_) + " op " + std::to_string(op_);
  }

  void Open(char mode, int32_t expect) {
    ASSERT_EQ(DSOpen(path_, h_, mode, params_), expect) << Where();
    ASSERT_TRUE(h_);
    DSPrefix prefix;
    if (cfg_.prefix) prefix = [](const void* r) { return KeyOf(r) >> 3; };
    DSSetCompare(
        h_.get(), [](const void* k, const void* r) { return Cmp(KeyOf(k), KeyOf(r)); },
        [](const void* a, const void* b) {
          int c = Cmp(KeyOf(a), KeyOf(b));
          return c != 0 ? c : Cmp(SerialOf(a), SerialOf(b));
        },
        prefix);
  }

  // Sorted index range [lo, hi) of the records with key k.
  std::pair<size_t, size_t> Range(const std::vector<Rec>& flat, uint32_t k) const {
    auto lo = std::partition_point(flat.begin(), flat.end(),
                                   [&](const Rec& r) { return KeyOf(r.data()) < k; });
    auto hi =
        std::partition_point(lo, flat.end(), [&](const Rec& r) { return KeyOf(r.data()) == k; });
    return {static_cast<size_t>(lo - flat.begin()), static_cast<size_t>(hi - flat.begin())};
  }

  void Insert(uint32_t key) {
    Rec rec = MakeRec(cfg_.recSize, key, ++serial_, 0);
    std::vector<Rec> flat = model_.Flat();
    auto [lo, hi] = Range(flat, key);
    // With duplicates a new record follows its equals; without, it goes in
    // front of one of them.
    std::vector<size_t> idx;
    if (cfg_.dups || lo == hi) idx.push_back(cfg_.dups ? hi : lo);
    for (size_t i = lo; !cfg_.dups && i < hi; ++i) idx.push_back(i);
    ASSERT_EQ(DSInsert(h_.get(), rec.data()), lo < hi ? 1 : 0) << Where() << " insert key " << key;
    int32_t got = 0;
    DSGetPos(h_.get(), got);
    ASSERT_TRUE(model_.InsertAsLanded(idx, rec, got))
        << Where() << " insert key " << key << " landed at record " << got;
    if (cfg_.dups || lo == hi) return;
    // A second record under a unique key is out of order until the old one goes.
    int32_t at = 0;
    EXPECT_EQ(DSCheckOrder(h_.get(), at), kDSOutOfOrder) << Where();
    std::string why;
    EXPECT_EQ(DSCheckInvariants(h_.get(), why), 0) << Where() << ": equal keys never decrease";
    flat = model_.Flat();
    for (size_t i = lo; i + 1 < flat.size(); ++i) {
      if (SerialOf(flat[i].data()) == serial_) {
        ASSERT_EQ(KeyOf(flat[i + 1].data()), key) << Where() << " new record not before its equal";
        Delete(i + 1);
        return;
      }
    }
    FAIL() << Where() << " inserted record missing from model";
  }

  void Delete(size_t i) {
    Pos p = model_.PosOfIndex(i);
    ASSERT_EQ(DSDelete(h_.get(), model_.RecNo(p)), 0) << Where() << " delete " << model_.RecNo(p);
    model_.Erase(p);
  }

  void Step() {
    size_t count = model_.Count();
    size_t r = Rand(1000);
    bool grow = count < cfg_.target;
    if (r < (grow ? 450u : 300u)) {
      Insert(static_cast<uint32_t>(Rand(cfg_.keySpace)));
    } else if (r < 520) {
      uint32_t last = count ? KeyOf(model_.Flat().back().data()) : 0;
      uint32_t key = last + static_cast<uint32_t>(Rand(3)) + (cfg_.dups || !count ? 0 : 1);
      Rec rec = MakeRec(cfg_.recSize, key, ++serial_, 0);
      ASSERT_EQ(DSAppend(h_.get(), rec.data()), 0) << Where();
      model_.Append(rec);
    } else if (r < 800) {
      if (count)
        Delete(Rand(count));
      else
        EXPECT_EQ(DSDelete(h_.get(), 1), -1) << Where();
    } else if (r < 900) {
      if (!count) return;
      Pos p = model_.PosOfIndex(Rand(count));
      const Rec& old = model_.blocks()[p.b][p.s];
      Rec rec = MakeRec(cfg_.recSize, KeyOf(old.data()), SerialOf(old.data()), ++version_);
      ASSERT_EQ(DSUpdate(h_.get(), model_.RecNo(p), rec.data()), 0) << Where();
      model_.Set(p, rec);
    } else if (r < 940) {
      RefusedAtGap();
    } else if (r < 970) {
      CheckFind(static_cast<uint32_t>(Rand(cfg_.keySpace + 8)));
    } else if (r < 998) {
      ASSERT_EQ(DSPack(h_.get()), 0) << Where();
      model_.Pack();
    } else {
      ASSERT_EQ(DSClear(h_.get()), 0) << Where();
      model_.Clear();
    }
    ASSERT_EQ(DSCount(h_.get()), static_cast<int32_t>(model_.Count())) << Where();
    ASSERT_EQ(DSGetHeader(h_.get()).blockCount, model_.blocks().size()) << Where();
  }

  // A free slot of a block that is not full, or a block past the last, names
  // no record: update and delete refuse it and change nothing.
  void RefusedAtGap() {
    const auto& blocks = model_.blocks();
    int32_t past = static_cast<int32_t>(blocks.size() * n_ + 1);
    EXPECT_EQ(DSUpdate(h_.get(), past, MakeRec(cfg_.recSize, 0, 0, 0).data()), -1) << Where();
    for (size_t b = 0; b < blocks.size(); ++b) {
      if (model_.Full(b)) continue;
      int32_t gap = model_.RecNo({b, blocks[b].size() + Rand(n_ - blocks[b].size())});
      EXPECT_EQ(DSUpdate(h_.get(), gap, MakeRec(cfg_.recSize, 0, 0, 0).data()), kDSSlotBeyond)
          << Where();
      EXPECT_NE(DSDelete(h_.get(), gap), 0) << Where() << " delete of empty slot " << gap;
      EXPECT_EQ(DSCount(h_.get()), static_cast<int32_t>(model_.Count())) << Where();
      return;
    }
  }

  void CheckFind(uint32_t key) {
    std::vector<Rec> flat = model_.Flat();
    auto [lo, hi] = Range(flat, key);
    const Rec probe = MakeRec(cfg_.recSize, key, 0, 0);
    Rec buf = probe;
    int32_t recNo = -99, posNo = -99;
    int32_t res = DSFind(h_.get(), buf.data(), recNo);
    std::string what = Where() + " find key " + std::to_string(key);
    if (lo < hi) {
      ASSERT_EQ(res, 1) << what;
      ASSERT_EQ(recNo, model_.RecNo(model_.PosOfIndex(lo))) << what;
      EXPECT_EQ(buf, flat[lo]) << what;
      Rec next(buf.size());
      EXPECT_EQ(DSNext(h_.get(), next.data()), lo + 1 < flat.size() ? 0 : -1) << what;
      if (lo + 1 < flat.size()) {
        EXPECT_EQ(next, flat[lo + 1]) << what;
      }
    } else if (flat.empty() || (lo == flat.size() && model_.Full(model_.blocks().size() - 1))) {
      EXPECT_EQ(res, -1) << what;
    } else if (lo == flat.size()) {
      EXPECT_EQ(res, 0) << what;
      EXPECT_EQ(recNo, model_.LastRecNo() + 1) << what;
    } else {
      ASSERT_EQ(res, 0) << what;
      Pos at = model_.PosOfIndex(lo);
      // In front of the next record, or (only when that record opens a block)
      // just past the end of the block before.
      bool ok = recNo == model_.RecNo(at);
      if (at.s == 0 && at.b > 0)
        ok = ok || recNo == model_.RecNo({at.b - 1, model_.blocks()[at.b - 1].size()});
      EXPECT_TRUE(ok) << what << " at record " << recNo;
      // The copy is defined only when the position is a slot in use: past a
      // full block's end it is the engine's choice.
      bool pastFullBlock = at.s == 0 && at.b > 0 && model_.Full(at.b - 1);
      if (recNo == model_.RecNo(at) && !pastFullBlock) {
        EXPECT_EQ(buf, flat[lo]) << what;
      }
    }
    EXPECT_EQ(DSFindPos(h_.get(), probe.data(), posNo), res) << what;
    if (res >= 0) {
      EXPECT_EQ(posNo, recNo) << what;
    }
  }

  // The whole store against the model: walk, record numbers, reads, finds,
  // backward walk, order and invariants.
  void CheckStore() {
    const auto& blocks = model_.blocks();
    std::vector<Rec> flat = model_.Flat();
    ASSERT_EQ(DSCount(h_.get()), static_cast<int32_t>(flat.size())) << Where();
    std::vector<int32_t> nums;
    Rec rec(static_cast<size_t>(cfg_.recSize));
    DSSetPos(h_.get(), 0);
    for (size_t i = 0; DSNext(h_.get(), rec.data()) == 0; ++i) {
      ASSERT_LT(i, flat.size()) << Where() << " walk runs past the records";
      ASSERT_EQ(rec, flat[i]) << Where() << " walk record " << i;
      int32_t at = 0;
      DSGetPos(h_.get(), at);
      ASSERT_EQ(at, model_.RecNo(model_.PosOfIndex(i))) << Where() << " record number of " << i;
      nums.push_back(at);
    }
    ASSERT_EQ(nums.size(), flat.size()) << Where() << " walk ends early";
    EXPECT_EQ(DSReadAt(h_.get(), 0, rec.data()), kDSBadRecordNo) << Where();
    for (size_t b = 0; b <= blocks.size(); ++b) {
      for (size_t s = 0; s < n_; ++s) {
        int32_t rn = model_.RecNo({b, s});
        bool there = b < blocks.size() && s < blocks[b].size();
        ASSERT_EQ(DSReadAt(h_.get(), rn, rec.data()), there ? 0 : -1) << Where() << " read " << rn;
        if (there) {
          ASSERT_EQ(rec, blocks[b][s]) << Where() << " read " << rn;
        }
      }
    }
    if (!flat.empty()) {
      int32_t last = 0;
      ASSERT_EQ(DSLastPos(h_.get(), last), 0) << Where();
      ASSERT_EQ(last, nums.back()) << Where();
      ASSERT_EQ(DSReadAt(h_.get(), last, rec.data()), 0) << Where();
      for (size_t i = flat.size() - 1; i-- > 0;) {
        ASSERT_EQ(DSPrev(h_.get(), rec.data()), 0) << Where() << " back to " << i;
        ASSERT_EQ(rec, flat[i]) << Where() << " back to " << i;
      }
      EXPECT_EQ(DSPrev(h_.get(), rec.data()), -1) << Where();
      EXPECT_EQ(DSBack(h_.get()), 0) << Where();
      ASSERT_EQ(DSNext(h_.get(), rec.data()), 0) << Where();
      EXPECT_EQ(rec, flat[0]) << Where();
    }
    std::vector<uint32_t> keys;
    for (const Rec& r : flat) keys.push_back(KeyOf(r.data()));
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (uint32_t k : keys) CheckFind(k);
    for (int i = 0; i < 8; ++i) CheckFind(static_cast<uint32_t>(Rand(cfg_.keySpace + 8)));
    CheckFind(flat.empty() ? 0 : KeyOf(flat.back().data()) + 1);
    int32_t at = 0;
    EXPECT_EQ(DSCheckOrder(h_.get(), at), 0) << Where();
    if (flat.size() >= 2) {
      EXPECT_EQ(at, nums.back()) << Where();
    }
    std::string why;
    EXPECT_EQ(DSCheckInvariants(h_.get(), why), 0) << Where() << ": " << why;
    int64_t slack = -1;
    DSSlack(h_.get(), slack);
    EXPECT_EQ(slack, int64_t{cfg_.blockSize} *
                         static_cast<int64_t>(blocks.size() - (flat.size() + n_ - 1) / n_))
        << Where();
  }

  std::vector<uint8_t> FileBytes() const { return test::ReadBytes(path_); }

  void CheckFile() {
    std::vector<uint8_t> f = FileBytes();
    if (f.size() == 1024 && Field(f, 0, 2) == 0 && model_.Count() == 0) return;  // never changed
    EXPECT_EQ(FileMismatch(f, model_, cfg_.blockSize, static_cast<size_t>(cfg_.recSize), cfg_.dups),
              "")
        << Where();
  }

  std::vector<std::string> SpillFiles() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_))
      names.push_back(e.path().filename().string());
    return names;
  }

  void Reopen() {
    ASSERT_EQ(DSClose(h_), 0) << Where();
    ASSERT_FALSE(h_);
    if (!cfg_.named) {
      EXPECT_TRUE(SpillFiles().empty()) << Where() << " spill file left after close";
      Open('w', 0);
      std::vector<Rec> flat = model_.Flat();
      model_.Clear();
      for (const Rec& r : flat) {
        ASSERT_EQ(DSAppend(h_.get(), r.data()), 0) << Where();
        model_.Append(r);
      }
      return;
    }
    ASSERT_NO_FATAL_FAILURE(CheckFile());
    if (Rand(4) == 0) {
      // Read-only: same records, writes refused, file untouched.
      std::vector<uint8_t> before = FileBytes();
      Open('r', 0);
      ASSERT_NO_FATAL_FAILURE(CheckStore());
      EXPECT_EQ(DSInsert(h_.get(), MakeRec(cfg_.recSize, 1, 0, 0).data()), kDSNotAllowed)
          << Where();
      EXPECT_EQ(DSPack(h_.get()), kDSNotAllowed) << Where();
      ASSERT_EQ(DSClose(h_), 0) << Where();
      EXPECT_EQ(FileBytes(), before) << Where() << " mode r changed the file";
    }
    Open('w', 0);
  }

  Config cfg_{};
  uint32_t seed_ = 0;
  std::mt19937 rng_;
  test::TempDir tmp_;
  fs::path dir_;
  std::string path_;
  DSParams params_;
  size_t n_ = 0;
  BlockModel model_{1};
  DSHandle h_;
  uint32_t serial_ = 0, version_ = 0;
  int op_ = 0;
};

TEST_P(RandomOps, MatchesBlockModel) {
  bool sawSpill = false;
  ASSERT_NO_FATAL_FAILURE(Open('w', cfg_.named ? 1 : 0));
  for (op_ = 0; op_ < 2500; ++op_) {
    ASSERT_NO_FATAL_FAILURE(Step());
    if (op_ % 25 != 24) continue;
    ASSERT_NO_FATAL_FAILURE(CheckStore());
    if (!cfg_.named) {
      std::vector<std::string> spill = SpillFiles();
      ASSERT_LE(spill.size(), 1u) << Where();
      if (!spill.empty()) {
        EXPECT_TRUE(IsSpillName(spill[0])) << spill[0];
      }
      sawSpill = sawSpill || !spill.empty();
    }
    if (Rand(5) == 0) {
      ASSERT_NO_FATAL_FAILURE(Reopen());
      ASSERT_NO_FATAL_FAILURE(CheckStore());
    }
  }
  if (!cfg_.named) {
    EXPECT_TRUE(sawSpill) << "evicted blocks never reached a spill file";
  }
  ASSERT_EQ(DSPack(h_.get()), 0);
  model_.Pack();
  ASSERT_NO_FATAL_FAILURE(CheckStore());
  ASSERT_NO_FATAL_FAILURE(Reopen());
  ASSERT_NO_FATAL_FAILURE(CheckStore());
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomOps,
                         ::testing::Combine(::testing::Range(0, 4),
                                            ::testing::Values(1, 7, 42, 2024)),
                         [](const auto& info) {
                           return std::string(kConfigs[std::get<0>(info.param)].name) + "_seed" +
                                  std::to_string(std::get<1>(info.param));
                         });

}  // namespace
}  // namespace orv
