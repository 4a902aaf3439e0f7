#include "prefs/prefs_fonts.h"

#include "platform/user_interface.h"

namespace orv {
namespace {

// The style bits a page font knows; anything else a dialog sends is dropped.
constexpr int kFontStyleBits = kFontBold | kFontItalic;

// A size of 0 or less, from a dialog that gives none, keeps the old one.
int SizeOr(int chosen, int old) { return chosen > 0 ? chosen : old; }

}  // namespace

bool ChooseSettingFont(UserInterface& ui, FontSetting& font, ViewState* view) {
  FontChoice choice{font.name, font.size};
  if (!ui.FontDialog(choice)) return false;
  // The Hebrew fonts are drawn plain (see Settings::DeriveDisplayFont), so
  // only the name and size are taken.
  font.name = choice.name;
  font.size = SizeOr(choice.size, font.size);
  if (view) view->relayoutNeeded = true;
  return true;
}

bool ChooseLineFont(UserInterface& ui, PageFonts& fonts, int n, ViewState* view) {
  FontSpec& page = fonts.line[static_cast<size_t>(n)];
  FontChoice choice{page.name, page.size, page.style, page.color, true};
  if (!ui.FontDialog(choice)) return false;
  page = FontSpec{choice.name, SizeOr(choice.size, page.size), choice.style & kFontStyleBits,
                  choice.color};
  if (view) view->relayoutNeeded = true;
  return true;
}

}  // namespace orv
