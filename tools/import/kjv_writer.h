// Writing King James verses as the lines of a book's ".str" file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "import/kjv_osis.h"
#include "import/verse_map.h"

namespace orv {

// The text token as written: a token whose last character is a digit would
// read as a Strong's number, so such a token is put in square brackets
// ("12" -> "[12]"). Other tokens are unchanged.
std::string FileTextToken(std::string_view text);

// Appends the lines of one verse to `out`: chapter ":" verse, a blank and the
// tokens separated by blanks (Strong's numbers as they are, text through
// FileTextToken). Lines break at blanks so that none is longer than `width`
// characters (UTF-8 code points) unless one token alone is; every line after
// the first begins with a blank, so it can never read as a verse line.
// Lines end in CR LF. A verse without tokens is its number and the blank.
void AppendVerseLines(std::string& out, VerseRef verse, const std::vector<KjvToken>& tokens,
                      size_t width = 80);

}  // namespace orv
