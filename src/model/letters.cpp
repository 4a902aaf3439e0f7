#include "model/letters.h"

#include <array>

namespace orv {
namespace {

struct Tables {
  std::array<uint8_t, 256> rank{};
  std::array<uint8_t, 256> map{};
  Tables() {
    for (int i = 0; kStorageLetters[i] != '\0'; ++i) {
      rank[static_cast<uint8_t>(kStorageLetters[i])] = static_cast<uint8_t>(i + 1);
    }
    for (int c = 0; c < 256; ++c) map[static_cast<size_t>(c)] = static_cast<uint8_t>(c);
    // Source spelling on the left, storage letter on the right. Final forms
    // (K N P U M) fold into the ordinary letters; shin and sin (s, v) both
    // become w.
    static constexpr const char* kPairs[] = {
        "aa", "bb", "sw", "vw", "zz", "yi", "dd", "he", "wv", "jt", "xh", "os", "ll", "kk", "Kk",
        "nn", "Nn", "gg", "eo", "pp", "Pp", "uc", "Uc", "qq", "rr", "mm", "Mm", "tx"};
    for (const char* p : kPairs) map[static_cast<uint8_t>(p[0])] = static_cast<uint8_t>(p[1]);
  }
};

const Tables& LetterTables() {
  static const Tables tables;
  return tables;
}

}  // namespace

uint8_t LetterRank(uint8_t storageLetter) { return LetterTables().rank[storageLetter]; }

uint8_t MapSourceLetter(uint8_t sourceChar) { return LetterTables().map[sourceChar]; }

void MapLetters(std::string& text) {
  const Tables& t = LetterTables();
  for (char& ch : text) ch = static_cast<char>(t.map[static_cast<uint8_t>(ch)]);
}

}  // namespace orv
