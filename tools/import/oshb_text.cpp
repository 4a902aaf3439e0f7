#include "import/oshb_text.h"

namespace orv {
namespace {

constexpr char32_t kAlef = 0x05D0;
constexpr char32_t kTav = 0x05EA;
constexpr char32_t kShin = 0x05E9;
constexpr char32_t kShinDot = 0x05C1;
constexpr char32_t kSinDot = 0x05C2;

// Alef .. tav in code point order (final forms stand before their letter).
constexpr std::string_view kLetters = "abgdhwzxjyKklMmNnoePpUuqrst";
static_assert(kLetters.size() == kTav - kAlef + 1);

}  // namespace

char32_t NextCodePoint(std::string_view s, size_t& i) {
  unsigned char b = static_cast<unsigned char>(s[i++]);
  int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
  if (extra <= 0 || s.size() - i < static_cast<size_t>(extra)) return b;
  char32_t cp = b & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    unsigned char c = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
    if ((c & 0xC0) != 0x80) return b;
    cp = (cp << 6) | (c & 0x3F);
  }
  i += static_cast<size_t>(extra);
  return cp;
}

std::string HebrewToSource(std::string_view utf8, int* undottedShin) {
  std::string out;
  // Index in `out` of a shin still waiting for its dot, npos when none: the
  // dot may come after a dagesh or a vowel, so it is settled only at the
  // next letter or at the end.
  size_t pendingShin = std::string::npos;
  auto settle = [&] {
    if (pendingShin != std::string::npos && undottedShin) ++*undottedShin;
    pendingShin = std::string::npos;
  };
  for (size_t i = 0; i < utf8.size();) {
    char32_t cp = NextCodePoint(utf8, i);
    if (cp >= kAlef && cp <= kTav) {
      settle();
      out += kLetters[cp - kAlef];
      if (cp == kShin) pendingShin = out.size() - 1;
    } else if ((cp == kShinDot || cp == kSinDot) && pendingShin != std::string::npos) {
      if (cp == kSinDot) out[pendingShin] = 'v';
      pendingShin = std::string::npos;
    }
  }
  settle();
  return out;
}

uint16_t LemmaStrongs(std::string_view lemma) {
  while (!lemma.empty()) {
    size_t slash = lemma.find('/');
    std::string_view part = lemma.substr(0, slash);
    if (!part.empty() && part[0] >= '0' && part[0] <= '9') {
      uint32_t n = 0;
      for (char c : part) {
        if (c < '0' || c > '9') break;
        n = n * 10 + static_cast<uint32_t>(c - '0');
        if (n > 65535) return 0;
      }
      return static_cast<uint16_t>(n);
    }
    if (slash == std::string_view::npos) break;
    lemma.remove_prefix(slash + 1);
  }
  return 0;
}

}  // namespace orv
