#include "prefs/prefs_fonts.h"

#include "platform/user_interface.h"

namespace orv {
namespace {

// The font dialog from `name` and `size`; on confirm both take the choice
// (a size of 0 or less, from a dialog that gives none, keeps the old one).
bool Choose(UserInterface& ui, std::string& name, int& size, ViewState* view) {
  FontChoice choice{name, size};
  if (!ui.FontDialog(choice)) return false;
  name = choice.name;
  if (choice.size > 0) size = choice.size;
  if (view) view->relayoutNeeded = true;
  return true;
}

}  // namespace

bool ChooseSettingFont(UserInterface& ui, FontSetting& font, ViewState* view) {
  return Choose(ui, font.name, font.size, view);
}

bool ChooseLineFont(UserInterface& ui, PageFonts& fonts, int n, ViewState* view) {
  FontSpec& page = fonts.line[static_cast<size_t>(n)];
  return Choose(ui, page.name, page.size, view);
}

}  // namespace orv
