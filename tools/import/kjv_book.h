// One book of the King James text gathered into the Hebrew verse numbering.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "import/kjv_osis.h"
#include "import/verse_map.h"

namespace orv {

class KjvBook {
 public:
  // Puts a psalm title at the front of verse 1 of `chapter`, where the
  // Hebrew text counts it (before any text that verse 1 also holds).
  void AddTitle(int chapter, const std::vector<KjvToken>& tokens);
  // Appends a KJV verse's text to Hebrew verse `hebrew`; verses that land in
  // the same Hebrew verse are joined in the order they are added.
  void AddText(VerseRef hebrew, const std::vector<KjvToken>& tokens);

  // The book's file text: every verse from 1 to the last one of each chapter
  // that holds anything, in order, through AppendVerseLines. A Hebrew verse
  // that no KJV text reached (1 Kings 22:44, which the KJV ends 22:43 with;
  // the second verse of a two-verse psalm title) is a verse line without
  // tokens, so that the verse is still found.
  std::string Render(size_t width = 80) const;

 private:
  struct Verse {
    std::vector<KjvToken> title;
    std::vector<KjvToken> text;
  };
  std::map<VerseRef, Verse> verses_;
};

}  // namespace orv
