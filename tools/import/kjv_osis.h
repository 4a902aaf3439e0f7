// Turning the OSIS markup of one King James verse, as a SWORD module stores
// it, into plain tokens with Strong's numbers.
#pragma once

#include <string>
#include <vector>

namespace orv {

// One blank-free piece of text, or a Strong's number (digits only, no
// leading zeros) that tags the text token before it.
struct KjvToken {
  std::string text;
  bool strongs = false;
  friend bool operator==(const KjvToken&, const KjvToken&) = default;
};

struct KjvEntry {
  std::vector<KjvToken> title;  // a psalm's title (canonical heading)
  std::vector<KjvToken> body;   // the verse itself
};

// Reads the OSIS fragment `osis` (one verse or chapter heading) into `entry`
// (cleared first). The fragment is read as SWORD's own filters read it, tag
// by tag, since the modules' markup is not always well-formed XML: some
// entries close elements they never opened or leave USFM markers ("\nd")
// in the text.
// Text outside tags splits at blanks into tokens; a <w> element's
// "strong:H" lemmas (H07225 -> 7225; several separated by blanks) follow the
// token in which its text ends, after any punctuation attached to it
// ("earth." then "776"), or the token before when it has no text.
// Notes are dropped whole; <title canonical="true"> or type="psalm" goes to
// `title`, any other title is dropped (book titles, the letters of Psalm
// 119). Empty elements (milestones) and line, paragraph and division tags
// end a token; other markup (transChange, divineName, foreign, red
// letters...) keeps its text. The paragraph sign "¶" is layout and USFM
// markers are leftovers of conversion: both are dropped. The five XML
// entities and numeric character references are decoded.
// Returns false, with `error` set, when a tag is not closed by ">".
bool ReadKjvEntry(const std::string& osis, KjvEntry& entry, std::string& error);

}  // namespace orv
