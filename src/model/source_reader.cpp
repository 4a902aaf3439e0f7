#include "model/source_reader.h"

#include "model/books.h"
#include "model/letters.h"
#include "model/text_utils.h"
#include "platform/path_map.h"

namespace orv {
namespace {

std::string_view Token(std::string_view line, int start, int end) {
  return line.substr(static_cast<size_t>(start - 1), static_cast<size_t>(end - start + 1));
}

}  // namespace

std::string SourceFolder(const std::string& programDir, const std::string& dataDir) {
  std::string data = NativePath(dataDir);
  std::string dir;
  if (!data.empty() && data.front() == '/') {
    dir = data;
  } else {
    dir = JoinPath(programDir, data);
  }
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

std::string SourceFilePath(const std::string& sourceDir, int book) {
  std::string path = sourceDir;
  if (!path.empty() && path.back() != '/') path += '/';
  return path + BookCode(book) + ".OLF";
}

std::string CannotOpenMessage(int book) {
  return "** Cannot open input file " + BookCode(book) + " **";
}

bool ParseCiteNumber(std::string_view token, uint8_t& value) {
  if (token.empty()) return false;
  unsigned v = 0;
  for (char c : token) {
    if (c < '0' || c > '9') return false;
    // Only the value modulo 256 is kept, so no length of digits overflows.
    v = (v * 10 + static_cast<unsigned>(c - '0')) & 0xFFu;
  }
  value = static_cast<uint8_t>(v);
  return true;
}

std::string_view DropJoiner(std::string_view token) {
  if (!token.empty() && token.back() == '-') token.remove_suffix(1);
  return token;
}

Word12 StorageWord(std::string_view token) {
  // One byte past the capacity is kept so that the cut can see whether it
  // would split a multi-byte character.
  std::string text(DropJoiner(token).substr(0, kWordCap + 1));
  MapLetters(text);
  Word12 w;
  w.Set(text);
  return w;
}

Word12 SourceSpelling(std::string_view token) {
  Word12 w;
  w.Set(DropJoiner(token));
  return w;
}

Directive ParseDirective(std::string_view line) {
  Directive d;
  int start = 0;
  int end = 1;  // past the "*"
  if (!NextField(line, start, end)) return d;
  d.name = Token(line, start, end);
  size_t after = static_cast<size_t>(end) + 1;  // one space after the name
  d.value = after < line.size() ? line.substr(after) : std::string_view();
  d.isChapter = ParseCiteNumber(d.name, d.chapter);
  return d;
}

SourceScanner::SourceScanner(int book) : book_(static_cast<uint8_t>(book)) {}

SourceLine SourceScanner::Scan(std::string_view line, const WordSink& onWord) {
  if (!line.empty() && line.front() == '*') {
    directive_ = ParseDirective(line);
    if (directive_.isChapter) chapter_ = directive_.chapter;
    return SourceLine::kDirective;
  }
  int start = 0;
  int end = 0;
  SourceLine kind = SourceLine::kContinuation;
  bool more = NextField(line, start, end);
  uint8_t n = 0;
  if (more && start == 1 && ParseCiteNumber(Token(line, start, end), n)) {
    verse_ = n;
    word_ = 0;
    kind = SourceLine::kVerse;
    more = NextField(line, start, end);
  }
  if (!onWord) return kind;
  for (; more; more = NextField(line, start, end)) {
    std::string_view token = Token(line, start, end);
    if (token.front() == '<') continue;
    ++word_;  // wraps after 255, as the byte it is stored in
    onWord(SourceWord{token, Citation{book_, chapter_, verse_, word_}});
  }
  return kind;
}

}  // namespace orv
