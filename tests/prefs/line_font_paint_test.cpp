// A line font chosen in the preferences dialog reaches the painted page
// whole: the next paint lays the page out again and draws the line's words
// in the chosen name, size, style and colour.
#include <gtest/gtest.h>

#include <string>

#include "page/page_fixture.h"
#include "page/page_paint.h"
#include "prefs/prefs_fonts.h"
#include "support/scripted_ui.h"

namespace orv {
namespace {

using LineFontPaintTest = test::PageFixture;

// The font line in effect where `text` is drawn in `dump`.
std::string FontOf(const std::string& dump, const std::string& text) {
  const size_t at = dump.find(std::string("\"").append(text).append("\""));
  if (at == std::string::npos) return "";
  const size_t font = dump.rfind("\nfont ", at);
  return font == std::string::npos ? ""
                                   : dump.substr(font + 1, dump.find('\n', font + 1) - font - 1);
}

TEST_F(LineFontPaintTest, TheNextPaintDrawsTheLineInTheChosenFont) {
  settings_.il.SetSelection(1, 1);
  EXPECT_EQ(FontOf(Paint({1, 1, 1, 1}, 600, 230), "in-beginning"), "font Arial 10 #000000");
  test::ScriptedUI ui;
  ui.font.push_back(FontChoice{"DejaVu Serif", 14, kFontBold, Rgb{0, 128, 128}});
  ASSERT_TRUE(ChooseLineFont(ui, layout_.fonts, 1, &view_));
  ASSERT_TRUE(view_.relayoutNeeded);
  surface_.Clear();
  PaintScreen(surface_, layout_, page_, env_, view_, nullptr);
  EXPECT_EQ(FontOf(surface_.Dump(), "in-beginning"), "font DejaVu Serif 14 b #008080");
  EXPECT_FALSE(view_.relayoutNeeded);
}

}  // namespace
}  // namespace orv
