#include "cite/cite_parse.h"

#include <string>

#include "cite/book_match.h"
#include "model/books.h"
#include "model/text_utils.h"

namespace orv {
namespace {

constexpr int kLast = 255;  // what "LAST" reads as: 0255
constexpr size_t kBookTextMax = 30;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

void ReplaceLast(std::string& s) {
  for (size_t i = 0; i + 4 <= s.size(); ++i) {
    if (Upper(s[i]) == 'L' && Upper(s[i + 1]) == 'A' && Upper(s[i + 2]) == 'S' &&
        Upper(s[i + 3]) == 'T') {
      s.replace(i, 4, "0255");
      i += 3;
    }
  }
}

}  // namespace

int ParseCitation(std::string_view text, Citation& cite, CiteCounts& counts) {
  std::string s(text);
  ReplaceLast(s);
  if (!s.empty() && s.back() == '>') {
    size_t open = s.rfind('<');
    if (open == std::string::npos || open == 0) return kCiteUnreadable;
    s.resize(open);
  }
  s = TrimRight(s);
  if (s.empty()) return kCiteUnreadable;

  // Numbers come off the end one at a time; the character before each says
  // which part it is. 0 means "not given" throughout.
  int c = 0, v = 0, w = 0;
  while (!s.empty() && IsDigit(s.back())) {
    size_t start = s.size();
    while (start > 0 && IsDigit(s[start - 1])) --start;
    int n = 0;
    for (size_t i = start; i < s.size(); ++i) n = (n * 10 + (s[i] - '0')) & 0xFF;
    char role = start == 0 ? ' ' : s[start - 1];
    if (role == '.') {
      if (c != 0 || v != 0) return kCiteUnreadable;
      w = n;
    } else if (role == ':') {
      if (c != 0) return kCiteUnreadable;
      v = n;
    } else if (role == ' ') {
      c = n;
    }
    s.resize(start == 0 ? 0 : start - 1);
  }
  s = TrimRight(s);
  if (s.size() > kBookTextMax) s.resize(kBookTextMax);

  int b = cite.book;
  if (!s.empty()) {
    if ((w != 0 && v == 0) || (v != 0 && c == 0)) return kCiteUnreadable;
    if (c == 0) {
      c = v = w = 1;
    } else if (v == 0 && c != kLast) {
      v = w = 1;
    } else if (w == 0 && v != kLast && c != kLast) {
      w = 1;
    }
    b = MatchBook(s);
  } else {
    if (w != 0 && c != 0 && v == 0) return kCiteUnreadable;
    if (c != 0 && v == 0) {
      v = w = 1;
    } else if (c == 0) {
      c = cite.chapter;
      if (v == 0) v = cite.verse;
    }
    if (w == 0) w = 1;
  }

  // "last" parts resolve from the outside in, each one making the parts
  // below it "last" when they were left out. Counts are kept to a byte, as
  // the citation holds them.
  if (b == kLast) {
    b = kBookCount;
    if (c == 0) c = kLast;
  }
  if (c == kLast) {
    c = counts.Chapters(b) & 0xFF;
    if (v == 0) v = kLast;
  }
  if (v == kLast) {
    v = counts.Verses(b, c) & 0xFF;
    if (w == 0) w = kLast;
  }
  if (w == kLast) w = counts.Words(b, c, v) & 0xFF;

  if (counts.Chapters(b) < c || counts.Verses(b, c) < v) return kCiteBeyond;
  cite = {static_cast<uint8_t>(b), static_cast<uint8_t>(c), static_cast<uint8_t>(v),
          static_cast<uint8_t>(w)};
  return kCiteOk;
}

}  // namespace orv
