// Input/output failures: a scenario runs once to count its reads and writes,
// then once per transfer with exactly that transfer failing. The failing
// operation must report a code (or, for a write-back of an evicted block,
// absorb the failure and behave exactly as without it), and the store must
// then close, reopen with the real file system, pass its invariants and hold
// the records it held just before or just after the failed operation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "datastore/ds_object.h"
#include "support/fault_fs.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using Keys = std::vector<uint32_t>;

constexpr int kRecSize = 16;
constexpr int kBlockSize = 128;  // 7 records a block
constexpr int kBudget = 4;

uint32_t KeyOf(const void* p) {
  uint32_t k;
  std::memcpy(&k, p, 4);
  return k;
}
std::vector<uint8_t> MakeRec(uint32_t key) {
  std::vector<uint8_t> r(kRecSize);
  std::memcpy(r.data(), &key, 4);
  for (size_t i = 4; i < r.size(); ++i) r[i] = static_cast<uint8_t>(key * 13 + i);
  return r;
}
void SetCompare(TDSControl* h) {
  DSSetCompare(
      h,
      [](const void* a, const void* b) {
        uint32_t x = KeyOf(a), y = KeyOf(b);
        return x < y ? -1 : (x > y ? 1 : 0);
      },
      nullptr, [](const void* r) { return KeyOf(r) >> 4; });
}
// The codes a failed transfer may surface as.
bool IsIOCode(int32_t rc) {
  return rc == kDSShortWrite || rc == kDSShortRead || rc == kDSNoFile || rc == kDSDamagedHeader ||
         rc == kDSOrderUnreadable || rc == kDSSyncFailed || rc == kDSJournalFailed;
}

struct Step {
  std::string name;
  std::function<int32_t()> run;
  std::function<void(Keys&)> apply;  // effect on the stored keys, if any
};

class FaultScenario : public ::testing::Test {
 protected:
  FaultScenario() { ffs_.syncToDevice = false; }
  void TearDown() override {
    if (h_) DSClose(h_);
  }

  DSParams Params(FileSystem* fileSystem) const {
    DSParams p = DSSetParams(kRecSize, kBlockSize, 0, false);
    p.fs = fileSystem;
    p.bufferBudget = kBudget;
    p.spillDir = tmp_.path();
    return p;
  }
  void AddOpen(char mode, bool named) {
    steps_.push_back({std::string("open ") + mode,
                      [this, mode, named] {
                        int32_t rc = DSOpen(named ? path() : "", h_, mode, Params(&ffs_));
                        if (h_) SetCompare(h_.get());
                        return rc;
                      },
                      nullptr});
  }
  void AddInsert(uint32_t key) {
    steps_.push_back(
        {"insert " + std::to_string(key),
         [this, key] { return DSInsert(h_.get(), MakeRec(key).data()); },
         [key](Keys& k) { k.insert(std::upper_bound(k.begin(), k.end(), key), key); }});
  }
  void AddFind(uint32_t key) {
    steps_.push_back({"find " + std::to_string(key),
                      [this, key] {
                        std::vector<uint8_t> buf = MakeRec(key);
                        int32_t n = 0;
                        int32_t rc = DSFind(h_.get(), buf.data(), n);
                        return rc == 1 && buf != MakeRec(key) ? -100 : rc;
                      },
                      nullptr});
  }
  void AddDelete(uint32_t key) {
    steps_.push_back({"delete " + std::to_string(key),
                      [this, key] {
                        int32_t n = 0;
                        int32_t rc = DSFindPos(h_.get(), MakeRec(key).data(), n);
                        return rc != 1 ? (rc == 0 ? -100 : rc) : DSDelete(h_.get(), n);
                      },
                      [key](Keys& k) { k.erase(std::find(k.begin(), k.end(), key)); }});
  }
  // A walk answers -1000 minus its length, or the first code other than
  // "at the end".
  void AddWalk() {
    steps_.push_back({"walk",
                      [this] {
                        std::vector<uint8_t> rec(kRecSize);
                        int32_t rc, n = 0;
                        DSSetPos(h_.get(), 0);
                        while ((rc = DSNext(h_.get(), rec.data())) == 0) ++n;
                        return rc == -1 ? -1000 - n : rc;
                      },
                      nullptr});
  }
  void Add(const std::string& name, std::function<int32_t()> run) {
    steps_.push_back({name, std::move(run), nullptr});
  }

  std::string path() const { return tmp_.File("FAULT.XRD"); }

  Keys Walk(TDSControl* h) {
    Keys keys;
    std::vector<uint8_t> rec(kRecSize);
    DSSetPos(h, 0);
    while (DSNext(h, rec.data()) == 0) keys.push_back(KeyOf(rec.data()));
    return keys;
  }

  // Runs every step with the nth transfer failing (0 = none). Records the
  // results and stored keys when `baseline` is set, else checks against them.
  void Run(int64_t n, bool named) {
    ffs_.FailAt(n);
    Keys keys, closed;
    bool absorbed = false;
    if (named) fs::remove(path());
    for (size_t i = 0; i < steps_.size(); ++i) {
      Keys before = keys;
      if (i > 0 && steps_[i - 1].name == "close") closed = keys;
      int32_t rc = steps_[i].run();
      if (steps_[i].apply) steps_[i].apply(keys);
      if (n == 0) {
        results_.push_back(rc);
        after_.push_back(keys);
        continue;
      }
      std::string where = "transfer " + std::to_string(n) + " failing in step " +
                          std::to_string(i) + " (" + steps_[i].name + ")";
      if (!ffs_.fired() || absorbed) {
        ASSERT_EQ(rc, results_[i]) << where;
        continue;
      }
      // A failed write-back of an evicted block is absorbed: the block stays
      // in memory and everything goes on as without the failure.
      if (rc == results_[i]) {
        absorbed = true;
        continue;
      }
      EXPECT_TRUE(IsIOCode(rc)) << where << " answered " << rc << " instead of an I/O code";
      if (steps_[i].name == "close") {
        EXPECT_TRUE(h_) << where << ": a failed close must keep the store open";
      }
      Recover(where, named, {before, after_[i], closed});
      return;
    }
    if (absorbed) {
      Recover("transfer " + std::to_string(n) + " (absorbed)", named, {keys, keys, keys});
      return;
    }
    ASSERT_EQ(n, 0) << "transfer " << n << " never happened";
  }

