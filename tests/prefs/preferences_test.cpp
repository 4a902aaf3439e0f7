// The preferences dialog's decisions: what the controls show, the OK rules
// and the font buttons' at-once changes.
#include "prefs/preferences.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "prefs/prefs_fonts.h"
#include "prefs/two_sources.h"
#include "support/scripted_ui.h"

namespace orv {
namespace {

using test::TwoSources;
using ::testing::ElementsAre;

TEST(Preferences, HeadingSizeIsTakenFromTenUpOnly) {
  struct Case {
    const char* typed;
    int32_t expected;
  };
  for (const Case& c :
       {Case{"9", 30}, Case{"abc", 30}, Case{"", 30}, Case{"-12", 30}, Case{"10", 10},
        Case{"  24", 24}, Case{"5000", 5000}, Case{"99999999999", 30}}) {
    Settings s;
    PrefsControls controls = ShowPreferences(s, true);
    controls.titleSize = c.typed;
    controls.chapterSize = c.typed;
    ApplyPreferences(controls, PrefsTarget{s});
    EXPECT_EQ(s.titleSize, c.expected) << c.typed;
    EXPECT_EQ(s.chapterSize, c.expected == 30 ? 20 : c.expected) << c.typed;
  }
}

// The signed settings: the box gives the sign, the radio group the size,
// and an unchecked box keeps the item, shown again the next time.
TEST(Preferences, SignedSettingsKeepTheirItemWhenSwitchedOff) {
  struct Case {
    int32_t stored;
    bool checked;
    int item;  // shown
    bool check;
    int32_t after;
  };
  for (const Case& c :
       {Case{-2, false, 1, false, -2}, Case{-2, false, 1, true, 2}, Case{2, true, 1, false, -2},
        Case{1, true, 0, true, 1}, Case{7, true, 0, true, 1}, Case{0, false, 0, false, -1}}) {
    Settings s;
    s.thematic = c.stored;
    s.markFOcc = c.stored;
    PrefsControls controls = ShowPreferences(s, true);
    EXPECT_EQ(controls.thematic, c.checked) << c.stored;
    EXPECT_EQ(controls.theoItem, c.item) << c.stored;
    EXPECT_EQ(controls.markFOcc, c.checked) << c.stored;
    EXPECT_EQ(controls.foItem, c.item) << c.stored;
    controls.thematic = controls.markFOcc = c.check;
    ApplyPreferences(controls, PrefsTarget{s});
    EXPECT_EQ(s.thematic, c.after) << c.stored;
    EXPECT_EQ(s.markFOcc, c.after) << c.stored;
  }
}

TEST(Preferences, EmptyFirstOccurrenceStoreDisablesTheBoxButShowsTheSetting) {
  Settings s;
  s.markFOcc = 2;
  PrefsControls controls = ShowPreferences(s, false);
  EXPECT_FALSE(controls.markFOccEnabled);
  EXPECT_TRUE(controls.markFOcc);
  EXPECT_EQ(controls.foItem, 1);
}

TEST(Preferences, LineListsNameEverySourceAndShowTheSelections) {
  Settings s = TwoSources();
  s.il.SetSelection(1, 2);
  s.il.SetSelection(2, 9);  // a source that is gone
  PrefsControls controls = ShowPreferences(s, true);
  EXPECT_THAT(controls.lineSources, ElementsAre("(none)", "ILT Translation", "Translation DB"));
  EXPECT_EQ(controls.line[0], 2);
  EXPECT_EQ(controls.line[1], -1);
  EXPECT_EQ(controls.line[2], 0);
  controls.line[2] = 1;
  ApplyPreferences(controls, PrefsTarget{s});
  EXPECT_EQ(s.il.Selection(1), 2);
  EXPECT_EQ(s.il.Selection(2), 9);  // a list without a selection changes nothing
  EXPECT_EQ(s.il.Selection(3), 1);
}

TEST(Preferences, OkSetsFontsViewAndSourcesInOneGo) {
  Settings s = TwoSources();
  s.modernFont = FontSetting{18, "SBL Hebrew"};
  PageFonts fonts = MakePageFonts(s);
  fonts.line[5].name = std::string(50, 'x');  // line 5
  fonts.line[5].size = 14;
  ViewState view;
  view.relayoutNeeded = false;
  int reassigned = 0;
  PrefsControls controls = ShowPreferences(s, true);
  controls.useModernFont = true;
  controls.thematic = true;
  ApplyPreferences(controls, PrefsTarget{s, &fonts, nullptr, &view, 1, [&] { ++reassigned; }});
  EXPECT_EQ(s.displayFont, (FontSetting{18, "SBL Hebrew"}));
  EXPECT_EQ(fonts.hebrew.name, "SBL Hebrew");
  EXPECT_EQ(fonts.hebrew.size, 18);
  EXPECT_EQ(s.ilFont[4], (FontSetting{14, std::string(39, 'x')}));
  EXPECT_EQ(s.ilFont[3], (FontSetting{10, "Arial"}));
  EXPECT_EQ(view.reloadWords, WordReload::kReadAgain);
  EXPECT_TRUE(view.relayoutNeeded);
  EXPECT_EQ(reassigned, 1);
}

TEST(PrefsFonts, ConfirmedFontsChangeAtOnceAndCancelKeepsThem) {
  test::ScriptedUI ui;
  Settings s;
  ViewState view;
  view.relayoutNeeded = false;
  ui.font.push_back(FontChoice{"Ezra SIL", 16});
  EXPECT_TRUE(ChooseSettingFont(ui, s.hebrewFont, &view));
  EXPECT_EQ(s.hebrewFont, (FontSetting{16, "Ezra SIL"}));
  EXPECT_TRUE(view.relayoutNeeded);
  EXPECT_EQ(s.displayFont.name, "Orvane Hebrew");  // the page's font waits for OK

  ui.font.push_back(std::nullopt);
  EXPECT_FALSE(ChooseSettingFont(ui, s.hebrewFont, &view));
  EXPECT_EQ(s.hebrewFont, (FontSetting{16, "Ezra SIL"}));

  PageFonts fonts = MakePageFonts(s);
  const PageFonts before = fonts;
  ui.font.push_back(FontChoice{"DejaVu Serif", 12});
  EXPECT_TRUE(ChooseLineFont(ui, fonts, 6, &view));
  EXPECT_THAT(ui.calls, ::testing::Contains("FontDialog: Arial"));
  for (int n = 1; n <= kInterlinearLines; ++n) {
    if (n == 6) {
      EXPECT_EQ(fonts.line[6].name, "DejaVu Serif");
      EXPECT_EQ(fonts.line[6].size, 12);
    } else {
      EXPECT_EQ(fonts.line[size_t(n)], before.line[size_t(n)]) << n;
    }
  }
  EXPECT_EQ(s.ilFont[5].name, "Arial");  // the setting waits for OK
}

TEST(PrefsFonts, LineFontsCarryStyleAndColourHebrewFontsNameAndSizeOnly) {
  test::ScriptedUI ui;
  Settings s;
  PageFonts fonts = MakePageFonts(s);
  fonts.line[3] = FontSpec{"DejaVu Sans", 11, kFontItalic, kBlue};
  const Rgb teal{0, 128, 128};
  // A style bit the page does not know is dropped; size 0 keeps the size.
  ui.font.push_back(FontChoice{"DejaVu Serif", 14, kFontBold | kFontItalic | 8, teal});
  ui.font.push_back(FontChoice{"Liberation Serif", 0, kFontBold, kRed});
  ui.font.push_back(FontChoice{"Ezra SIL", 18, kFontBold, kRed});
  ASSERT_TRUE(ChooseLineFont(ui, fonts, 3, nullptr));
  EXPECT_EQ(fonts.line[3], (FontSpec{"DejaVu Serif", 14, kFontBold | kFontItalic, teal}));
  ASSERT_TRUE(ChooseLineFont(ui, fonts, 3, nullptr));
  EXPECT_EQ(fonts.line[3], (FontSpec{"Liberation Serif", 14, kFontBold, kRed}));
  ASSERT_TRUE(ChooseSettingFont(ui, s.modernFont, nullptr));
  EXPECT_EQ(s.modernFont, (FontSetting{18, "Ezra SIL"}));
  ASSERT_EQ(ui.fontsAsked.size(), 3u);
  const FontChoice& line = ui.fontsAsked[0];  // the dialog starts from the page font
  EXPECT_EQ(line.name, "DejaVu Sans");
  EXPECT_EQ(line.size, 11);
  EXPECT_EQ(line.style, kFontItalic);
  EXPECT_EQ(line.color, kBlue);
  EXPECT_TRUE(line.withColor);
  EXPECT_FALSE(ui.fontsAsked[2].withColor);

  // OK stores the name and size and leaves the page font's style and colour.
  ApplyPreferences(ShowPreferences(s, false), PrefsTarget{s, &fonts});
  EXPECT_EQ(s.ilFont[2], (FontSetting{14, "Liberation Serif"}));
  EXPECT_EQ(fonts.line[3], (FontSpec{"Liberation Serif", 14, kFontBold, kRed}));
}

}  // namespace
}  // namespace orv
