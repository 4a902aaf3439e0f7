// The Unicode Hebrew letters behind the two single-byte spellings, for
// drawing them with an ordinary Unicode font.
//
// Each letter byte becomes the UTF-8 encoding of its Hebrew letter, in the
// same order as the bytes (the visual order, left to right); every other
// byte (digits, blanks, "-", "(", ...) is kept as it is. The result carries
// no direction marks: a renderer must draw it left to right as given.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// Storage letters (a b c d e g h i k l m n o p q r s t v w x z). The storage
// spelling has no final forms; for display, C K M N P stand for final
// tsade, kaph, mem, nun and pe (see MarkFinalForms).
std::string StorageToHebrew(std::string_view text);

// A word in storage letters as it is to be shown: a c, k, m, n or p that
// ends a word (the text's end or a non-letter such as the joining "-"
// follows, and a letter comes before it) becomes its upper-case final form.
// "aleim" -> "aleiM", "al-pni" -> "al-pni", "kl-arc" -> "kl-arC".
std::string MarkFinalForms(std::string_view word);

// Source spelling: the letters of the source text, with the final forms
// K M N P U drawn as final kaph, mem, nun, pe and tsade; s and v are both
// shin.
std::string SourceToHebrew(std::string_view text);

// The UTF-8 Hebrew letter for one byte, or "" when the byte is not a letter
// of that spelling.
std::string_view StorageLetterGlyph(uint8_t storageLetter);
std::string_view SourceLetterGlyph(uint8_t sourceChar);

}  // namespace orv
