// The whole numbers typed into the search dialogs' fields and given on the
// command line.
#pragma once

#include <cstdint>
#include <string_view>

namespace orv {

// Reads `text` as a whole number: blanks around it are ignored, then an
// optional sign and decimal digits only. False for anything else ("", "3x",
// "4.5", "1,000") and for a number outside the 32-bit range, which no field
// could use; `value` is set only on true.
bool ReadWholeNumber(std::string_view text, int32_t& value);

}  // namespace orv
