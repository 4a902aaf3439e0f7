// Text transforms for drawing interlinear lines against their direction.
#pragma once

#include <string>
#include <string_view>

namespace orv {

// The parts of a hyphenated gloss in reverse order, joined with "-", with
// brackets mirrored: a part opening "(" without closing ")" becomes the part
// without "(" followed by ")", a part closing ")" without opening "("
// becomes "(" followed by the part without ")".
// "the-(sons)-of" -> "of-(sons)-the"; "(of-the" -> "the-of)".
std::string ReverseHyphenatedGloss(std::string_view gloss);

// The bytes of `word` in reverse order (a Hebrew word in one-byte letters,
// drawn left to right on a right-to-left page).
std::string ReverseWord(std::string_view word);

}  // namespace orv
