// The alphabet chart: the 22 Hebrew letters in traditional or database
// order, each drawn large in the display font, then its storage letter and
// name in the first interlinear line's font, then its source-text letter and
// final form in the modern Hebrew font, in two columns.
#pragma once

#include <array>
#include <string_view>

#include "platform/surface.h"

namespace orv {

struct Settings;

inline constexpr int kAlphabetLetters = 22;

struct AlphabetLetter {
  char storage;           // the storage letter, 'a'..'z'
  std::string_view name;  // "aleph", "bayth", ...
};

// The letter name table, in storage-letter (a..z) order; entry numbers of
// the order tables are 1-based into it.
const std::array<AlphabetLetter, kAlphabetLetters>& AlphabetLetters();

// The 1-based entry numbers of the letters in traditional order (a b g d e
// v z h t i k l m n s o p c q r w x) or in database order (a b w z i d e v t
// h s l k n g o p c q r m x).
const std::array<int, kAlphabetLetters>& AlphabetOrder(bool databaseOrder);

// The source-spelling letter a storage letter is written with in the source
// text (c -> u, e -> h, h -> x, i -> y, o -> e, s -> o, t -> j, v -> w,
// w -> s, x -> t; every other letter is itself).
char SourceLetter(char storage);

// The final form (a source letter) of a storage letter: c -> U, k -> K,
// m -> M, n -> N, p -> P; '\0' for the letters without one.
char FinalForm(char storage);

// The smallest area that holds the chart in two columns with the fonts of
// `settings`, measured on `surface` (whose font it changes).
Extent AlphabetChartSize(Surface& surface, const Settings& settings);

// Paints the chart over the surface's clipping rectangle: fills it, draws
// the dividing line down its middle and the 22 letters in the chosen order.
// The large letters use "Orvane Hebrew" at 24 points, the storage letter
// and name the font named by interlinear font 1 at 12 points, the source
// letters the modern Hebrew font (Settings::modernFont) at 18 points.
void PaintAlphabetChart(Surface& surface, const Settings& settings, bool databaseOrder);

}  // namespace orv
