// Record-file engine against SQLite on a word-list-shaped workload: 305,507
// records of 16 bytes (a length-prefixed word of up to 11 storage letters, then
// a 4-byte citation), about 40,000 distinct words with Zipf-like frequencies,
// inserted in random order. Three phases, each timed on both sides:
//   (a) keyed insertion into a new file store, pack and close;
//   (b) reopen and look up every record's word in shuffled order;
//   (c) one ordered walk over all records.
// Targets: (a) and (b) at least 3 times faster than SQLite, (a) under 0.5 s on
// a 2-core machine, engine phase peak resident memory under 64 MB.
// Missing a target still exits 0; a failed correctness check exits 1.
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "bench_support.h"
#include "datastore/ds_object.h"

namespace {

using Rec = std::array<uint8_t, 16>;
using orv::bench::Clock;
using orv::bench::PeakKb;
using orv::bench::SecondsSince;

constexpr int kRecords = 305507;
constexpr int kWords = 40000;
constexpr char kLetters[] = "abwzidevthslkngopcqrmx";

// 1-based position in kLetters; 0 for any other byte.
const std::array<uint8_t, 256> kRank = [] {
  std::array<uint8_t, 256> r{};
  for (int i = 0; kLetters[i] != 0; ++i) r[static_cast<uint8_t>(kLetters[i])] = i + 1;
  return r;
}();

int WordLen(const uint8_t* w) { return std::min<int>(w[0], 11); }

// Only the first differing byte decides; equal-rank bytes that differ tie.
int WordOrder(const void* a, const void* b) {
  auto x = static_cast<const uint8_t*>(a);
  auto y = static_cast<const uint8_t*>(b);
  int lx = WordLen(x), ly = WordLen(y), n = std::min(lx, ly);
  for (int i = 1; i <= n; ++i)
    if (x[i] != y[i]) return kRank[x[i]] - kRank[y[i]];
  return lx - ly;
}

uint32_t WordPrefix(const void* rec) {
  auto w = static_cast<const uint8_t*>(rec);
  int n = std::min(WordLen(w), 6);
  uint32_t v = 0;
  for (int i = 1; i <= n; ++i) v = v * 32 + static_cast<uint32_t>(std::max(kRank[w[i]] - 1, 0));
  for (int i = n; i < 6; ++i) v *= 32;
  return v + 1;
}

// Deterministic across standard libraries, unlike std::shuffle.
template <class T>
void Shuffle(std::vector<T>& v, std::mt19937_64& rng) {
  for (size_t i = v.size(); i > 1; --i) std::swap(v[i - 1], v[rng() % i]);
}

std::vector<Rec> MakeWorkload() {
  std::mt19937_64 rng(20240611);
  static const int kLenWeight[12] = {0, 1, 3, 8, 12, 14, 12, 9, 6, 3, 2, 1};
  std::discrete_distribution<int> lenDist(std::begin(kLenWeight), std::end(kLenWeight));
  std::vector<std::array<uint8_t, 12>> words;
  std::unordered_set<std::string> seen;
  while (static_cast<int>(words.size()) < kWords) {
    std::string s(lenDist(rng), ' ');
    for (char& ch : s) ch = kLetters[rng() % 22];
    if (!seen.insert(s).second) continue;
    auto& w = words.emplace_back();
    w.fill(' ');
    w[0] = static_cast<uint8_t>(s.size());
    std::memcpy(w.data() + 1, s.data(), s.size());
  }
  // Every word once, the rest drawn with weight 1/k for the k-th word.
  std::vector<double> cdf(kWords);
  double sum = 0;
  for (int k = 0; k < kWords; ++k) cdf[k] = sum += 1.0 / (k + 1);
  std::vector<int> text(kRecords);
  for (int i = 0; i < kRecords; ++i) {
    double u = static_cast<double>(rng() >> 11) / 9007199254740992.0 * sum;
    int k = static_cast<int>(std::upper_bound(cdf.begin(), cdf.end(), u) - cdf.begin());
    text[i] = i < kWords ? i : std::min(k, kWords - 1);
  }
  Shuffle(text, rng);
  std::vector<Rec> recs(kRecords);
  for (int i = 0; i < kRecords; ++i) {
    std::memcpy(recs[i].data(), words[text[i]].data(), 12);
    int r = i % 7834;  // text position as book 1..39, chapter, verse, word
    recs[i][12] = static_cast<uint8_t>(1 + i / 7834);
    recs[i][13] = static_cast<uint8_t>(1 + r / 300);
    recs[i][14] = static_cast<uint8_t>(1 + r % 300 / 15);
    recs[i][15] = static_cast<uint8_t>(1 + r % 15);
  }
  Shuffle(recs, rng);
  return recs;
}

long CurrentKb() {  // Linux: the second field of statm is the resident page count
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Order-dependent hash of a walk's word sequence, in rank form, so both
// walks can be compared without keeping either in memory.
struct WalkHash {
  uint64_t h = 1469598103934665603ull;
  void Add(const uint8_t* ranks, int n) {
    h = (h ^ static_cast<uint64_t>(n + 100)) * 1099511628211ull;
    for (int i = 0; i < n; ++i) h = (h ^ ranks[i]) * 1099511628211ull;
  }
};

struct Times {
  double insert = 0, lookup = 0, walk = 0;
  uint64_t walkHash = 0;
};

int failures = 0;
void Fail(const char* what, long value) {
  std::printf("FAILED: %s (%ld)\n", what, value);
  ++failures;
}

Times RunEngine(const std::vector<Rec>& recs, const std::vector<Rec>& probes,
                const std::string& path) {
  using namespace orv;
  Times t;
  DSHandle h;
  auto t0 = Clock::now();
  int32_t rc = DSOpen(path, h, 'w', DSSetParams(16, 0, 0, true));
  if (rc != kDSCreated || !h) return Fail("engine create", rc), t;
  DSSetCompare(h.get(), WordOrder, nullptr, WordPrefix);
  for (const Rec& r : recs)
    if ((rc = DSInsert(h.get(), r.data())) != 0 && rc != 1) return Fail("engine insert", rc), t;
  if ((rc = DSPack(h.get())) != 0) Fail("engine pack", rc);
  if ((rc = DSClose(h)) != 0) Fail("engine close", rc);
  t.insert = SecondsSince(t0);

  t0 = Clock::now();
  if ((rc = DSOpen(path, h, 'r', DSParams{})) != 0 || !h) return Fail("engine reopen", rc), t;
  DSSetCompare(h.get(), WordOrder, nullptr, WordPrefix);
  int32_t recNo = 0;
  long missed = 0;
  for (const Rec& key : probes)
    if (DSFindPos(h.get(), key.data(), recNo) != kDSFound) ++missed;
  t.lookup = SecondsSince(t0);
  if (missed) Fail("engine lookups not found", missed);
  Rec got{};
  for (int k = 0; k < 2000; ++k) {  // untimed: the position found holds the word
    DSFindPos(h.get(), probes[k].data(), recNo);
    if (DSReadAt(h.get(), recNo, got.data()) != 0 || WordOrder(probes[k].data(), got.data()) != 0)
      return Fail("engine lookup position", recNo), t;
  }

  t0 = Clock::now();
  DSSetPos(h.get(), 0);
  Rec prev{}, cur{};
  long count = 0, disorder = 0;
  WalkHash wh;
  uint8_t ranks[11];
  while (DSNext(h.get(), cur.data()) == 0) {
    if (count > 0 && WordOrder(prev.data(), cur.data()) > 0) ++disorder;
    int n = WordLen(cur.data());
    for (int i = 0; i < n; ++i) ranks[i] = kRank[cur[i + 1]];
    wh.Add(ranks, n);
    prev = cur;
    ++count;
  }
  if ((rc = DSClose(h)) != 0) Fail("engine close after walk", rc);
  t.walk = SecondsSince(t0);
  t.walkHash = wh.h;
  if (count != kRecords) Fail("engine walk count", count);
  if (disorder) Fail("engine walk out of order", disorder);
  return t;
}

#define SQ(call) \
  if ((call) != SQLITE_OK) return Fail(#call, sqlite3_errcode(db)), t
#define SQ_EXEC(sql) SQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr))

// Words as a length byte and rank bytes, so SQLite's memcmp order is the word order.
std::vector<std::array<uint8_t, 12>> RankKeys(const std::vector<Rec>& recs) {
  std::vector<std::array<uint8_t, 12>> keys(recs.size());
  for (size_t i = 0; i < recs.size(); ++i) {
    keys[i][0] = static_cast<uint8_t>(WordLen(recs[i].data()));
    for (int j = 1; j <= keys[i][0]; ++j) keys[i][j] = kRank[recs[i][j]];
  }
  return keys;
}

Times RunSqlite(const std::vector<Rec>& recs, const std::vector<Rec>& probes,
                const std::string& path) {
  Times t;
  const auto key = RankKeys(recs);
  const auto probeKey = RankKeys(probes);
  sqlite3* db = nullptr;
  sqlite3_stmt* st = nullptr;
  auto t0 = Clock::now();
  SQ(sqlite3_open(path.c_str(), &db));
  // The engine neither syncs nor limits its block cache; give SQLite the same.
  SQ_EXEC("PRAGMA synchronous=OFF; PRAGMA cache_size=-65536");
  SQ_EXEC("CREATE TABLE t(key BLOB, cite INTEGER); CREATE INDEX t_key ON t(key); BEGIN");
  SQ(sqlite3_prepare_v2(db, "INSERT INTO t VALUES(?,?)", -1, &st, nullptr));
  for (size_t i = 0; i < recs.size(); ++i) {
    sqlite3_bind_blob(st, 1, key[i].data() + 1, key[i][0], SQLITE_STATIC);
    const Rec& r = recs[i];
    sqlite3_bind_int64(st, 2, (int64_t{r[12]} << 24) | (r[13] << 16) | (r[14] << 8) | r[15]);
    if (sqlite3_step(st) != SQLITE_DONE) return Fail("sqlite insert", sqlite3_errcode(db)), t;
    sqlite3_reset(st);
  }
  sqlite3_finalize(st);
  SQ_EXEC("COMMIT");
  SQ(sqlite3_close(db));
  t.insert = SecondsSince(t0);

  t0 = Clock::now();
  SQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr));
  // One read transaction over lookups and walk: the engine takes no locks,
  // and autocommit would lock and revalidate the file for every statement.
  SQ_EXEC("PRAGMA cache_size=-65536; BEGIN");
  SQ(sqlite3_prepare_v2(db, "SELECT cite FROM t WHERE key=? LIMIT 1", -1, &st, nullptr));
  long missed = 0;
  for (const auto& k : probeKey) {
    sqlite3_bind_blob(st, 1, k.data() + 1, k[0], SQLITE_STATIC);
    if (sqlite3_step(st) != SQLITE_ROW) ++missed;
    sqlite3_reset(st);
  }
  sqlite3_finalize(st);
  t.lookup = SecondsSince(t0);
  if (missed) Fail("sqlite lookups not found", missed);

  t0 = Clock::now();
  SQ(sqlite3_prepare_v2(db, "SELECT key, cite FROM t ORDER BY key", -1, &st, nullptr));
  long count = 0, disorder = 0;
  std::array<uint8_t, 11> prev{};
  int prevLen = 0;
  WalkHash wh;
  while (sqlite3_step(st) == SQLITE_ROW) {
    auto k = static_cast<const uint8_t*>(sqlite3_column_blob(st, 0));
    int n = std::min(sqlite3_column_bytes(st, 0), 11);
    int c = std::memcmp(prev.data(), k, std::min(n, prevLen));
    if (count > 0 && (c > 0 || (c == 0 && prevLen > n))) ++disorder;
    std::memcpy(prev.data(), k, n);
    prevLen = n;
    wh.Add(k, n);
    ++count;
  }
  sqlite3_finalize(st);
  SQ_EXEC("COMMIT");
  SQ(sqlite3_close(db));
  t.walk = SecondsSince(t0);
  t.walkHash = wh.h;
  if (count != kRecords) Fail("sqlite walk count", count);
  if (disorder) Fail("sqlite walk out of order", disorder);
  return t;
}

}  // namespace

