// Small helpers shared by the engine tests: 16-byte records whose first four
// bytes are a big-endian key, and opening stores with that order.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>

#include "datastore/ds_object.h"

namespace orv::test {

using Rec16 = std::array<uint8_t, 16>;

inline Rec16 MakeRec(uint32_t key, uint32_t payload = 0) {
  Rec16 r{};
  for (int i = 0; i < 4; ++i) r[static_cast<size_t>(i)] = static_cast<uint8_t>(key >> (24 - 8 * i));
  std::memcpy(r.data() + 4, &payload, 4);
  return r;
}

inline uint32_t KeyOf(const Rec16& r) {
  return (uint32_t{r[0]} << 24) | (uint32_t{r[1]} << 16) | (uint32_t{r[2]} << 8) | r[3];
}

inline uint32_t PayloadOf(const Rec16& r) {
  uint32_t p;
  std::memcpy(&p, r.data() + 4, 4);
  return p;
}

inline int KeyCompare(const void* a, const void* b) { return std::memcmp(a, b, 4); }

inline uint32_t KeyPrefix(const void* r) {
  const auto* p = static_cast<const uint8_t*>(r);
  return (uint32_t{p[0]} << 8) | p[1];
}

// Opens (or creates) a 16-byte store keyed on the first four bytes.
inline int32_t OpenKeyed(const std::string& path, DSHandle& h, char mode, bool dups,
                         int blockSize = 0, bool prefix = false, int64_t budget = 0) {
  DSParams p = DSSetParams(16, blockSize, 0, dups);
  p.bufferBudget = budget;
  int32_t rc = DSOpen(path, h, mode, p);
  if (h) DSSetCompare(h.get(), KeyCompare, nullptr, prefix ? DSPrefix(KeyPrefix) : nullptr);
  return rc;
}

}  // namespace orv::test
