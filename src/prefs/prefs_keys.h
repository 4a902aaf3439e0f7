// The display settings as `orv prefs` shows and sets them: one "KEY VALUE"
// line per control of the preferences dialog, and one KEY VALUE applied
// through the dialog's controls and its OK rules.
//
// Keys and values: flow, strongs, modern: on|off; mark-focc: bible|book|off;
// thematic: database|traditional|off; title-size, chapter-size: points
// (below 10 or not a number: unchanged, as OK does); line1..line8: a source
// number (0 = none); hebrew-font, modern-font, font1..font8: "SIZE NAME".
#pragma once

#include <string>
#include <vector>

#include "prefs/preferences.h"

namespace orv {

// The lines of `orv prefs show`, e.g. "thematic off (traditional)",
// "line1 2 Translation DB", "font6 10 Arial".
std::vector<std::string> DisplaySettingsLines(const Settings& settings);

// Applies KEY VALUE as the dialog would: the controls as FormShow fills
// them, the one control changed, then OK (or, for the two Hebrew fonts, the
// font button's confirm). `target.fonts` must be given for font1..font8.
// Returns "" on success, else the error to show (an unknown key, a value
// the control cannot take, or first-occurrence marking while the FOCC
// datastore is empty).
std::string SetPreference(PrefsTarget target, bool foccHasRecords, const std::string& key,
                          const std::string& value);

}  // namespace orv
