// Turning the pointed Hebrew and the lemma attributes of the Open Scriptures
// Hebrew Bible into what the source files hold: words in the source spelling
// (one ASCII letter per consonant) and Strong's numbers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// The consonants of `utf8` in the source spelling: a b g d h w z x j y k K l
// m M n N o e p P u U q r s v t for alef .. tav, upper case for the final
// forms, "s" for shin and "v" for sin. A shin letter is a sin when a sin dot
// (U+05C2) follows it before the next letter; with neither dot it is taken as
// shin and `undottedShin` (when given) is raised by one. Points, accents,
// the morpheme divider "/" and every other character are dropped.
std::string HebrewToSource(std::string_view utf8, int* undottedShin = nullptr);

// Decodes the UTF-8 code point at byte `i` of `s` and moves `i` past it.
// Requires: i < s.size(). A malformed byte is returned as itself, so that
// callers drop it like any other character they do not know.
char32_t NextCodePoint(std::string_view s, size_t& i);

// The Strong's number of a lemma attribute: the leading digits of its first
// "/"-separated part that starts with a digit ("b/7225" 7225, "1254 a" 1254,
// "c/d/776" 776, "1008+" 1008); 0 when no part has a number or the number
// does not fit 16 bits.
uint16_t LemmaStrongs(std::string_view lemma);

}  // namespace orv
