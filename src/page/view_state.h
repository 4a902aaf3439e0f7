// What the main window shows and where it has been: the reading position,
// the marked words, the next page's start written by the layout, the word
// last clicked, and the browsing history. One object for the whole run,
// shared by the window, the page engine, the searches and the editors.
#pragma once

#include <array>
#include <string>

#include "model/citation.h"

namespace orv {

inline constexpr int kHistorySize = 64;

// `ReloadWords`: whether the page's words must be read again before the next
// layout.
enum class WordReload {
  kValid,      // the words loaded for the page are valid
  kReadAgain,  // discard them and read the verses again
  kAfterEdit,  // an editor changed what they show; any navigation makes it kReadAgain
};

struct HistoryEntry {
  Citation cite;  // the page's first word
  Citation mark;  // the highlighted word
};

struct ViewState {
  Citation currentCite = kFirstCite;  // first word of the page
  Citation highlightCite;             // marked word; null = none
  int highlightRun = 0;               // further words marked after it
  Citation nextPageCite;              // first word after the page; null at the end
  Citation clickedCite;               // word last hit or found
  std::string popupWord;              // word (storage letters) or Strong's number
  std::string shownWord;              // the right-clicked word as displayed
  bool popupFromPage = false;
  bool relayoutNeeded = true;  // lay out before the next paint
  WordReload reloadWords = WordReload::kValid;

  std::array<HistoryEntry, kHistorySize + 1> history{};  // [1..kHistorySize]
  int historyPos = 0;                                    // current entry, 0 while empty
  int historyCount = 0;                                  // entries in use
};

// Records (cite, mark) as the current history entry, unless `cite` is the
// current entry's citation already. At 64 entries the oldest is dropped.
// Entries past the current one stay (the count never shrinks).
void PushHistory(ViewState& v, Citation cite, Citation mark);

// The standard jump: the page starts at `cite`'s verse, `cite` is marked
// (when its word is not 0) together with `count - 1` words after it, it
// becomes the clicked word, and the place goes into the history. Sets
// relayoutNeeded.
void GoToCite(ViewState& v, Citation cite);
void GoToCiteRun(ViewState& v, Citation cite, int count);

}  // namespace orv
