// UTF-8 is the system code page: texts are bytes, and a text shortened to a
// byte capacity must never end inside a character.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// The longest length up to `capacity` at which `text` can be cut without
// ending inside a UTF-8 sequence (a sequence that would not fit whole is
// dropped whole). text.size() when it fits.
size_t Utf8FitLength(std::string_view text, size_t capacity);

// `text` shortened to at most `capacity` bytes, never ending inside a UTF-8
// sequence.
std::string FitText(std::string_view text, size_t capacity);

// Appends the UTF-8 encoding of code point `cp`; U+FFFD stands for NUL, a
// surrogate or a number beyond U+10FFFF.
void AppendUtf8(std::string& out, uint32_t cp);

}  // namespace orv
