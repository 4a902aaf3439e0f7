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

// Storage letters (a b c d e g h i k l m n o p q r s t v w x z). Final forms
// are not used: the storage spelling has none.
std::string StorageToHebrew(std::string_view text);

// Source spelling: the letters of the source text, with the final forms
// K M N P U drawn as final kaph, mem, nun, pe and tsade; s and v are both
// shin.
std::string SourceToHebrew(std::string_view text);

// The UTF-8 Hebrew letter for one byte, or "" when the byte is not a letter
// of that spelling.
std::string_view StorageLetterGlyph(uint8_t storageLetter);
std::string_view SourceLetterGlyph(uint8_t sourceChar);

}  // namespace orv
