// Breaks plain UTF-8 text into lines of limited width for the supplied text
// files. Width is counted in characters (code points, combining marks
// included, so a pointed Hebrew word counts wider than it shows).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// Number of characters in `text`; a byte that does not start a valid UTF-8
// sequence counts as one character.
size_t Utf8Length(std::string_view text);

// Splits `text` into lines of at most `width` characters (width >= 1),
// breaking at blanks: words (runs of non-blanks) are joined by one blank and
// a line never begins or ends with one. A word longer than a line is cut
// between two characters, never inside one. Blank text gives no lines.
std::vector<std::string> WrapText(std::string_view text, size_t width);

}  // namespace orv
