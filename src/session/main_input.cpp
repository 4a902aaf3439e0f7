#include "session/main_input.h"

#include <charconv>

#include "cite/cite_counts.h"
#include "model/letters.h"
#include "model/records.h"
#include "page/hit_test.h"
#include "session/navigation.h"
#include "session/session.h"

namespace orv {
namespace {

bool Changed(Session& s, bool changed) {
  if (changed) {
    s.view.relayoutNeeded = true;
    if (s.view.reloadWords == WordReload::kAfterEdit) s.view.reloadWords = WordReload::kReadAgain;
  }
  return changed;
}

// The text of a hit as the datastores key it: storage letters.
std::string StorageText(const Session& s, const std::string& shown) {
  std::string text = shown;
  if (s.settings.displayFont.name != "Orvane Hebrew") MapLetters(text);
  return text;
}

Hit HitPage(Session& s, int x, int y, bool withKjv) {
  Hit h = HitWord(s.layout, s.page, s.settings, x, y);
  if (!h.found && withKjv && s.settings.showKJV && s.kjv) h = HitKJV(s.layout, *s.kjv, x, y);
  if (h.found && !h.cite.IsNull()) s.view.clickedCite = h.cite;
  return h;
}

}  // namespace

bool StepNextPage(Session& s) {
  DatastoreCounts counts(*s.stores);
  return Changed(s, NextPage(s.view, counts));
}
bool StepPrevPage(Session& s, const BackwardFn& backward) {
  return Changed(s, PrevPage(s.view, *s.stores, backward));
}
bool StepNextVerse(Session& s) {
  DatastoreCounts counts(*s.stores);
  return Changed(s, NextVerse(s.view, counts));
}
bool StepPrevVerse(Session& s) {
  DatastoreCounts counts(*s.stores);
  return Changed(s, PrevVerse(s.view, counts));
}
bool StepNextChapter(Session& s) {
  DatastoreCounts counts(*s.stores);
  return Changed(s, NextChapter(s.view, counts));
}
bool StepPrevChapter(Session& s) {
  DatastoreCounts counts(*s.stores);
  return Changed(s, PrevChapter(s.view, counts));
}
bool StepBackward(Session& s) { return Changed(s, GoBackward(s.view)); }
bool StepForward(Session& s) { return Changed(s, GoForward(s.view)); }

bool NavKeyDown(Session& s, NavKey key, KeyModifiers m, const BackwardFn& backward) {
  const bool plain = m.Plain();
  const bool alt = !plain && !m.ctrl && m.alt;
  switch (key) {
    case NavKey::kPageUp:
      if (plain) return StepPrevPage(s, backward);
      if (m.ctrl) return StepPrevChapter(s);
      if (alt) return Changed(s, PrevBook(s.view));
      return false;
    case NavKey::kPageDown:
      if (plain) return StepNextPage(s);
      if (m.ctrl) return StepNextChapter(s);
      if (alt) return Changed(s, NextBook(s.view));
      return false;
    case NavKey::kHome:
      if (plain) return Changed(s, ChapterStart(s.view));
      if (m.ctrl) return Changed(s, BookStart(s.view));
      return false;
    case NavKey::kUp:
      return m.ctrl && StepPrevVerse(s);
    case NavKey::kDown:
      return m.ctrl && StepNextVerse(s);
    case NavKey::kLeft:
      return StepBackward(s);
    case NavKey::kRight:
      return StepForward(s);
    case NavKey::kF12:
      s.view.reloadWords = WordReload::kReadAgain;
      return Changed(s, true);
    case NavKey::kOther:
      return false;
  }
  return false;
}

bool NavKeyPress(Session& s, char c) {
  switch (c) {
    case 'r':
      return Changed(s, true);
    case 'b':
      return StepPrevChapter(s);
    case 'f':
      return StepNextChapter(s);
    default:
      return false;
  }
}

ClickResult LeftClick(Session& s, int x, int y) {
  ClickResult r;
  Hit h = HitPage(s, x, y, true);
  if (h.found && h.line == kHitNumberRow && h.text != "0") {
    r.action = ClickAction::kLoadStrongs;
    r.text = h.text;
  }
  return r;
}

ClickResult LeftDoubleClick(Session& s, int x, int y) {
  ClickResult r;
  Hit h = HitPage(s, x, y, true);
  if (!h.found) return r;
  if (h.line == 0) {
    r.action = ClickAction::kEditWord;
    r.text = StorageText(s, h.text);
    r.cite = h.cite;
  } else if (h.line == kHitNumberRow && h.text != "0") {
    r.action = ClickAction::kLoadStrongs;
    r.text = h.text;
  }
  return r;
}

ClickResult RightClick(Session& s, int x, int y, const std::function<bool()>& ensureDatastores) {
  ClickResult r;
  Hit h = HitPage(s, x, y, false);
  if (!h.found) {
    r.action = ClickAction::kBackgroundMenu;
    return r;
  }
  r.cite = h.cite;
  if (h.line >= 0) {
    s.view.popupFromPage = true;
    s.view.popupWord = StorageText(s, h.text);
    s.view.shownWord = h.text;
    r.text = s.view.popupWord;
    if (!ensureDatastores || !ensureDatastores()) return r;
    r.action = ClickAction::kWordMenu;
    r.iltEntryEnabled = s.page.lines.firstIltLine != 0;
    r.strongsEntryEnabled = s.settings.showStrongs;
  } else if (h.line == kHitNumberRow) {
    s.view.popupWord = h.text;
    r.text = h.text;
    r.action = ClickAction::kNumberMenu;
  }
  return r;
}

std::string CheckStrongsNumber(const std::string& text, int& number) {
  size_t start = text.find_first_not_of(' ');
  size_t end = text.find_last_not_of(' ');
  if (start == std::string::npos) return kNotANumber;
  const char* first = text.data() + start;
  const char* last = text.data() + end + 1;
  long long value = 0;
  auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec == std::errc::result_out_of_range) return kStrongsOutOfRange;
  if (ec != std::errc() || ptr != last) return kNotANumber;
  if (value < 1 || value > kStrongsCount) return kStrongsOutOfRange;
  number = static_cast<int>(value);
  return "";
}

}  // namespace orv
