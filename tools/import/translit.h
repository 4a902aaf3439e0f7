// A simple academic transliteration of a pointed Hebrew word, for the
// page's transliteration line: "בְּ/רֵאשִׁ֖ית" -> "bərēʾšît". The table and
// its rules are in docs/interlinear-sources.md.
#pragma once

#include <string>
#include <string_view>

namespace orv {

// The transliteration of `pointed` (UTF-8, as the OSHB writes a word:
// letters, points, accents, "/" between morphemes). Accents, meteg, the
// morpheme divider and any other character outside the table are dropped.
// Consonants: ʾ b g d h w z ḥ ṭ y k l m n s ʿ p ṣ q r ś š t, with no mark
// for the soft forms of b g d k p t. A dagesh after a vowel doubles its
// letter; a shewa is written "ə" when vocal (on the first letter, after a
// long vowel, under a doubled letter, after a silent shewa, before the same
// letter) and not at all when silent; a patah under a final ח, ע or ה with
// mappiq (furtive) comes before its letter; yod after hiriq, tsere or segol
// and vav with holam or dagesh and no vowel of their own are long vowels
// (î ê ô û); a final he without mappiq after a vowel lengthens it (â ê ô).
// The consonants יהוה alone are given as "YHWH". "" when nothing is left.
std::string Transliterate(std::string_view pointed);

}  // namespace orv
