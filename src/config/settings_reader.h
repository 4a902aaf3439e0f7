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
void ParseSettingsLines(Settings& s, std::string_view bytes);

// A decimal integer: leading blanks, an optional sign, then digits only, with
// a value that fits 32 bits. False (value unchanged) for anything else.
bool ParseSettingsInt(std::string_view text, int32_t& value);

}  // namespace orv
