// Interlinear translation texts: one ".ILT" file per book ("GEN.ILT" ...),
// holding one gloss per Hebrew word in the line syntax of the Hebrew source
// files (header lines "*BOOK", "*CITE", "*LANG", "*WHAT", "*L-R"/"*R-L",
// chapter lines "*n", verse lines starting with the verse number, and
// continuation lines). The n-th gloss of a verse belongs to Hebrew word n;
// tokens starting with "<" are annotations; "..." is a word without a gloss.
// Glosses never hold spaces: a gloss of several words joins them with "-".
//
// Edited verses are written back by merging: the changed verses are put in
// an edited-verses file, which is merged with the book file into a fresh
// temporary file beside it, and only the complete result replaces the book
// file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The glosses of one verse; an empty gloss is a word without one.
struct IltVerse {
  uint8_t chapter = 0;
  uint8_t verse = 0;
  std::vector<std::string> glosses;
};

// The verses of chapter `chapter` found in `text` (a whole ILT file), in file
// order. Numbers are bytes (taken modulo 256, as for the source files);
// lines starting with ";" are comments; words before the chapter's first
// verse line are dropped. A verse line met twice gives two entries.
std::vector<IltVerse> ReadIltChapter(std::string_view text, uint8_t chapter);

// `gloss` as stored: spaces (and CR, LF) become "-", empty becomes "...".
std::string StoredGloss(std::string_view gloss);

// `verses` in the edited-verses layout: a "*n" line whenever the chapter
// changes (and before the first verse); the verse number, padded with one
// blank below 10, then each gloss after one blank; a gloss that would take
// the line past 80 columns starts a continuation line of two blanks. Lines
// end with CR LF.
std::string FormatEditedVerses(const std::vector<IltVerse>& verses);

// The merge of a book file's text with an edited-verses text: both are read
// line by line, each with a running citation (a line "*n", n >= 1, sets
// chapter n and verse 0; a line starting with a digit sets the verse to the
// number before its first blank when that is >= 1; other lines keep it). The
// line with the earlier citation is written first; on equal citations the
// edited line is written and the book's lines up to its next
// citation-setting line are dropped. Output lines end with CR LF.
std::string MergeVerseText(std::string_view book, std::string_view edited);

// Writes the merge of `bookFile` and `editedFile` (native paths) to a
// temporary file in the book file's folder and replaces the book file with
// it. Returns 0, or nonzero with the book file unchanged (and no temporary
// file left behind) when a file cannot be read, created or written. A book
// file that does not exist yet counts as empty.
int MergeVerseFile(const std::string& bookFile, const std::string& editedFile);

// Writes `verses` back into `bookFile`: the edited-verses file is made as a
// temporary file in the book file's folder, merged (MergeVerseFile) and
// deleted. Returns 0, or nonzero with the book file unchanged; a verse of
// chapter 0 or verse 0 is refused (-1, nothing written).
int WriteIltVerses(const std::string& bookFile, const std::vector<IltVerse>& verses);

}  // namespace orv
