// Reading one book of the Open Scriptures Hebrew Bible (an OSIS XML file)
// into chapters and verses of words in the source spelling.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "import/import_result.h"

namespace orv {

struct OshbVerse {
  int number = 0;
  // The verse's tokens in text order: words in the source spelling (a word
  // joined to the next by a maqqef ends in "-") and annotations, which begin
  // with "<" ("<qere:" + the read form of the written word before it, its
  // words joined by "_", or nothing after the colon when it is not read).
  std::vector<std::string> tokens;
  // One Strong's number per word token (0 for a word without one).
  std::vector<uint16_t> strongs;
  // Per word token: its OSHB morphology code ("HC/Vqw3ms"; "" when the word
  // has none) and its text as written, pointed, with the "/" between
  // morphemes (for the interlinear lines). Initialized here, so that a verse
  // written as {number, tokens, strongs} needs neither.
  std::vector<std::string> morph{};
  std::vector<std::string> pointed{};
};

struct OshbChapter {
  int number = 0;
  std::vector<OshbVerse> verses;
};

struct OshbBook {
  std::vector<OshbChapter> chapters;
  int undottedShin = 0;  // shin letters of words with neither dot, taken as shin
};

// Reads the OSIS file at `path` (native) into `book` (cleared first). The
// words of a verse are its <w> elements directly inside <verse>; the text of
// a <w> is all the text inside it. Segs inside a verse are punctuation, of
// which a maqqef joins the word before it to the next; notes hold no words
// of the text, but the x-qere reading of a variant note becomes an
// annotation after the verse's last token.
// Fails, naming the file and line, when the file cannot be opened or read,
// is not well-formed XML, has a verse outside any chapter, a chapter or
// verse whose osisID does not end in a number 1..255, or a word without a
// Hebrew letter.
ImportResult ReadOshbBook(const std::string& path, OshbBook& book);

}  // namespace orv
