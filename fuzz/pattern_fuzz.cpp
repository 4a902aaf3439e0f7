// Feeds arbitrary text to what Find reads a typed word or number with:
// pattern validation, the wildcard filter, the Strong's number reader and
// the Hebrew-input reader. Besides the sanitizers' findings it aborts when
//  - a validated pattern is longer than 11 characters, holds more than one
//    "*", or both "*" and "%", or its kind or star position disagree with
//    its text;
//  - the filter refuses a word made from the pattern (each "%" a letter,
//    the "*" matching nothing), or lists it twice;
//  - a number is read as a Strong's number outside 1..8674, or a number is
//    given without being read as one;
//  - Hebrew input grows, or changes a text of ASCII only.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/records.h"
#include "model/typed_input.h"
#include "search/wildcard.h"

namespace {

using namespace orv;

void CheckPattern(std::string_view text) {
  WildPattern p;
  if (!ValidatePattern(text, p).empty()) return;
  const auto stars = std::count(text.begin(), text.end(), kAnyRun);
  const auto percents = std::count(text.begin(), text.end(), kAnyLetter);
  if (p.text != text || p.text.size() > static_cast<size_t>(kWordCap)) std::abort();
  if (stars > 1 || (stars > 0 && percents > 0)) std::abort();
  const PatternKind kind = stars      ? PatternKind::kStar
                           : percents ? PatternKind::kPercent
                                      : PatternKind::kPlain;
  if (p.kind != kind) std::abort();
  if (kind == PatternKind::kPlain) return;
  if (kind == PatternKind::kStar &&
      (p.Length() < 3 || p.starPos < 1 || p.text[static_cast<size_t>(p.starPos - 1)] != kAnyRun)) {
    std::abort();
  }
  std::string word;
  for (char c : p.text) {
    if (c == kAnyLetter) word += 'x';
    if (c != kAnyLetter && c != kAnyRun) word += c;
  }
  WordRec rec{};
  rec.word.Set(word);
  std::string lastListed;
  const DSFilter filter = WildcardFilter(p, lastListed);
  if (filter(&rec) != kWildAccept || lastListed != word) std::abort();
  if (filter(&rec) != kWildSkip) std::abort();
}

void CheckNumber(std::string_view text) {
  const StrongsReading r = ReadStrongsNumber(text);
  if (r.reading == NumberReading::kNumber && (r.number < 1 || r.number > kStrongsCount)) {
    std::abort();
  }
  if (r.reading != NumberReading::kNumber && r.number != 0) std::abort();
}

void CheckHebrew(std::string_view text) {
  const std::string storage = HebrewToStorage(text);
  if (storage.size() > text.size()) std::abort();
  const bool ascii = std::all_of(text.begin(), text.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii && storage != text) std::abort();
  // Find validates what the reader leaves.
  CheckPattern(storage);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckPattern(text);
  CheckNumber(text);
  CheckHebrew(text);
  return 0;
}
