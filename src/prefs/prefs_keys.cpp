#include "prefs/prefs_keys.h"

#include <array>
#include <cstdlib>

#include "config/settings_reader.h"

namespace orv {
namespace {

constexpr std::array<const char*, kRadioItems> kFOccItems = {"bible", "book"};
constexpr std::array<const char*, kRadioItems> kTheoItems = {"database", "traditional"};

const char* OnOff(bool on) { return on ? "on" : "off"; }

// "bible", or "off (bible)" when the sign says off.
std::string Signed(int32_t value, const std::array<const char*, kRadioItems>& items) {
  const int32_t item = std::abs(value) - 1;
  const std::string name = item >= 0 && item < kRadioItems ? items[item] : std::to_string(value);
  return value > 0 ? name : "off (" + name + ")";
}

std::string FontLine(const std::string& key, const FontSetting& f) {
  return std::string(key).append(" ").append(std::to_string(f.size)).append(" ").append(f.name);
}

// The line number of "line3" / "font3" after `prefix`; 0 for anything else.
int LineKey(const std::string& key, const std::string& prefix) {
  if (key.size() != prefix.size() + 1 || key.compare(0, prefix.size(), prefix) != 0) return 0;
  const int n = key.back() - '0';
  return n >= 1 && n <= kInterlinearLines ? n : 0;
}

bool ReadOnOff(const std::string& value, bool& on) {
  if (value != "on" && value != "off") return false;
  on = value == "on";
  return true;
}

// "off" unchecks and keeps the item; an item name checks and picks it.
bool ReadSigned(const std::string& value, const std::array<const char*, kRadioItems>& items,
                bool& checked, int& item) {
  if (value == "off") {
    checked = false;
    return true;
  }
  for (int i = 0; i < kRadioItems; ++i) {
    if (value == items[static_cast<size_t>(i)]) {
      checked = true;
      item = i;
      return true;
    }
  }
  return false;
}

// "SIZE NAME" with a size above 0 and a name.
bool ReadFont(const std::string& value, FontSetting& font) {
  const size_t blank = value.find(' ');
  int32_t size = 0;
  if (blank == std::string::npos || !ParseSettingsInt(value.substr(0, blank), size) || size <= 0)
    return false;
  const std::string name = value.substr(blank + 1);
  if (name.empty()) return false;
  font = FontSetting{size, name};
  return true;
}

std::string BadValue(const std::string& key, const std::string& value) {
  return "Invalid value for " + key + ": " + value;
}

}  // namespace

std::vector<std::string> DisplaySettingsLines(const Settings& s) {
  std::vector<std::string> out;
  out.push_back(std::string("flow ").append(OnOff(s.flowWith)));
  out.push_back(std::string("header ").append(s.header == 2 ? "chapter" : "book"));
  out.push_back("mark-focc " + Signed(s.markFOcc, kFOccItems));
  out.push_back(std::string("strongs ").append(OnOff(s.showStrongs)));
  out.push_back("thematic " + Signed(s.thematic, kTheoItems));
  out.push_back("title-size " + std::to_string(s.titleSize));
  out.push_back("chapter-size " + std::to_string(s.chapterSize));
  for (int n = 1; n <= kInterlinearLines; ++n) {
    const int32_t sel = s.il.Selection(n);
    std::string line = std::string("line").append(std::to_string(n)).append(" ");
    line.append(std::to_string(sel));
    if (const std::string name = s.il.SourceName(sel); !name.empty()) line.append(" ").append(name);
    out.push_back(line);
  }
  out.push_back(std::string("modern ").append(OnOff(s.useModernFont)));
  out.push_back(FontLine("hebrew-font", s.hebrewFont));
  out.push_back(FontLine("modern-font", s.modernFont));
  for (int n = 1; n <= kInterlinearLines; ++n) {
    out.push_back(FontLine(std::string("font").append(std::to_string(n)), s.ilFont[n - 1]));
  }
  return out;
}

std::string SetPreference(PrefsTarget t, bool foccHasRecords, const std::string& key,
                          const std::string& value) {
  Settings& s = t.settings;
  if (key == "hebrew-font" || key == "modern-font") {
    // The font buttons take their choice at once, without OK.
    if (!ReadFont(value, key == "hebrew-font" ? s.hebrewFont : s.modernFont))
      return BadValue(key, value);
    if (t.view) t.view->relayoutNeeded = true;
    return "";
  }
  PrefsControls c = ShowPreferences(s, foccHasRecords);
  bool ok = true;
  if (key == "flow") {
    ok = ReadOnOff(value, c.flowWith);
  } else if (key == "strongs") {
    ok = ReadOnOff(value, c.showStrongs);
  } else if (key == "modern") {
    ok = ReadOnOff(value, c.useModernFont);
  } else if (key == "thematic") {
    ok = ReadSigned(value, kTheoItems, c.thematic, c.theoItem);
  } else if (key == "mark-focc") {
    if (!foccHasRecords) return "First occurrences cannot be marked: the FOCC datastore is empty";
    ok = ReadSigned(value, kFOccItems, c.markFOcc, c.foItem);
  } else if (key == "title-size") {
    c.titleSize = value;
  } else if (key == "chapter-size") {
    c.chapterSize = value;
  } else if (int n = LineKey(key, "line")) {
    int32_t source = 0;
    ok = ParseSettingsInt(value, source) && source >= 0 &&
         source < static_cast<int32_t>(c.lineSources.size());
    if (ok) c.line[n - 1] = source;
  } else if (int f = LineKey(key, "font")) {
    FontSetting font;
    ok = t.fonts && ReadFont(value, font);
    if (ok) t.fonts->line[f] = FontSpec{font.name, font.size, 0, kBlack};
  } else {
    return "Unknown setting " + key;
  }
  if (!ok) return BadValue(key, value);
  ApplyPreferences(c, t);
  return "";
}

}  // namespace orv
