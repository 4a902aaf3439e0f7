// Times the letter values over a chapter-sized text: 1,279 words (the most
// a chapter fills into the page buffer) of 2 to 8 letters in source
// spelling, final forms at word ends, synthetic and fixed. Measures the
// word value the page shows under each word (both numberings, and the
// settings' numbering), and the text value of the whole chapter typed in
// storage letters with blanks between the words. Prints
// "word values: N M/s (chapter U us), text values: T chapters/s (chapter V us)".
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_support.h"
#include "model/letter_values.h"
#include "model/letters.h"

namespace {

using namespace orv;
using bench::Clock;
using bench::SecondsSince;

constexpr int kChapterWords = 1279;
constexpr const char* kSourceLetters = "abgdhwzxjyklmnoepuqrst";

// A fixed linear congruential sequence, so every run times the same text.
uint32_t Next(uint32_t& state) {
  state = state * 1664525u + 1013904223u;
  return state >> 8;
}

std::vector<std::string> MakeChapter() {
  std::vector<std::string> words;
  uint32_t state = 12345;
  for (int i = 0; i < kChapterWords; ++i) {
    std::string w;
    const uint32_t len = 2 + Next(state) % 7;
    for (uint32_t k = 0; k < len; ++k) w += kSourceLetters[Next(state) % 22];
    // Kaph, mem, nun, pe and tsade take their final form at a word's end.
    const std::string finals = "kmnpu";
    if (auto pos = finals.find(w.back()); pos != std::string::npos) w.back() = "KMNPU"[pos];
    words.push_back(std::move(w));
  }
  return words;
}

}  // namespace

int main() {
  BuildLetterValueTables();
  const std::vector<std::string> chapter = MakeChapter();
  std::string typed;
  for (const std::string& w : chapter) {
    std::string storage = w;
    MapLetters(storage);
    if (!typed.empty()) typed += ' ';
    typed += storage;
  }

  // Repeat whole chapters until the clock has something to measure; the
  // checksum keeps the compiler from dropping the work.
  constexpr int kRounds = 2000;
  int64_t checksum = 0;
  auto t0 = Clock::now();
  for (int r = 0; r < kRounds; ++r) {
    for (const std::string& w : chapter) {
      checksum += WordThematicValue(w, kOriginalValue);
      checksum += WordThematicValue(w, kTraditionalValue);
      checksum += WordThematicValue(w, kValueFromSettings, -2);
    }
  }
  const double wordTime = SecondsSince(t0);
  const double wordRate = 3.0 * kChapterWords * kRounds / wordTime / 1e6;

  constexpr int kTextRounds = 20000;
  t0 = Clock::now();
  for (int r = 0; r < kTextRounds; ++r) {
    const TextValues v = ComputeTextValues(typed);
    if (!v.Ok()) {
      std::fprintf(stderr, "FAILED: %s\n", v.message.c_str());
      return 1;
    }
    checksum += v.original + v.traditional;
  }
  const double textTime = SecondsSince(t0);
  const double textRate = kTextRounds / textTime;

  std::fprintf(stderr, "%d words, %zu typed characters, checksum %lld\n", kChapterWords,
               typed.size(), static_cast<long long>(checksum));
  std::printf(
      "word values: %.1f M/s (chapter %.1f us), text values: %.0f chapters/s (chapter %.1f us)\n",
      wordRate, 1e6 * wordTime / (3.0 * kRounds), textRate, 1e6 * textTime / kTextRounds);
  return 0;
}
