#include "kjv/kjv_line.h"

#include <cstring>

#include "model/books.h"
#include "platform/path_map.h"

namespace orv {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string KjvBookPath(const std::string& programDir, int book) {
  if (book < 1 || book > kBookCount) return "";
  return JoinPath(programDir, "KJV/" + BookCode(book) + ".str");
}

bool ParseKjvVerseLine(std::string_view line, KjvVerseLine& out) {
  size_t colon = 0;
  while (colon < line.size() && IsDigit(line[colon])) ++colon;
  // The colon may stand at most at column 7, so the chapter has 1..6 digits.
  if (colon == 0 || colon > 6 || colon >= line.size() || line[colon] != ':') return false;
  size_t end = colon + 1;
  while (end < line.size() && IsDigit(line[end])) ++end;
  if (end == colon + 1 || end >= line.size() || line[end] != ' ') return false;
  int chapter = 0;
  for (size_t i = 0; i < colon; ++i) chapter = chapter * 10 + (line[i] - '0');
  // The verse is kept as digits: a number of any length compares by its text
  // once the leading zeros are gone, and "007" names verse 7.
  size_t first = colon + 1;
  while (first + 1 < end && line[first] == '0') ++first;
  out.chapter = chapter;
  out.verse = line.substr(first, end - first);
  out.textStart = end + 1;
  return true;
}

bool IsKjvVerseMarker(std::string_view token) {
  if (token.size() < 2 || token.back() != ')') return false;
  for (size_t i = 0; i + 1 < token.size(); ++i) {
    if (!IsDigit(token[i])) return false;
  }
  return true;
}

std::string KjvReadMessage(const std::string& path, int error) {
  return "Cannot read King James text " + path + ": " + std::strerror(error);
}

}  // namespace orv
