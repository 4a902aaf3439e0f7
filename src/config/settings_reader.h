// The line-level reader of the settings file: sections, key lines, source
// blocks and font entries. ReadSettingsText (settings.h) runs it and then
// the version check and the derived values.
#pragma once

#include <cstdint>
#include <string_view>

#include "config/settings.h"

namespace orv {

// Resets the values a read starts from (see ReadSettings for the ones it
// keeps), then applies every line of `bytes`. Never fails: a line it does not
// understand is skipped, a value it cannot read leaves the setting unchanged.
//
// Returns the number (from 1) of the first line that could not be read, 0
// when none: a line other than the terminator where a block's entry line or
// a font line should stand (the block or font ends there, and the line is
// read as an ordinary one); the key line of a block whose entry lines do not
// pair up (an odd count, or a first line ending in a backslash as only a
// path does), which then gives no entry; a font key at the end of the file;
// an entry line with no block or font key before it.
int64_t ParseSettingsLines(Settings& s, std::string_view bytes);

// A decimal integer: leading blanks, an optional sign, then digits only, with
// a value that fits 32 bits. False (value unchanged) for anything else.
bool ParseSettingsInt(std::string_view text, int32_t& value);

}  // namespace orv
