// The preferences dialog's decisions, apart from its widgets: what every
// control shows when the dialog opens (FormShow), and what OK does with what
// the controls hold (OKClick), in a fixed order: heading sizes, header and
// flow, first-occurrence marking and its view, Strong's numbers and
// thematic values, the eight line selections, the Hebrew display font,
// the interlinear fonts, then the line sources assigned again.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "config/settings.h"
#include "page/page_layout.h"
#include "page/view_state.h"

namespace orv {

class DatastoreSet;

inline constexpr const char* kNoLineSource = "(none)";
// Heading sizes below this are ignored on OK.
inline constexpr int32_t kMinHeadingSize = 10;
// The radio groups' items: RGFO "Bible", "Book"; RGTheo "Database", "Traditional".
inline constexpr int kRadioItems = 2;

// What the dialog's controls hold. Radio items are 0-based; a line list's
// selection is an index into `lineSources`, -1 for none.
struct PrefsControls {
  bool header = true;                         // CBHeader "New header for each chapter"
  bool markFOccEnabled = false;               // CBMarkFOcc can be changed (FOCC holds records)
  bool markFOcc = false;                      // CBMarkFOcc "Mark word first occurances"
  int foItem = 0;                             // RGFO
  bool flowWith = false;                      // XlatFlowWith
  bool showStrongs = false;                   // CBShowStrongs
  bool thematic = false;                      // CBTheomatic "Show Thematic values"
  int theoItem = 0;                           // RGTheo "Ordering"
  std::string titleSize;                      // TitleSz
  std::string chapterSize;                    // ChapSz
  std::vector<std::string> hebrewSources;     // CBHebrew
  std::vector<std::string> lineSources;       // each CBILTSelect list: "(none)", then the sources
  std::array<int, kInterlinearLines> line{};  // CBILTSelect1..8
  bool useModernFont = false;                 // CBModern
  // The first-occurrence setting when the dialog was shown.
  int32_t markFOccAtShow = 1;
};

// FormShow: every control from the settings. A radio group whose setting is
// out of range shows its first item, a line whose source no longer exists
// shows no selection. `foccHasRecords` enables the first-occurrence box.
PrefsControls ShowPreferences(const Settings& settings, bool foccHasRecords);

// The line lists filled again from the tables and the current selections
// (after the sources manager changed them); the other controls are kept.
void FillLineLists(PrefsControls& controls, const TILObject& il);

// What OK changes besides the settings; any part may be left out (the
// command line has no page).
struct PrefsTarget {
  explicit PrefsTarget(Settings& s, PageFonts* f = nullptr) : settings(s), fonts(f) {}
  PrefsTarget(Settings& s, PageFonts* f, DatastoreSet* d, ViewState* v, int book,
              std::function<void()> reassign)
      : settings(s),
        fonts(f),
        stores(d),
        view(v),
        currentBook(book),
        reassignSources(std::move(reassign)) {}

  Settings& settings;
  PageFonts* fonts = nullptr;             // the page fonts; line fonts are edited in place
  DatastoreSet* stores = nullptr;         // switches its first-occurrence view
  ViewState* view = nullptr;              // RelayoutNeeded, ReloadWords
  int currentBook = 1;                    // the book a per-book view opens
  std::function<void()> reassignSources;  // the line sources assigned again
};

// OKClick, steps 1 to 8 (see the file comment). Invalid heading sizes keep
// the old value without a message.
void ApplyPreferences(const PrefsControls& controls, PrefsTarget target);

// Whether `text` is a heading size OK takes: an integer of kMinHeadingSize
// or more; `size` is set only then.
bool ReadHeadingSize(const std::string& text, int32_t& size);

}  // namespace orv
