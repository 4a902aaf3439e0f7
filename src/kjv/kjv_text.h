// The King James text of one chapter at a time, for the column beside the
// page. The chapter's tokens are loaded into an array, numbered from 1; the
// first token of each verse is its number followed by ")" ("16)"), and
// tokens whose last character is a digit are Strong's numbers, handed out
// only while numbers are shown.
//
// The painter sets whether numbers are shown, calls LoadVerse for the
// page's citation, then alternates TokenText and NextToken until NextToken
// returns 0 or the column is full.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "kjv/kjv_index.h"
#include "model/citation.h"
#include "model/text_reader.h"

namespace orv {

inline constexpr int kKjvMaxTokens = 4096;       // of one chapter; the rest is not shown
inline constexpr size_t kKjvTokenCapacity = 31;  // bytes; longer tokens are cut

// TKJV: the King James text of one chapter, split into tokens for the page's column.
class TKJV {
 public:
  // Borrows `index`, which must outlive this object; the book files are
  // read from the index's program folder. Numbers start hidden.
  explicit TKJV(KjvIndex& index);
  TKJV(const TKJV&) = delete;
  TKJV& operator=(const TKJV&) = delete;

  void SetShowNumbers(bool show) { showNumbers_ = show; }
  bool ShowNumbers() const { return showNumbers_; }

  // Loads the chapter of `cite` unless it is the one loaded (a new book
  // opens that book's file; a new chapter is read from its offset in the
  // index) and returns the index of the token that starts the verse, which
  // becomes the current token. When the chapter holds no such verse the
  // token count is returned and becomes current, so NextToken gives 0 and
  // nothing of the chapter is shown; VerseFound() then tells false. A book
  // outside 1..39 loads nothing and gives 0.
  // Throws KjvError (kjv/kjv_line.h) when the book's file cannot be opened
  // or the index has to be rebuilt and cannot be (KjvIndex::Open); the book
  // is then tried again at the next call.
  int LoadVerse(Citation cite);
  bool VerseFound() const { return verseFound_; }

  // The text of token `index`, which becomes the current token; an index
  // outside 1..TokenCount() gives "" and changes nothing. The view stays
  // valid until the next LoadVerse.
  std::string_view TokenText(int index);
  // The index of the next token after the current one, which becomes the
  // current token; 0 after the chapter's last token. While numbers are
  // hidden, tokens that end in a digit are stepped over.
  int NextToken();

  // The offset of the chapter's first line in the book file (KjvIndex).
  uint32_t ChapterOffset(int book, int chapter) { return index_.ChapterOffset(book, chapter); }

  int TokenCount() const { return count_; }
  int CurrentToken() const { return current_; }
  int CurrentBook() const { return book_; }
  int CurrentChapter() const { return chapter_; }

 private:
  // Reads the current chapter's tokens from the open book file.
  void LoadChapter();
  // Reads from the file's position up to the chapter's first verse line;
  // false when the file ends first.
  bool SeekChapterLine(std::string& line);
  // Adds the blank-separated tokens of text; false once the array is full.
  bool AddTokens(std::string_view text);
  bool AddToken(std::string_view token);

  KjvIndex& index_;
  bool showNumbers_ = false;
  bool verseFound_ = false;
  int count_ = 0;
  // Kept at kKjvMaxTokens strings so that each keeps its memory from chapter
  // to chapter; only the first count_ are the chapter's.
  std::vector<std::string> tokens_;
  int current_ = 0;
  int book_ = 0;
  int chapter_ = 0;
  PositionedReader file_;
};

}  // namespace orv
