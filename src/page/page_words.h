// The page's words: the nine line sources that feed a word column, what
// the line assignment decided about them, and the buffer of word entries
// that the page is laid out from. One chapter at most, from its first word.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "interlinear/line_source.h"
#include "model/citation.h"
#include "model/records.h"

namespace orv {

class DatastoreSet;
class UserInterface;
struct Settings;

inline constexpr int kLineCount = 9;              // line 0 = Hebrew, 1..8 interlinear
inline constexpr int kPageSlots = 1280;           // entries 1..1279 are used
inline constexpr int kPageWanted = 512;           // words a page asks for
inline constexpr size_t kEntryTextCapacity = kGlossCap;  // bytes per text

// One buffered word.
struct WordEntry {
  std::string hebrew;               // storage letters with "Orvane Hebrew", else as read
  std::array<std::string, 9> text;  // text[1..8]: the interlinear lines
  Citation cite;
  int32_t strongs = 0;
  int32_t thematic = 0;
  bool changed = false;  // its text on the first ILT line was edited
};

struct PageLines {
  std::array<LineSource, kLineCount> source;
  int highestLine = 0;      // highest line with a selection, 0 for none
  int firstIltLine = 0;     // lowest line showing an interlinear text, 0 for none
  bool iltChanged = false;  // edits on the first ILT line wait to be written
};

// A line source's word read but not yet placed in an entry. A fill that
// goes on where the last one stopped takes up these words again.
struct LineFeed {
  bool inUse = false;
  bool hasPending = false;
  Citation cite;
  std::string text;
};

struct PageBuffer {
  std::vector<WordEntry> entry = std::vector<WordEntry>(kPageSlots);  // [1..count]
  int count = 0;
  bool endOfChapter = false;  // the last fill reached the chapter's or text's end

  // Where the last fill left its sources.
  std::array<LineFeed, kLineCount> feed;
  bool strongsInUse = false;
  int32_t strongsCursor = 0;  // CITE record number of the next Strong's number
};

// What the page's words are read with.
struct PageEnv {
  const Settings& settings;
  DatastoreSet& stores;
  UserInterface& ui;
};

struct Page {
  PageLines lines;
  PageBuffer buffer;
  Page();  // every line source reset (directory "\ORV\", closed)
  Page(const Page&) = delete;
  Page& operator=(const Page&) = delete;
};

}  // namespace orv
