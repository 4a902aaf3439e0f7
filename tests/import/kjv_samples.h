// Samples shared by the King James import tests: a verse map in the shape
// of the Open Scriptures one, and text split on blanks.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace orv::test {

// A verse map with whole verses moved (Joel, Psalm 9), a book without
// entries (Amos), and verses moved in parts.
inline constexpr const char* kVerseMap = R"(<?xml version="1.0" encoding="UTF-8"?>
<verseMap xmlns="http://www.APTBibleTools.com/namespace">
  <book osisID="Joel">
    <verse wlc="Joel.3.1" kjv="Joel.2.28" type="full"/>
    <verse wlc="Joel.4.1" kjv="Joel.3.1" type="full"/>
  </book>
  <book osisID="Amos"/>
  <book osisID="Ps">
    <verse wlc="Ps.9.2" kjv="Ps.9.1" type="full"/>
    <verse wlc="Ps.9.3" kjv="Ps.9.1" type="full"/>
    <verse wlc="Ps.9.6!a" kjv="Ps.9.4" type="partial"/>
    <verse wlc="Ps.9.6!b" kjv="Ps.9.5" type="partial"/>
  </book>
  <book osisID="Kgs">
    <verse wlc="Kgs.5.8!a" kjv="Kgs.5.7!b" type="partial"/>
    <verse wlc="Kgs.6.2" kjv="Kgs.6.1!a" type="partial"/>
    <verse wlc="Kgs.6.3" kjv="Kgs.6.1!b" type="partial"/>
  </book>
</verseMap>
)";

// The blank-separated words of `text`.
inline std::vector<std::string> SplitBlanks(const std::string& text) {
  std::vector<std::string> tokens;
  std::istringstream in(text);
  for (std::string t; in >> t;) tokens.push_back(t);
  return tokens;
}

}  // namespace orv::test