int main() {
  const orv::bench::ScratchFolder scratch("ds_bench");
  if (!scratch.Made()) return orv::bench::Failed("ds", "no temporary folder");
  const std::filesystem::path dir = scratch.Path();

  std::vector<Rec> recs = MakeWorkload();
  // Every record's key once, shuffled and laid out in lookup order, so the
  // timed loops read keys sequentially instead of measuring cache misses.
  std::vector<Rec> probes = recs;
  std::mt19937_64 rng(7);
  Shuffle(probes, rng);

  long workloadKb = CurrentKb();
  Times e = RunEngine(recs, probes, (dir / "words.ds").string());
  long engineKb = PeakKb();
  Times s = RunSqlite(recs, probes, (dir / "words.db").string());
  if (failures == 0 && e.walkHash != s.walkHash) Fail("engine and sqlite walks differ", 0);

  auto line = [](const char* what, double engine, double sqlite) {
    std::printf("%s: engine %.2f s, sqlite %.2f s, ratio %.2f\n", what, engine, sqlite,
                engine > 0 ? sqlite / engine : 0.0);
  };
  line("insert+pack", e.insert, s.insert);
  line("lookup", e.lookup, s.lookup);
  line("walk", e.walk, s.walk);
  std::printf("peak memory: engine phase %ld MB (workload alone %ld MB)\n", engineKb / 1024,
              workloadKb / 1024);
  return failures == 0 ? 0 : 1;
}
