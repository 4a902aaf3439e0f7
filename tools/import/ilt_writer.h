// Writing a whole interlinear text book file (".ILT") as the line sources
// read it: the five header lines a new source starts with, then a "*n" line
// for each chapter and the verse lines (see interlinear/ilt_file.h).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv {

class IltBookWriter {
 public:
  // Starts the file of book 1..39 with "*BOOK " + name, "*CITE " + the
  // citation abbreviation, "*LANG " + `language`, "*WHAT " + `what` and
  // "*L-R".
  IltBookWriter(int book, std::string_view language, std::string_view what);

  // Adds a verse: a "*n" line first when its chapter is not the last one
  // added; then the verse number (one blank after it below 10) and each
  // gloss after a blank, a gloss that would take the line past 80 columns
  // starting a continuation line of two blanks. Each gloss as stored: cut
  // to 39 bytes (never inside a UTF-8 character), blanks as "-", a "<"
  // (which would make it an annotation) dropped, and "..." when empty.
  void Verse(int chapter, int verse, const std::vector<std::string>& glosses);

  // The file's text, lines ending in CR LF.
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
  int chapter_ = 0;
};

}  // namespace orv
