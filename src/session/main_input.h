// The main window's keys and mouse clicks, decided without the window: what
// a key does to the position, and what a click hit and which menu or viewer
// it asks for.
#pragma once

#include <functional>
#include <string>

#include "model/citation.h"

namespace orv {

class Session;

enum class NavKey { kPageUp, kPageDown, kHome, kUp, kDown, kLeft, kRight, kF12, kOther };

struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool button = false;  // a mouse button is held
  bool Plain() const { return !shift && !ctrl && !alt && !button; }
};

// The backward layout for Prev Page: the first word of the page that ends
// at the given word.
using BackwardFn = std::function<Citation(Citation end)>;

// Applies a key of the navigation table. True when the view changed; the
// caller then repaints (a new layout is already asked for, and a narrower
// reload request became a full one).
bool NavKeyDown(Session& s, NavKey key, KeyModifiers mods, const BackwardFn& backward);

// "r" lays the page out again, "b" and "f" step back and forth a chapter.
bool NavKeyPress(Session& s, char c);

// The menu steps; each returns whether the view changed (a new layout is
// then asked for).
bool StepNextPage(Session& s);
bool StepPrevPage(Session& s, const BackwardFn& backward);
bool StepNextVerse(Session& s);
bool StepPrevVerse(Session& s);
bool StepNextChapter(Session& s);
bool StepPrevChapter(Session& s);
bool StepBackward(Session& s);
bool StepForward(Session& s);

enum class ClickAction {
  kNone,
  kLoadStrongs,     // show `text` in the Strong's viewer (left click: only if it is visible)
  kEditWord,        // the word definition editor for (text, cite)
  kWordMenu,        // PopupMenuW at the click
  kNumberMenu,      // PopupMenuS, 20 pixels below the click
  kBackgroundMenu,  // PopupMenuB, 20 pixels below the click
};

struct ClickResult {
  ClickAction action = ClickAction::kNone;
  std::string text;  // word in storage letters, or a Strong's number
  Citation cite;
  bool iltEntryEnabled = false;      // word menu: a line shows an interlinear text
  bool strongsEntryEnabled = false;  // word menu: Strong's numbers are shown
};

ClickResult LeftClick(Session& s, int x, int y);
ClickResult LeftDoubleClick(Session& s, int x, int y);
// Sets the pop-up word (and the clicked word) for the menu commands; asks
// for the datastores before the word menu (no menu when they are refused).
ClickResult RightClick(Session& s, int x, int y, const std::function<bool()>& ensureDatastores);

inline constexpr const char kNotANumber[] = "** Not a number";
inline constexpr const char kStrongsOutOfRange[] = "Strong's number out of range";

// View Strong's def: "" when `text` is a number from 1 to 8674 (in
// `number`), else the message to show. Empty text is not checked here.
std::string CheckStrongsNumber(const std::string& text, int& number);

}  // namespace orv
