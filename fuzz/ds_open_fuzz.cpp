// Feeds arbitrary bytes to the record-file engine as a store file opened
// read-only, then walks, searches and checks whatever opens. Besides the
// sanitizers' findings it aborts when a read-only session changes the file
// or when a change is not refused in mode "r".
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "datastore/ds_object.h"
#include "fuzz_temp.h"

namespace {

using orv::DSHandle;

constexpr int kMaxSteps = 20000;  // bound on every walk

const char* TempPath() { return orv::fuzz::TempPath("ds_open_fuzz"); }

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || (size && std::fwrite(data, 1, size, f) != size) || std::fclose(f) != 0) std::abort();
}

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::vector<uint8_t> out;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) std::abort();
  uint8_t buf[4096];
  size_t got;
  while ((got = std::fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + got);
  std::fclose(f);
  return out;
}

void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "ds_open_fuzz: %s\n", what);
  std::abort();
}

// A change in mode "r" must be refused (-17), unless the handle is unusable.
void RequireRefused(int32_t rc, const char* what) {
  Require(rc == orv::kDSNotAllowed || rc == orv::kDSInvalidHandle, what);
}

void Exercise(orv::TDSControl* h, const uint8_t* data, size_t size) {
  const size_t R = orv::DSGetHeader(h).recordSize;
  if (R == 0) return;
  orv::DSSetCompare(
      h, [R](const void* a, const void* b) { return std::memcmp(a, b, R); }, nullptr,
      [R](const void* rec) {
        const auto* p = static_cast<const uint8_t*>(rec);
        uint32_t v = 0;
        for (size_t i = 0; i < 4; ++i) v = (v << 8) | (i < R ? p[i] : 0);
        return v;
      });
  std::vector<uint8_t> rec(R), key(R);

  int32_t count = orv::DSCount(h);
  orv::DSSetPos(h, 0);
  int steps = 0;
  while (steps < kMaxSteps && orv::DSNext(h, rec.data()) == 0) ++steps;

  // Keys: all low, all high, a middle one, one cut from the input, the first record.
  std::vector<std::vector<uint8_t>> keys(4, std::vector<uint8_t>(R));
  std::memset(keys[1].data(), 0xFF, R);
  std::memset(keys[2].data(), 0x80, R);
  for (size_t i = 0; i < R && size > 0; ++i) keys[3][i] = data[(i * 7 + 59) % size];
  if (orv::DSReadAt(h, 1, rec.data()) == 0) keys.push_back(rec);
  for (const auto& k : keys) {
    int32_t n = 0;
    orv::DSFindPos(h, k.data(), n);
    key = k;
    if (orv::DSFind(h, key.data(), n) == 1) orv::DSNext(h, rec.data());
  }

  const int64_t N = orv::DSGetHeader(h).recordsPerBlock;
  for (int64_t n : {int64_t{INT32_MIN}, int64_t{-1}, int64_t{0}, int64_t{1}, int64_t{2}, N, N + 1,
                    int64_t{count}, int64_t{count} + 1, int64_t{INT32_MAX}}) {
    if (n >= INT32_MIN && n <= INT32_MAX) orv::DSReadAt(h, static_cast<int32_t>(n), rec.data());
  }
  int32_t last = 0;
  if (orv::DSLastPos(h, last) == 0 && orv::DSReadAt(h, last, rec.data()) == 0) {
    steps = 0;
    while (steps < kMaxSteps && orv::DSPrev(h, rec.data()) == 0) ++steps;
    orv::DSBack(h);
  }
  int seen = 0;
  orv::DSSetPos(h, 0);
  orv::DSNextMatch(
      h, [&seen](const void*) { return ++seen == 3 ? 7 : 0; }, rec.data());

  int32_t at = 0;
  orv::DSCheckOrder(h, at);
  std::string why;
  orv::DSCheckInvariants(h, why);
  int64_t slack = 0;
  orv::DSSlack(h, slack);

  RequireRefused(orv::DSInsert(h, keys[0].data()), "insert allowed in mode r");
  RequireRefused(orv::DSDelete(h, 1), "delete allowed in mode r");
  RequireRefused(orv::DSUpdate(h, 1, keys[0].data()), "update allowed in mode r");
  RequireRefused(orv::DSAppend(h, keys[0].data()), "append allowed in mode r");
  RequireRefused(orv::DSPack(h), "pack allowed in mode r");
  RequireRefused(orv::DSClear(h), "clear allowed in mode r");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = TempPath();
  WriteFile(path, data, size);
  orv::DSProbe(path);
  // 0 = take the record size from the file; the others are used only when
  // the header is unusable and the open falls back to initialising.
  for (int recordSize : {0, 1, 5, 16, 40}) {
    orv::DSParams params = orv::DSSetParams(recordSize, 0, 0, false);
    params.bufferBudget = size > 0 && (data[0] & 1) ? 4 : 0;
    DSHandle h;
    int32_t rc = orv::DSOpen(path, h, 'r', params);
    Require(h || rc != 0, "open reported success without a handle");
    if (h) Exercise(h.get(), data, size);
    if (h && orv::DSClose(h) != 0) h.reset();
    std::vector<uint8_t> after = ReadFile(path);
    Require(after.size() == size && (size == 0 || std::memcmp(after.data(), data, size) == 0),
            "a mode r session changed the file");
  }
  return 0;
}
