// `orv prefs`: the lines it shows and one setting applied through the
// preferences dialog's OK rules.
#include "prefs/prefs_keys.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "prefs/two_sources.h"

namespace orv {
namespace {

using test::TwoSources;
using ::testing::Contains;

TEST(PrefsKeys, ShowListsEverySettingByItsKey) {
  Settings s = TwoSources();
  s.il.SetSelection(3, 2);
  s.markFOcc = -2;
  const std::vector<std::string> lines = DisplaySettingsLines(s);
  EXPECT_EQ(lines.size(), 7u + 8u + 3u + 8u);
  for (const char* line :
       {"flow off", "header chapter", "mark-focc off (book)", "strongs off",
        "thematic off (traditional)", "title-size 30", "chapter-size 20", "line1 0",
        "line3 2 Translation DB", "modern off", "hebrew-font 0 Orvane Hebrew",
        "modern-font 0 OLBHEB", "font8 10 Arial"}) {
    EXPECT_THAT(lines, Contains(line));
  }
}

TEST(PrefsKeys, SetAppliesOneValueAsOkWould) {
  struct Case {
    const char* key;
    const char* value;
    const char* error;  // "" when applied
    const char* shown;  // the key's line afterwards
  };
  for (const Case& c : {
           Case{"line3", "2", "", "line3 2 Translation DB"},
           Case{"line3", "3", "Invalid value for line3: 3", "line3 0"},
           Case{"line9", "1", "Unknown setting line9", ""},
           Case{"strongs", "on", "", "strongs on"},
           Case{"strongs", "yes", "Invalid value for strongs: yes", "strongs off"},
           Case{"thematic", "traditional", "", "thematic traditional"},
           Case{"thematic", "database", "", "thematic database"},
           Case{"thematic", "off", "", "thematic off (traditional)"},
           Case{"mark-focc", "book", "", "mark-focc book"},
           Case{"title-size", "9", "", "title-size 30"},
           Case{"title-size", "abc", "", "title-size 30"},
           Case{"title-size", "10", "", "title-size 10"},
           Case{"chapter-size", "44", "", "chapter-size 44"},
           Case{"flow", "on", "", "flow on"},
           Case{"modern", "on", "", "modern on"},
           Case{"hebrew-font", "14 Ezra SIL", "", "hebrew-font 14 Ezra SIL"},
           Case{"hebrew-font", "Ezra", "Invalid value for hebrew-font: Ezra", "hebrew-font 0"},
           Case{"font6", "12 DejaVu Sans", "", "font6 12 DejaVu Sans"},
           Case{"font6", "0 Arial", "Invalid value for font6: 0 Arial", "font6 10 Arial"},
       }) {
    Settings s = TwoSources();
    PageFonts fonts = MakePageFonts(s);
    EXPECT_EQ(SetPreference(PrefsTarget{s, &fonts}, true, c.key, c.value), c.error)
        << c.key << " " << c.value;
    if (*c.shown) {
      EXPECT_THAT(DisplaySettingsLines(s), Contains(::testing::StartsWith(c.shown)))
          << c.key << " " << c.value;
    }
  }
}

TEST(PrefsKeys, FirstOccurrenceMarkingNeedsItsDatastore) {
  Settings s;
  EXPECT_NE(SetPreference(PrefsTarget{s}, false, "mark-focc", "book"), "");
  EXPECT_EQ(s.markFOcc, 1);
  // Other keys still go through OK, which leaves the marking as it was.
  EXPECT_EQ(SetPreference(PrefsTarget{s}, false, "strongs", "on"), "");
  EXPECT_EQ(s.markFOcc, 1);
}

}  // namespace
}  // namespace orv
