// The King James book files: "KJV/" + the book's code + ".str" in the
// program folder, plain text lines. A verse line begins with the chapter in
// digits, ":", the verse in digits and a blank, the ":" among the first 7
// characters; it starts that verse and its text follows the blank. Any other
// line continues the current verse. Tokens are separated by blanks, and a
// token whose last character is a digit is a Strong's number.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orv {

// A King James book file that cannot be read. what() names the file.
class KjvError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The native path of `book`'s file (1..39) in `programDir` (native, a
// trailing '/' optional); "" for a book outside 1..39.
std::string KjvBookPath(const std::string& programDir, int book);

// The start of a verse as a verse line gives it.
struct KjvVerseLine {
  int chapter = 0;         // at most 6 digits, so never above 999999
  std::string_view verse;  // the verse's digits without leading zeros ("0" for zero)
  size_t textStart = 0;    // index of the first byte after the blank
};

// Reads `line` as a verse line; false for a continuation line. `verse` views
// into `line`.
bool ParseKjvVerseLine(std::string_view line, KjvVerseLine& out);

// Whether a token is a Strong's number: its last character is a digit.
inline bool IsKjvNumberToken(std::string_view token) {
  return !token.empty() && token.back() >= '0' && token.back() <= '9';
}

// Whether a token is a verse's first token as the chapter's token array
// holds it: digits and ")". Text tokens may end in ")" too ("gold)").
bool IsKjvVerseMarker(std::string_view token);

// The message of a book file that cannot be opened or read: the path and
// the system's reason for `error` (an errno value).
std::string KjvReadMessage(const std::string& path, int error);

}  // namespace orv