  // After a failure: close (once more if needed), reopen and compare. The
  // records must be those from just before or just after the failed step,
  // or, when the step left the store unusable for changes and its close gave
  // up the session, those of the last close.
  void Recover(const std::string& where, bool named, const std::vector<Keys>& allowed) {
    auto isAllowed = [&](const Keys& k) {
      return std::find(allowed.begin(), allowed.end(), k) != allowed.end();
    };
    if (h_) {
      std::string why;
      if (DSCheckInvariants(h_.get(), why) == 0) {
        Keys now = Walk(h_.get());
        EXPECT_TRUE(now == allowed[0] || now == allowed[1])
            << where << ": the open store holds " << now.size() << " records";
      } else {
        EXPECT_TRUE(IsIOCode(DSSetUserWord(h_.get(), 2, 1)))
            << where << ": an inconsistent store (" << why << ") must refuse changes";
      }
    }
    for (int attempt = 0; attempt < 2 && h_; ++attempt) DSClose(h_);
    ASSERT_FALSE(h_) << where << ": the store cannot be closed";
    if (!named) {
      EXPECT_TRUE(fs::is_empty(tmp_.path())) << where << ": spill file left behind";
      return;
    }
    DSHandle h;
    int32_t rc = DSOpen(path(), h, 'w', Params(nullptr));
    if (rc != 0 && rc != 1) {
      ADD_FAILURE() << where << ": the file cannot be reopened (" << rc << ")";
      return;
    }
    SetCompare(h.get());
    std::string why;
    EXPECT_EQ(DSCheckInvariants(h.get(), why), 0) << where << ": the reopened file: " << why;
    int32_t at = 0;
    EXPECT_EQ(DSCheckOrder(h.get(), at), 0) << where << ": the reopened file";
    Keys now = Walk(h.get());
    EXPECT_TRUE(isAllowed(now)) << where << ": the reopened file holds " << now.size()
                                << " records, expected " << allowed[0].size() << ", "
                                << allowed[1].size() << " or " << allowed[2].size();
    EXPECT_EQ(DSClose(h), 0) << where;
  }

  void RunAll(bool named) {
    ASSERT_NO_FATAL_FAILURE(Run(0, named));
    int64_t total = ffs_.ops();
    ASSERT_GT(total, 50) << "the scenario should move many blocks";
    for (int64_t n = 1; n <= total; ++n) {
      ASSERT_NO_FATAL_FAILURE(Run(n, named));
      if (h_) DSClose(h_);
      h_.reset();
    }
  }

  // Keys in a scattered order so that inserts split blocks all over.
  static std::vector<uint32_t> Scattered(uint32_t count) {
    std::vector<uint32_t> keys;
    for (uint32_t i = 0; i < count; ++i) keys.push_back((i * 37) % count * 10 + 10);
    return keys;
  }

  test::TempDir tmp_;
  test::FaultFS ffs_;
  DSHandle h_;
  std::vector<Step> steps_;
  std::vector<int32_t> results_;
  std::vector<Keys> after_;
};

TEST_F(FaultScenario, NamedStoreReportsEveryFailedTransferAndReopens) {
  std::vector<uint32_t> keys = Scattered(60);
  AddOpen('w', true);
  for (uint32_t k : keys) AddInsert(k);
  Add("close", [this] { return DSClose(h_); });
  AddOpen('w', true);
  for (size_t i = 0; i < keys.size(); i += 6) AddFind(keys[i]);
  AddWalk();
  // A run of neighbours empties whole blocks, so later blocks move down;
  // then new keys split blocks, so they move up again.
  for (uint32_t k = 100; k <= 340; k += 10) AddDelete(k);
  for (uint32_t k = 15; k < 600; k += 40) AddInsert(k);
  for (size_t i = 0; i < keys.size(); i += 7) {
    if (keys[i] < 100 || keys[i] > 340) AddDelete(keys[i]);
  }
  Add("check order", [this] {
    int32_t at = 0;
    return DSCheckOrder(h_.get(), at);
  });
  Add("pack", [this] { return DSPack(h_.get()); });
  AddWalk();
  Add("close", [this] { return DSClose(h_); });
  RunAll(true);
}

TEST_F(FaultScenario, UnnamedStoreReportsSpillFailuresAndCleansUp) {
  std::vector<uint32_t> keys = Scattered(40);
  AddOpen('w', false);
  for (uint32_t k : keys) AddInsert(k);
  AddWalk();
  for (size_t i = 0; i < keys.size(); i += 4) AddFind(keys[i]);
  for (size_t i = 0; i < keys.size(); i += 5) AddDelete(keys[i]);
  Add("pack", [this] { return DSPack(h_.get()); });
  AddWalk();
  Add("close", [this] { return DSClose(h_); });
  RunAll(false);
}

}  // namespace
}  // namespace orv
