// The versification differences between the Hebrew text and the King James
// Version, read from the Open Scriptures Hebrew Bible's VerseMap.xml:
//
//   <verseMap>
//     <book osisID="Joel">
//       <verse wlc="Joel.3.1" kjv="Joel.2.28" type="full"/>
//       <verse wlc="1Kgs.18.34!a" kjv="1Kgs.18.33!b" type="partial"/>
//   ...
//
// Each <verse> pairs a Hebrew ("wlc") reference with the KJV reference of
// the same words; a "!a" or "!b" suffix names the first or second part of a
// verse. Verses that are not listed have the same number in both.
#pragma once

#include <compare>
#include <map>
#include <string>
#include <vector>

#include "import/import_result.h"

namespace orv {

struct VerseRef {
  int chapter = 0;
  int verse = 0;
  friend auto operator<=>(const VerseRef&, const VerseRef&) = default;
};

class VerseMap {
 public:
  // Reads the map at `path` (native), replacing what was loaded before.
  // Fails naming the file when it cannot be opened, and the file and line
  // when it is not well-formed XML, a <verse> stands outside a <book>, lacks
  // "wlc" or "kjv", or has a reference that is not Book.chapter.verse with an
  // optional "!a"/"!b" (chapter and verse 1..999, the book the enclosing
  // <book>'s osisID).
  ImportResult Load(const std::string& path);

  // The Hebrew verse that holds the whole of KJV verse `kjv` of `book` (an
  // OSIS book name such as "Joel"). A verse is never split:
  // - not listed: the same number;
  // - listed whole with one Hebrew verse: that verse (several KJV verses
  //   listed with the same Hebrew verse are joined there by the caller);
  // - listed whole with several Hebrew verses: the last of them. This is
  //   verse 1 of Psalms 51, 52, 54 and 60, listed with Hebrew verses 2 and 3
  //   because the map does not tell a two-verse Hebrew title apart from the
  //   verse; the verse itself is the last, the title comes before it;
  // - listed in both parts: the Hebrew verse of its first part;
  // - listed in one part only (e.g. "1Kgs.18.33!b"), so that the rest keeps
  //   its number: its own number.
  VerseRef HebrewVerse(const std::string& book, VerseRef kjv) const;

  // Number of <verse> pairs loaded.
  size_t size() const { return pairs_; }

 private:
  struct Listing {
    std::vector<VerseRef> whole;  // Hebrew verses listed with the whole verse
    VerseRef partA, partB;        // Hebrew verse of each part; chapter 0: none
  };
  std::map<std::string, std::map<VerseRef, Listing>> books_;
  size_t pairs_ = 0;
};

}  // namespace orv
