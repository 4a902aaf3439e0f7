#include "import/translit.h"

#include <vector>

#include "import/oshb_text.h"

namespace orv {
namespace {

// Hebrew letters and points by code point.
constexpr char32_t kAlef = 0x05D0, kTav = 0x05EA;
constexpr char32_t kHe = 0x05D4, kVav = 0x05D5, kHet = 0x05D7, kYod = 0x05D9, kAyin = 0x05E2;
constexpr char32_t kShin = 0x05E9;
constexpr char32_t kShewa = 0x05B0, kHiriq = 0x05B4, kTsere = 0x05B5, kSegol = 0x05B6;
constexpr char32_t kPatah = 0x05B7, kQamets = 0x05B8, kHolam = 0x05B9, kHolamVav = 0x05BA;
constexpr char32_t kDagesh = 0x05BC, kShinDot = 0x05C1, kSinDot = 0x05C2;
constexpr char32_t kQametsQatan = 0x05C7;

// Alef .. tav, final forms included, in code point order.
constexpr const char* kConsonants[] = {"ʾ", "b", "g", "d", "h", "w", "z", "ḥ", "ṭ",
                                       "y", "k", "k", "l", "m", "m", "n", "n", "s",
                                       "ʿ", "p", "p", "ṣ", "ṣ", "q", "r", "š", "t"};

struct Letter {
  char32_t base = 0;
  char32_t vowel = 0;  // the vowel point other than holam; 0 none
  bool holam = false;
  bool dagesh = false;
  bool sin = false;
  int morpheme = 0;  // index of the "/"-separated part it belongs to
};

const char* VowelText(char32_t v) {
  switch (v) {
    case 0x05B1:
      return "ĕ";
    case 0x05B2:
      return "ă";
    case 0x05B3:
      return "ŏ";
    case kHiriq:
      return "i";
    case kTsere:
      return "ē";
    case kSegol:
      return "e";
    case kPatah:
      return "a";
    case kQamets:
      return "ā";
    case 0x05BB:
      return "u";
    case kQametsQatan:
      return "o";
    default:
      return "";
  }
}

std::vector<Letter> Letters(std::string_view pointed) {
  std::vector<Letter> letters;
  int morpheme = 0;
  for (size_t at = 0; at < pointed.size();) {
    const char32_t c = NextCodePoint(pointed, at);
    if (c == '/') {
      ++morpheme;
    } else if (c >= kAlef && c <= kTav) {
      letters.push_back(Letter{c, 0, false, false, false, morpheme});
    } else if (letters.empty()) {
      continue;  // a point before any letter belongs to none
    } else if (c == kHolam || c == kHolamVav) {
      letters.back().holam = true;
    } else if (c == kDagesh) {
      letters.back().dagesh = true;
    } else if (c == kSinDot) {
      letters.back().sin = true;
    } else if (c == kShinDot) {
      letters.back().sin = false;
    } else if ((c >= kShewa && c <= 0x05BB) || c == kQametsQatan) {
      letters.back().vowel = c;
    }
  }
  return letters;
}

bool IsYhwh(const std::vector<Letter>& l, size_t i) {
  if (i + 4 > l.size()) return false;
  const int m = l[i].morpheme;
  if (i > 0 && l[i - 1].morpheme == m) return false;
  if (i + 4 < l.size() && l[i + 4].morpheme == m) return false;
  return l[i].base == kYod && l[i + 1].base == kHe && l[i + 2].base == kVav && l[i + 3].base == kHe;
}

class Writer {
 public:
  explicit Writer(std::vector<Letter> letters) : l_(std::move(letters)) {}

  std::string Run() {
    for (size_t i = 0; i < l_.size(); ++i) {
      if (IsYhwh(l_, i)) {
        out_ += "YHWH";
        i += 3;
        Sounded(false, false, false);
        continue;
      }
      Write(i);
    }
    return out_;
  }

 private:
  // What the letter just written left for the next one.
  void Sounded(bool vowel, bool longVowel, bool silentShewa) {
    prevVowel_ = vowel;
    prevLong_ = longVowel;
    prevSilentShewa_ = silentShewa;
  }
  // Turns the vowel just written into its long form ("i" -> "î").
  bool Lengthen(const char* from, const char* to) {
    const std::string f(from);
    if (out_.size() < f.size() || out_.compare(out_.size() - f.size(), f.size(), f) != 0)
      return false;
    out_.replace(out_.size() - f.size(), f.size(), to);
    return true;
  }

  void Write(size_t i) {
    const Letter& c = l_[i];
    const bool first = i == 0;
    const bool last = i + 1 == l_.size();
    const bool bare = c.vowel == 0 && !c.holam;
    const bool prevBare = !first && l_[i - 1].vowel == 0 && !l_[i - 1].holam;
    // Vowel letters: shureq, holam male, hiriq/tsere/segol + yod, final he.
    if (c.base == kVav && c.vowel == 0 && (c.dagesh || c.holam) && (first || prevBare)) {
      out_ += c.dagesh ? "û" : "ô";
      return Sounded(true, true, false);
    }
    if (c.base == kYod && bare && !c.dagesh && !first &&
        (Lengthen("i", "î") || Lengthen("ē", "ê") || Lengthen("e", "ê"))) {
      return Sounded(true, true, false);
    }
    if (c.base == kHe && bare && !c.dagesh && last && prevVowel_ &&
        (Lengthen("ā", "â") || Lengthen("ē", "ê") || Lengthen("e", "ê") || Lengthen("ō", "ô"))) {
      return;
    }
    std::string consonant = kConsonants[c.base - kAlef];
    if (c.base == kShin && c.sin) consonant = "ś";
    const bool doubled = c.dagesh && !first && prevVowel_ && c.base != kHe;
    const bool guttural = c.base == kHet || c.base == kAyin || (c.base == kHe && c.dagesh);
    if (last && c.vowel == kPatah && guttural) {
      out_ += "a" + consonant;  // furtive patah: sounded before its letter
      return Sounded(true, false, false);
    }
    out_ += consonant;
    if (doubled) out_ += consonant;
    if (c.vowel == kShewa) {
      const bool sameNext = !last && l_[i + 1].base == c.base;
      const bool vocal = !last && (first || doubled || prevLong_ || prevSilentShewa_ || sameNext);
      if (vocal) out_ += "ə";
      return Sounded(vocal, false, !vocal);
    }
    if (c.vowel != 0) {
      out_ += VowelText(c.vowel);
      const bool longVowel = c.vowel == kQamets || c.vowel == kTsere;
      return Sounded(true, longVowel, false);
    }
    if (c.holam) {
      out_ += "ō";
      return Sounded(true, true, false);
    }
    // A quiet alef keeps the vowel before it sounding on.
    if (c.base != kAlef) Sounded(false, false, false);
  }

  std::vector<Letter> l_;
  std::string out_;
  bool prevVowel_ = false;
  bool prevLong_ = false;
  bool prevSilentShewa_ = false;
};

}  // namespace

std::string Transliterate(std::string_view pointed) { return Writer(Letters(pointed)).Run(); }

}  // namespace orv
