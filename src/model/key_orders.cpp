#include "model/key_orders.h"

#include <algorithm>

#include "model/letters.h"

namespace orv {
namespace {

const uint8_t* Bytes(const void* p) { return static_cast<const uint8_t*>(p); }

int CompareCiteAt(const uint8_t* a, const uint8_t* b) {
  for (int i = 0; i < 4; ++i) {
    if (a[i] != b[i]) return static_cast<int>(a[i]) - static_cast<int>(b[i]);
  }
  return 0;
}

uint32_t CiteValueAt(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// A length byte above the capacity only comes from a damaged record; the
// comparison never reads past the 11 letters.
int WordLen(const uint8_t* w) { return std::min<int>(w[0], 11); }

}  // namespace

int WordOrder(const void* a, const void* b) {
  const uint8_t* x = Bytes(a);
  const uint8_t* y = Bytes(b);
  int lx = WordLen(x);
  int ly = WordLen(y);
  int n = std::min(lx, ly);
  for (int i = 1; i <= n; ++i) {
    if (x[i] != y[i])
      return static_cast<int>(LetterRank(x[i])) - static_cast<int>(LetterRank(y[i]));
  }
  return lx - ly;
}

int WordCiteOrder(const void* a, const void* b) {
  int r = WordOrder(a, b);
  return r != 0 ? r : CompareCiteAt(Bytes(a) + 12, Bytes(b) + 12);
}

int FoccCiteOrder(const void* a, const void* b) {
  return CompareCiteAt(Bytes(a) + 12, Bytes(b) + 12);
}

int CiteOrder(const void* a, const void* b) { return CompareCiteAt(Bytes(a), Bytes(b)); }

int BookOrder(const void* a, const void* b) {
  const uint8_t* x = Bytes(a);
  const uint8_t* y = Bytes(b);
  if (x[0] != y[0]) return static_cast<int>(x[0]) - static_cast<int>(y[0]);
  return static_cast<int>(x[1]) - static_cast<int>(y[1]);
}

uint32_t WordPrefix(const void* rec) {
  const uint8_t* w = Bytes(rec);
  int n = std::min(WordLen(w), 6);
  // A non-letter (rank 0) sorts below a (rank 1) but both pack as 0, so the
  // bytes after it could lift the prefix above that of a larger word ("-x"
  // against "a"). Packing stops at the first non-letter and pads as if the
  // word ended there, which keeps the prefix monotone.
  uint32_t v = 0;
  int i = 1;
  for (; i <= n && LetterRank(w[i]) != 0; ++i) v = v * 32 + (LetterRank(w[i]) - 1u);
  for (; i <= 6; ++i) v *= 32;
  return v + 1;
}

uint32_t FoccCitePrefix(const void* rec) { return CiteValueAt(Bytes(rec) + 12); }

uint32_t CitePrefix(const void* rec) { return CiteValueAt(Bytes(rec)); }

uint32_t BookPrefix(const void* rec) {
  const uint8_t* p = Bytes(rec);
  return (uint32_t{p[0]} << 8) | p[1];
}

}  // namespace orv
