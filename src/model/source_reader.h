// Reading the Hebrew source text: one plain text file per book ("GEN.OLF" ...
// "MAL.OLF"), read line by line. A line is a directive ("*" then a name: a
// book title, a chapter number, ...), a verse line (its first token, in
// column 1, is a verse number) or a continuation of the current verse.
// Tokens are runs of non-spaces (a space is character 32 only); a token that
// begins with "<" is an annotation and no word. Every other token is a word,
// numbered from 1 after the last verse line.
//
// Citation bytes: chapter, verse and word number are stored as bytes, so
// every number read from the text is taken modulo 256 (chapter 300 is
// chapter 44, verse 999 is verse 231) and the word counter wraps after 255
// words in a verse (word 256 is word 0). Nothing is skipped; such a text
// gives citations out of order, which the datastore verification reports.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "model/citation.h"
#include "model/records.h"

namespace orv {

// Read buffer for the source files while building.
inline constexpr size_t kSourceBufferSize = 122880;

// The native folder of the source files: `programDir` (native) joined with
// `dataDir`, a stored path such as "Source\\"; an absolute `dataDir` stands
// alone. The result ends in "/".
std::string SourceFolder(const std::string& programDir, const std::string& dataDir);
// `sourceDir` + the book's code + ".OLF" (a "/" is put between if missing).
std::string SourceFilePath(const std::string& sourceDir, int book);
// "** Cannot open input file " + the book's code + " **".
std::string CannotOpenMessage(int book);

// Whether `token` is a whole decimal number (digits only, at least one);
// `value` receives it modulo 256.
bool ParseCiteNumber(std::string_view token, uint8_t& value);

// The token without one trailing word-joining hyphen.
std::string_view DropJoiner(std::string_view token);

// A word as the records hold it: the token in storage letters without its
// joining hyphen, cut to 11 bytes.
Word12 StorageWord(std::string_view token);
// The token in source spelling without its joining hyphen, cut to 11 bytes.
Word12 SourceSpelling(std::string_view token);

enum class SourceLine { kDirective, kVerse, kContinuation };

// A directive line: "*", optional spaces, the name, then the value (the rest
// of the line after the name and one space).
struct Directive {
  std::string_view name;
  std::string_view value;
  bool isChapter = false;  // the name is a whole decimal number
  uint8_t chapter = 0;     // that number modulo 256
};
// Requires: `line` starts with "*".
Directive ParseDirective(std::string_view line);

// One word of the text with its citation. `token` is the token as written
// (source spelling, joining hyphen included); it lives as long as the line.
struct SourceWord {
  std::string_view token;
  Citation cite;
};
using WordSink = std::function<void(const SourceWord&)>;

// The counters of one book's file while its lines are read in order.
class SourceScanner {
 public:
  explicit SourceScanner(int book);

  // Reads one line: a chapter directive sets the chapter; a verse line sets
  // the verse and restarts the word counter; the words of verse and
  // continuation lines go to `onWord` in order (with `onWord` empty the words
  // are not looked at). LastDirective() describes a kDirective line.
  SourceLine Scan(std::string_view line, const WordSink& onWord);

  const Directive& LastDirective() const { return directive_; }
  uint8_t Chapter() const { return chapter_; }
  uint8_t Verse() const { return verse_; }
  uint8_t Book() const { return book_; }

 private:
  uint8_t book_;
  uint8_t chapter_ = 0;
  uint8_t verse_ = 0;
  uint8_t word_ = 0;  // words since the last verse line, modulo 256
  Directive directive_;
};

}  // namespace orv
