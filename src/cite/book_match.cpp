#include "cite/book_match.h"

#include <array>
#include <string>

#include "model/books.h"

namespace orv {
namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string Squeezed(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != ' ') out += Upper(c);
  }
  return out;
}

// The names never change, so they are squeezed once.
const std::array<std::string, kBookCount>& SqueezedNames() {
  static const std::array<std::string, kBookCount> names = [] {
    std::array<std::string, kBookCount> n;
    for (int b = 1; b <= kBookCount; ++b) n[static_cast<size_t>(b - 1)] = Squeezed(BookName(b));
    return n;
  }();
  return names;
}

const std::array<std::string, kBookCount>& Codes() {
  static const std::array<std::string, kBookCount> codes = [] {
    std::array<std::string, kBookCount> c;
    for (int b = 1; b <= kBookCount; ++b) c[static_cast<size_t>(b - 1)] = BookCode(b);
    return c;
  }();
  return codes;
}

// 1-based place of the first differing character within the shorter length;
// 0 when one text begins the other.
size_t MismatchPosition(const std::string& a, const std::string& b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    if (a[i] != b[i]) return i + 1;
  }
  return 0;
}

}  // namespace

int MatchBook(std::string_view text) {
  const std::string key = Squeezed(text);
  const auto& codes = Codes();
  for (int b = 0; b < kBookCount; ++b) {
    if (key == codes[static_cast<size_t>(b)]) return b + 1;
  }
  const auto& names = SqueezedNames();
  int best = 1;
  size_t bestPos = 0;
  for (int b = 0; b < kBookCount; ++b) {
    size_t pos = MismatchPosition(key, names[static_cast<size_t>(b)]);
    if (pos == 0) return b + 1;
    // Strictly greater keeps the lowest book among equal positions.
    if (pos > bestPos) {
      bestPos = pos;
      best = b + 1;
    }
  }
  return best;
}

}  // namespace orv
