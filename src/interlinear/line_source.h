// The reader behind one line of a word column: line 0 reads the Hebrew
// source files (".OLF"), lines 1..8 read interlinear texts (".ILT") or a
// translation database (XLAT, reached through CITE). Placed at a citation
// with SourceSeek, a source hands out the words that follow one by one with
// SourceNextWord, each with its citation.
//
// Text files are read line by line; the character in column 1 gives the
// line its role: "*" a header or chapter line, ";" a comment, a digit a
// verse line (its first token is the verse number), a blank a continuation
// of the verse, anything else a continuation whose first word starts in
// column 1. Tokens are runs of non-blanks; tokens starting with "<" are
// annotations and no words. Chapter, verse and word numbers are bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "config/il_sources.h"
#include "model/citation.h"
#include "model/text_reader.h"

namespace orv {

class TXRDataStore;

enum class SourceState {
  kClosed,
  kOpen,
  kAtEnd,
  kFailed,  // the book's file could not be opened
};

inline constexpr size_t kLineSourceBuffer = 32768;

// One line's source. The setup fields are set by the line assignment; the
// rest is the reader's own state. Not copyable (it owns an open file).
struct LineSource {
  LineSource() = default;
  LineSource(const LineSource&) = delete;
  LineSource& operator=(const LineSource&) = delete;

  // Setup.
  std::string directory;  // stored or native folder, ending in "\" or "/"
  std::string extension;  // ".OLF", ".ILT", or empty for a database
  SourceKind kind = SourceKind::kNone;
  std::string sourceName;  // at most 23 bytes
  std::string language;    // at most 11 bytes; a file's "*LANG" replaces it
  // Database kind: the CITE and XLAT stores, opened at each positioning.
  TXRDataStore* citeStore = nullptr;
  TXRDataStore* xlatStore = nullptr;

  // Reader state.
  SourceState state = SourceState::kClosed;
  Citation position;        // the last word read; word 0 = at a verse or chapter start
  int direction = 1;        // +1 left to right, -1 right to left ("*R-L")
  std::string bookTitle;    // "*BOOK"
  std::string citeStyle;    // "*CITE"
  std::string description;  // "*WHAT"
  int32_t citeCursor = 0;   // database kind: CITE record number of the next word
  uint8_t failedBook = 0;   // the book whose file could not be opened

  // Text kind internals.
  PositionedReader file;
  std::string line;   // the line being read
  size_t column = 0;  // characters of `line` consumed
  bool haveLine = false;
};

// Resets a source to its start-up state: directory "\ORV\", closed, kind
// not set, direction +1, the file closed.
void ResetLineSource(LineSource& source);

// Places `source` so that its next word is `cite` (or the first word after
// that place). `hint` is a byte offset in the book file where the chapter
// of `cite` starts (0 = none); a text source then starts reading there
// whenever it is not already inside that chapter, and reads from the
// file's start again when the hint proves wrong. Returns 0 when placed,
// nonzero when not: a book file that cannot be opened (the source stays
// failed for that book, and tries again when another book is asked for
// or its directory changes), the end of the file
// before the place, a database source whose XLAT store cannot be opened,
// or a source of no kind (-1).
int SourceSeek(LineSource& source, Citation cite, uint32_t hint);

// The next word of `source` for the Hebrew word at `cite` (used only by a
// database source). Returns 0 with the word's text in `text` and its
// citation in `source.position`; 0 with an empty text at a chapter line (the
// citation then shows the new chapter); -1 with an empty text when there is
// no word (not open, end of file, no CITE record left).
//
// A database source gives the translation of `hebrewWord` (storage letters,
// first 11 bytes looked up in XLAT) in the definition selection that the
// CITE record of `cite` holds (selection 6 or more, or no record: 0); an
// empty text when the word has no XLAT record or `hebrewWord` is empty.
int SourceNextWord(LineSource& source, std::string& text, Citation cite = {},
                   std::string_view hebrewWord = {});

// Text kind: closes the file (state 0, position's book 0). Database kind:
// nothing; its stores belong to the page's translation datastore group.
void SourceClose(LineSource& source);

}  // namespace orv
