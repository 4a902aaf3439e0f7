#include "prefs/preferences.h"

#include <cstdlib>

#include "config/settings_reader.h"
#include "model/datastore_set.h"

namespace orv {
namespace {

// Item |value| - 1 of a two-item group; a value outside it (a hand-edited
// settings file) shows the first item rather than none.
int RadioItem(int32_t value) {
  const int32_t item = std::abs(value) - 1;
  return item >= 0 && item < kRadioItems ? static_cast<int>(item) : 0;
}

// A setting whose sign says on or off and whose size says which item.
int32_t SignedItem(bool on, int item) { return on ? item + 1 : -(item + 1); }

}  // namespace

bool ReadHeadingSize(const std::string& text, int32_t& size) {
  int32_t v = 0;
  if (!ParseSettingsInt(text, v) || v < kMinHeadingSize) return false;
  size = v;
  return true;
}

void FillLineLists(PrefsControls& c, const TILObject& il) {
  c.lineSources.assign(1, kNoLineSource);
  for (int32_t s = 1; s <= il.SourceCount(); ++s) c.lineSources.push_back(il.SourceName(s));
  for (int n = 1; n <= kInterlinearLines; ++n) {
    const int32_t sel = il.Selection(n);
    c.line[n - 1] = sel >= 0 && sel <= il.SourceCount() ? static_cast<int>(sel) : -1;
  }
}

PrefsControls ShowPreferences(const Settings& s, bool foccHasRecords) {
  PrefsControls c;
  c.header = s.header == 2;
  c.markFOccEnabled = foccHasRecords;
  c.markFOcc = s.markFOcc > 0;
  c.foItem = RadioItem(s.markFOcc);
  c.flowWith = s.flowWith;
  c.showStrongs = s.showStrongs;
  c.thematic = s.thematic > 0;
  c.theoItem = RadioItem(s.thematic);
  c.titleSize = std::to_string(s.titleSize);
  c.chapterSize = std::to_string(s.chapterSize);
  c.hebrewSources.assign(1, s.hebrew.entry[0].name);
  FillLineLists(c, s.il);
  c.useModernFont = s.useModernFont;
  c.markFOccAtShow = s.markFOcc;
  return c;
}

void ApplyPreferences(const PrefsControls& c, PrefsTarget t) {
  Settings& s = t.settings;
  ReadHeadingSize(c.titleSize, s.titleSize);
  ReadHeadingSize(c.chapterSize, s.chapterSize);

  s.header = c.header ? 2 : 1;
  s.flowWith = c.flowWith;

  s.markFOcc = SignedItem(c.markFOcc, c.foItem);
  if (t.stores) {
    t.stores->SetFOccView(FOccViewSetting(c.markFOccAtShow), FOccViewSetting(s.markFOcc),
                          t.currentBook);
  }

  s.showStrongs = c.showStrongs;
  s.thematic = SignedItem(c.thematic, c.theoItem);
  if (c.thematic && t.view) t.view->reloadWords = WordReload::kReadAgain;

  for (int n = 1; n <= kInterlinearLines; ++n) {
    if (c.line[n - 1] >= 0) s.il.SetSelection(n, c.line[n - 1]);
  }

  // The display font; the page draws storage letters only in "Orvane
  // Hebrew", so any other name turns the conversion on (see DeriveDisplayFont).
  s.useModernFont = c.useModernFont;
  s.DeriveDisplayFont();
  if (t.fonts) {
    t.fonts->hebrew = MakePageFonts(s).hebrew;
    for (int n = 1; n <= kInterlinearLines; ++n) {
      const FontSpec& f = t.fonts->line[n];
      s.ilFont[n - 1] = FontSetting{f.size, f.name.substr(0, kILFontNameCapacity)};
    }
  }

  if (t.view) t.view->relayoutNeeded = true;
  if (t.reassignSources) t.reassignSources();
}

}  // namespace orv
