#include "model/typed_input.h"

#include <array>
#include <cstdint>

#include "model/records.h"

namespace orv {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimSpaces(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// The storage letter of U+05D0 + i, final forms included.
constexpr std::array<char, 27> kLetters = {'a', 'b', 'g', 'd', 'e', 'v', 'z', 'h', 't',
                                           'i', 'k', 'k', 'l', 'm', 'm', 'n', 'n', 's',
                                           'o', 'p', 'p', 'c', 'c', 'q', 'r', 'w', 'x'};

// The storage letter of each presentation form U+FB1D..U+FB4E (a letter
// with a point); "." for the forms that are no letter of the 22.
constexpr std::string_view kPresentationLetters =
    "i.ioadeklmrx.wwwwaaabgdevz.tikkl.m.ns.pp.cqrwxvbkp";

char PresentationLetter(uint32_t cp) {
  if (cp < 0xFB1D || cp - 0xFB1D >= kPresentationLetters.size()) return 0;
  const char c = kPresentationLetters[cp - 0xFB1D];
  return c == '.' ? 0 : c;
}

// Decodes the UTF-8 sequence at `i` (advancing it); a byte that starts no
// complete sequence decodes as itself and is kept by the caller.
uint32_t Decode(std::string_view s, size_t& i, size_t& length) {
  const auto b = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
  const uint8_t c = b(i);
  length = 1;
  uint32_t cp = c;
  if (c >= 0xC0 && c < 0xE0) {
    length = 2;
    cp = c & 0x1F;
  } else if (c >= 0xE0 && c < 0xF0) {
    length = 3;
    cp = c & 0x0F;
  } else if (c >= 0xF0 && c < 0xF8) {
    length = 4;
    cp = c & 0x07;
  }
  if (length > 1) {
    if (i + length > s.size()) {
      length = 1;
      return c;
    }
    for (size_t k = 1; k < length; ++k) {
      if ((b(i + k) & 0xC0) != 0x80) {
        length = 1;
        return c;
      }
      cp = (cp << 6) | (b(i + k) & 0x3F);
    }
  }
  i += length;
  return cp;
}

}  // namespace

StrongsReading ReadStrongsNumber(std::string_view text) {
  std::string_view s = TrimSpaces(text);
  if (!s.empty() && (s.front() == 'H' || s.front() == 'h')) {
    s.remove_prefix(1);
  } else if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    const bool negative = s.front() == '-';
    s.remove_prefix(1);
    if (s.empty()) return {};
    for (char c : s) {
      if (!IsDigit(c)) return {};
    }
    if (negative) return {NumberReading::kOutOfRange, 0};
  }
  if (s.empty()) return {};
  long long value = 0;
  bool huge = false;
  for (char c : s) {
    if (!IsDigit(c)) return {};
    if (!huge) value = value * 10 + (c - '0');
    huge = huge || value > kStrongsCount;
  }
  if (huge || value < 1) return {NumberReading::kOutOfRange, 0};
  return {NumberReading::kNumber, static_cast<int>(value)};
}

std::string HebrewToStorage(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const size_t start = i;
    size_t length = 1;
    const uint32_t cp = Decode(text, i, length);
    if (length == 1 && i == start) {  // a byte that decodes as itself
      out += text[i++];
      continue;
    }
    if (cp >= 0x05D0 && cp <= 0x05EA) {
      out += kLetters[cp - 0x05D0];
    } else if (cp == 0x05BE) {
      out += '-';  // maqqef
    } else if (cp >= 0x05F0 && cp <= 0x05F2) {
      out += cp == 0x05F0 ? "vv" : cp == 0x05F1 ? "vi" : "ii";  // the double letters
    } else if ((cp >= 0x0591 && cp <= 0x05C7) || cp == 0x05F3 || cp == 0x05F4 || cp == 0xFB1E) {
      // Points, accents and punctuation marks of Hebrew text carry no letter.
    } else if (cp == 0xFB4F) {
      out += "al";  // the alef-lamed ligature
    } else if (PresentationLetter(cp) != 0) {
      out += PresentationLetter(cp);
    } else {
      out.append(text.substr(start, i - start));
    }
  }
  return out;
}

}  // namespace orv
